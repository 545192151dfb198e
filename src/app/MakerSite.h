#pragma once

#include <string>

// The maker's web host and the pages the configurator links to. The host is
// named here and nowhere else.
namespace cfq::maker {

inline constexpr const char* kHost = "www.varnicco.example";

inline std::string siteRoot()
{
    return std::string("http://") + kHost;
}

// The home page, opened from the main window and the About dialog.
inline std::string homePageUrl()
{
    return siteRoot() + "/HOME/default.asp?frompg=CFQ4410";
}

// The download page named by the new-version links.
inline std::string downloadPageUrl()
{
    return siteRoot() + "/Home/download/download.asp#DVQ4410";
}

// The page that answers the version check with the newest version of the
// software code given as query key "nomesw".
inline constexpr const char* kVersionCheckPath = "/home/download/GetversionSW.asp";

// The address shown in the main window and the About dialog.
inline std::string displayAddress()
{
    return kHost;
}

} // namespace cfq::maker
