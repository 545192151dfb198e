#include "outputs/ProjectDocuments.h"

#include "ethercat/DocumentNames.h"
#include "app/AppState.h"

#include <system_error>

namespace cfq::outputs {

ProjectDocuments projectDocuments(const AppState& state)
{
    return {state.ParGen_File, state.EtherCAT_Slave_File, state.EtherCAT_Slave_Group_File};
}

Result<xml::Document> loadIfPresent(const std::filesystem::path& file)
{
    std::error_code error;
    if (file.empty() || !std::filesystem::exists(file, error))
        return xml::Document();
    return xml::load(file);
}

pugi::xml_node documentRoot(const xml::Document& document)
{
    return document ? xml::firstTopLevelNode(*document) : pugi::xml_node();
}

pugi::xml_node variableRows(pugi::xml_node root, Direction direction)
{
    const pugi::xml_node variables = xml::childElement(root, variable_doc::kVariables);
    return xml::childElement(variables, direction == Direction::SlaveToMaster ? variable_doc::kSlaveToMaster
                                                                              : variable_doc::kMasterToSlave);
}

pugi::xml_node groupRows(pugi::xml_node root, Direction direction)
{
    return xml::childElement(root,
                             direction == Direction::SlaveToMaster ? group_doc::kSlaveToMaster : group_doc::kMasterToSlave);
}

bool isEnabledRow(pugi::xml_node row)
{
    return xml::attributeText(row, variable_doc::kEnable) == "Y";
}

} // namespace cfq::outputs
