// Device simulator for the stand-in updater. It listens on 127.0.0.1 only,
// answers the updater's requests and keeps the device memory in an image file.
//
//   cfq4410-devsim --image FILE [--port N]     serve (port 2008 by default,
//                                              0 for any free port); prints
//                                              "listening 127.0.0.1:PORT"
//   cfq4410-devsim --dump FILE ADDRESS LENGTH OUT
//                                              writes LENGTH bytes of the
//                                              memory image from ADDRESS to OUT

#include "LoopbackUdp.h"
#include "SimulatedDevice.h"

#include "platform/AtomicFile.h"
#include "platform/WholeNumber.h"

#include <cstring>
#include <iostream>

namespace {

constexpr std::uint16_t kBootPort = 2008;

int usage()
{
    std::cerr << "usage: cfq4410-devsim --image FILE [--port N]\n"
                 "       cfq4410-devsim --dump FILE ADDRESS LENGTH OUT\n";
    return 1;
}

int dump(const char* image, const char* addressText, const char* lengthText, const char* out)
{
    const auto address = cfq::readInt64(addressText);
    const auto length = cfq::readInt64(lengthText);
    const cfqtools::SimulatedDevice device(image);
    if (!address || !length || *address < 0 || *length < 0 ||
        static_cast<std::uint64_t>(*address + *length) > cfqtools::SimulatedDevice::kMemorySize) {
        std::cerr << "devsim: the region is outside the device memory\n";
        return 1;
    }
    const auto written = cfq::writeFileAtomically(
        out, std::string_view(device.memory())
                 .substr(static_cast<std::size_t>(*address), static_cast<std::size_t>(*length)));
    if (!written) {
        std::cerr << "devsim: " << written.error() << '\n';
        return 1;
    }
    return 0;
}

int serve(const char* image, std::uint16_t port)
{
    cfqtools::SimulatedDevice device(image);
    cfqtools::UdpSocket socket;
    const auto bound = socket.bindLoopback(port);
    if (!bound) {
        std::cerr << "devsim: cannot listen on 127.0.0.1:" << port << '\n';
        return 1;
    }
    std::cout << "listening 127.0.0.1:" << *bound << std::endl;
    for (;;) {
        const auto received = socket.receive(std::chrono::milliseconds(-1));
        if (!received)
            continue;
        if (const auto request = cfqtools::decodeRequest(received->bytes))
            socket.sendTo(received->from, cfqtools::encode(device.handle(*request)));
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 6 && std::strcmp(argv[1], "--dump") == 0)
        return dump(argv[2], argv[3], argv[4], argv[5]);
    if ((argc == 3 || argc == 5) && std::strcmp(argv[1], "--image") == 0) {
        std::int32_t port = kBootPort;
        if (argc == 5) {
            port = cfq::readInt32Or(argv[4], -1);
            if (std::strcmp(argv[3], "--port") != 0 || port < 0 || port > 65535)
                return usage();
        }
        return serve(argv[2], static_cast<std::uint16_t>(port));
    }
    return usage();
}
