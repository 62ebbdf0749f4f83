#include "cli/command_setup.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "cli/cli_language.h"
#include "cli/commands.h"
#include "cli/companion_text.h"
#include "cli/data_output.h"
#include "core/platform/folders.h"
#include "core/settings/app_settings.h"

namespace zorvik::cli {

namespace {

std::atomic<bool> cancelRequested{false};

extern "C" void requestCancel(int) {
    cancelRequested.store(true);
}

bool parseSwitch(const std::string& text, bool& value) {
    if (text == "1" || text == "on" || text == "yes" || text == "true") {
        value = true;
    } else if (text == "0" || text == "off" || text == "no" || text == "false") {
        value = false;
    } else {
        return false;
    }
    return true;
}

} // namespace

int CommandHelp::refuse(const std::string& error) const {
    const DataOutput err(stderr);
    err.write("zorvik-cli " + std::string(name) + ": " + err.message(error) + "\n" + text);
    return kExitUsage;
}

int CommandHelp::fail(const std::string& message) const {
    const DataOutput err(stderr);
    err.write("zorvik-cli " + std::string(name) + ": " + err.message(message) + "\n");
    return kExitFailure;
}

std::optional<int> readArguments(const CommandHelp& command, const std::vector<std::string>& words,
                                 const std::set<std::string>& valueOptions,
                                 const std::set<std::string>& flags, CliArguments& arguments) {
    std::string error;
    if (!arguments.parse(words, valueOptions, flags, error)) {
        return command.refuse(error);
    }
    if (arguments.has("--help")) {
        std::fputs(command.text.c_str(), stdout);
        return kExitOk;
    }
    return std::nullopt;
}

const SettingsFiles& programFiles() {
    static const SettingsFiles files = [] {
        Message error;
        const auto folders = programSettingsFolders(platform::currentFolder(), error);
        if (!folders) {
            std::fprintf(stderr, "zorvik-cli: %s\n", companionText(error).c_str());
            std::exit(kExitFailure);
        }
        return SettingsFiles(*folders);
    }();
    return files;
}

AppSettings programSettings() {
    return withPathsFrom(programFiles().load(), programFiles().pathFolder());
}

std::string catalogueFile(const CliArguments& arguments) {
    return arguments.value("--db").value_or(programFiles().catalogueFile());
}

std::optional<std::string> catalogueToRead(const CliArguments& arguments, std::string& error) {
    std::string file = catalogueFile(arguments);
    // A file that cannot be looked at (a folder without search permission)
    // is left to SQLite, which says why it cannot open it.
    std::error_code unknown;
    if (std::filesystem::status(file, unknown).type() == std::filesystem::file_type::not_found) {
        error = withArguments(cliText(ZORVIK_TEXT("zorvik::cli", "カタログ %1 がありません")), {file});
        return std::nullopt;
    }
    return file;
}

bool loadSettings(const CliArguments& arguments, AppSettings& settings, std::string& error) {
    settings = programSettings();
    settings.MainDir = arguments.value("--main-dir").value_or(settings.MainDir);
    settings.TempDir = arguments.value("--temp-dir").value_or(settings.TempDir);
    if (const auto sprite = arguments.value("--register-sprite")) {
        if (!parseSwitch(*sprite, settings.RegisterSprite)) {
            error = "--register-sprite takes 0 or 1";
            return false;
        }
    }
    if (!readSubfoldersOption(arguments, settings, error)) {
        return false;
    }
    if (!temporaryFolderInUse(settings)) {
        error = cliText(
            ZORVIK_TEXT("zorvik::cli", "一時ディレクトリを設定できません"));
        return false;
    }
    return true;
}

bool readSubfoldersOption(const CliArguments& arguments, AppSettings& settings,
                          std::string& error) {
    const auto subfolders = arguments.value("--subfolders");
    if (subfolders && !parseSwitch(*subfolders, settings.SearchSubfolders)) {
        error = "--subfolders takes 0 or 1";
        return false;
    }
    return true;
}

const std::atomic<bool>& cancelOnInterrupt() {
    std::signal(SIGINT, requestCancel);
    std::signal(SIGTERM, requestCancel);
    return cancelRequested;
}

} // namespace zorvik::cli
