#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sys/stat.h>

#include "cli_sandbox.h"
#include "support/catalogue_probe.h"
#include "support/hostile_collection.h"

namespace zorvik::test {
namespace {

namespace fs = std::filesystem;
using ::testing::EndsWith;
using ::testing::Contains;
using ::testing::IsSupersetOf;
using ::testing::Not;

// Every entry below folder, links not followed: relative path -> kind, size
// and modification time.
std::map<std::string, std::string> snapshot(const std::string& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        struct stat info {};
        lstat(entry.path().c_str(), &info);
        entries[fs::relative(entry.path(), folder).string()] =
            std::to_string(info.st_mode) + " " + std::to_string(info.st_size) + " " +
            std::to_string(info.st_mtim.tv_sec) + "." + std::to_string(info.st_mtim.tv_nsec);
    }
    return entries;
}

std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

TEST(HostileCollection, UpdateRegistersTheValidCharactersAndWritesNothingOutside) {
    const CliSandbox cli;
    const std::string outside = cli.root.makeFolder("outside");
    const HostileCollection collection = writeHostileCollection(cli.characters, outside);
    const auto charactersBefore = snapshot(cli.characters);
    const auto outsideBefore = snapshot(outside);

    const CliRun update = cli.run(
        {"update", "--main-dir", cli.characters, "--register-sprite", "1", "--verbose"});
    // Completed, but what could not be read is counted, and named with --verbose.
    EXPECT_EQ(update.exitCode, 3) << update.err;
    EXPECT_THAT(update.out, EndsWith("読み込めなかったエントリ 8件\n"
                                     "  bomb.zip\n  damaged.rar\n  damaged5.rar\n  dangling.zip\n"
                                     "  fifo\n  garbage.zip\n  pipe.zip\n  truncated.7z\n"));

    EXPECT_EQ(integrityCheck(cli.catalogue), "ok");
    const std::vector<std::string> names = catalogueNames(cli.catalogue);
    EXPECT_THAT(names, IsSupersetOf(collection.names)) << update.err;
    for (const char* escaped : {"Escaped", "A", "Damaged", "Truncated"}) {
        EXPECT_THAT(names, Not(Contains(escaped)));
    }
    EXPECT_THAT(namesWithPortrait(cli.catalogue), IsSupersetOf(collection.namesWithSprite));
    EXPECT_THAT(namesWithPortrait(cli.catalogue), Not(Contains("Looping")));
    EXPECT_THAT(namesWithPortrait(cli.catalogue), Not(Contains("Huge")));

    // Nothing changed outside the temporary folder, and no extraction folder is left in it.
    EXPECT_EQ(snapshot(cli.characters), charactersBefore);
    EXPECT_EQ(snapshot(outside), outsideBefore);
    EXPECT_TRUE(fs::is_empty(cli.temporary));
    EXPECT_EQ(namesIn(cli.root.path()),
              (std::set<std::string>{"app", "chars", "err", "out", "outside", "tmp", "work"}));
    EXPECT_EQ(namesIn(cli.root.file("work")), std::set<std::string>{"db.sqlite3"});
}

} // namespace
} // namespace zorvik::test
