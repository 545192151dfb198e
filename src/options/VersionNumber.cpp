#include "options/VersionNumber.h"

#include "app/ModelIdentity.h"
#include "platform/TextTrim.h"
#include "platform/WholeNumber.h"

#include <string>
#include <vector>

namespace cfq {
namespace {

constexpr std::string_view kNoVersionReply = "VER. 0.000";

// The characters of a UTF-8 text, each as its own byte sequence.
std::vector<std::string_view> characters(std::string_view text)
{
    std::vector<std::string_view> result;
    std::size_t begin = 0;
    for (std::size_t i = 1; i <= text.size(); ++i) {
        const bool continuation = i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
        if (!continuation) {
            result.push_back(text.substr(begin, i - begin));
            begin = i;
        }
    }
    return result;
}

} // namespace

int Conv_Version(std::string_view Ver_str)
{
    const std::size_t blank = Ver_str.find(' ');
    const std::string part =
        trimControl(blank == std::string_view::npos ? Ver_str : Ver_str.substr(blank + 1));
    const std::vector<std::string_view> chars = characters(part);
    if (chars.size() < 5)
        return -1;
    const std::string digits = std::string(chars[0]) + std::string(chars[2]) + std::string(chars[3]) +
                               std::string(chars[4]);
    return readInt32Or(digits, -1);
}

bool Reply_Reports_Newer_Version(std::string_view replyBody)
{
    const std::string reply = asciiUpper(trimControl(replyBody));
    if (reply.empty() || reply == kNoVersionReply)
        return false;
    const int own = Conv_Version(model::kSoftwareVersion);
    const int remote = Conv_Version(trimControl(replyBody));
    return own != -1 && remote != -1 && remote > own;
}

} // namespace cfq
