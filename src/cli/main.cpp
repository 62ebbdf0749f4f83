// zorvik-cli: the command-line companion of Zorvik, for large collections
// and scripts. It works on the same settings and catalogue as the program.

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_language.h"
#include "cli/commands.h"

namespace {

constexpr const char* kHelp = "usage: zorvik-cli COMMAND [options]\n"
                              "\n"
                              "commands:\n"
                              "  update     bring the catalogue in line with the character folder\n"
                              "  list       print the catalogue as tab-separated text\n"
                              "  portrait   write a character's stored portrait to a file\n"
                              "  portraits  take the portraits of chosen characters again\n"
                              "  roster     write the engine's select.def from the catalogue\n"
                              "  check      look for characters gone from disk, broken ones and duplicates\n"
                              "  frames     write the frames of a character's animation as PNG and JSON\n"
                              "\n"
                              "  --version  print the version of zorvik-cli\n"
                              "\n"
                              "every command takes:\n"
                              "  --lang ja|en  the language of the messages (instead of Language in\n"
                              "                Settings.ini, whose auto follows the locale)\n"
                              "\n"
                              "'zorvik-cli COMMAND --help' tells more about each.\n";

} // namespace

int main(int argc, char* argv[]) {
    using namespace zorvik::cli;
    std::vector<std::string> words(argv + 1, argv + argc);
    std::optional<zorvik::Language> language;
    std::string error;
    if (!takeLanguageOption(words, language, error)) {
        std::fprintf(stderr, "zorvik-cli: %s\n%s", error.c_str(), kHelp);
        return kExitUsage;
    }
    useLanguage(language ? *language : settingsLanguage());
    if (words.empty()) {
        std::fputs(kHelp, stderr);
        return kExitUsage;
    }
    const std::string command = words[0];
    const std::vector<std::string> arguments(words.begin() + 1, words.end());
    if (command == "update") {
        return runUpdate(arguments);
    }
    if (command == "list") {
        return runList(arguments);
    }
    if (command == "portrait") {
        return runPortrait(arguments);
    }
    if (command == "portraits") {
        return runPortraits(arguments);
    }
    if (command == "roster") {
        return runRoster(arguments);
    }
    if (command == "check") {
        return runCheck(arguments);
    }
    if (command == "frames") {
        return runFrames(arguments);
    }
    if (command == "--version") {
        std::puts("zorvik-cli " ZORVIK_VERSION);
        return kExitOk;
    }
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kHelp, stdout);
        return kExitOk;
    }
    std::fprintf(stderr, "zorvik-cli: unknown command '%s'\n%s", command.c_str(), kHelp);
    return kExitUsage;
}
