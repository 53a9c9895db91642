#include "app/AppSettings.h"

#include "platform/Folders.h"
#include "platform/ProfileFile.h"

namespace quillet {
namespace {

constexpr const char* kWindowSection = "Window";
constexpr const char* kMarkSection = "Mark";

struct IntKey {
    const char* name;
    int AppSettings::*field;
};

// A key holds a number or a switch; the other member is null.
struct WindowKey {
    const char* name;
    int AppSettings::*number;
    bool AppSettings::*flag;
};

// Read and written in this order; "TypeIndex" comes between the two tables.
constexpr WindowKey kWindowKeys[] = {
    {"WindowWidth", &AppSettings::WindowWidth, nullptr},
    {"WindowHeight", &AppSettings::WindowHeight, nullptr},
    {"WindowTop", nullptr, &AppSettings::WindowTop},
    {"WindowSource", nullptr, &AppSettings::WindowSource},
    {"TabPage", &AppSettings::TabPage, nullptr},
    {"ToolBarIndex", &AppSettings::ToolBarIndex, nullptr},
    {"WindowPreview", nullptr, &AppSettings::WindowPreview},
    {"OutputStyle", &AppSettings::OutputStyle, nullptr},
};
constexpr const char* kSaveFolderKey = "SaveFolder";
constexpr const char* kTypeIndexKey = "TypeIndex";
constexpr IntKey kColumnKeys[] = {
    {"ColumnName", &AppSettings::ColumnName},
    {"ColumnType", &AppSettings::ColumnType},
    {"ColumnContent", &AppSettings::ColumnContent},
};

} // namespace

AppSettings DefaultSettings() {
    AppSettings settings;
    settings.TypeIndex = "トランプ";
    return settings;
}

std::filesystem::path SettingsFilePath() {
    std::filesystem::path name = ExecutablePath().stem();
    if (name.empty()) {
        name = "quillet";
    }
    name += ".INI";
    return ConfigHome() / "quillet" / name;
}

AppSettings LoadSettings(const std::filesystem::path& iniPath) {
    const ProfileDocument profile = ReadProfile(iniPath);
    AppSettings settings = DefaultSettings();
    for (const WindowKey& key : kWindowKeys) {
        if (key.number != nullptr) {
            settings.*key.number = profile.Int(kWindowSection, key.name, settings.*key.number);
        } else {
            settings.*key.flag = profile.Int(kWindowSection, key.name, settings.*key.flag) == 1;
        }
    }
    settings.SaveFolder = profile.String(kWindowSection, kSaveFolderKey, settings.SaveFolder);
    settings.TypeIndex = profile.String(kMarkSection, kTypeIndexKey, settings.TypeIndex);
    for (const IntKey& key : kColumnKeys) {
        settings.*key.field = profile.Int(kMarkSection, key.name, settings.*key.field);
    }
    return settings;
}

Status SaveSettings(const AppSettings& settings, const std::filesystem::path& iniPath) {
    Result<ProfileDocument> loaded = LoadProfileForUpdate(iniPath);
    if (!loaded) {
        return loaded.Failure();
    }
    ProfileDocument& profile = loaded.Value();
    bool stored = true;
    for (const WindowKey& key : kWindowKeys) {
        const int value = key.number != nullptr ? settings.*key.number : settings.*key.flag ? 1 : 0;
        stored = profile.SetInt(kWindowSection, key.name, value) && stored;
    }
    // A folder whose name holds a line break cannot be kept; the others still are.
    if (!profile.SetString(kWindowSection, kSaveFolderKey, settings.SaveFolder)) {
        (void)profile.SetString(kWindowSection, kSaveFolderKey, "");
    }
    stored = profile.SetString(kMarkSection, kTypeIndexKey, settings.TypeIndex) && stored;
    for (const IntKey& key : kColumnKeys) {
        stored = profile.SetInt(kMarkSection, key.name, settings.*key.field) && stored;
    }
    // Only a filter label with a line break can fail; nothing is written then.
    if (!stored) {
        return FileError{FileError::Step::Write, iniPath, kUnstorableText};
    }
    return SaveProfile(profile, iniPath);
}

} // namespace quillet
