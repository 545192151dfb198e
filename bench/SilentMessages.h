#pragma once

#include "platform/MessageService.h"

// The message service of the window benchmarks: shows nothing, answers every
// question with No and cancels every file dialog.
class SilentMessages : public cfq::MessageService
{
public:
    void error(const std::string&) override {}
    void warning(const std::string&) override {}
    bool question(const std::string&) override { return false; }
    std::optional<std::filesystem::path> saveFileName(const SaveRequest&) override { return std::nullopt; }
    std::optional<std::filesystem::path> openFileName(const OpenRequest&) override { return std::nullopt; }
};
