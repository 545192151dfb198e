#include "outputs/DeviceMemory.h"
#include "outputs/ImageInspector.h"
#include "outputs/ProjectFixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace cfq::outputs::test {
namespace {

// The "Temp" example: one Int16 variable with an initial value, completed
// with a command word, a string and a group per direction.
DeviceImages compiledTemp()
{
    ProjectFolder project;
    project.writeParameters({{"EtherCAT_Slave_Name", "Scale"}, {"SERIAL_BAUDRATE", "4"}});
    project.writeVariables({{.type = "Int16", .name = "Temp", .initValue = "5"},
                            {.type = "String", .name = "Serial", .initValue = "AB", .length = "4"}},
                           {{.type = "UInt16", .name = "Command"}});
    project.writeGroups({{"Inputs", "2"}}, {{"Outputs", "1"}});
    const auto images = project.compile();
    EXPECT_TRUE(images.ok()) << (images.ok() ? "" : images.error());
    return images.ok() ? images.value() : DeviceImages{};
}

void expectLines(const std::string& listing, const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        EXPECT_NE(listing.find(line), std::string::npos) << "missing: " << line << "\nin:\n" << listing;
}

TEST(ImageInspector, ParameterImageListsEveryField)
{
    const ImageReport report = inspectImage(compiledTemp().bank1);

    EXPECT_EQ(report.fault, std::nullopt);
    expectLines(report.listing, {"bank1.bin (2048 bytes)", "0x000  fixed number: 250000",
                                 "0x1BB  fixed number: 8", "EtherCAT slave name: \"Scale\"",
                                 "baud rate: 19200", "IP address: ", "subnet mask: 255.255.255.0",
                                 "configuration version: \"1.001\"",
                                 "process-data image address: 0x00080000", "checksum: 0x"});
}

TEST(ImageInspector, ProcessDataImageListsHeaderEntriesAndGroups)
{
    const ImageReport report = inspectImage(compiledTemp().bank2);

    EXPECT_EQ(report.fault, std::nullopt);
    expectLines(report.listing,
                {"slave-to-master entries: 2", "master-to-slave entries: 1",
                 "group table address: 0x00084028",
                 "slave-to-master entry 0 \"Temp\" Int16 length 2 access 1 position 0 bit 0 subindex 0 group 0 "
                 "init 5\n",
                 "slave-to-master entry 1 \"Serial\" String length 4", "init \"AB\"\n",
                 "master-to-slave entry 0 \"Command\" UInt16 length 2 access 0", "slave-to-master groups (1)",
                 "  0 \"Inputs\"", "master-to-slave groups (1)", "  0 \"Outputs\""});
}

struct Corruption
{
    const char* what;
    bool parameterImage;
    std::function<void(Bytes&)> apply;
    const char* fault;
};

const std::vector<Corruption>& corruptions()
{
    using namespace device;
    static const std::vector<Corruption> cases = {
        {"wrong checksum", true, [](Bytes& image) { image[bank1::kIpAddress] ^= 1; }, "checksum 0x"},
        {"name address outside the file", false,
         [](Bytes& image) {
             storeLittleEndian(&image[kSlaveToMasterTableOffset + kEntryNameAddress], kProcessDataBase + 0x20000,
                               4);
         },
         "slave-to-master entry 0 name: address 0x000A0000 lies outside the image"},
        {"initial value past the end", false,
         [](Bytes& image) {
             storeLittleEndian(&image[kSlaveToMasterTableOffset + kEntryInitValueAddress],
                               kProcessDataBase + static_cast<std::uint32_t>(image.size()) - 1, 4);
         },
         "slave-to-master entry 0: initial value at"},
        {"missing terminator", false,
         [](Bytes& image) { image.resize(kStringAreaOffset + 4); }, "the string at 0x000840AD has no terminator"},
        {"count beyond the entries in use", false,
         [](Bytes& image) { image[kHeaderMasterToSlaveCount] = 0; },
         "master-to-slave entry 0 is in use beyond the count of 0"},
        {"group out of range", false,
         [](Bytes& image) { image[kGroupCountsOffset] = 0; }, "slave-to-master entry 0: group 0 of 0 groups"},
        {"length of a fixed-size type", false,
         [](Bytes& image) { image[kSlaveToMasterTableOffset + kEntryLength] = 200; },
         "slave-to-master entry 0: length 200 for Int16"},
        {"table moved", false,
         [](Bytes& image) { image[kHeaderMasterToSlaveTable] += 32; }, "header: the address at offset 36"},
    };
    return cases;
}

TEST(ImageInspector, CorruptedImagesNameTheFirstInconsistency)
{
    const DeviceImages images = compiledTemp();
    for (const Corruption& corruption : corruptions()) {
        Bytes image = corruption.parameterImage ? images.bank1 : images.bank2;
        corruption.apply(image);
        const ImageReport report = inspectImage(image);
        ASSERT_TRUE(report.fault.has_value()) << corruption.what;
        EXPECT_NE(report.fault->find(corruption.fault), std::string::npos)
            << corruption.what << ": " << *report.fault;
    }
}

TEST(ImageInspector, OtherFilesAreNoDeviceImage)
{
    Bytes notAnImage(device::kFixedProcessDataSize, 0);
    for (const Bytes& image : {Bytes{}, Bytes(100, 0), Bytes(2049, 0), notAnImage}) {
        const ImageReport report = inspectImage(image);
        ASSERT_TRUE(report.fault.has_value());
        EXPECT_EQ(*report.fault, "not a device image: " + std::to_string(image.size()) + " bytes");
    }
}

} // namespace
} // namespace cfq::outputs::test
