#include "gridkit/SplitIpAddress.h"

#include "platform/TextTrim.h"
#include "platform/WholeNumber.h"

namespace cfq {
namespace {

constexpr std::int32_t kNoNumber = 1000;

bool isOctet(const std::string& part)
{
    const std::int32_t value = readInt32Or(part, kNoNumber);
    return value >= 0 && value <= 255;
}

} // namespace

bool Split_IP_Address(const std::string& text, std::string& a, std::string& b, std::string& c, std::string& d)
{
    std::string rest = trimControl(text);
    std::size_t dot = rest.find('.');
    if (dot == std::string::npos)
        return false;
    a = trimControl(rest.substr(0, dot));
    rest = trimControl(rest.substr(dot + 1));

    dot = rest.find('.');
    if (dot == std::string::npos)
        return false;
    b = trimControl(rest.substr(0, dot));
    rest = trimControl(rest.substr(dot + 1));

    dot = rest.find('.');
    if (dot == std::string::npos)
        return false;
    c = rest.substr(0, dot);
    d = trimControl(rest.substr(dot + 1));

    return isOctet(a) && isOctet(b) && isOctet(c) && isOctet(d);
}

} // namespace cfq
