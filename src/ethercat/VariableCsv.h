#pragma once

#include "ethercat/VariableTable.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The variable table of one direction as a CSV file, for I/O lists kept in
// spreadsheets. The header line names the columns Enable, Type, Length, Name,
// InitValue (Slave To Master only) and Mnemonic; an export adds Position,
// StartBit and Group for reference, which an import ignores as they are
// computed.
namespace cfq {

class TextTable;

// One variable read from a CSV file, its Type spelt as in the type list and
// its Length that of the type (Array and String: the file's, 1 to 255).
struct ImportedVariable
{
    bool enabled = true;
    std::string type;
    std::string length;
    std::string name;
    std::string initValue;
    std::string mnemonic;

    bool operator==(const ImportedVariable&) const = default;
};

// Why an import stopped: text reasonText about text line `line` of the file,
// followed by detail (a value quoted from the file or a column name).
struct CsvImportFailure
{
    int line = 0;
    int reasonText = 0;
    std::string detail;

    std::string message(const TextTable& texts) const;
    bool operator==(const CsvImportFailure&) const = default;
};

struct CsvImport
{
    std::vector<ImportedVariable> variables;
    std::optional<CsvImportFailure> failure;
};

// The table proper of one direction as CSV text: UTF-8 with a byte-order
// mark, ";" between fields, CR LF after every line, as spreadsheets open it.
std::string writeVariableCsv(const VariableTable& table, bool slaveToMaster);

// Reads the bytes of a CSV file: UTF-8 with or without a byte-order mark
// (other text as Windows-1252), ";" or "," between fields as the header line
// uses (or the separator a first line "sep=X" names), columns found by their header name ignoring case, records whose
// fields are all blank skipped. Stops at the first fault with no variables.
CsvImport readVariableCsv(std::string_view bytes, bool slaveToMaster);

// Replaces the table's rows by the imported variables (every cell of the
// other rows emptied); groups and placement are then the caller's to assign.
void applyImportedVariables(VariableTable& table, const std::vector<ImportedVariable>& variables);

} // namespace cfq
