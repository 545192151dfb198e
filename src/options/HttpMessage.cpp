#include "options/HttpMessage.h"

#include "app/MakerSite.h"
#include "platform/TextTrim.h"
#include "platform/WholeNumber.h"

namespace cfq {
namespace {

struct ReplyParts
{
    std::string_view head;
    std::string_view body;
};

// Splits a reply at the blank line that ends its headers (CR LF or bare LF).
std::optional<ReplyParts> splitReply(std::string_view reply)
{
    const std::size_t crlf = reply.find("\r\n\r\n");
    const std::size_t lf = reply.find("\n\n");
    if (crlf == std::string_view::npos && lf == std::string_view::npos)
        return std::nullopt;
    if (crlf < lf)
        return ReplyParts{reply.substr(0, crlf), reply.substr(crlf + 4)};
    return ReplyParts{reply.substr(0, lf), reply.substr(lf + 2)};
}

// The value of the Content-Length header; nothing when absent or no number.
std::optional<std::size_t> contentLength(std::string_view head)
{
    constexpr std::string_view kName = "content-length:";
    std::size_t lineStart = head.find('\n');
    while (lineStart != std::string_view::npos) {
        const std::size_t lineEnd = head.find('\n', lineStart + 1);
        const std::string_view line = head.substr(lineStart + 1, lineEnd - lineStart - 1);
        if (line.size() > kName.size() && equalsIgnoringAsciiCase(line.substr(0, kName.size()), kName)) {
            const auto length = readInt64(trimControl(line.substr(kName.size())));
            if (length && *length >= 0)
                return static_cast<std::size_t>(*length);
            return std::nullopt;
        }
        lineStart = lineEnd;
    }
    return std::nullopt;
}

bool successStatus(std::string_view head)
{
    // "HTTP/1.x NNN reason"
    if (head.rfind("HTTP/", 0) != 0)
        return false;
    const std::size_t blank = head.find(' ');
    if (blank == std::string_view::npos || head.size() < blank + 4)
        return false;
    const auto status = readInt32(head.substr(blank + 1, 3));
    return status && *status >= 200 && *status <= 299;
}

} // namespace

std::string versionCheckRequest(std::string_view hostHeader, std::string_view softwareCode)
{
    std::string request = "GET ";
    request += maker::kVersionCheckPath;
    request += "?nomesw=";
    request += softwareCode;
    request += " HTTP/1.0\r\n";
    request += "Host: ";
    request += hostHeader;
    request += "\r\n";
    request += "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n";
    request += "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n";
    request += "\r\n";
    return request;
}

std::optional<std::string> httpReplyBody(std::string_view reply)
{
    const auto parts = splitReply(reply);
    if (!parts || !successStatus(parts->head))
        return std::nullopt;
    const auto length = contentLength(parts->head);
    if (!length)
        return std::string(parts->body);
    if (parts->body.size() < *length)
        return std::nullopt;
    return std::string(parts->body.substr(0, *length));
}

bool httpReplyComplete(std::string_view received)
{
    const auto parts = splitReply(received);
    if (!parts)
        return false;
    const auto length = contentLength(parts->head);
    return length && parts->body.size() >= *length;
}

} // namespace cfq
