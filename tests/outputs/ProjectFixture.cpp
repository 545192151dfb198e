#include "outputs/ProjectFixture.h"

#include "app/ModelIdentity.h"
#include "i18n/TextTable.h"
#include "outputs/EsiFile.h"
#include "platform/Xml.h"

#include <gtest/gtest.h>

namespace cfq::outputs::test {
namespace {

std::string editorLength(const std::string& type)
{
    if (type == "Bool" || type == "Int8" || type == "UInt8")
        return "1";
    if (type == "Int16" || type == "UInt16")
        return "2";
    if (type == "Int32" || type == "UInt32" || type == "Float32")
        return "4";
    return "10";
}

void appendRows(pugi::xml_node direction, const std::vector<Variable>& rows)
{
    for (const Variable& variable : rows) {
        pugi::xml_node row = direction.append_child("row");
        row.append_attribute("Enable") = variable.enable.c_str();
        row.append_attribute("Type") = variable.type.c_str();
        row.append_attribute("Length") =
            (variable.length.empty() ? editorLength(variable.type) : variable.length).c_str();
        row.append_attribute("Name") = variable.name.c_str();
        if (variable.initValue)
            row.append_attribute("InitValue") = variable.initValue->c_str();
        row.append_attribute("Position") = variable.position.c_str();
        row.append_attribute("BitStart") = variable.bitStart.c_str();
        row.append_attribute("Group") = "";
        row.append_attribute("Mnemonic") = "";
    }
}

void appendGroups(pugi::xml_node direction, const std::vector<Group>& groups)
{
    for (const Group& group : groups) {
        pugi::xml_node row = direction.append_child("row");
        row.append_attribute("Group_Name") = group.name.c_str();
        row.append_attribute("Num_Variables") = group.count.c_str();
        row.append_attribute("Mnemonic") = "";
    }
}

// The root element, then the version comment, as every project document.
pugi::xml_node startDocument(pugi::xml_document& document, const char* root)
{
    pugi::xml_node element = document.append_child(root);
    document.append_child(pugi::node_comment).set_value(model::kVersionComment);
    return element;
}

void save(const pugi::xml_document& document, const std::filesystem::path& file)
{
    ASSERT_TRUE(xml::save(document, file).ok());
}

} // namespace

ProjectFolder::ProjectFolder()
{
    std::filesystem::create_directories(m_dir.path() / "bin");
}

ProjectDocuments ProjectFolder::documents() const
{
    return {folder() / "ParGen.xml", folder() / "EtherCAT_Slave.xml", folder() / "EtherCAT_Slave_Group.xml"};
}

void ProjectFolder::writeParameters(const Elements& elements) const
{
    pugi::xml_document document;
    pugi::xml_node root = startDocument(document, "Par_Gen");
    for (const auto& [name, value] : elements)
        xml::appendTextElement(root, name.c_str(), value);
    save(document, documents().parameters);
}

void ProjectFolder::writeVariables(const std::vector<Variable>& slaveToMaster,
                                   const std::vector<Variable>& masterToSlave) const
{
    pugi::xml_document document;
    pugi::xml_node variables =
        startDocument(document, "EtherCAT_Slave").append_child("EtherCAT_Slave_Variables");
    appendRows(variables.append_child("EtherCAT_Slave_To_Master"), slaveToMaster);
    appendRows(variables.append_child("EtherCAT_Master_To_Slave"), masterToSlave);
    save(document, documents().variables);
}

void ProjectFolder::writeGroups(const std::vector<Group>& slaveToMaster,
                                const std::vector<Group>& masterToSlave) const
{
    pugi::xml_document document;
    pugi::xml_node root = startDocument(document, "PROFINET_Master_to_Modbus_TCP_Master");
    appendGroups(root.append_child("Slave_to_Master"), slaveToMaster);
    appendGroups(root.append_child("Master_to_Slave"), masterToSlave);
    save(document, documents().groups);
}

void ProjectFolder::writeDocument(const std::string& fileName, const std::string& text) const
{
    cfq::test::writeFile(folder() / fileName, text);
}

Result<DeviceImages> ProjectFolder::compile() const
{
    static const TextTable texts = [] {
        TextTable table;
        table.Init_Text_Table();
        return table;
    }();
    return Compile_Device_Images(documents(), ".", texts);
}

std::string ProjectFolder::esi() const
{
    const auto text = esiFileText(documents());
    EXPECT_TRUE(text.ok()) << (text.ok() ? "" : text.error());
    return text.ok() ? text.value() : std::string();
}

std::uint32_t le32(const Bytes& bytes, std::size_t offset)
{
    return static_cast<std::uint32_t>(le16(bytes, offset)) |
           static_cast<std::uint32_t>(le16(bytes, offset + 2)) << 16;
}

std::uint16_t le16(const Bytes& bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(bytes.at(offset) | bytes.at(offset + 1) << 8);
}

Bytes slice(const Bytes& bytes, std::size_t offset, std::size_t count)
{
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                 bytes.begin() + static_cast<std::ptrdiff_t>(offset + count));
}

const std::string& englishText(int index)
{
    return builtinText(index);
}

} // namespace cfq::outputs::test
