#include "options/LanguagePages.h"

#include "i18n/TextTable.h"
#include "platform/FileAttributes.h"

#include <algorithm>
#include <utility>

namespace cfq {
namespace {

constexpr std::string_view kLanguageExtension = ".lng";

std::string foldedCase(const std::string& text)
{
    std::string folded = text;
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
    return folded;
}

// Alphabetical order ignoring case; names that differ only in case keep a
// fixed order.
bool lessIgnoringCase(const std::string& a, const std::string& b)
{
    return std::pair(foldedCase(a), a) < std::pair(foldedCase(b), b);
}

bool isOfferedLanguageFile(const std::filesystem::directory_entry& entry)
{
    std::error_code error;
    const std::string name = entry.path().filename().string();
    return name.size() > kLanguageExtension.size() && name.ends_with(kLanguageExtension) &&
           entry.is_regular_file(error) && !isReadOnlyFile(entry.path());
}

} // namespace

std::vector<std::string> Create_Lang_List(const std::filesystem::path& Language_Dir)
{
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(Language_Dir, error), end; !error && it != end;
         it.increment(error)) {
        if (isOfferedLanguageFile(*it))
            names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end(), lessIgnoringCase);
    return names;
}

int languagePageCount(std::size_t languages)
{
    return static_cast<int>((languages + kLanguagesPerPage - 1) / kLanguagesPerPage);
}

int languagesOnPage(std::size_t languages, int page)
{
    const long long remaining =
        static_cast<long long>(languages) - static_cast<long long>(page - 1) * kLanguagesPerPage;
    return static_cast<int>(std::clamp<long long>(remaining, 0, kLanguagesPerPage));
}

std::size_t languageIndex(int page, int slot)
{
    return static_cast<std::size_t>((page - 1) * kLanguagesPerPage + slot);
}

std::string languageNameOf(const std::string& fileName)
{
    return fileName.substr(0, fileName.size() - std::min(fileName.size(), kLanguageExtension.size()));
}

std::optional<std::filesystem::path> flagPicture(const std::filesystem::path& Language_Dir,
                                                 const std::string& languageName)
{
    std::error_code error;
    for (const std::filesystem::path& candidate :
         {Language_Dir / (languageName + ".bmp"), Language_Dir / "DefaultFlag.bmp"}) {
        if (std::filesystem::is_regular_file(candidate, error))
            return candidate;
    }
    return std::nullopt;
}

std::string selectedLanguageLabel(const TextTable& texts, const std::string& languageName)
{
    return texts[304] + languageName;
}

std::string pageLabel(const TextTable& texts, int page, int pageCount)
{
    return texts[305] + std::to_string(page) + texts[306] + std::to_string(pageCount);
}

std::string languageChangeQuestion(const TextTable& texts, const std::string& from, const std::string& to)
{
    return texts[316] + from + texts[317] + to + texts[318];
}

} // namespace cfq
