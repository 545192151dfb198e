#include "ethercat/GroupDocument.h"

#include "app/ModelIdentity.h"
#include "ethercat/DocumentNames.h"
#include "platform/TextTrim.h"
#include "platform/WholeNumber.h"
#include "platform/Xml.h"

namespace cfq {
namespace {

using namespace group_doc;

std::vector<GroupRow> readDirection(pugi::xml_node direction)
{
    std::vector<GroupRow> rows;
    for (pugi::xml_node group : direction.children()) {
        rows.push_back({xml::attributeText(group, kName), xml::attributeText(group, kNumVariables),
                        xml::attributeText(group, kMnemonic)});
    }
    return rows;
}

void writeDirection(pugi::xml_node root, const char* name, const std::vector<GroupRow>& rows)
{
    pugi::xml_node direction = root.append_child(name);
    for (std::size_t i = 0; i < rows.size() && i < kMaxGroups; ++i) {
        const GroupRow& group = rows[i];
        if (trimControl(group.Group_Name).empty())
            break;
        pugi::xml_node row = direction.append_child(kRow);
        row.append_attribute(kName).set_value(group.Group_Name.c_str());
        row.append_attribute(kNumVariables).set_value(group.Num_Variables.c_str());
        row.append_attribute(kMnemonic).set_value(group.Mnemonic.c_str());
    }
}

std::vector<TGroup> toGroups(const std::vector<GroupRow>& rows)
{
    std::vector<TGroup> groups;
    groups.reserve(rows.size());
    for (const GroupRow& row : rows)
        groups.push_back({row.Group_Name, readInt32Or(row.Num_Variables, 0)});
    return groups;
}

} // namespace

GroupLists readGroupLists(const pugi::xml_document& document)
{
    const pugi::xml_node root = xml::firstTopLevelNode(document);
    return {readDirection(xml::childElement(root, kSlaveToMaster)),
            readDirection(xml::childElement(root, kMasterToSlave))};
}

Result<GroupLists> loadGroupLists(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return GroupLists{};
    auto document = xml::load(file);
    if (!document)
        return Result<GroupLists>::failure(document.error());
    return readGroupLists(*document.value());
}

void buildGroupDocument(pugi::xml_document& document, const GroupLists& lists)
{
    document.reset();
    pugi::xml_node root = document.append_child(kRoot);
    document.append_child(pugi::node_comment).set_value(model::kVersionComment);
    writeDirection(root, kSlaveToMaster, lists.slaveToMaster);
    writeDirection(root, kMasterToSlave, lists.masterToSlave);
}

Status saveGroupLists(const std::filesystem::path& file, const GroupLists& lists)
{
    pugi::xml_document document;
    buildGroupDocument(document, lists);
    return xml::save(document, file);
}

GroupSnapshot toGroupSnapshot(const GroupLists& lists)
{
    return {toGroups(lists.slaveToMaster), toGroups(lists.masterToSlave)};
}

} // namespace cfq
