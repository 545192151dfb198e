#pragma once

#include "platform/Result.h"
#include "platform/Xml.h"

#include <array>
#include <filesystem>

namespace cfq {
struct AppState;
}

// How the device outputs find and read the documents of a project. Every
// document may be missing; the reading rules are those of all readers: the
// root is the first top-level node whatever its name, containers are looked
// up by exact name, and a missing container reads as an empty direction.
namespace cfq::outputs {

struct ProjectDocuments
{
    std::filesystem::path parameters; // ParGen.xml
    std::filesystem::path variables;  // EtherCAT_Slave.xml
    std::filesystem::path groups;     // EtherCAT_Slave_Group.xml
};

// The document paths of the open project (set by Set_Files).
ProjectDocuments projectDocuments(const AppState& state);

enum class Direction
{
    SlaveToMaster,
    MasterToSlave
};
inline constexpr std::array<Direction, 2> kDirections = {Direction::SlaveToMaster, Direction::MasterToSlave};

// Loads a document when its file exists: a null document when there is no
// file, an error naming the file and the parser's message when it is not
// well-formed or cannot be read.
Result<xml::Document> loadIfPresent(const std::filesystem::path& file);

// The first top-level node of a loaded document; an empty node for none.
pugi::xml_node documentRoot(const xml::Document& document);

// The element holding the variables of one direction in the variable
// document (EtherCAT_Slave_Variables / EtherCAT_Slave_To_Master or
// EtherCAT_Master_To_Slave); empty when a container is missing.
pugi::xml_node variableRows(pugi::xml_node root, Direction direction);

// The element holding the groups of one direction in the group document
// (Slave_to_Master or Master_to_Slave); empty when missing.
pugi::xml_node groupRows(pugi::xml_node root, Direction direction);

// A variable row takes part in the process data only when Enable is exactly "Y".
bool isEnabledRow(pugi::xml_node row);

} // namespace cfq::outputs
