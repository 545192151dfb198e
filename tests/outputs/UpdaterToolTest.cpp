#include "DeviceSimulator.h"

#include "outputs/BootJob.h"
#include "outputs/DeviceMemory.h"
#include "platform/Xml.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace cfq {
namespace {

using Edit = std::function<void(pugi::xml_node root)>;

std::string randomBytes(std::size_t size, unsigned seed)
{
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(generator() & 0xFF);
    return bytes;
}

// A program folder with a project's images, a firmware file and a job file
// for a device on loopback.
struct UpdateFolder
{
    UpdateFolder()
    {
        test::writeFile(folder / "MASTER" / "SimQ4410.sim", firmware);
        test::writeFile(folder / "PROJECTS" / "Line4" / "bin" / "bank1.bin", bank1);
        test::writeFile(folder / "PROJECTS" / "Line4" / "bin" / "bank2.bin", bank2);
    }

    void writeJob(int option, const Edit& edit = nullptr)
    {
        const BootJob job{"127.0.0.1", option, true, folder / "MASTER", folder / "PROJECTS" / "Line4"};
        xml::Document document = buildBootJob(job);
        if (edit)
            edit(document->child("Ethernet_Update"));
        ASSERT_TRUE(xml::save(*document, bootJobFile(folder.path())).ok());
    }

    // The updater's exit code.
    int runUpdater(std::uint16_t port) const
    {
        const std::string command = "CFQ_JOB_FILE='" + bootJobFile(folder.path()).string() +
                                    "' CFQ_BOOT_PORT=" + std::to_string(port) + " '" +
                                    (test::toolsFolder() / "Ethernet_Update").string() + "' >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    test::TempDir folder;
    std::string firmware = randomBytes(3000, 1);
    std::string bank1 = randomBytes(2048, 2);
    std::string bank2 = randomBytes(16557 + 411, 3);
};

TEST(StandInUpdater, PlacesEveryFileOfTheJobAtItsStartAddress)
{
    UpdateFolder update;
    update.writeJob(0);
    const test::DeviceSimulator device(update.folder / "device.img");

    ASSERT_EQ(update.runUpdater(device.port()), 0);

    EXPECT_EQ(device.memory(0x8000, update.firmware.size()), update.firmware);
    EXPECT_EQ(device.memory(device::kParameterImageAddress, update.bank1.size()), update.bank1);
    EXPECT_EQ(device.memory(device::kProcessDataBase, update.bank2.size()), update.bank2);
    EXPECT_EQ(device.memory(device::kProcessDataBase + update.bank2.size(), 4), "\xFF\xFF\xFF\xFF")
        << "memory past the image stays erased";
}

struct RefusedJob
{
    const char* name;
    Edit edit;
};

class StandInUpdaterRefuses : public testing::TestWithParam<RefusedJob>
{
};

TEST_P(StandInUpdaterRefuses, AJobItCannotRelyOnAndSendsNothing)
{
    UpdateFolder update;
    update.writeJob(0, GetParam().edit);
    const test::DeviceSimulator device(update.folder / "device.img");

    EXPECT_EQ(update.runUpdater(device.port()), 1);
    EXPECT_FALSE(std::filesystem::exists(update.folder / "device.img")) << "the device received a transfer";
}

void setText(pugi::xml_node element, const char* text)
{
    element.text().set(text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StandInUpdaterRefuses,
    testing::Values(
        RefusedJob{"NoBootPort", [](pugi::xml_node root) { root.remove_child("Boot_Port"); }},
        RefusedJob{"PortOutOfRange", [](pugi::xml_node root) { setText(root.child("Boot_Port"), "70000"); }},
        RefusedJob{"OtherVersion", [](pugi::xml_node root) { setText(root.child("Version"), "2000"); }},
        RefusedJob{"NoOperations", [](pugi::xml_node root) { root.remove_child("Operations"); }},
        RefusedJob{"ReadBackNoFlag",
                   [](pugi::xml_node root) {
                       setText(root.child("Operations").last_child().child("Ope_Read_Back"), "yes");
                   }},
        RefusedJob{"StartAddressNoNumber",
                   [](pugi::xml_node root) {
                       setText(root.child("Operations").first_child().child("Ope_Start_Address"), "0x80z");
                   }},
        RefusedJob{
            "NoFileName",
            [](pugi::xml_node root) { root.child("Operations").last_child().remove_child("Ope_FileName"); }},
        RefusedJob{"MissingFirmwareFile",
                   [](pugi::xml_node root) {
                       pugi::xml_node file = root.child("Operations").first_child().child("Ope_FileName");
                       setText(file, (std::string(file.text().get()) + ".missing").c_str());
                   }},
        RefusedJob{"DeviceOffLoopback",
                   [](pugi::xml_node root) { setText(root.child("IP_Address_Dev"), "192.168.2.205"); }},
        RefusedJob{"OtherRoot", [](pugi::xml_node root) { root.set_name("Other_Update"); }}),
    [](const testing::TestParamInfo<RefusedJob>& job) { return job.param.name; });

TEST(StandInUpdater, ReportsADeviceThatDoesNotAnswer)
{
    UpdateFolder update;
    update.writeJob(2);
    // A port that takes datagrams and never answers.
    const int silent = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ASSERT_EQ(::bind(silent, reinterpret_cast<sockaddr*>(&address), size), 0);
    ASSERT_EQ(::getsockname(silent, reinterpret_cast<sockaddr*>(&address), &size), 0);

    EXPECT_EQ(update.runUpdater(ntohs(address.sin_port)), 2);
    ::close(silent);
}

} // namespace
} // namespace cfq
