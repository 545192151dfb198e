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

// The separator the header line uses: ";" when the first line holds one
// outside quotes, else ",".
char separatorOf(std::string_view text);

// The field as written between separators: in quotes, with its quotes
// doubled, when it holds the separator, a quote or a line break.
std::string quoted(std::string_view field, char separator);

} // namespace cfq::csv
