#include "core/launch/battle_command.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace zorvik::launch {
namespace {

using Words = std::vector<std::string>;
using test::TempFolder;

class BattleCommandTest : public ::testing::Test {
protected:
    BattleRequest request(const std::string& engine, const std::string& parameters) const {
        return {engine, "alpha", "beta", parameters, temp.file("bin")};
    }

    TempFolder temp;
};

TEST_F(BattleCommandTest, ANativeEngineGetsTheNamesThenTheParameterWordsInItsOwnFolder) {
    const std::string engine = temp.write("mugen/mugen", "\x7f"
                                                         "ELF");
    const BattleCommand command = makeBattleCommand(request(engine, "-rounds 3 -s \"my stage\""));
    EXPECT_EQ(command.problem, BattleProblem::None);
    EXPECT_EQ(command.start.program, engine);
    EXPECT_EQ(command.start.arguments, (Words{"alpha", "beta", "-rounds", "3", "-s", "my stage"}));
    EXPECT_EQ(command.start.workingFolder, temp.file("mugen"));

    // An empty parameter text adds nothing after the two names.
    EXPECT_EQ(makeBattleCommand(request(engine, "")).start.arguments, (Words{"alpha", "beta"}));
}

TEST_F(BattleCommandTest, ARelativeEngineIsTakenFromTheCurrentFolderNotThePath) {
    temp.write("mugen", "\x7f"
                        "ELF");
    test::ScopedCurrentFolder inTemp(temp.path());
    const BattleCommand command = makeBattleCommand(request("mugen", ""));
    EXPECT_EQ(command.start.program, temp.file("mugen"));
    EXPECT_EQ(command.start.workingFolder, temp.path());
}

TEST_F(BattleCommandTest, AWindowsEngineStartsThroughWineOnThePath) {
    const std::string engine = temp.write("mugen/engine.bin", std::string("MZ\0\0", 4));
    EXPECT_EQ(makeBattleCommand(request(engine, "-p")).problem, BattleProblem::WineMissing);

    const std::string wine = temp.write("bin/wine", "#!/bin/sh\n");
    chmod(wine.c_str(), 0755);
    const BattleCommand command = makeBattleCommand(request(engine, "-p"));
    EXPECT_EQ(command.problem, BattleProblem::None);
    EXPECT_EQ(command.start.program, wine);
    EXPECT_EQ(command.start.arguments, (Words{engine, "alpha", "beta", "-p"}));
    EXPECT_EQ(command.start.workingFolder, temp.file("mugen"));
}

TEST_F(BattleCommandTest, ParametersPastTheLimitAreRefusedNotCut) {
    const std::string engine = temp.write("mugen", "\x7f"
                                                   "ELF");
    // "alpha" and "beta" in quotes with their blanks take 15 bytes.
    EXPECT_EQ(battleParameterBytes("alpha", "beta", ""), 15u);
    const std::string fits(kBattleParameterLimit - 15, 'p');
    EXPECT_EQ(makeBattleCommand(request(engine, fits)).problem, BattleProblem::None);
    EXPECT_EQ(makeBattleCommand(request(engine, fits + "p")).problem,
              BattleProblem::ParametersTooLong);
}

} // namespace
} // namespace zorvik::launch
