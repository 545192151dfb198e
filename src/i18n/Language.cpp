#include "i18n/Language.h"

#include "app/AppState.h"
#include "app/ModelIdentity.h"
#include "i18n/TextDecoding.h"
#include "platform/AtomicFile.h"
#include "platform/TextTrim.h"
#include "platform/WholeNumber.h"

#include <optional>

namespace cfq {
namespace {

constexpr std::string_view kPilcrow = "\xC2\xB6";
constexpr std::string_view kCommentMark = "/#/";

struct Entry
{
    int index;
    std::string text;
};

// One line of the form "STR<index> = <text>"; nothing for any other line.
std::optional<Entry> parseLine(std::string_view rawLine)
{
    const std::string line = trimControl(rawLine);
    if (line.rfind("STR", 0) != 0)
        return std::nullopt;
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos)
        return std::nullopt;
    const auto index = readInt32(trimControl(std::string_view(line).substr(3, equals - 3)));
    if (!index || *index < 0 || *index >= kTextTableSize)
        return std::nullopt;

    std::string text = trimControl(std::string_view(line).substr(equals + 1));
    if (text.empty())
        return std::nullopt;
    if (const std::size_t comment = text.find(kCommentMark); comment != std::string::npos) {
        text = trimControl(std::string_view(text).substr(0, comment));
        // A text that is only a remark leaves the entry as it is.
        if (text.empty())
            return std::nullopt;
    }
    if (text.rfind(kPilcrow, 0) == 0)
        text.erase(0, kPilcrow.size());
    if (const std::size_t end = text.find(kPilcrow); end != std::string::npos)
        text.erase(end);
    return Entry{*index, std::move(text)};
}

bool applyIfReadable(TextTable& table, const std::filesystem::path& file)
{
    std::error_code error;
    return std::filesystem::is_regular_file(file, error) && Load_Lang_File(table, file);
}

} // namespace

bool Load_Lang_File(TextTable& table, const std::filesystem::path& file)
{
    const auto bytes = readWholeFile(file);
    if (!bytes)
        return false;
    const std::string text = decodeTextFile(bytes.value());
    for (std::string_view line : splitLines(text)) {
        if (auto entry = parseLine(line))
            table.set(entry->index, std::move(entry->text));
    }
    return true;
}

void Load_Language(AppState& state)
{
    state.Text_Table.Init_Text_Table();
    if (!state.Language_Name.empty() &&
        applyIfReadable(state.Text_Table, state.Language_Dir / (state.Language_Name + ".lng")))
        return;
    state.Language_Name = model::kDefaultLanguage;
    applyIfReadable(state.Text_Table, state.Language_Dir / (state.Language_Name + ".lng"));
}

} // namespace cfq
