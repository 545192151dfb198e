// Compile and ESI generation on a maximal project: 256 + 256 enabled
// variables of every type with 40-character names, 16 + 16 groups and an
// initial value on every slave-to-master variable. Each iteration reads the
// documents from disk, as Update Device and step 4 do.
#include "app/ModelIdentity.h"
#include "i18n/TextTable.h"
#include "outputs/DeviceImages.h"
#include "outputs/EsiFile.h"
#include "platform/Xml.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace {

namespace fs = std::filesystem;

struct TypeSample
{
    const char* type;
    const char* length;
    const char* initValue;
};

constexpr std::array<TypeSample, 10> kTypes = {{{"Bool", "1", "1"},
                                                {"Int8", "1", "-5"},
                                                {"Int16", "2", "-2"},
                                                {"Int32", "4", "123456"},
                                                {"UInt8", "1", "200"},
                                                {"UInt16", "2", "$FFFF"},
                                                {"UInt32", "4", "4294967295"},
                                                {"Float32", "4", "1.5"},
                                                {"String", "20", "Hello device"},
                                                {"Array", "8", "0102030405060708"}}};

std::string fortyCharacterName(int number)
{
    std::string name = "Process_variable_with_a_long_name_" + std::to_string(100000 + number);
    name.resize(40, 'x');
    return name;
}

void appendVariables(pugi::xml_node direction, bool withInitValues)
{
    for (int i = 0; i < 256; ++i) {
        const TypeSample& sample = kTypes[static_cast<std::size_t>(i) % kTypes.size()];
        pugi::xml_node row = direction.append_child("row");
        row.append_attribute("Enable") = "Y";
        row.append_attribute("Type") = sample.type;
        row.append_attribute("Length") = sample.length;
        row.append_attribute("Name") = fortyCharacterName(i).c_str();
        if (withInitValues)
            row.append_attribute("InitValue") = sample.initValue;
        row.append_attribute("Position") = std::to_string(i * 4).c_str();
        row.append_attribute("BitStart") = "0";
        row.append_attribute("Group") = "";
        row.append_attribute("Mnemonic") = "";
    }
}

void save(const pugi::xml_document& document, const fs::path& file)
{
    if (!cfq::xml::save(document, file))
        throw std::runtime_error("cannot write " + file.string());
}

void writeMaximalProject(const fs::path& folder)
{
    pugi::xml_document parameters;
    pugi::xml_node root = parameters.append_child("Par_Gen");
    parameters.append_child(pugi::node_comment).set_value(cfq::model::kVersionComment);
    cfq::xml::appendTextElement(root, "EtherCAT_Slave_Name", "Maximal");
    cfq::xml::appendTextElement(root, "EtherCAT_Slave_Revision_Number", "4294967295");
    cfq::xml::appendTextElement(root, "EtherCAT_Slave_Node_Address", "192");
    save(parameters, folder / "ParGen.xml");

    pugi::xml_document variables;
    pugi::xml_node all = variables.append_child("EtherCAT_Slave").append_child("EtherCAT_Slave_Variables");
    appendVariables(all.append_child("EtherCAT_Slave_To_Master"), true);
    appendVariables(all.append_child("EtherCAT_Master_To_Slave"), false);
    save(variables, folder / "EtherCAT_Slave.xml");

    pugi::xml_document groups;
    pugi::xml_node groupRoot = groups.append_child("PROFINET_Master_to_Modbus_TCP_Master");
    for (const char* direction : {"Slave_to_Master", "Master_to_Slave"}) {
        pugi::xml_node list = groupRoot.append_child(direction);
        for (int k = 0; k < 16; ++k) {
            pugi::xml_node row = list.append_child("row");
            row.append_attribute("Group_Name") = fortyCharacterName(1000 + k).c_str();
            row.append_attribute("Num_Variables") = "16";
            row.append_attribute("Mnemonic") = "";
        }
    }
    save(groups, folder / "EtherCAT_Slave_Group.xml");
}

// The maximal project in a temporary folder for the whole run.
class MaximalProject
{
public:
    MaximalProject()
    {
        std::string pattern = (fs::temp_directory_path() / "cfq-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary folder");
        m_folder = pattern;
        fs::create_directories(m_folder / "bin");
        writeMaximalProject(m_folder);
    }
    ~MaximalProject()
    {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }
    MaximalProject(const MaximalProject&) = delete;
    MaximalProject& operator=(const MaximalProject&) = delete;

    cfq::outputs::ProjectDocuments documents() const
    {
        return {m_folder / "ParGen.xml", m_folder / "EtherCAT_Slave.xml",
                m_folder / "EtherCAT_Slave_Group.xml"};
    }

private:
    fs::path m_folder;
};

const MaximalProject& project()
{
    static const MaximalProject maximal;
    return maximal;
}

void BM_CompileDeviceImages(benchmark::State& state)
{
    cfq::TextTable texts;
    texts.Init_Text_Table();
    const auto documents = project().documents();
    for (auto _ : state) {
        auto images = cfq::outputs::Compile_Device_Images(documents, ".", texts);
        if (!images)
            state.SkipWithError(images.error().c_str());
        benchmark::DoNotOptimize(images);
    }
}
BENCHMARK(BM_CompileDeviceImages)->Unit(benchmark::kMicrosecond);

void BM_GenerateEsiText(benchmark::State& state)
{
    const auto documents = project().documents();
    for (auto _ : state) {
        auto text = cfq::outputs::esiFileText(documents);
        if (!text)
            state.SkipWithError(text.error().c_str());
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_GenerateEsiText)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
