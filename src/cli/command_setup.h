#pragma once

#include <atomic>
#include <string>

#include "cli/cli_arguments.h"

namespace zorvik {
struct AppSettings;
}

namespace zorvik::cli {

// The program's settings (Settings.ini beside the executable) with the
// command's options over them: --main-dir, --temp-dir and, where the
// command takes it, --register-sprite and --subfolders. False with a
// message on a bad value.
bool loadSettings(const CliArguments& arguments, AppSettings& settings, std::string& error);

// --subfolders 0|1 over SearchSubfolders; false with a message on a bad value.
bool readSubfoldersOption(const CliArguments& arguments, AppSettings& settings,
                          std::string& error);

// Makes Ctrl+C and termination set the returned flag, so that the job in
// hand stops after the character it is working on.
const std::atomic<bool>& cancelOnInterrupt();

} // namespace zorvik::cli
