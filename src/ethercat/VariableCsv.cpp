#include "ethercat/VariableCsv.h"

#include "ethercat/CsvText.h"
#include "ethercat/VarTypes.h"
#include "ethercat/VariableDocument.h"
#include "i18n/TextDecoding.h"
#include "i18n/TextTable.h"
#include "platform/TextTrim.h"
#include "platform/WholeNumber.h"

#include <array>

namespace cfq {
namespace {

constexpr char kExportSeparator = ';';
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

// Texts of the reasons an import stops.
constexpr int kTextFailureLine = 1070;
constexpr int kTextUnknownType = 1071;
constexpr int kTextBadLength = 1072;
constexpr int kTextTooManyRows = 1073;
constexpr int kTextUnclosedQuote = 1074;
constexpr int kTextTextAfterQuote = 1075;
constexpr int kTextFieldCount = 1076;
constexpr int kTextBadEnable = 1077;
constexpr int kTextMissingColumn = 1078;

// The columns of the file in the order an export writes them.
enum class Column
{
    Enable,
    Type,
    Length,
    Name,
    InitValue,
    Mnemonic,
    Position,
    StartBit,
    Group,
};

// A column's header name and the cell it holds; none for Enable, which holds
// the tick.
struct ColumnName
{
    Column column;
    std::string_view name;
    std::optional<VarField> field;
};

constexpr std::array<ColumnName, 9> kColumnNames = {{
    {Column::Enable, "Enable", std::nullopt},
    {Column::Type, "Type", VarField::Type},
    {Column::Length, "Length", VarField::Length},
    {Column::Name, "Name", VarField::Name},
    {Column::InitValue, "InitValue", VarField::InitValue},
    {Column::Mnemonic, "Mnemonic", VarField::Mnemonic},
    {Column::Position, "Position", VarField::Position},
    {Column::StartBit, "StartBit", VarField::StartBit},
    {Column::Group, "Group", VarField::Group},
}};

// Without these an import cannot build a row; the others default to ticked,
// the type's length and empty text.
constexpr std::array<Column, 2> kRequiredColumns = {Column::Type, Column::Name};

bool carries(Column column, bool slaveToMaster)
{
    return slaveToMaster || column != Column::InitValue;
}

std::string_view nameOf(Column column)
{
    return kColumnNames[static_cast<std::size_t>(column)].name;
}

std::string exportedCell(const VariableTable& table, int index, const ColumnName& column)
{
    if (!column.field)
        return table.enabled(index) ? "Y" : "N";
    return table.cell(index, *column.field);
}

void appendLine(std::string& text, const std::vector<std::string>& fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text.push_back(kExportSeparator);
        text += csv::quoted(fields[i], kExportSeparator);
    }
    text += kLineEnd;
}

// Where each imported column stands in a record: its field number, or -1
// when the header line does not name it.
using ColumnPositions = std::array<int, kColumnNames.size()>;

ColumnPositions findColumns(const csv::Record& header)
{
    ColumnPositions positions;
    positions.fill(-1);
    for (std::size_t field = 0; field < header.fields.size(); ++field) {
        const std::string name = trimControl(header.fields[field]);
        for (const ColumnName& column : kColumnNames) {
            int& position = positions[static_cast<std::size_t>(column.column)];
            if (position < 0 && equalsIgnoringAsciiCase(name, column.name))
                position = static_cast<int>(field);
        }
    }
    return positions;
}

bool allBlank(const csv::Record& record)
{
    for (const std::string& field : record.fields) {
        if (!trimControl(field).empty())
            return false;
    }
    return true;
}

std::optional<bool> enableValue(std::string_view text)
{
    const std::string value = trimControl(text);
    for (std::string_view yes : {"Y", "1", "true"}) {
        if (equalsIgnoringAsciiCase(value, yes))
            return true;
    }
    for (std::string_view no : {"N", "0", "false"}) {
        if (equalsIgnoringAsciiCase(value, no))
            return false;
    }
    return std::nullopt;
}

const VarType* typeIgnoringCase(std::string_view text)
{
    const std::string name = trimControl(text);
    for (const VarType& type : kVarTypes) {
        if (equalsIgnoringAsciiCase(type.name, name))
            return &type;
    }
    return nullptr;
}

// Turns one record into a variable, or tells why it cannot be one.
class RecordReader
{
public:
    RecordReader(const ColumnPositions& positions, bool slaveToMaster)
        : m_positions(positions), m_slaveToMaster(slaveToMaster)
    {
    }

    std::optional<CsvImportFailure> read(const csv::Record& record, ImportedVariable& variable) const
    {
        if (const auto fault = readEnable(record, variable))
            return fault;
        const VarType* type = typeIgnoringCase(field(record, Column::Type));
        if (!type)
            return failure(record, kTextUnknownType, "\"" + field(record, Column::Type) + "\"");
        variable.type = type->name;
        variable.length = type->lengthText;
        if (type->lengthEditable) {
            const auto length = readInt32(trimControl(field(record, Column::Length)));
            if (!length || *length < 1 || *length > kMaxVarLength)
                return failure(record, kTextBadLength, "\"" + field(record, Column::Length) + "\"");
            variable.length = std::to_string(*length);
        }
        variable.name = field(record, Column::Name);
        if (m_slaveToMaster)
            variable.initValue = field(record, Column::InitValue);
        variable.mnemonic = field(record, Column::Mnemonic);
        return std::nullopt;
    }

private:
    std::optional<CsvImportFailure> readEnable(const csv::Record& record, ImportedVariable& variable) const
    {
        if (position(Column::Enable) < 0)
            return std::nullopt;
        const auto enabled = enableValue(field(record, Column::Enable));
        if (!enabled)
            return failure(record, kTextBadEnable, "\"" + field(record, Column::Enable) + "\"");
        variable.enabled = *enabled;
        return std::nullopt;
    }

    int position(Column column) const { return m_positions[static_cast<std::size_t>(column)]; }

    std::string field(const csv::Record& record, Column column) const
    {
        const int at = position(column);
        return at < 0 ? std::string() : record.fields[static_cast<std::size_t>(at)];
    }

    static CsvImportFailure failure(const csv::Record& record, int reason, std::string detail)
    {
        return {record.line, reason, std::move(detail)};
    }

    const ColumnPositions& m_positions;
    bool m_slaveToMaster;
};

CsvImport stopped(int line, int reason, std::string detail = {})
{
    return {{}, CsvImportFailure{line, reason, std::move(detail)}};
}

int faultText(csv::Fault fault)
{
    return fault == csv::Fault::UnclosedQuote ? kTextUnclosedQuote : kTextTextAfterQuote;
}

} // namespace

std::string CsvImportFailure::message(const TextTable& texts) const
{
    std::string text = withNumber(texts[kTextFailureLine], line) + " " + texts[reasonText];
    if (!detail.empty())
        text += " " + detail;
    return text;
}

std::string writeVariableCsv(const VariableTable& table, bool slaveToMaster)
{
    std::vector<ColumnName> columns;
    std::vector<std::string> header;
    for (const ColumnName& column : kColumnNames) {
        if (carries(column.column, slaveToMaster)) {
            columns.push_back(column);
            header.emplace_back(column.name);
        }
    }
    std::string text(kUtf8ByteOrderMark);
    appendLine(text, header);
    const int rows = tableLength(table);
    for (int index = 0; index < rows; ++index) {
        std::vector<std::string> fields;
        for (const ColumnName& column : columns)
            fields.push_back(exportedCell(table, index, column));
        appendLine(text, fields);
    }
    return text;
}

CsvImport readVariableCsv(std::string_view bytes, bool slaveToMaster)
{
    const std::string text = decodeTextFile(bytes);
    const csv::Text parsed = csv::parse(text, csv::separatorOf(text));
    if (parsed.fault != csv::Fault::None && parsed.records.empty())
        return stopped(parsed.faultLine, faultText(parsed.fault));

    std::size_t headerAt = 0;
    if (!parsed.records.empty() && csv::isSeparatorLine(parsed.records.front()))
        headerAt = 1;
    const csv::Record header =
        headerAt < parsed.records.size() ? parsed.records[headerAt] : csv::Record{static_cast<int>(headerAt) + 1, {}};
    const ColumnPositions positions = findColumns(header);
    for (Column column : kRequiredColumns) {
        if (positions[static_cast<std::size_t>(column)] < 0)
            return stopped(header.line, kTextMissingColumn, std::string(nameOf(column)));
    }

    const RecordReader reader(positions, slaveToMaster);
    CsvImport result;
    for (std::size_t at = headerAt + 1; at < parsed.records.size(); ++at) {
        const csv::Record& record = parsed.records[at];
        if (allBlank(record))
            continue;
        if (record.fields.size() != header.fields.size())
            return stopped(record.line, kTextFieldCount);
        if (result.variables.size() == static_cast<std::size_t>(kVariableRows))
            return stopped(record.line, kTextTooManyRows);
        ImportedVariable variable;
        if (auto failure = reader.read(record, variable))
            return {{}, std::move(failure)};
        result.variables.push_back(std::move(variable));
    }
    if (parsed.fault != csv::Fault::None)
        return stopped(parsed.faultLine, faultText(parsed.fault));
    return result;
}

void applyImportedVariables(VariableTable& table, const std::vector<ImportedVariable>& variables)
{
    resetTable(table);
    for (std::size_t at = 0; at < variables.size(); ++at) {
        const int index = static_cast<int>(at);
        const ImportedVariable& variable = variables[at];
        table.setEnabled(index, variable.enabled);
        table.setCell(index, VarField::Type, variable.type);
        VarSetLength(table, index, variable.type);
        table.setCell(index, VarField::Length, variable.length);
        table.setCell(index, VarField::Name, variable.name);
        table.setCell(index, VarField::InitValue, variable.initValue);
        table.setCell(index, VarField::Mnemonic, variable.mnemonic);
    }
}

} // namespace cfq
