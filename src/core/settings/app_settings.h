#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/catalogue/columns.h"
#include "core/settings/language.h"

namespace zorvik {

class Kel_IniHandler;

// The settings the program keeps in Settings.ini and the two list files,
// with their defaults. The program and the command-line companion share them.
struct AppSettings {
    std::string MainDir;
    std::string TempDir;
    std::string MugenExeFile;
    std::string BattleParamA;
    std::string BattleParamB;
    std::string BattleParamC;
    int RecognizeFileType = 16;
    bool CharUpdateCheck = true;
    bool SearchSubfolders = false; // group folders of the character folder are searched too
    bool UpdateListOnRun = false;
    bool RegisterSprite = false;
    int RegisterGroup = 9000;
    int RegisterImage = 1;
    int DefaultBattleParam = 0;
    bool FirstRun = true;
    bool Maximized = false;
    // TempDir was empty in Settings.ini: an empty TempDir is not written back.
    bool TempDirFromSystem = false;
    // The left pane shows the portrait grid instead of the list.
    bool PortraitGrid = false;
    bool ShowStandingAnimation = false; // the portrait box plays action 0 instead
    Language DisplayLanguage = Language::Automatic; // key Language; read at start only
    std::vector<std::string> FighterList;
    std::array<std::string, kColumnCount> ColumnNames{};
    ColumnOrderArray ColumnOrder{};
};

// Buffer sizes of the text settings (the stored text keeps one byte less).
inline constexpr std::size_t kPathSettingSize = 512;
inline constexpr std::size_t kBattleParamSize = 260;
inline constexpr std::size_t kColumnNameBytes = 63;

// Reads section General's keys, in the order the program reads them; sets
// TempDirFromSystem when TempDir is empty and takes a DefaultBattleParam
// other than 1 or 2 as 0.
void readGeneralSettings(Kel_IniHandler& store, AppSettings& settings);

// Writes section General's keys as the program does at close (TempDir
// unless it is empty and was so in the file; FirstRun as 0). Window
// placement keys are the window's own.
void writeGeneralSettings(Kel_IniHandler& store, const AppSettings& settings);

// Reads section ColumnOrder keys 0..16. At the first missing key the whole
// order becomes the default one; entry 16 keeps its value unless key 16
// was the first missing.
void readColumnOrder(Kel_IniHandler& store, ColumnOrderArray& order);
void writeColumnOrder(Kel_IniHandler& store, const ColumnOrderArray& order);

// Column names from the lines of the ColumnName file, or the defaults when
// there is no file: at most 16, each cut to 63 bytes; missing lines stay empty.
std::array<std::string, kColumnCount> columnNamesFromLines(const std::vector<std::string>* lines);

// The temporary folder in use, as an absolute path: TempDir, or the
// system's temporary folder when TempDir is empty; none when TempDir is
// empty and the system has none. Every reader of TempDir asks here.
// The settings as the program uses them: a relative MainDir, TempDir or
// MugenExeFile taken from folder, the folder that holds Settings.ini, as
// the program has always read them. The stored values stay as typed.
AppSettings withPathsFrom(AppSettings settings, const std::string& folder);

std::optional<std::string> temporaryFolderInUse(const AppSettings& settings);

} // namespace zorvik
