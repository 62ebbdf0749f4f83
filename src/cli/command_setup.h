#pragma once

#include <atomic>
#include <string>

#include "cli/cli_arguments.h"

#include "core/settings/settings_files.h"

namespace zorvik::cli {

// The program's files, where the program itself keeps them: the settings
// beside the executable, the catalogue in the current folder.
SettingsFiles programFiles();

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
