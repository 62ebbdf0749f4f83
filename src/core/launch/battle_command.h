#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zorvik::launch {

// A program to start on its own, with its arguments and working folder.
struct ProgramStart {
    std::string program;
    std::vector<std::string> arguments;
    std::string workingFolder;
};

// What a battle needs: the engine file, the two characters (player 1 is the
// selected one) and the parameter text of the set in use.
struct BattleRequest {
    std::string engineFile;
    std::string fileName;
    std::string opponent;
    std::string parameterText;
    // The PATH environment variable, searched for wine.
    std::string pathVariable;
};

// Why a battle cannot start.
enum class BattleProblem {
    None,
    // The parameters do not fit kBattleParameterLimit.
    ParametersTooLong,
    // The engine is a Windows executable and there is no wine on the PATH.
    WineMissing,
};

struct BattleCommand {
    BattleProblem problem = BattleProblem::None;
    ProgramStart start;
};

// The engine's parameters were "\"%s\" \"%s\" %s" formatted into 2,048 bytes:
// at most this many bytes of text.
inline constexpr std::size_t kBattleParameterLimit = 2047;

// The length in bytes of the parameters that format would give.
std::size_t battleParameterBytes(std::string_view fileName, std::string_view opponent,
                                 std::string_view parameterText);

// The start of a battle: the engine (made absolute, so that a bare name is
// not searched on the PATH) in its own folder, with the character, the
// opponent and the parameter text's words as arguments, exactly what the
// engine's command line "\"%s\" \"%s\" %s" gave it. A Windows executable
// starts through wine found on the PATH.
BattleCommand makeBattleCommand(const BattleRequest& request);

} // namespace zorvik::launch
