#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <thread>

#include "cli_sandbox.h"
#include "core/catalogue/character_db.h"
#include "support/catalogue_probe.h"
#include "support/character_fixture.h"

namespace zorvik::test {
namespace {

using ::testing::HasSubstr;
using ::testing::UnorderedElementsAreArray;

// Two programs on one db.sqlite3: the window (a connection of the test) or
// a second zorvik-cli, and zorvik-cli update.
class SharedCatalogue : public ::testing::Test, public CliSandbox {
protected:
    // count folder characters in chars/<group>/, named "<group> <n>"; their names.
    std::vector<std::string> addCharacters(const std::string& group, int count) {
        std::vector<std::string> names;
        for (int n = 0; n < count; ++n) {
            const std::string folder = "chars/" + group + "/" + group + std::to_string(n);
            DefFields fields;
            fields.name = group + " " + std::to_string(n);
            root.write(folder + "/c.def", defText(fields));
            root.write(folder + "/kfm.sff", portraitSff());
            names.push_back(fields.name);
        }
        return names;
    }

    std::vector<std::string> updateOf(const std::string& group) const {
        return {"update", "--main-dir", characters + "/" + group, "--register-sprite", "1"};
    }

    // A row written by the window's own connection inside its open transaction.
    static void insertHeldRow(Kel_CharacterDb& window) {
        EXPECT_TRUE(executeBound(window.statements(), "BEGIN IMMEDIATE", {}));
        EXPECT_TRUE(executeBound(window.statements(),
                                 "INSERT INTO CHARACTER_TABLE(FILENAME, NAME) VALUES(?, ?)",
                                 {BoundValue::ofText("held"), BoundValue::ofText("held")}));
    }
};

TEST_F(SharedCatalogue, TwoUpdatesAtOnceBothCompleteAndKeepEveryRow) {
    std::vector<std::string> names = addCharacters("first", 400);
    const std::vector<std::string> second = addCharacters("second", 400);
    names.insert(names.end(), second.begin(), second.end());
    { const Kel_CharacterDb made(catalogue); } // both updates find the tables

    const pid_t other = start(updateOf("second"));
    CliSandbox neighbour; // its own output files, the same catalogue
    const CliRun first = neighbour.run({"update", "--main-dir", characters + "/first",
                                        "--register-sprite", "1", "--db", catalogue});
    const CliRun otherRun = finish(other);
    EXPECT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(otherRun.exitCode, 0) << otherRun.err;
    EXPECT_EQ(integrityCheck(catalogue), "ok");
    EXPECT_THAT(catalogueNames(catalogue), UnorderedElementsAreArray(names));
}

TEST_F(SharedCatalogue, AnUpdateWaitsWhileTheWindowWrites) {
    const std::vector<std::string> names = addCharacters("chars", 20);
    {
        Kel_CharacterDb window(catalogue);
        insertHeldRow(window);
        const pid_t update = start(updateOf("chars"));
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        EXPECT_TRUE(executeBound(window.statements(), "COMMIT", {}));
        const CliRun waited = finish(update);
        EXPECT_EQ(waited.exitCode, 0) << waited.err;
    }
    std::vector<std::string> expected = {"held"};
    expected.insert(expected.end(), names.begin(), names.end());
    EXPECT_THAT(catalogueNames(catalogue), UnorderedElementsAreArray(expected));
}

TEST_F(SharedCatalogue, AnUpdateBlockedTooLongSaysSoAndLosesNothing) {
    addCharacters("chars", 5);
    Kel_CharacterDb window(catalogue);
    insertHeldRow(window);
    const CliRun blocked = run(updateOf("chars"));
    EXPECT_TRUE(executeBound(window.statements(), "COMMIT", {}));
    EXPECT_EQ(blocked.exitCode, 1);
    EXPECT_THAT(blocked.err, HasSubstr("database is locked"));
    EXPECT_EQ(catalogueNames(catalogue), std::vector<std::string>{"held"});
    EXPECT_EQ(integrityCheck(catalogue), "ok");
}

} // namespace
} // namespace zorvik::test
