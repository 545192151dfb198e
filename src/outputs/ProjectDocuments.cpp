#include "outputs/ProjectDocuments.h"

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
    const pugi::xml_node variables = xml::childElement(root, "EtherCAT_Slave_Variables");
    return xml::childElement(variables, direction == Direction::SlaveToMaster ? "EtherCAT_Slave_To_Master"
                                                                              : "EtherCAT_Master_To_Slave");
}

pugi::xml_node groupRows(pugi::xml_node root, Direction direction)
{
    return xml::childElement(root,
                             direction == Direction::SlaveToMaster ? "Slave_to_Master" : "Master_to_Slave");
}

bool isEnabledRow(pugi::xml_node row)
{
    return xml::attributeText(row, "Enable") == "Y";
}

} // namespace cfq::outputs
