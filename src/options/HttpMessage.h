#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cfq {

// The request of the online version check: an HTTP/1.0 GET of the maker's
// version page with the software code as query key "nomesw", the Accept and
// User-Agent headers the maker's server expects, and no cookies. hostHeader is
// the host, with ":port" when it is not the default one.
std::string versionCheckRequest(std::string_view hostHeader, std::string_view softwareCode);

// The body of a complete HTTP reply when its status is a success (2xx);
// nothing for an error status, a reply that is no HTTP reply, or a body
// shorter than its Content-Length.
std::optional<std::string> httpReplyBody(std::string_view reply);

// Whether the reply received so far is complete without waiting for the
// server to close: its headers are in and they name a Content-Length that
// the body has reached.
bool httpReplyComplete(std::string_view received);

} // namespace cfq
