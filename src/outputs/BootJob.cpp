#include "outputs/BootJob.h"

#include "outputs/DeviceMemory.h"

#include <cstdio>
#include <vector>

namespace cfq {
namespace {

constexpr const char* kJobFileName = "Ethernet_Update.xml";
constexpr const char* kBootPort = "2008";
constexpr const char* kBootPortSecondary = "2007";
constexpr const char* kFirmwareFileName = "SimQ4410.sim";
constexpr const char* kFirmwareAddress = "0x8000";

// One transfer of the job: which file goes where in the device, and what the
// device does around it.
struct Operation
{
    std::filesystem::path file;
    std::string startAddress;
    const char* bankType;
    const char* writeCss;
    const char* goToAppAfter;
};

std::string deviceAddressText(std::uint32_t address)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%05X", static_cast<unsigned>(address));
    return text;
}

// Paths in the job file use the platform's own separator.
std::string pathText(std::filesystem::path path)
{
    return path.make_preferred().string();
}

std::vector<Operation> operationsOf(const BootJob& job)
{
    const bool firmware = job.Update_Option == 0 || job.Update_Option == 1;
    const bool configuration = job.Update_Option == 0 || job.Update_Option == 2;
    const std::filesystem::path bin = job.Project_Path / device::kImageFolder;

    std::vector<Operation> operations;
    if (firmware)
        operations.push_back(
            {job.Master_Dir / kFirmwareFileName, kFirmwareAddress, "1", "1", configuration ? "0" : "1"});
    if (configuration) {
        operations.push_back({bin / device::kParameterImageFile, deviceAddressText(device::kParameterImageAddress), "2", "0", "0"});
        operations.push_back({bin / device::kProcessDataImageFile, deviceAddressText(device::kProcessDataBase), "2", "0", "1"});
    }
    return operations;
}

void appendOperation(pugi::xml_node operations, const Operation& operation, bool readBack)
{
    pugi::xml_node node = operations.append_child("Operation");
    xml::appendTextElement(node, "Ope_Protection_Enabled", "");
    xml::appendTextElement(node, "Ope_GoToBoot_Before", "0");
    xml::appendTextElement(node, "Ope_GoToApp_Before", "0");
    xml::appendTextElement(node, "Ope_IP_Address", "");
    xml::appendTextElement(node, "Ope_Port", kBootPort);
    xml::appendTextElement(node, "Ope_Port_Sec", kBootPortSecondary);
    xml::appendTextElement(node, "Ope_Erase_Memory", "0");
    xml::appendTextElement(node, "Ope_FileName", pathText(operation.file));
    xml::appendTextElement(node, "Ope_Start_Address", operation.startAddress);
    xml::appendTextElement(node, "Ope_Memory_Type", "0");
    xml::appendTextElement(node, "Ope_Bank_Type", operation.bankType);
    xml::appendTextElement(node, "Ope_Read_Back", readBack ? "1" : "0");
    xml::appendTextElement(node, "Ope_Write_CSS", operation.writeCss);
    xml::appendTextElement(node, "Ope_Address_CSS", "0x07A00");
    xml::appendTextElement(node, "Ope_Command_CSS", "0x02");
    xml::appendTextElement(node, "Ope_Write_Internal_Data", "0");
    xml::appendTextElement(node, "Ope_WID_Address", "0x07810");
    xml::appendTextElement(node, "Ope_WID_Command", "0x02");
    xml::appendTextElement(node, "Ope_WID_Data", "0x00, 0x00, 0x00, 0x01");
    xml::appendTextElement(node, "Ope_GoToApp_After", operation.goToAppAfter);
}

} // namespace

std::filesystem::path bootJobFile(const std::filesystem::path& exeDir)
{
    return exeDir / kJobFileName;
}

xml::Document buildBootJob(const BootJob& job)
{
    auto document = std::make_unique<pugi::xml_document>();
    pugi::xml_node root = document->append_child("Ethernet_Update");
    xml::appendTextElement(root, "Version", "1000");
    xml::appendTextElement(root, "Title", "VarnicCo - CFQ4410 Ethernet Update");
    xml::appendTextElement(root, "IP_Address_Dev", job.IP_Address_Dev);
    xml::appendTextElement(root, "Application_Port", "10000");
    xml::appendTextElement(root, "Boot_Port", kBootPort);
    xml::appendTextElement(root, "Boot_Port_Sec", kBootPortSecondary);
    xml::appendTextElement(root, "Address_Protection", "0x07800");
    xml::appendTextElement(root.append_child("Protections"), "Protection", "0x2E3");
    pugi::xml_node operations = root.append_child("Operations");
    for (const Operation& operation : operationsOf(job))
        appendOperation(operations, operation, job.Read_Back);
    return document;
}

Status Compile_XML_Parameter_New_Boot(const BootJob& job, const std::filesystem::path& exeDir)
{
    return xml::save(*buildBootJob(job), bootJobFile(exeDir));
}

} // namespace cfq
