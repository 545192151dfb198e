#include "outputs/EsiWriter.h"

#include "outputs/EsiIcon.h"
#include "outputs/Unicode.h"

#include <array>
#include <cstdio>

namespace cfq::outputs {
namespace {

constexpr const char* kVendorName = "VarnicCo";
constexpr const char* kGroupName = "VarnicCo Slaves";
constexpr const char* kProductCode = "00000E00";

// Upper-case hexadecimal digits of the low 32 bits, at least `digits` of them.
std::string hex(std::int64_t value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits,
                  static_cast<unsigned>(static_cast<std::uint32_t>(value)));
    return text;
}

bool allowedInXml(char32_t c)
{
    return c == 0x09 || c == 0x0A || c == 0x0D || (c >= 0x20 && c != 0xFFFE && c != 0xFFFF);
}

// The lines of the file; every line ends with CR LF.
class Lines
{
public:
    explicit Lines(std::size_t capacity) { m_text.reserve(capacity); }

    void line(int indent, std::string_view text)
    {
        m_text.append(static_cast<std::size_t>(indent), ' ');
        m_text.append(text);
        endLine();
    }
    void tabbed(int tabs, std::string_view text)
    {
        m_text.append(static_cast<std::size_t>(tabs), '\t');
        m_text.append(text);
        endLine();
    }
    void blank() { endLine(); }
    void open(int indent, std::string_view tag, std::string_view attributes = {})
    {
        m_text.append(static_cast<std::size_t>(indent), ' ');
        startTag(tag, attributes);
        endLine();
    }
    void close(int indent, std::string_view tag)
    {
        m_text.append(static_cast<std::size_t>(indent), ' ');
        endTag(tag);
        endLine();
    }
    void element(int indent, std::string_view tag, std::string_view text, std::string_view attributes = {})
    {
        m_text.append(static_cast<std::size_t>(indent), ' ');
        startTag(tag, attributes);
        m_text.append(text);
        endTag(tag);
        endLine();
    }
    std::string take() { return std::move(m_text); }

private:
    void startTag(std::string_view tag, std::string_view attributes)
    {
        m_text.push_back('<');
        m_text.append(tag);
        if (!attributes.empty()) {
            m_text.push_back(' ');
            m_text.append(attributes);
        }
        m_text.push_back('>');
    }
    void endTag(std::string_view tag)
    {
        m_text.append("</");
        m_text.append(tag);
        m_text.push_back('>');
    }
    void endLine() { m_text.append("\r\n"); }

    std::string m_text;
};

void writeHead(Lines& out, const EsiDescription& esi, const std::string& productName)
{
    out.line(0, R"(<?xml version="1.0"?>)");
    out.open(
        0, "EtherCATInfo",
        R"(xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" xsi:noNamespaceSchemaLocation="EtherCATInfo.xsd" Version="1.6")");
    out.open(2, "Vendor");
    out.element(4, "Id", "#x00000A3C");
    out.element(4, "Name", kVendorName);
    out.element(4, "ImageData16x14", esiIconHex());
    out.close(2, "Vendor");
    out.open(2, "Descriptions");
    out.open(4, "Groups");
    out.open(6, "Group", R"(SortOrder="0")");
    out.element(8, "Type", kGroupName);
    out.element(8, "Name", kGroupName, R"(LcId="1031")");
    out.element(8, "Name", kGroupName, R"(LcId="1033")");
    out.element(8, "ImageData16x14", esiIconHex());
    out.close(6, "Group");
    out.close(4, "Groups");
    out.open(4, "Devices");
    out.open(6, "Device", R"(Physics="YY")");
    out.element(8, "Type", productName,
                "ProductCode=\"#x" + std::string(kProductCode) + "\" RevisionNo=\"#x" + hex(esi.revision, 2) +
                    "\"");
    out.element(8, "Name", productName, R"(LcId="1033")");
    out.element(8, "Name", productName, R"(LcId="1031")");
    out.open(8, "Info");
    out.open(10, "StateMachine");
    out.open(12, "Timeout");
    out.element(14, "PreopTimeout", "2000");
    out.element(14, "SafeopOpTimeout", "9000");
    out.element(14, "BackToInitTimeout", "5000");
    out.element(14, "BackToSafeopTimeout", "200");
    out.close(12, "Timeout");
    out.close(10, "StateMachine");
    out.open(10, "Mailbox");
    out.open(12, "Timeout");
    out.element(14, "RequestTimeout", "100");
    out.element(14, "ResponseTimeout", "2000");
    out.close(12, "Timeout");
    out.close(10, "Mailbox");
    out.element(10, "IdentificationReg134", "true");
    out.close(8, "Info");
    out.element(8, "GroupType", kGroupName);
    out.element(8, "Fmmu", "Outputs");
    out.element(8, "Fmmu", "Inputs");
    out.element(
        8, "Sm", "MBoxOut",
        R"(MinSize="0" MaxSize="0" DefaultSize="0" StartAddress="#x1FFF" ControlByte="#x26" Enable="0")");
    out.element(
        8, "Sm", "MBoxIn",
        R"(MinSize="0" MaxSize="0" DefaultSize="0" StartAddress="#x1FFF" ControlByte="#x22" Enable="0")");
    out.element(8, "Sm", "Outputs",
                "StartAddress=\"#x" + hex(outputsAddress(processDataSize(esi.inputRules)), 4) +
                    R"(" ControlByte="#x64" DefaultSize="1" Enable="1")");
    out.element(8, "Sm", "Inputs", R"(StartAddress="#x1000" ControlByte="#x20" DefaultSize="1" Enable="1")");
}

struct PdoKind
{
    const char* tag;
    const char* syncManager;
    std::int64_t pdoIndexBase;
    const char* namePrefix;
    std::int64_t entryIndexBase;
};

constexpr PdoKind kRxPdo = {"RxPdo", "2", 0x1600, "Outputs_", 0x7000};
constexpr PdoKind kTxPdo = {"TxPdo", "3", 0x1A00, "Inputs_", 0x6000};

std::string pdoNumber(int j)
{
    char text[16];
    std::snprintf(text, sizeof text, "%03d", j);
    return text;
}

void writeFiller(Lines& out, int bits)
{
    out.tabbed(5, "<Entry>");
    out.tabbed(6, "<Index>#x0</Index>");
    out.tabbed(6, "<SubIndex>0</SubIndex>");
    out.tabbed(6, "<BitLen>" + std::to_string(bits) + "</BitLen>");
    out.tabbed(5, "</Entry>");
    out.blank();
}

// Up to 16 entries per PDO; every run of bits is completed to a whole byte by
// a filler entry after its last bit, also when the run crosses into the next
// PDO.
void writePdos(Lines& out, const PdoKind& kind, const std::vector<TEtherCAT_Rule>& rules)
{
    constexpr std::size_t kEntriesPerPdo = 16;
    int bitsLeft = 8;
    int pdo = 0;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        const TEtherCAT_Rule& rule = rules[i];
        if (i % kEntriesPerPdo == 0) {
            out.open(8, kind.tag,
                     "Mandatory=\"true\" Fixed=\"true\" Sm=\"" + std::string(kind.syncManager) + "\"");
            out.element(10, "Index", "#x" + hex(kind.pdoIndexBase + pdo, 4));
            out.element(10, "Name", kind.namePrefix + pdoNumber(pdo));
            out.blank();
            ++pdo;
        }
        out.open(10, "Entry");
        out.element(12, "Index", "#x" + hex(kind.entryIndexBase + static_cast<std::int64_t>(i), 4));
        out.element(12, "SubIndex", "0");
        out.element(12, "BitLen", std::to_string(rule.Length));
        out.element(12, "Name", xmlText(rule.Name));
        out.element(12, "DataType", rule.DataType);
        out.close(10, "Entry");
        out.blank();

        if (rule.DataType == kBitType) {
            --bitsLeft;
            const bool runEnds = i + 1 == rules.size() || rules[i + 1].DataType != kBitType;
            if (bitsLeft == 0) {
                bitsLeft = 8;
            } else if (runEnds) {
                writeFiller(out, bitsLeft);
                bitsLeft = 8;
            }
        } else {
            bitsLeft = 8;
        }
        if (i % kEntriesPerPdo == kEntriesPerPdo - 1)
            out.close(8, kind.tag);
    }
    if (rules.size() % kEntriesPerPdo != 0)
        out.close(8, kind.tag);
}

// The synchronisation modes: free run on the sync manager event, and
// distributed clocks.
struct OpMode
{
    const char* name;
    const char* description;
    const char* assignActivate;
};

constexpr std::array<OpMode, 2> kOpModes = {
    {{"Synchron", "SM-Synchron", "#x0"}, {"DC", "DC-Synchron", "#x300"}}};

void writeTail(Lines& out, const EsiDescription& esi)
{
    out.open(8, "Mailbox", R"(DataLinkLayer="true")");
    out.line(10, "<EoE />");
    out.line(10, R"(<CoE SdoInfo="true" SegmentedSdo="true" CompleteAccess="true" />)");
    out.line(10, "<FoE />");
    out.close(8, "Mailbox");
    out.open(8, "Dc");
    for (const OpMode& mode : kOpModes) {
        out.open(10, "OpMode");
        out.element(12, "Name", mode.name);
        out.element(12, "Desc", mode.description);
        out.element(12, "AssignActivate", mode.assignActivate);
        out.element(12, "CycleTimeSync0", "0", R"(Factor="1")");
        out.element(12, "ShiftTimeSync0", "0");
        out.element(12, "CycleTimeSync1", "0", R"(Factor="1")");
        out.close(10, "OpMode");
    }
    out.close(8, "Dc");
    out.open(8, "Eeprom");
    out.element(10, "ByteSize", "2048");
    out.element(10, "ConfigData", "800F00CC8813ff00" + aliasText(esi.nodeAddress) + "00800000");
    out.close(8, "Eeprom");
    out.element(8, "ImageData16x14", esiIconHex());
    out.close(6, "Device");
    out.close(4, "Devices");
    out.close(2, "Descriptions");
    out.close(0, "EtherCATInfo");
}

// Enough room for the fixed lines with their three icons and for every
// entry with its filler, so that the text is built without copying it again.
std::size_t expectedSize(const EsiDescription& esi)
{
    constexpr std::size_t kFixedLines = 5000;
    constexpr std::size_t kPerEntry = 400;
    std::size_t size = kFixedLines + 3 * esiIconHex().size() + 2 * esi.productName.size();
    for (const auto* rules : {&esi.outputRules, &esi.inputRules}) {
        for (const TEtherCAT_Rule& rule : *rules)
            size += kPerEntry + rule.Name.size();
    }
    return size;
}

} // namespace

std::string xmlText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Character c = decodeUtf8(text, i);
        i += c.length;
        switch (c.codePoint) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            appendUtf8(out, allowedInXml(c.codePoint) ? c.codePoint : kReplacementCharacter);
        }
    }
    return out;
}

std::string esiText(const EsiDescription& esi)
{
    Lines out(expectedSize(esi));
    writeHead(out, esi, xmlText(esi.productName));
    writePdos(out, kRxPdo, esi.outputRules);
    writePdos(out, kTxPdo, esi.inputRules);
    writeTail(out, esi);
    return out.take();
}

} // namespace cfq::outputs
