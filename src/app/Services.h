#pragma once

#include "app/MakerSite.h"

#include <functional>
#include <string>

namespace cfq {

class MessageService;

// The platform services handed to the windows, so that tests can stand in
// for every one of them.
struct Services
{
    MessageService& messages;
    // Opens a link with the desktop's default handler (the web browser).
    std::function<void(const std::string& url)> openUrl;
    // The web server asked by the online version check, as "http://host[:port]".
    std::string versionServer = maker::siteRoot();
};

} // namespace cfq
