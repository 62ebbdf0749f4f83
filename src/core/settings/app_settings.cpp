#include "core/settings/app_settings.h"

#include "core/platform/folders.h"
#include "core/settings/ini_handler.h"
#include "core/text/encoding.h"

namespace zorvik {

namespace {

// Room for the longest known value and more, so that a longer one is not
// cut down to a known one.
constexpr std::size_t kLanguageKeySize = 16;

bool readBool(Kel_IniHandler& store, const char* key, bool defaultValue) {
    return store.GetInt(key, defaultValue ? 1 : 0) != 0;
}

void writeBool(Kel_IniHandler& store, const char* key, bool value) {
    store.WriteInt(key, value ? 1 : 0);
}

} // namespace

void readGeneralSettings(Kel_IniHandler& store, AppSettings& settings) {
    store.SetSection("General");
    settings.MainDir = store.GetString("MainDir", kPathSettingSize, "");
    settings.MugenExeFile = store.GetString("MugenExeFile", kPathSettingSize, "");
    settings.RecognizeFileType = store.GetInt("RecognizeFileType", 16);
    settings.TempDir = store.GetString("TempDir", kPathSettingSize, "");
    settings.TempDirFromSystem = settings.TempDir.empty();
    settings.BattleParamA = store.GetString("BattleParamA", kBattleParamSize, "");
    settings.BattleParamB = store.GetString("BattleParamB", kBattleParamSize, "");
    settings.BattleParamC = store.GetString("BattleParamC", kBattleParamSize, "");
    settings.CharUpdateCheck = readBool(store, "CharUpdateCheck", true);
    settings.SearchSubfolders = readBool(store, "SearchSubfolders", false);
    settings.UpdateListOnRun = readBool(store, "UpdateListOnRun", false);
    settings.RegisterSprite = readBool(store, "RegisterSprite", false);
    settings.RegisterGroup = store.GetInt("RegisterGroup", 9000);
    settings.RegisterImage = store.GetInt("RegisterImage", 1);
    const int battleParam = store.GetInt("DefaultBattleParam", 0);
    settings.DefaultBattleParam = (battleParam == 1 || battleParam == 2) ? battleParam : 0;
    settings.FirstRun = readBool(store, "FirstRun", true);
    settings.Maximized = readBool(store, "Maximized", false);
    settings.PortraitGrid = readBool(store, "PortraitGrid", false);
    settings.ShowStandingAnimation = readBool(store, "ShowStandingAnimation", false);
    settings.DisplayLanguage = languageFromKey(store.GetString("Language", kLanguageKeySize, ""));
}

void writeGeneralSettings(Kel_IniHandler& store, const AppSettings& settings) {
    store.SetSection("General");
    store.WriteString("MainDir", settings.MainDir);
    store.WriteInt("RecognizeFileType", settings.RecognizeFileType);
    if (!settings.TempDirFromSystem || !settings.TempDir.empty()) {
        store.WriteString("TempDir", settings.TempDir);
    }
    store.WriteString("MugenExeFile", settings.MugenExeFile);
    store.WriteString("BattleParamA", settings.BattleParamA);
    store.WriteString("BattleParamB", settings.BattleParamB);
    store.WriteString("BattleParamC", settings.BattleParamC);
    writeBool(store, "CharUpdateCheck", settings.CharUpdateCheck);
    writeBool(store, "SearchSubfolders", settings.SearchSubfolders);
    writeBool(store, "UpdateListOnRun", settings.UpdateListOnRun);
    store.WriteInt("DefaultBattleParam", settings.DefaultBattleParam);
    writeBool(store, "RegisterSprite", settings.RegisterSprite);
    store.WriteInt("RegisterGroup", settings.RegisterGroup);
    store.WriteInt("RegisterImage", settings.RegisterImage);
    writeBool(store, "PortraitGrid", settings.PortraitGrid);
    writeBool(store, "ShowStandingAnimation", settings.ShowStandingAnimation);
    store.WriteString("Language", std::string(languageKey(settings.DisplayLanguage)));
    store.WriteInt("FirstRun", 0);
}

void readColumnOrder(Kel_IniHandler& store, ColumnOrderArray& order) {
    constexpr int kMissing = -2;
    store.SetSection("ColumnOrder");
    for (std::size_t i = 0; i < kColumnOrderSize; ++i) {
        order[i] = store.GetInt(std::to_string(i), kMissing);
        if (order[i] == kMissing) {
            applyDefaultColumnOrder(order);
            return;
        }
    }
}

void writeColumnOrder(Kel_IniHandler& store, const ColumnOrderArray& order) {
    store.SetSection("ColumnOrder");
    for (std::size_t i = 0; i < kColumnOrderSize; ++i) {
        store.WriteInt(std::to_string(i), order[i]);
    }
}

std::array<std::string, kColumnCount> columnNamesFromLines(const std::vector<std::string>* lines) {
    std::array<std::string, kColumnCount> names{};
    for (std::size_t i = 0; i < kColumnCount; ++i) {
        if (lines == nullptr) {
            names[i] = ColumnSqlNames[i];
        } else if (i < lines->size()) {
            names[i] = text::cutToBytes((*lines)[i], kColumnNameBytes);
        }
    }
    return names;
}

std::optional<std::string> temporaryFolderInUse(const AppSettings& settings) {
    if (settings.TempDir.empty()) {
        return platform::temporaryFolder();
    }
    // Relative to the folder the program was started from, which never changes.
    return platform::absolutePath(settings.TempDir);
}

namespace {

// A relative, non-empty path taken from folder; a trailing separator stays.
void takeFrom(std::string& path, const std::string& folder) {
    if (path.empty() || path.front() == '/' || folder.empty()) {
        return;
    }
    path = folder + (folder.back() == '/' ? "" : "/") + path;
}

} // namespace

AppSettings withPathsFrom(AppSettings settings, const std::string& folder) {
    takeFrom(settings.MainDir, folder);
    takeFrom(settings.TempDir, folder);
    takeFrom(settings.MugenExeFile, folder);
    return settings;
}

} // namespace zorvik
