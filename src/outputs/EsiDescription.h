#pragma once

#include <pugixml.hpp>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What the ESI file says about the device: its identity from the parameter
// document and one PDO entry per enabled variable from the variable document.
namespace cfq::outputs {

// One PDO entry.
struct TEtherCAT_Rule
{
    std::string DataType;
    std::int64_t Length = 0; // BitLen
    std::string Name;
};

inline constexpr const char* kBitType = "BIT";

struct EsiDescription
{
    std::string productName = "EtherCAT Slave";
    std::uint32_t revision = 0;
    std::uint16_t nodeAddress = 1;
    std::vector<TEtherCAT_Rule> outputRules; // Master To Slave: RxPDOs
    std::vector<TEtherCAT_Rule> inputRules;  // Slave To Master: TxPDOs
};

// Reads the identity from the parameter document's root and the rules from
// the variable document's root (empty nodes for missing documents).
EsiDescription readEsiDescription(pugi::xml_node parametersRoot, pugi::xml_node variablesRoot);

// The PDO entry of a variable from its Type (upper-cased and trimmed before
// mapping), its Length and its Name.
TEtherCAT_Rule ruleOf(std::string_view type, std::int64_t length, std::string name);

// Bytes of a direction's process data as its PDO entries lay it out: runs of
// bits fill whole bytes, every other entry takes its BitLen in bytes.
std::int64_t processDataSize(const std::vector<TEtherCAT_Rule>& rules);

// The start address of the outputs sync manager: the inputs sync manager
// starts at 0x1000 with three buffers of the input size, the outputs follow at
// the next multiple of 4.
std::int64_t outputsAddress(std::int64_t inputSize);

// The configured station alias as EEPROM bytes: low byte, then high byte,
// each as two upper-case hex digits (node address 258 gives "0201").
std::string aliasText(std::uint16_t nodeAddress);

} // namespace cfq::outputs
