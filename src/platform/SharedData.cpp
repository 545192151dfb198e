#include "platform/SharedData.h"

#include "platform/AtomicFile.h"

#include <system_error>

namespace cfq {
namespace {

namespace fs = std::filesystem;

constexpr const char* kShareFolder = "share";
constexpr const char* kProgramName = "cfq4410";
constexpr const char* kLanguageFolder = "LANGUAGE";
constexpr const char* kProjectsFolder = "PROJECTS";

Status createFolder(const fs::path& folder)
{
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
        return Status::failure("Cannot create \"" + folder.string() + "\": " + error.message());
    return Status{};
}

Status copyFile(const fs::path& source, const fs::path& target)
{
    const auto bytes = readWholeFile(source);
    if (!bytes)
        return Status::failure(bytes.error());
    return writeFileAtomically(target, bytes.value());
}

// A whole folder, for a project the user does not have yet.
Status copyFolder(const fs::path& source, const fs::path& target)
{
    if (Status created = createFolder(target); !created)
        return created;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(source, error)) {
        const fs::path to = target / entry.path().filename();
        Status copied = entry.is_directory() ? copyFolder(entry.path(), to) : copyFile(entry.path(), to);
        if (!copied)
            return copied;
    }
    if (error)
        return Status::failure("Cannot read \"" + source.string() + "\": " + error.message());
    return Status{};
}

// Each entry of `source` that `target` lacks; folders whole.
Status copyMissingEntries(const fs::path& source, const fs::path& target)
{
    std::error_code error;
    if (!fs::is_directory(source, error))
        return Status{};
    if (Status created = createFolder(target); !created)
        return created;
    for (const fs::directory_entry& entry : fs::directory_iterator(source, error)) {
        const fs::path to = target / entry.path().filename();
        if (fs::exists(to, error))
            continue;
        Status copied = entry.is_directory() ? copyFolder(entry.path(), to) : copyFile(entry.path(), to);
        if (!copied)
            return copied;
    }
    if (error)
        return Status::failure("Cannot read \"" + source.string() + "\": " + error.message());
    return Status{};
}

} // namespace

fs::path sharedDataFolderFor(const fs::path& executableDir)
{
    return executableDir.parent_path() / kShareFolder / kProgramName;
}

Status seedWorkingFolder(const fs::path& shared, const fs::path& working)
{
    if (Status languages = copyMissingEntries(shared / kLanguageFolder, working / kLanguageFolder); !languages)
        return languages;
    return copyMissingEntries(shared / kProjectsFolder, working / kProjectsFolder);
}

} // namespace cfq
