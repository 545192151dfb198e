#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace cfq {

class TextTable;

// Languages shown on one page of the language tab.
inline constexpr int kLanguagesPerPage = 6;

// The language files offered in the folder: names (with ".lng") of the
// regular files ending in ".lng" that are not read-only, sorted ignoring case.
std::vector<std::string> Create_Lang_List(const std::filesystem::path& Language_Dir);

// Number of language pages: (languages + 5) div 6; 0 without languages.
int languagePageCount(std::size_t languages);

// Number of languages shown on a page (counted from 1), 0 to 6.
int languagesOnPage(std::size_t languages, int page);

// Position in the list of the language in a slot (0 to 5) of a page.
std::size_t languageIndex(int page, int slot);

// The language's name: the file name without its last four characters.
std::string languageNameOf(const std::string& fileName);

// The flag picture of a language: "<name>.bmp", else "DefaultFlag.bmp";
// nothing when neither exists.
std::optional<std::filesystem::path> flagPicture(const std::filesystem::path& Language_Dir,
                                                 const std::string& languageName);

// "Selected Language : <name>" (text 304 and the name).
std::string selectedLanguageLabel(const TextTable& texts, const std::string& languageName);

// "Page <page> / <count>" (texts 305 and 306 with the numbers).
std::string pageLabel(const TextTable& texts, int page, int pageCount);

// The question asked before a language change (texts 316, 317 and 318).
std::string languageChangeQuestion(const TextTable& texts, const std::string& from, const std::string& to);

} // namespace cfq
