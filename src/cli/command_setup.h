#pragma once

#include <atomic>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/cli_arguments.h"

#include "core/settings/settings_files.h"

namespace zorvik::cli {

// A command's word and help text, and the two ways it ends early.
struct CommandHelp {
    const char* name;
    std::string text;

    // Bad usage: the error, then the help, on standard error.
    int refuse(const std::string& error) const;
    // A failure: the message on standard error.
    int fail(const std::string& message) const;
};

// Reads words against the options the command takes and answers --help.
// Returns the exit code when the command ends here (bad usage, or the help
// printed), none to go on.
std::optional<int> readArguments(const CommandHelp& command, const std::vector<std::string>& words,
                                 const std::set<std::string>& valueOptions,
                                 const std::set<std::string>& flags, CliArguments& arguments);

// The program's files, where the program itself keeps them (this build's
// layout). Without a place for them (an installed build that knows no home
// folder) it says why on standard error and ends the process.
const SettingsFiles& programFiles();

// The program's settings as the program uses them: relative folders taken
// from the layout's folder for them, as the window takes them.
AppSettings programSettings();

// The catalogue file: --db, or the program's db.sqlite3.
std::string catalogueFile(const CliArguments& arguments);

// The catalogue file of a command that only reads it; none, with a message
// naming it, when there is no such file. Opening it would make an empty
// catalogue there, and a mistyped --db would pass for an empty collection.
std::optional<std::string> catalogueToRead(const CliArguments& arguments, std::string& error);

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
