#pragma once

#include <functional>
#include <optional>
#include <string>

namespace zorvik::platform {

// Where the program keeps its files. Paths are absolute, without a
// trailing separator.
struct ProgramFolders {
    std::string settings;  // Settings.ini, FighterList and ColumnName
    std::string catalogue; // db.sqlite3
    // Where relative folders typed into the settings (MainDir, TempDir,
    // MugenExeFile) are taken from: the settings folder of a portable
    // layout, the catalogue's folder of an installed one, so that the
    // configuration folder holds nothing but settings.
    std::string paths;
    // The folders above are the user's own and made on first use.
    bool installed = false;
};

// Reads an environment variable; none when it is unset.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

// A copied or built folder: the settings beside the executable, the
// catalogue in the folder the program was started from, relative paths
// from the settings folder.
ProgramFolders portableFolders(const std::string& executableFolder,
                               const std::string& startFolder);

// An installed program: the settings in $XDG_CONFIG_HOME/zorvik, the
// catalogue in $XDG_DATA_HOME/zorvik (~/.config and ~/.local/share when
// unset or not absolute), relative paths from the catalogue's folder.
// None without a home folder.
std::optional<ProgramFolders> installedFolders(const EnvironmentLookup& environment);

// The layout this build was made for: installed in the package's build,
// portable in every other. startFolder is the folder the process started in.
std::optional<ProgramFolders> programFolders(const std::string& startFolder);

// The archiver plug-ins' folder: pluginsFromExecutable, a path relative to
// executableFolder, without "." or ".." steps.
std::string pluginFolderOf(const std::string& executableFolder,
                           const std::string& pluginsFromExecutable);

// The archiver plug-ins' folder of this build's layout: ArchiverDLLs beside
// the executable, or the installed plug-in folder relative to it. Needs no
// home folder.
std::string pluginFolder();

// Creates the settings and catalogue folders of an installed layout, with
// their parents; false when one cannot be made. A portable layout's
// folders exist already and are left alone.
bool createProgramFolders(const ProgramFolders& folders);

} // namespace zorvik::platform
