#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace cfq {

// Every message box and file dialog of the configurator goes through this
// interface, so that tests answer questions and read the texts shown.
class MessageService
{
public:
    virtual ~MessageService() = default;

    // Error icon, OK button.
    virtual void error(const std::string& text) = 0;
    // Warning icon, OK button.
    virtual void warning(const std::string& text) = 0;
    // Confirmation icon, Yes and No buttons; true for Yes.
    virtual bool question(const std::string& text) = 0;

    struct SaveRequest
    {
        std::filesystem::path initialFolder;
        std::string filter;           // in the form "EtherCAT ESI File (*.xml)|*.xml"
        std::string defaultExtension; // without the dot
    };
    // A save-file dialog; nothing when the user cancels.
    virtual std::optional<std::filesystem::path> saveFileName(const SaveRequest& request) = 0;

    struct OpenRequest
    {
        std::filesystem::path initialFolder;
        std::string filter;
    };
    // An open-file dialog; nothing when the user cancels.
    virtual std::optional<std::filesystem::path> openFileName(const OpenRequest& request) = 0;
};

} // namespace cfq
