#include "RecordingMessages.h"

namespace cfq::test {

std::vector<RecordingMessages::Shown> RecordingMessages::takeShown()
{
    std::vector<Shown> result;
    result.swap(m_shown);
    return result;
}

void RecordingMessages::error(const std::string& text)
{
    m_shown.push_back({Kind::Error, text});
}

void RecordingMessages::warning(const std::string& text)
{
    m_shown.push_back({Kind::Warning, text});
}

bool RecordingMessages::question(const std::string& text)
{
    m_shown.push_back({Kind::Question, text});
    if (m_answers.empty()) {
        m_unanswered = true;
        return false;
    }
    const bool yes = m_answers.front();
    m_answers.pop_front();
    return yes;
}

std::optional<std::filesystem::path> RecordingMessages::nextFile()
{
    if (m_files.empty())
        return std::nullopt;
    auto file = m_files.front();
    m_files.pop_front();
    return file;
}

std::optional<std::filesystem::path> RecordingMessages::saveFileName(const SaveRequest& request)
{
    m_shown.push_back({Kind::SaveDialog, request.filter});
    m_lastSave = request;
    return nextFile();
}

std::optional<std::filesystem::path> RecordingMessages::openFileName(const OpenRequest& request)
{
    m_shown.push_back({Kind::OpenDialog, request.filter});
    m_lastOpen = request;
    return nextFile();
}

} // namespace cfq::test
