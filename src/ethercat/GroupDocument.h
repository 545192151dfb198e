#pragma once

#include "ethercat/Groups.h"
#include "platform/Result.h"

#include <filesystem>
#include <pugixml.hpp>
#include <string>
#include <vector>

// The group document EtherCAT_Slave_Group.xml: the variable groups of both
// directions, as the group editor's grids hold them.
namespace cfq {

// The group editor's grid has this many rows per direction; the device image
// has room for as many named groups.
inline constexpr int kMaxGroups = 16;

// One group with its texts exactly as typed.
struct GroupRow
{
    std::string Group_Name;
    std::string Num_Variables;
    std::string Mnemonic;
    bool operator==(const GroupRow&) const = default;
};

struct GroupLists
{
    std::vector<GroupRow> slaveToMaster;
    std::vector<GroupRow> masterToSlave;
};

// Every child node of each direction element is one group, in document order;
// a missing direction element gives an empty list.
GroupLists readGroupLists(const pugi::xml_document& document);

// Reads the file; a missing file gives empty lists, a file that is not
// well-formed an error naming it with the parser's message.
Result<GroupLists> loadGroupLists(const std::filesystem::path& file);

// The document as the group editor's OK writes it: in each direction the rows
// before the first one whose name, trimmed, is empty, at most 16.
void buildGroupDocument(pugi::xml_document& document, const GroupLists& lists);

Status saveGroupLists(const std::filesystem::path& file, const GroupLists& lists);

// The in-memory groups of the variable editor: every group of the lists, its
// number of variables read as a whole number (0 when it is no number).
GroupSnapshot toGroupSnapshot(const GroupLists& lists);

} // namespace cfq
