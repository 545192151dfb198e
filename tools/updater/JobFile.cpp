#include "JobFile.h"

#include "platform/WholeNumber.h"
#include "platform/Xml.h"

#include <optional>

namespace cfqtools {
namespace {

using cfq::xml::childElement;
using cfq::xml::childText;

constexpr const char* kVersion = "1000";

// Collects the problems while the elements are read.
class Checker
{
public:
    std::string text(pugi::xml_node parent, const char* name, const std::string& where)
    {
        return present(parent, name, where).value_or(std::string());
    }

    std::int64_t number(pugi::xml_node parent, const char* name, const std::string& where, std::int64_t low,
                        std::int64_t high)
    {
        const auto value = present(parent, name, where);
        if (!value)
            return 0;
        const auto read = cfq::readInt64(*value);
        if (!read || *read < low || *read > high) {
            problems.push_back(where + ": " + name + " \"" + *value + "\" is no number from " +
                               std::to_string(low) + " to " + std::to_string(high));
            return 0;
        }
        return *read;
    }

    bool flag(pugi::xml_node parent, const char* name, const std::string& where)
    {
        const auto value = present(parent, name, where);
        if (value && *value != "0" && *value != "1")
            problems.push_back(where + ": " + name + " \"" + *value + "\" is neither 0 nor 1");
        return value == "1";
    }

    std::vector<std::string> problems;

private:
    std::optional<std::string> present(pugi::xml_node parent, const char* name, const std::string& where)
    {
        auto value = childText(parent, name);
        if (!value)
            problems.push_back(where + ": element " + name + " is missing");
        return value;
    }
};

Transfer readTransfer(pugi::xml_node operation, const std::string& where, Checker& check)
{
    Transfer transfer;
    transfer.file = check.text(operation, "Ope_FileName", where);
    transfer.startAddress =
        static_cast<std::uint32_t>(check.number(operation, "Ope_Start_Address", where, 0, 0xFFFFFFFF));
    transfer.readBack = check.flag(operation, "Ope_Read_Back", where);
    transfer.goToAppAfter = check.flag(operation, "Ope_GoToApp_After", where);
    std::error_code error;
    if (childText(operation, "Ope_FileName") && !std::filesystem::is_regular_file(transfer.file, error))
        check.problems.push_back(where + ": file " + transfer.file.string() + " cannot be read");
    return transfer;
}

} // namespace

JobReading readUpdateJob(const std::filesystem::path& jobFile)
{
    auto loaded = cfq::xml::load(jobFile);
    if (!loaded)
        return std::vector<std::string>{"job file " + loaded.error()};
    const pugi::xml_node root = loaded.value()->document_element();
    if (std::string(root.name()) != "Ethernet_Update")
        return std::vector<std::string>{"job file: the root element is not Ethernet_Update"};

    Checker check;
    UpdateJob job;
    if (const std::string version = check.text(root, "Version", "job");
        !version.empty() && version != kVersion)
        check.problems.push_back("job: Version " + version + " is not " + kVersion);
    job.deviceAddress = check.text(root, "IP_Address_Dev", "job");
    job.bootPort = static_cast<std::uint16_t>(check.number(root, "Boot_Port", "job", 1, 65535));

    const pugi::xml_node operations = childElement(root, "Operations");
    int index = 0;
    for (pugi::xml_node operation = childElement(operations, "Operation"); operation;
         operation = operation.next_sibling("Operation"))
        job.transfers.push_back(readTransfer(operation, "operation " + std::to_string(++index), check));
    if (job.transfers.empty())
        check.problems.push_back("job: no Operation to do");

    if (!check.problems.empty())
        return check.problems;
    return job;
}

} // namespace cfqtools
