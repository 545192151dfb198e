#pragma once

#include <string>
#include <string_view>
#include <vector>

// Comma-separated text as spreadsheets write it: fields separated by one
// separator character, a field in double quotes may hold separators, line
// breaks and doubled quotes, records end with CR LF, LF or CR.
namespace cfq::csv {

struct Record
{
    int line = 0; // the text line the record starts on, from 1
    std::vector<std::string> fields;
};

enum class Fault
{
    None,
    UnclosedQuote,    // the text ends inside a quoted field
    TextAfterQuote,   // a closing quote is followed by more than the separator or the line end
};

struct Text
{
    std::vector<Record> records;
    Fault fault = Fault::None;
    int faultLine = 0; // the line of the record holding the fault
};

// Splits the text into records up to the first fault. A line break at the
// very end of the text ends the last record rather than starting an empty one.
Text parse(std::string_view text, char separator);

// A first line "sep=X", as spreadsheets write it to name the separator X.
inline constexpr std::string_view kSeparatorLine = "sep=";

// The separator of the text: the one its "sep=" line names, else ";" when
// the first line holds one outside quotes, else ",".
char separatorOf(std::string_view text);

// Whether the record is a "sep=" line.
bool isSeparatorLine(const Record& record);

// The field as written between separators: in quotes, with its quotes
// doubled, when it holds the separator, a quote or a line break.
std::string quoted(std::string_view field, char separator);

} // namespace cfq::csv
