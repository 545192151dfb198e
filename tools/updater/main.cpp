// Stand-in for the device updater: reads the job file the configurator
// wrote, checks it, and places each named file into the device simulator.
//
// The job file is Ethernet_Update.xml in the configurator's folder of its own
// files, found by the configurator's rule from this program's folder, or the
// file named by CFQ_JOB_FILE. CFQ_BOOT_PORT replaces the job's Boot_Port (tests
// run the simulator on a free port). Only loopback addresses are served.
//
// Exit code: 0 done, 1 job refused (nothing sent), 2 the device failed.

#include "DeviceLink.h"
#include "JobFile.h"

#include "outputs/BootJob.h"
#include "platform/AtomicFile.h"
#include "platform/ExeDir.h"
#include "platform/WholeNumber.h"

#include <cstdlib>
#include <iostream>

namespace {

std::filesystem::path jobFile()
{
    if (const char* named = std::getenv("CFQ_JOB_FILE"); named && *named)
        return named;
    return cfq::bootJobFile(cfq::workingFolderFor(cfq::executableFolder()));
}

int refuse(const std::vector<std::string>& problems)
{
    for (const std::string& problem : problems)
        std::cerr << "Ethernet_Update: " << problem << '\n';
    return 1;
}

} // namespace

int main()
{
    const std::filesystem::path file = jobFile();
    auto reading = cfqtools::readUpdateJob(file);
    if (auto* problems = std::get_if<std::vector<std::string>>(&reading))
        return refuse(*problems);
    const cfqtools::UpdateJob& job = std::get<cfqtools::UpdateJob>(reading);

    const auto device = cfqtools::loopbackAddress(job.deviceAddress);
    if (!device)
        return refuse({"device " + job.deviceAddress + " is not on the loopback network of the simulator"});
    std::uint16_t port = job.bootPort;
    if (const char* override = std::getenv("CFQ_BOOT_PORT"); override && *override) {
        const std::int32_t chosen = cfq::readInt32Or(override, 0);
        if (chosen < 1 || chosen > 65535)
            return refuse({std::string("CFQ_BOOT_PORT ") + override + " is no port"});
        port = static_cast<std::uint16_t>(chosen);
    }

    cfqtools::DeviceLink link(*device, port);
    for (const cfqtools::Transfer& transfer : job.transfers) {
        const auto bytes = cfq::readWholeFile(transfer.file);
        if (!bytes)
            return refuse({bytes.error()});
        std::cout << "Ethernet_Update: " << transfer.file.string() << " (" << bytes.value().size()
                  << " bytes) to 0x" << std::hex << transfer.startAddress << std::dec << std::endl;
        if (!link.writeImage(transfer.startAddress, bytes.value(), transfer.readBack) ||
            (transfer.goToAppAfter && !link.goToApplication())) {
            std::cerr << "Ethernet_Update: " << transfer.file.string() << ": " << link.failure() << '\n';
            return 2;
        }
    }
    std::cout << "Ethernet_Update: done" << std::endl;
    return 0;
}
