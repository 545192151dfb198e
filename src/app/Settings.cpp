#include "app/Settings.h"

#include "app/AppState.h"
#include "app/ModelIdentity.h"
#include "platform/Xml.h"

namespace cfq {
namespace {

constexpr const char* kRoot = "Conf_Settings";

struct TextSetting
{
    const char* group;
    const char* name;
    std::string AppState::*field;
    const char* fallback;
};

struct FlagSetting
{
    const char* name;
    bool AppState::*field;
};

constexpr TextSetting kTextSettings[] = {
    {"lastproj", "projectname", &AppState::Project_Name, ""},
    {"lastipadd", "ipaddress", &AppState::Device_IP_Address, model::kDefaultDeviceAddress},
    {"lastlang", "language", &AppState::Language_Name, model::kDefaultLanguage},
};

constexpr const char* kFlagGroup = "lastinternet";
constexpr FlagSetting kFlagSettings[] = {
    {"enable_internet", &AppState::Enable_Internet},
    {"enable_update", &AppState::Enable_Update},
    {"enable_jump_field_tables", &AppState::Enable_Jump_Field_Tables},
    {"Double_Click_Auto_Size", &AppState::Double_Click_Auto_Size},
};

std::optional<std::string> settingText(pugi::xml_node root, const char* group, const char* name)
{
    return xml::childText(xml::childElement(root, group), name);
}

} // namespace

std::filesystem::path settingsFile(const AppState& state)
{
    return state.Exe_Dir / "Mavrel.xml";
}

void Read_Settings(AppState& state)
{
    pugi::xml_node root;
    xml::Document document;
    if (std::filesystem::exists(settingsFile(state))) {
        if (auto loaded = xml::load(settingsFile(state))) {
            document = std::move(loaded).value();
            root = xml::firstTopLevelNode(*document);
        }
    }
    for (const TextSetting& setting : kTextSettings)
        state.*setting.field = settingText(root, setting.group, setting.name).value_or(setting.fallback);
    for (const FlagSetting& setting : kFlagSettings)
        state.*setting.field = settingText(root, kFlagGroup, setting.name) == "1";
}

Status Save_Setting(const AppState& state)
{
    pugi::xml_document document;
    pugi::xml_node root = document.append_child(kRoot);
    for (const TextSetting& setting : kTextSettings)
        xml::appendTextElement(root.append_child(setting.group), setting.name, state.*setting.field);
    pugi::xml_node flags = root.append_child(kFlagGroup);
    for (const FlagSetting& setting : kFlagSettings)
        xml::appendTextElement(flags, setting.name, state.*setting.field ? "1" : "0");
    return xml::save(document, settingsFile(state));
}

} // namespace cfq
