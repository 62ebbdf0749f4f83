#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/settings/app_settings.h"
#include "core/settings/ini_handler.h"
#include "core/text/message.h"

namespace zorvik {

// Where the program keeps its files: Settings.ini, FighterList and
// ColumnName in one folder, the catalogue db.sqlite3 in another.
struct SettingsFolders {
    std::string settings;
    std::string catalogue;
    // Where relative MainDir, TempDir and MugenExeFile are taken from;
    // empty for the settings folder.
    std::string paths = {};
};

// The folders of this build's layout (platform::programFolders) for a
// process started in startFolder. An installed layout's folders are made
// here, on first use. None when the installed layout knows no home folder
// or cannot make its folders; error then tells the user why.
std::optional<SettingsFolders> programSettingsFolders(const std::string& startFolder,
                                                      Message& error);

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
    // The folder relative folders of the settings are taken from.
    const std::string& pathFolder() const { return folders_.paths; }

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
