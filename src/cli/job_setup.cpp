#include "cli/job_setup.h"

#include "cli/commands.h"

namespace zorvik::cli {

CommandHelp jobCommand(const char* name, const std::string& about, const char* results) {
    return {name, about + kJobOptionsHelp + results};
}

std::optional<int> startJob(const CommandHelp& command, const std::vector<std::string>& words,
                            const std::set<std::string>& ownValueOptions,
                            const std::set<std::string>& ownFlags, CliArguments& arguments,
                            AppSettings& settings) {
    std::set<std::string> valueOptions = kJobValueOptions;
    valueOptions.insert(ownValueOptions.begin(), ownValueOptions.end());
    std::set<std::string> flags = kJobFlags;
    flags.insert(ownFlags.begin(), ownFlags.end());
    if (const auto ended = readArguments(command, words, valueOptions, flags, arguments)) {
        return ended;
    }
    if (!arguments.positional().empty()) {
        return command.refuse("unexpected argument");
    }
    std::string error;
    if (!loadSettings(arguments, settings, error)) {
        // A bad value of an option, said alone: the whole help would bury it.
        command.fail(error);
        return kExitUsage;
    }
    return std::nullopt;
}

} // namespace zorvik::cli
