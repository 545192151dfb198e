#pragma once

#include "platform/Result.h"

namespace cfq {

// An open ICMP socket for IPv4. A datagram socket is the unprivileged kind
// (allowed by net.ipv4.ping_group_range): the kernel fills in the
// identifier, filters the replies for it and hands them over without IP
// header. A raw socket sees every ICMP message with its IP header.
struct IcmpSocket
{
    enum class Kind
    {
        Datagram,
        Raw,
    };
    int descriptor = -1;
    Kind kind = Kind::Datagram;
};

// Opens the unprivileged datagram kind where the system allows it, the raw
// kind otherwise; fails when neither can be opened.
Result<IcmpSocket> openIcmpSocket();

} // namespace cfq
