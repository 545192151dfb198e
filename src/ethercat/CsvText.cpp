#include "ethercat/CsvText.h"

namespace cfq::csv {
namespace {

constexpr char kQuote = '"';

bool isLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

// Reads records one character at a time, counting the text lines so that a
// fault names the line its record started on.
class Parser
{
public:
    Parser(std::string_view text, char separator) : m_text(text), m_separator(separator) {}

    Text run()
    {
        while (!atEnd()) {
            if (!readRecord())
                break;
        }
        return std::move(m_result);
    }

private:
    bool atEnd() const { return m_at >= m_text.size(); }
    char peek() const { return m_text[m_at]; }

    // Consumes CR LF, LF or CR.
    void skipLineBreak()
    {
        if (peek() == '\r' && m_at + 1 < m_text.size() && m_text[m_at + 1] == '\n')
            ++m_at;
        ++m_at;
        ++m_line;
    }

    bool readRecord()
    {
        Record record;
        record.line = m_line;
        for (;;) {
            std::string field;
            if (!atEnd() && peek() == kQuote) {
                if (!readQuoted(field)) {
                    fail(record.line, Fault::UnclosedQuote);
                    return false;
                }
            } else {
                readPlain(field);
            }
            record.fields.push_back(std::move(field));
            if (atEnd())
                break;
            if (peek() == m_separator) {
                ++m_at;
                continue;
            }
            if (isLineBreak(peek())) {
                skipLineBreak();
                break;
            }
            fail(record.line, Fault::TextAfterQuote);
            return false;
        }
        m_result.records.push_back(std::move(record));
        return true;
    }

    void readPlain(std::string& field)
    {
        const std::size_t start = m_at;
        while (!atEnd() && peek() != m_separator && !isLineBreak(peek()))
            ++m_at;
        field.assign(m_text.substr(start, m_at - start));
    }

    // Reads from the opening quote to the closing one; false when the text
    // ends first.
    bool readQuoted(std::string& field)
    {
        ++m_at;
        while (!atEnd()) {
            const char c = peek();
            if (c == kQuote) {
                ++m_at;
                if (atEnd() || peek() != kQuote)
                    return true;
                field.push_back(kQuote);
                ++m_at;
            } else if (isLineBreak(c)) {
                const std::size_t start = m_at;
                skipLineBreak();
                field.append(m_text.substr(start, m_at - start));
            } else {
                field.push_back(c);
                ++m_at;
            }
        }
        return false;
    }

    void fail(int line, Fault fault)
    {
        m_result.fault = fault;
        m_result.faultLine = line;
    }

    std::string_view m_text;
    char m_separator;
    std::size_t m_at = 0;
    int m_line = 1;
    Text m_result;
};

} // namespace

Text parse(std::string_view text, char separator)
{
    return Parser(text, separator).run();
}

char separatorOf(std::string_view text)
{
    if (text.starts_with(kSeparatorLine) && text.size() > kSeparatorLine.size())
        return text[kSeparatorLine.size()];
    bool inQuotes = false;
    for (char c : text) {
        if (c == kQuote)
            inQuotes = !inQuotes;
        else if (!inQuotes && isLineBreak(c))
            break;
        else if (!inQuotes && c == ';')
            return ';';
    }
    return ',';
}

bool isSeparatorLine(const Record& record)
{
    return record.line == 1 && !record.fields.empty() && record.fields.front().starts_with(kSeparatorLine);
}

std::string quoted(std::string_view field, char separator)
{
    bool needsQuotes = false;
    for (char c : field)
        needsQuotes = needsQuotes || c == separator || c == kQuote || isLineBreak(c);
    if (!needsQuotes)
        return std::string(field);
    std::string text(1, kQuote);
    for (char c : field) {
        if (c == kQuote)
            text.push_back(kQuote);
        text.push_back(c);
    }
    text.push_back(kQuote);
    return text;
}

} // namespace cfq::csv
