// Writes the language files made at build time into the configurator's
// LANGUAGE folder: English.lng from the built-in texts, the flag of every
// shipped language and DefaultFlag.bmp.
#include "EnglishLanguageFile.h"
#include "FlagPictures.h"
#include "platform/AtomicFile.h"

#include <cstdio>
#include <filesystem>

namespace {

bool write(const std::filesystem::path& file, std::string_view bytes)
{
    const cfq::Status written = cfq::writeFileAtomically(file, bytes);
    if (!written)
        std::fprintf(stderr, "cfq_langpack: %s\n", written.error().c_str());
    return written.ok();
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: cfq_langpack LANGUAGE-FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const auto english = cfq::langpack::englishLanguageFile();
    if (!english) {
        std::fprintf(stderr, "cfq_langpack: %s\n", english.error().c_str());
        return 1;
    }
    using namespace cfq::langpack;
    const bool written = write(folder / "English.lng", english.value()) &&
                         write(folder / "English.bmp", bmpFile(englishFlag())) &&
                         write(folder / "Italiano.bmp", bmpFile(italianFlag())) &&
                         write(folder / "Deutsch.bmp", bmpFile(germanFlag())) &&
                         write(folder / "DefaultFlag.bmp", bmpFile(defaultFlag()));
    return written ? 0 : 1;
}
