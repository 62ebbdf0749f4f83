#include "core/launch/battle_command.h"

#include <filesystem>

#include "core/launch/executable_files.h"
#include "core/launch/windows_command_line.h"

namespace zorvik::launch {

std::size_t battleParameterBytes(std::string_view fileName, std::string_view opponent,
                                 std::string_view parameterText) {
    // Two quotes around each name, a blank after each of them.
    constexpr std::size_t kFormatBytes = 6;
    return fileName.size() + opponent.size() + parameterText.size() + kFormatBytes;
}

BattleCommand makeBattleCommand(const BattleRequest& request) {
    if (battleParameterBytes(request.fileName, request.opponent, request.parameterText) >
        kBattleParameterLimit) {
        return {BattleProblem::ParametersTooLong, {}};
    }
    std::error_code error;
    std::filesystem::path engine = std::filesystem::absolute(request.engineFile, error);
    if (error) {
        engine = request.engineFile;
    }
    ProgramStart start{
        engine.string(), {request.fileName, request.opponent}, engine.parent_path().string()};
    for (std::string& word : splitWindowsCommandLine(request.parameterText)) {
        start.arguments.push_back(std::move(word));
    }
    if (isWindowsExecutable(start.program)) {
        const auto wine = findProgramOnPath("wine", request.pathVariable);
        if (!wine) {
            return {BattleProblem::WineMissing, {}};
        }
        start.arguments.insert(start.arguments.begin(), start.program);
        start.program = *wine;
    }
    return {BattleProblem::None, std::move(start)};
}

} // namespace zorvik::launch
