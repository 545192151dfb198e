#include "EnglishLanguageFile.h"
#include "i18n/Language.h"
#include "i18n/TextTable.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

namespace cfq {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

constexpr const char* kUnset = "\x01unset";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// A table whose every entry is a marker, so that a test sees which entries a
// language file set.
TextTable unsetTable()
{
    TextTable table;
    table.Init_Text_Table();
    for (int index = 0; index < kTextTableSize; ++index)
        table.set(index, kUnset);
    return table;
}

TextTable loaded(const std::filesystem::path& file)
{
    TextTable table = unsetTable();
    EXPECT_TRUE(Load_Lang_File(table, file));
    return table;
}

bool isPlaceholder(int index)
{
    return builtinText(index) == " ";
}

int countOf(const std::string& text, std::string_view part)
{
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

bool blankAtStart(const std::string& text)
{
    return !text.empty() && text.front() == ' ';
}

bool blankAtEnd(const std::string& text)
{
    return !text.empty() && text.back() == ' ';
}

TEST(LanguageFileLine, EnclosesTextsWithBlanksAtTheEndsInPilcrows)
{
    EXPECT_EQ(langpack::languageFileLine(13, "Options"), "STR13 = Options");
    EXPECT_EQ(langpack::languageFileLine(9, "None "), "STR9 = \xC2\xB6None \xC2\xB6");
    EXPECT_EQ(langpack::languageFileLine(306, " / "), "STR306 = \xC2\xB6 / \xC2\xB6");
    EXPECT_EQ(langpack::languageFileLine(1, ""), "STR1 = \xC2\xB6\xC2\xB6");
}

TEST(LanguageFileLine, RefusesTextsTheReaderCannotGiveBack)
{
    EXPECT_EQ(langpack::languageFileLine(1, "a /#/ b"), std::nullopt);
    EXPECT_EQ(langpack::languageFileLine(1, "a \xC2\xB6 b"), std::nullopt);
    EXPECT_EQ(langpack::languageFileLine(1, "two\nlines"), std::nullopt);
}

TEST(EnglishLanguageFile, GivesBackEveryBuiltInTextAndNothingElse)
{
    const auto english = langpack::englishLanguageFile();
    ASSERT_TRUE(english) << english.error();
    EXPECT_EQ(std::string_view(english.value()).substr(0, kUtf8Mark.size()), kUtf8Mark);

    TempDir dir;
    writeFile(dir / "English.lng", english.value());
    const TextTable table = loaded(dir / "English.lng");
    for (int index = 0; index < kTextTableSize; ++index) {
        if (isPlaceholder(index))
            EXPECT_EQ(table[index], kUnset) << "text " << index;
        else
            EXPECT_EQ(table[index], builtinText(index)) << "text " << index;
    }
}

class ShippedTranslation : public testing::TestWithParam<const char*>
{
protected:
    std::filesystem::path file() const
    {
        return std::filesystem::path(CFQ_TRANSLATIONS_DIR) / (std::string(GetParam()) + ".lng");
    }
};

TEST_P(ShippedTranslation, TranslatesEveryBuiltInTextKeepingPlaceholdersAndJoiningBlanks)
{
    const TextTable table = loaded(file());
    for (int index = 0; index < kTextTableSize; ++index) {
        const std::string& english = builtinText(index);
        const std::string& translated = table[index];
        if (isPlaceholder(index)) {
            EXPECT_EQ(translated, kUnset) << "text " << index << " is not used";
            continue;
        }
        ASSERT_NE(translated, kUnset) << "text " << index << " \"" << english << "\" is not translated";
        EXPECT_FALSE(translated.empty()) << "text " << index;
        EXPECT_EQ(countOf(translated, "%d"), countOf(english, "%d")) << "text " << index;
        // A blank that joins the text to a value keeps its place; a language
        // may need one where English has none (" umstellen?").
        if (blankAtStart(english)) {
            EXPECT_TRUE(blankAtStart(translated)) << "text " << index;
        }
        if (blankAtEnd(english)) {
            EXPECT_TRUE(blankAtEnd(translated)) << "text " << index;
        }
    }
}

TEST_P(ShippedTranslation, IsUtf8WithAMarkAndTakesEveryEntryLine)
{
    const std::string bytes = readFile(file());
    ASSERT_EQ(std::string_view(bytes).substr(0, kUtf8Mark.size()), kUtf8Mark);

    // Every line is an entry, a remark starting with ";" or empty, so that a
    // mistyped entry cannot pass as a remark; and every entry is taken.
    std::istringstream lines(bytes.substr(kUtf8Mark.size()));
    std::set<std::string> entryIndices;
    int entries = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line.front() == ';')
            continue;
        ASSERT_EQ(line.rfind("STR", 0), 0u) << "line \"" << line << '"';
        ++entries;
        entryIndices.insert(line.substr(0, line.find(' ')));
    }
    EXPECT_EQ(entryIndices.size(), static_cast<std::size_t>(entries)) << "an index appears twice";

    const TextTable table = loaded(file());
    int taken = 0;
    for (int index = 0; index < kTextTableSize; ++index)
        taken += table[index] != kUnset ? 1 : 0;
    EXPECT_EQ(taken, entries) << "some entry lines were skipped";
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedTranslation, testing::Values("Italiano", "Deutsch"));

} // namespace
} // namespace cfq
