#pragma once

#include "platform/MessageService.h"

#include <deque>
#include <string>
#include <vector>

namespace cfq::test {

// A message service that records every box shown and answers questions and
// file dialogs from a script. Questions without a scripted answer get No.
class RecordingMessages : public MessageService
{
public:
    enum class Kind
    {
        Error,
        Warning,
        Question,
        SaveDialog,
        OpenDialog,
    };
    struct Shown
    {
        Kind kind;
        std::string text;
        bool operator==(const Shown&) const = default;
    };

    void answerQuestion(bool yes) { m_answers.push_back(yes); }
    void answerFileDialog(std::optional<std::filesystem::path> file) { m_files.push_back(std::move(file)); }

    // Everything shown since the last call, oldest first.
    std::vector<Shown> takeShown();
    const std::vector<Shown>& shown() const { return m_shown; }
    // The last save or open request made.
    const SaveRequest& lastSaveRequest() const { return m_lastSave; }
    const OpenRequest& lastOpenRequest() const { return m_lastOpen; }
    bool questionsUnanswered() const { return m_unanswered; }

    void error(const std::string& text) override;
    void warning(const std::string& text) override;
    bool question(const std::string& text) override;
    std::optional<std::filesystem::path> saveFileName(const SaveRequest& request) override;
    std::optional<std::filesystem::path> openFileName(const OpenRequest& request) override;

private:
    std::optional<std::filesystem::path> nextFile();

    std::vector<Shown> m_shown;
    std::deque<bool> m_answers;
    std::deque<std::optional<std::filesystem::path>> m_files;
    SaveRequest m_lastSave;
    OpenRequest m_lastOpen;
    bool m_unanswered = false;
};

} // namespace cfq::test
