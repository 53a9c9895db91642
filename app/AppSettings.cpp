#include "app/AppSettings.h"

#include "platform/Folders.h"
#include "platform/ProfileFile.h"

#include <charconv>
#include <string_view>

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

struct RectKey {
    const char* name;
    std::optional<geom::Rect> AppSettings::*field;
};
constexpr RectKey kRectKeys[] = {
    {"SourceRect", &AppSettings::SourceRect},
    {"PreviewRect", &AppSettings::PreviewRect},
};
// Beyond these a value is damaged, not a place on any screen.
constexpr int kPlaceLimit = 1'000'000;
constexpr int kSizeLimit = 100'000;
constexpr const char* kTypeIndexKey = "TypeIndex";
constexpr IntKey kColumnKeys[] = {
    {"ColumnName", &AppSettings::ColumnName},
    {"ColumnType", &AppSettings::ColumnType},
    {"ColumnContent", &AppSettings::ColumnContent},
};

// "x,y,w,h", blanks allowed around the numbers.
std::optional<geom::Rect> ReadRect(std::string_view text) {
    int values[4] = {};
    const char* at = text.data();
    const char* const end = at + text.size();
    const auto skipBlanks = [&] {
        while (at != end && *at == ' ') {
            ++at;
        }
    };
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (at == end || *at != ',') {
                return std::nullopt;
            }
            ++at;
        }
        skipBlanks();
        const auto [next, error] = std::from_chars(at, end, values[i]);
        if (error != std::errc{}) {
            return std::nullopt;
        }
        at = next;
        skipBlanks();
    }
    const auto [x, y, width, height] = values;
    const auto within = [](int value, int low, int high) { return value >= low && value <= high; };
    if (at != end || !within(x, -kPlaceLimit, kPlaceLimit) ||
        !within(y, -kPlaceLimit, kPlaceLimit) || !within(width, 1, kSizeLimit) ||
        !within(height, 1, kSizeLimit)) {
        return std::nullopt;
    }
    return geom::Rect::OfSize(x, y, width, height);
}

std::string RectText(const std::optional<geom::Rect>& rect) {
    if (!rect) {
        return {};
    }
    return std::to_string(rect->left) + ',' + std::to_string(rect->top) + ',' +
           std::to_string(rect->Width()) + ',' + std::to_string(rect->Height());
}

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
    for (const RectKey& key : kRectKeys) {
        settings.*key.field = ReadRect(profile.String(kWindowSection, key.name, ""));
    }
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
    for (const RectKey& key : kRectKeys) {
        stored =
            profile.SetString(kWindowSection, key.name, RectText(settings.*key.field)) && stored;
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
