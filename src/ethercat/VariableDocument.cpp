#include "ethercat/VariableDocument.h"

#include "app/ModelIdentity.h"
#include "ethercat/DocumentNames.h"
#include "ethercat/Placement.h"
#include "ethercat/VarTypes.h"
#include "platform/Xml.h"

namespace cfq {
namespace {

using namespace variable_doc;

// The attributes after Enable, in the order they are written.
struct Column
{
    const char* attribute;
    VarField field;
};

constexpr Column kColumns[] = {
    {kType, VarField::Type},          {kLength, VarField::Length},
    {kName, VarField::Name},         {kInitValue, VarField::InitValue},
    {kPosition, VarField::Position}, {kBitStart, VarField::StartBit},
    {kGroup, VarField::Group},       {kMnemonic, VarField::Mnemonic},
};

bool carries(const Column& column, bool slaveToMaster)
{
    return slaveToMaster || column.field != VarField::InitValue;
}

void readRow(pugi::xml_node node, VariableTable& table, int index, bool slaveToMaster)
{
    table.setEnabled(index, xml::attributeText(node, kEnable) != "N");
    const std::string type = xml::attributeText(node, kType);
    table.setCell(index, VarField::Type, type);
    VarSetLength(table, index, type);
    for (const Column& column : kColumns) {
        // The Type is in place already; the Group is derived, never read.
        const bool derivedOrDone = column.field == VarField::Type || column.field == VarField::Group;
        if (!derivedOrDone && carries(column, slaveToMaster))
            table.setCell(index, column.field, xml::attributeText(node, column.attribute));
    }
}

void readDirection(pugi::xml_node direction, VariableTable& table, bool slaveToMaster)
{
    int index = 0;
    for (pugi::xml_node node = direction.first_child(); node && index < kVariableRows;
         node = node.next_sibling())
        readRow(node, table, index++, slaveToMaster);
}

void writeDirection(pugi::xml_node parent, const char* name, const VariableTable& table, bool slaveToMaster)
{
    pugi::xml_node direction = parent.append_child(name);
    const int rows = tableLength(table);
    for (int index = 0; index < rows; ++index) {
        pugi::xml_node row = direction.append_child(kRow);
        row.append_attribute(kEnable).set_value(table.enabled(index) ? "Y" : "N");
        for (const Column& column : kColumns) {
            if (carries(column, slaveToMaster))
                row.append_attribute(column.attribute).set_value(table.cell(index, column.field).c_str());
        }
    }
}

} // namespace

void resetTable(VariableTable& table)
{
    for (int index = 0; index < kVariableRows; ++index) {
        table.setEnabled(index, true);
        for (int field = 0; field < kVarFieldCount; ++field)
            table.setCell(index, static_cast<VarField>(field), {});
    }
}

void readVariableDocument(const pugi::xml_document& document, const VariableTables& tables)
{
    const pugi::xml_node variables = xml::childElement(xml::firstTopLevelNode(document), kVariables);
    readDirection(xml::childElement(variables, kSlaveToMaster), tables.slaveToMaster, true);
    readDirection(xml::childElement(variables, kMasterToSlave), tables.masterToSlave, false);
}

Status Load_Variables(const std::filesystem::path& file, const VariableTables& tables,
                      const GroupSnapshot& groups)
{
    resetTable(tables.slaveToMaster);
    resetTable(tables.masterToSlave);
    std::error_code error;
    if (std::filesystem::exists(file, error)) {
        auto document = xml::load(file);
        if (!document)
            return Status::failure(document.error());
        readVariableDocument(*document.value(), tables);
    }
    Show_Group(tables.slaveToMaster, groups.Group_StoM);
    Calc_Position_Bit(tables.slaveToMaster);
    Show_Group(tables.masterToSlave, groups.Group_MtoS);
    Calc_Position_Bit(tables.masterToSlave);
    return {};
}

void buildVariableDocument(pugi::xml_document& document, const VariableTable& slaveToMaster,
                           const VariableTable& masterToSlave)
{
    document.reset();
    pugi::xml_node root = document.append_child(kRoot);
    document.append_child(pugi::node_comment).set_value(model::kVersionComment);
    pugi::xml_node variables = root.append_child(kVariables);
    writeDirection(variables, kSlaveToMaster, slaveToMaster, true);
    writeDirection(variables, kMasterToSlave, masterToSlave, false);
}

Status Save_Variables(const std::filesystem::path& file, const VariableTable& slaveToMaster,
                      const VariableTable& masterToSlave)
{
    pugi::xml_document document;
    buildVariableDocument(document, slaveToMaster, masterToSlave);
    return xml::save(document, file);
}

} // namespace cfq
