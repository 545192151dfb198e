#pragma once

#include "platform/MessageService.h"

class QString;

namespace cfq {

// Real modal message boxes and file dialogs, parented to the active window.
class QtMessageService : public MessageService
{
public:
    void error(const std::string& text) override;
    void warning(const std::string& text) override;
    bool question(const std::string& text) override;
    std::optional<std::filesystem::path> saveFileName(const SaveRequest& request) override;
    std::optional<std::filesystem::path> openFileName(const OpenRequest& request) override;
};

// Converts a filter of the form "Description (*.ext)|*.ext" to Qt's form.
QString toQtFilter(const std::string& filter);

} // namespace cfq
