#include "outputs/BootJob.h"
#include "outputs/DeviceMemory.h"
#include "platform/Xml.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <vector>

namespace cfq {
namespace {

const std::filesystem::path kMaster = std::filesystem::path("/opt") / "cfq" / "MASTER";
const std::filesystem::path kProject = std::filesystem::path("/opt") / "cfq" / "PROJECTS" / "Line 4";

const std::vector<std::string> kRootElements = {
    "Version",   "Title",         "IP_Address_Dev",     "Application_Port",
    "Boot_Port", "Boot_Port_Sec", "Address_Protection", "Protections",
    "Operations"};

const std::vector<std::string> kOperationElements = {"Ope_Protection_Enabled",
                                                     "Ope_GoToBoot_Before",
                                                     "Ope_GoToApp_Before",
                                                     "Ope_IP_Address",
                                                     "Ope_Port",
                                                     "Ope_Port_Sec",
                                                     "Ope_Erase_Memory",
                                                     "Ope_FileName",
                                                     "Ope_Start_Address",
                                                     "Ope_Memory_Type",
                                                     "Ope_Bank_Type",
                                                     "Ope_Read_Back",
                                                     "Ope_Write_CSS",
                                                     "Ope_Address_CSS",
                                                     "Ope_Command_CSS",
                                                     "Ope_Write_Internal_Data",
                                                     "Ope_WID_Address",
                                                     "Ope_WID_Command",
                                                     "Ope_WID_Data",
                                                     "Ope_GoToApp_After"};

std::vector<std::string> childNames(pugi::xml_node parent)
{
    std::vector<std::string> names;
    for (pugi::xml_node child : parent.children())
        names.emplace_back(child.name());
    return names;
}

std::string text(pugi::xml_node parent, const char* name)
{
    return xml::childText(parent, name).value_or("<missing>");
}

// What distinguishes one operation from another.
struct ExpectedOperation
{
    std::string file;
    std::string startAddress;
    std::string bankType;
    std::string writeCss;
    std::string goToAppAfter;
};

const ExpectedOperation kFirmwareThenMore{(kMaster / "SimQ4410.sim").string(), "0x8000", "1", "1", "0"};
const ExpectedOperation kFirmwareLast{(kMaster / "SimQ4410.sim").string(), "0x8000", "1", "1", "1"};
const ExpectedOperation kBank1{(kProject / "bin" / "bank1.bin").string(), "0x07000", "2", "0", "0"};
const ExpectedOperation kBank2{(kProject / "bin" / "bank2.bin").string(), "0x80000", "2", "0", "1"};

struct JobCase
{
    int option;
    bool readBack;
    std::vector<ExpectedOperation> operations;
};

class BootJobOperations : public testing::TestWithParam<JobCase>
{
};

TEST_P(BootJobOperations, ListTheFilesOfTheOptionInOrderWithTheirDeviceValues)
{
    const JobCase& job = GetParam();
    const xml::Document document = buildBootJob({"10.1.2.3", job.option, job.readBack, kMaster, kProject});
    const pugi::xml_node operations = document->child("Ethernet_Update").child("Operations");

    std::vector<pugi::xml_node> found(operations.children().begin(), operations.children().end());
    ASSERT_EQ(found.size(), job.operations.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        SCOPED_TRACE("operation " + std::to_string(i + 1));
        const pugi::xml_node operation = found[i];
        const ExpectedOperation& expected = job.operations[i];
        EXPECT_STREQ(operation.name(), "Operation");
        EXPECT_EQ(childNames(operation), kOperationElements);
        EXPECT_EQ(text(operation, "Ope_FileName"), expected.file);
        EXPECT_EQ(text(operation, "Ope_Start_Address"), expected.startAddress);
        EXPECT_EQ(text(operation, "Ope_Bank_Type"), expected.bankType);
        EXPECT_EQ(text(operation, "Ope_Write_CSS"), expected.writeCss);
        EXPECT_EQ(text(operation, "Ope_GoToApp_After"), expected.goToAppAfter);
        EXPECT_EQ(text(operation, "Ope_Read_Back"), job.readBack ? "1" : "0");

        EXPECT_EQ(text(operation, "Ope_Protection_Enabled"), "");
        EXPECT_EQ(text(operation, "Ope_GoToBoot_Before"), "0");
        EXPECT_EQ(text(operation, "Ope_GoToApp_Before"), "0");
        EXPECT_EQ(text(operation, "Ope_IP_Address"), "");
        EXPECT_EQ(text(operation, "Ope_Port"), "2008");
        EXPECT_EQ(text(operation, "Ope_Port_Sec"), "2007");
        EXPECT_EQ(text(operation, "Ope_Erase_Memory"), "0");
        EXPECT_EQ(text(operation, "Ope_Memory_Type"), "0");
        EXPECT_EQ(text(operation, "Ope_Address_CSS"), "0x07A00");
        EXPECT_EQ(text(operation, "Ope_Command_CSS"), "0x02");
        EXPECT_EQ(text(operation, "Ope_Write_Internal_Data"), "0");
        EXPECT_EQ(text(operation, "Ope_WID_Address"), "0x07810");
        EXPECT_EQ(text(operation, "Ope_WID_Command"), "0x02");
        EXPECT_EQ(text(operation, "Ope_WID_Data"), "0x00, 0x00, 0x00, 0x01");
    }
}

INSTANTIATE_TEST_SUITE_P(EveryOptionAndReadBack, BootJobOperations,
                         testing::Values(JobCase{0, true, {kFirmwareThenMore, kBank1, kBank2}},
                                         JobCase{0, false, {kFirmwareThenMore, kBank1, kBank2}},
                                         JobCase{1, true, {kFirmwareLast}},
                                         JobCase{1, false, {kFirmwareLast}},
                                         JobCase{2, true, {kBank1, kBank2}},
                                         JobCase{2, false, {kBank1, kBank2}}));

TEST(BootJob, StartsWithTheDeviceAddressAsTypedAndTheFixedValuesInOrder)
{
    const xml::Document document = buildBootJob({" 192.168.02.x", 2, true, kMaster, kProject});
    ASSERT_EQ(childNames(*document), std::vector<std::string>{"Ethernet_Update"});
    const pugi::xml_node root = document->child("Ethernet_Update");
    EXPECT_EQ(childNames(root), kRootElements);
    EXPECT_EQ(text(root, "Version"), "1000");
    EXPECT_EQ(text(root, "Title"), "VarnicCo - CFQ4410 Ethernet Update");
    EXPECT_EQ(text(root, "IP_Address_Dev"), " 192.168.02.x");
    EXPECT_EQ(text(root, "Application_Port"), "10000");
    EXPECT_EQ(text(root, "Boot_Port"), "2008");
    EXPECT_EQ(text(root, "Boot_Port_Sec"), "2007");
    EXPECT_EQ(text(root, "Address_Protection"), "0x07800");
    const pugi::xml_node protections = root.child("Protections");
    EXPECT_EQ(childNames(protections), std::vector<std::string>{"Protection"});
    EXPECT_EQ(text(protections, "Protection"), "0x2E3");
}

TEST(BootJob, LoadAddressesOfTheImagesAreTheDeviceMemoryConstants)
{
    // The images are built for these addresses; a job naming others would
    // leave every address stored inside bank2.bin pointing elsewhere.
    EXPECT_EQ(device::kParameterImageAddress, 0x07000u);
    EXPECT_EQ(device::kProcessDataBase, 0x80000u);
    const xml::Document document = buildBootJob({"1.2.3.4", 2, false, kMaster, kProject});
    const pugi::xml_node operations = document->child("Ethernet_Update").child("Operations");
    EXPECT_EQ(std::stoul(text(operations.first_child(), "Ope_Start_Address"), nullptr, 16),
              device::kParameterImageAddress);
    EXPECT_EQ(std::stoul(text(operations.last_child(), "Ope_Start_Address"), nullptr, 16),
              device::kProcessDataBase);
}

TEST(BootJob, IsWrittenWholeIntoTheProgramFolderWithoutDeclaration)
{
    test::TempDir exeDir;
    test::writeFile(bootJobFile(exeDir.path()), "an older job");
    const BootJob job{"127.0.0.1", 1, false, kMaster, kProject};

    ASSERT_TRUE(Compile_XML_Parameter_New_Boot(job, exeDir.path()).ok());

    EXPECT_EQ(bootJobFile(exeDir.path()), exeDir / "Ethernet_Update.xml");
    const std::string written = test::readFile(exeDir / "Ethernet_Update.xml");
    EXPECT_EQ(written, xml::toText(*buildBootJob(job)));
    EXPECT_EQ(written.rfind("<Ethernet_Update><Version>1000</Version>", 0), 0u) << written;
    EXPECT_NE(written.find("<Ope_Protection_Enabled/>"), std::string::npos) << written;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(exeDir.path()), {}), 1);
}

TEST(BootJob, FolderThatCannotTakeTheFileIsAnErrorNamingIt)
{
    test::TempDir root;
    const Status written =
        Compile_XML_Parameter_New_Boot({"127.0.0.1", 0, true, kMaster, kProject}, root / "missing");
    ASSERT_FALSE(written.ok());
    EXPECT_NE(written.error().find("Ethernet_Update.xml"), std::string::npos) << written.error();
}

} // namespace
} // namespace cfq
