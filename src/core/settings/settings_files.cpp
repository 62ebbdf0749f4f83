#include "core/settings/settings_files.h"

#include <filesystem>

#include "core/catalogue/character_db.h"
#include "core/platform/folders.h"
#include "core/platform/program_folders.h"
#include "core/settings/line_list.h"

namespace zorvik {

namespace {

constexpr const char* kSettingsFileName = "Settings.ini";
constexpr const char* kFighterListFileName = "FighterList";
constexpr const char* kColumnNameFileName = "ColumnName";

std::string joined(const std::string& folder, const char* name) {
    const bool separated = !folder.empty() && folder.back() == '/';
    return folder + (separated ? "" : "/") + name;
}

// An absolute folder without "." or ".." steps or a trailing separator;
// an empty one is the current folder.
std::string fixedFolder(const std::string& folder) {
    const std::string absolute = platform::absolutePath(folder.empty() ? "." : folder);
    std::string path = std::filesystem::path(absolute).lexically_normal().string();
    if (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

} // namespace

std::optional<SettingsFolders> programSettingsFolders(const std::string& startFolder,
                                                      Message& error) {
    const auto folders = platform::programFolders(startFolder);
    if (!folders) {
        error = Message::of(MessageKind::NoProgramFolders);
        return std::nullopt;
    }
    if (!platform::createProgramFolders(*folders)) {
        error = Message::of(MessageKind::ProgramFoldersUncreated, folders->settings,
                            folders->catalogue);
        return std::nullopt;
    }
    return SettingsFolders{folders->settings, folders->catalogue, folders->paths};
}

SettingsFiles::SettingsFiles(const SettingsFolders& folders)
    : folders_{fixedFolder(folders.settings), fixedFolder(folders.catalogue),
               fixedFolder(folders.paths.empty() ? folders.settings : folders.paths)} {}

std::string SettingsFiles::settingsFolderFile(const char* name) const {
    return joined(folders_.settings, name);
}

std::string SettingsFiles::settingsFile() const {
    return settingsFolderFile(kSettingsFileName);
}

std::string SettingsFiles::catalogueFile() const {
    return joined(folders_.catalogue, Kel_CharacterDb::kFileName);
}

Kel_IniHandler SettingsFiles::openStore() const {
    Kel_IniHandler store;
    store.SetFileName(settingsFile(), false);
    return store;
}

AppSettings SettingsFiles::load() const {
    AppSettings settings;
    Kel_IniHandler store = openStore();
    readGeneralSettings(store, settings);
    readColumnOrder(store, settings.ColumnOrder);
    if (auto fighters = readLineList(settingsFolderFile(kFighterListFileName))) {
        settings.FighterList = std::move(*fighters);
    }
    const auto names = readLineList(settingsFolderFile(kColumnNameFileName));
    settings.ColumnNames = columnNamesFromLines(names ? &*names : nullptr);
    return settings;
}

bool SettingsFiles::save(const AppSettings& settings,
                         const std::function<void(Kel_IniHandler&)>& windowKeys) const {
    Kel_IniHandler store = openStore();
    store.DeferWrites();
    writeGeneralSettings(store, settings);
    if (windowKeys) {
        windowKeys(store);
    }
    writeColumnOrder(store, settings.ColumnOrder);
    const bool iniSaved = store.FlushWrites();
    const bool fightersSaved =
        writeLineList(settingsFolderFile(kFighterListFileName), settings.FighterList);
    const bool namesSaved = writeLineList(
        settingsFolderFile(kColumnNameFileName),
        std::vector<std::string>(settings.ColumnNames.begin(), settings.ColumnNames.end()));
    return iniSaved && fightersSaved && namesSaved;
}

} // namespace zorvik
