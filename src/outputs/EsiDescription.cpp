#include "outputs/EsiDescription.h"

#include "params/ParGenNames.h"

#include "ethercat/DocumentNames.h"
#include "outputs/ProjectDocuments.h"
#include "platform/TextTrim.h"
#include "platform/WholeNumber.h"
#include "platform/Xml.h"

#include <array>
#include <cstdio>

namespace cfq::outputs {
namespace {

struct FixedType
{
    std::string_view upperName;
    const char* dataType;
    std::int64_t bits;
};

constexpr std::array<FixedType, 8> kFixedTypes = {{{"BOOL", kBitType, 1},
                                                   {"INT8", "SINT", 8},
                                                   {"INT16", "INT", 16},
                                                   {"INT32", "DINT", 32},
                                                   {"UINT8", "USINT", 8},
                                                   {"UINT16", "UINT", 16},
                                                   {"UINT32", "UDINT", 32},
                                                   {"FLOAT32", "REAL", 32}}};

std::vector<TEtherCAT_Rule> rulesOf(pugi::xml_node direction)
{
    std::vector<TEtherCAT_Rule> rules;
    for (pugi::xml_node row : direction.children()) {
        if (!isEnabledRow(row))
            continue;
        rules.push_back(ruleOf(xml::attributeText(row, variable_doc::kType),
                               readInt32Or(xml::attributeText(row, variable_doc::kLength), 0),
                               xml::attributeText(row, variable_doc::kName)));
    }
    return rules;
}

} // namespace

TEtherCAT_Rule ruleOf(std::string_view type, std::int64_t length, std::string name)
{
    const std::string upper = asciiUpper(trimControl(type));
    for (const FixedType& fixed : kFixedTypes) {
        if (fixed.upperName == upper)
            return {fixed.dataType, fixed.bits, std::move(name)};
    }
    if (upper == "ARRAY")
        return {"ARRAY [0.." + std::to_string(length - 1) + "] OF BYTE", 8 * length, std::move(name)};
    if (upper == "STRING")
        return {"STRING(" + std::to_string(length) + ")", 8 * length + 8, std::move(name)};
    return {kBitType, 1, std::move(name)};
}

EsiDescription readEsiDescription(pugi::xml_node parametersRoot, pugi::xml_node variablesRoot)
{
    EsiDescription esi;
    if (const auto revision = xml::childText(parametersRoot, pargen_doc::kRevisionNumber))
        esi.revision = static_cast<std::uint32_t>(readInt64Or(*revision, 0));
    if (auto name = xml::childText(parametersRoot, pargen_doc::kSlaveName))
        esi.productName = std::move(*name);
    if (const auto node = xml::childText(parametersRoot, pargen_doc::kNodeAddress))
        esi.nodeAddress = static_cast<std::uint16_t>(readInt32Or(*node, 1));
    esi.inputRules = rulesOf(variableRows(variablesRoot, Direction::SlaveToMaster));
    esi.outputRules = rulesOf(variableRows(variablesRoot, Direction::MasterToSlave));
    return esi;
}

std::int64_t processDataSize(const std::vector<TEtherCAT_Rule>& rules)
{
    std::int64_t size = 0;
    int bitsInByte = 0; // 0: no run of bits open
    for (const TEtherCAT_Rule& rule : rules) {
        if (rule.DataType != kBitType) {
            size += rule.Length / 8;
            bitsInByte = 0;
        } else if (bitsInByte == 0 || bitsInByte == 8) {
            size += 1;
            bitsInByte = 1;
        } else {
            ++bitsInByte;
        }
    }
    return size;
}

std::int64_t outputsAddress(std::int64_t inputSize)
{
    return 0x1000 + 4 * ((3 * inputSize + 3) / 4);
}

std::string aliasText(std::uint16_t nodeAddress)
{
    std::array<char, 5> text{};
    std::snprintf(text.data(), text.size(), "%02X%02X", nodeAddress & 0xFFu, (nodeAddress >> 8) & 0xFFu);
    return text.data();
}

} // namespace cfq::outputs
