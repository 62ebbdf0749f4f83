#pragma once

#include <atomic>
#include <string>

#include "cli/cli_arguments.h"

#include "core/settings/settings_files.h"

namespace zorvik::cli {

// The program's files, where the program itself keeps them (this build's
// layout). Without a place for them (an installed build that knows no home
// folder) it says why on standard error and ends the process.
const SettingsFiles& programFiles();

// The program's settings as the program uses them: relative folders taken
// from the layout's folder for them, as the window takes them.
AppSettings programSettings();

// The catalogue file: --db, or the program's db.sqlite3.
std::string catalogueFile(const CliArguments& arguments);

// The program's settings with the command's options over them:
// --main-dir, --temp-dir and, where the command takes it,
// --register-sprite and --subfolders. False with a message on a bad
// value, or when no temporary folder is to be had.
bool loadSettings(const CliArguments& arguments, AppSettings& settings, std::string& error);

// --subfolders 0|1 over SearchSubfolders; false with a message on a bad value.
bool readSubfoldersOption(const CliArguments& arguments, AppSettings& settings,
                          std::string& error);

// Makes Ctrl+C and termination set the returned flag, so that the job in
// hand stops after the character it is working on.
const std::atomic<bool>& cancelOnInterrupt();

} // namespace zorvik::cli
