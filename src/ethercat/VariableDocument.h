#pragma once

#include "ethercat/Groups.h"
#include "ethercat/VariableTable.h"
#include "platform/Result.h"

#include <filesystem>
#include <pugixml.hpp>

// The variable document EtherCAT_Slave.xml: the variable tables of both
// directions.
namespace cfq {

// Every row ticked and every cell empty (the Length editability is kept).
void resetTable(VariableTable& table);

// Fills the reset tables from the document: child node i of a direction
// element is row i (at most 256); a missing container or direction element
// leaves that direction empty. Enable "N" unticks; the Type sets the Length
// and its editability, then the stored Length, Name, InitValue (Slave To
// Master only), Position, BitStart and Mnemonic overwrite their cells. Group
// is not read.
void readVariableDocument(const pugi::xml_document& document, const VariableTables& tables);

// The variable editor's Load: resets both tables, reads the file when it
// exists, then assigns groups and places both directions, Slave To Master
// first. A file that is not well-formed leaves the tables reset and gives an
// error naming it with the parser's message.
Status Load_Variables(const std::filesystem::path& file, const VariableTables& tables,
                      const GroupSnapshot& groups);

// The document holding the rows of both tables proper.
void buildVariableDocument(pugi::xml_document& document, const VariableTable& slaveToMaster,
                           const VariableTable& masterToSlave);

// Save: writes the document to the file (never half-written).
Status Save_Variables(const std::filesystem::path& file, const VariableTable& slaveToMaster,
                      const VariableTable& masterToSlave);

} // namespace cfq
