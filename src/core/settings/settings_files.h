#pragma once

#include <functional>
#include <string>

#include "core/settings/app_settings.h"
#include "core/settings/ini_handler.h"

namespace zorvik {

// Where the program keeps its files: Settings.ini, FighterList and
// ColumnName in one folder, the catalogue db.sqlite3 in another.
struct SettingsFolders {
    std::string settings;
    std::string catalogue;

    // A portable installation: the settings beside the executable, the
    // catalogue in the folder the process was started from.
    static SettingsFolders portable();
};

// The one owner of the settings files: the program and the command-line
// companion load (and the program saves) Settings.ini, FighterList and
// ColumnName through it. Relative folders are made absolute once, when
// the object is made, so that no file name depends on the current folder.
class SettingsFiles {
public:
    explicit SettingsFiles(const SettingsFolders& folders);

    const SettingsFolders& folders() const { return folders_; }
    std::string settingsFile() const;
    std::string catalogueFile() const;

    // A handler on Settings.ini, for the window's own keys (placement,
    // splitter, search column).
    Kel_IniHandler openStore() const;

    // Every setting with its default: Settings.ini's sections General and
    // ColumnOrder, the opponents and the column names.
    AppSettings load() const;

    // Writes section General, then what windowKeys writes, then ColumnOrder,
    // in one replacement of Settings.ini; then the two list files.
    // False when any of the files could not be written.
    bool save(const AppSettings& settings,
              const std::function<void(Kel_IniHandler&)>& windowKeys = {}) const;

private:
    std::string settingsFolderFile(const char* name) const;

    SettingsFolders folders_;
};

} // namespace zorvik
