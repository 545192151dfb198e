#pragma once

#include "outputs/Bytes.h"
#include "outputs/DeviceImages.h"
#include "outputs/ProjectDocuments.h"
#include "support/TempDir.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace cfq::outputs::test {

// One row of the variable document. Length empty: the length the variable
// editor gives the type ("10" for Array, String and unknown types).
struct Variable
{
    std::string type{};
    std::string name{};
    std::optional<std::string> initValue{};
    std::string length{};
    std::string enable = "Y";
    std::string position = "0";
    std::string bitStart = "0";
};

struct Group
{
    std::string name;
    std::string count;
};

using Elements = std::vector<std::pair<std::string, std::string>>;

// A project folder with its documents, written as the editors write them.
class ProjectFolder
{
public:
    ProjectFolder();

    const std::filesystem::path& folder() const { return m_dir.path(); }
    ProjectDocuments documents() const;

    // ParGen.xml with these elements under Par_Gen, in this order.
    void writeParameters(const Elements& elements) const;
    // EtherCAT_Slave.xml; master-to-slave rows get no InitValue unless given.
    void writeVariables(const std::vector<Variable>& slaveToMaster,
                        const std::vector<Variable>& masterToSlave = {}) const;
    void writeGroups(const std::vector<Group>& slaveToMaster,
                     const std::vector<Group>& masterToSlave = {}) const;
    // Any bytes under a document's file name.
    void writeDocument(const std::string& fileName, const std::string& text) const;

    // Compiles with the full stop as decimal separator and the English texts.
    Result<DeviceImages> compile() const;
    std::string esi() const;

private:
    cfq::test::TempDir m_dir;
};

// Little-endian numbers read back from an image.
std::uint32_t le32(const Bytes& bytes, std::size_t offset);
std::uint16_t le16(const Bytes& bytes, std::size_t offset);
Bytes slice(const Bytes& bytes, std::size_t offset, std::size_t count);

// The English text of an index.
const std::string& englishText(int index);

} // namespace cfq::outputs::test
