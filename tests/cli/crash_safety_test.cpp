#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <thread>

#include "cli_sandbox.h"
#include "support/archive_writer.h"
#include "support/catalogue_probe.h"
#include "support/character_fixture.h"

namespace zorvik::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

class CrashSafety : public ::testing::Test, public CliSandbox {
protected:
    // count folder characters prefix0000 ... named "<prefix> <n><suffix>", dated day.
    void addCharacters(const std::string& prefix, int count, const std::string& suffix, int day) {
        for (int n = 0; n < count; ++n) {
            char folder[64];
            std::snprintf(folder, sizeof folder, "%s%04d", prefix.c_str(), n);
            DefFields fields;
            fields.name = prefix + " " + std::to_string(n) + suffix;
            root.write("chars/" + std::string(folder) + "/c.def", defText(fields));
            root.write("chars/" + std::string(folder) + "/kfm.sff", portraitSff());
            setLastWriteTime(root.file("chars/" + std::string(folder)), 2020, 1, day);
        }
    }

    std::vector<std::string> earlyNames(const std::string& suffix) const {
        std::vector<std::string> names;
        for (int n = 0; n < kEarly; ++n) {
            names.push_back("early " + std::to_string(n) + suffix);
        }
        return names;
    }

    // Polls until the file exists; false after the time given.
    static bool waitForFile(const std::string& path, std::chrono::seconds most) {
        const auto end = std::chrono::steady_clock::now() + most;
        while (!fs::exists(path)) {
            if (std::chrono::steady_clock::now() > end) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }

    // Runs script in a mount namespace of its own, after mounting a tmpfs of
    // sizeKb at mountPoint; false when no tmpfs can be mounted here.
    static bool runWithSmallDisk(const std::string& mountPoint, int sizeKb,
                                 const std::string& script) {
        const std::string body = "mount -t tmpfs -o size=" + std::to_string(sizeKb) + "k tmpfs " +
                                 quote(mountPoint) + " || exit 77\n" + script + "\nexit 0\n";
        // As root a mount namespace is enough; elsewhere a user namespace may allow it.
        for (const char* unshare : {"unshare --mount", "unshare --user --map-root-user --mount"}) {
            const std::string command = std::string(unshare) + " sh -c " + quote(body);
            if (std::system(command.c_str()) == 0) {
                return true;
            }
        }
        return false;
    }

    static constexpr int kEarly = 50;
};

TEST_F(CrashSafety, AKilledUpdateKeepsEveryEarlierRowAndTheNextUpdateCompletes) {
    addCharacters("early", kEarly, "", 1);
    ASSERT_EQ(run({"update", "--main-dir", characters}).exitCode, 0);

    // The next update rewrites the early rows (their dates changed) and adds many.
    addCharacters("early", kEarly, " renamed", 2);
    addCharacters("late", 3000, "", 1);
    const pid_t update = start({"update", "--main-dir", characters, "--register-sprite", "1"});
    // The rollback journal appears with the update's first write.
    ASSERT_TRUE(waitForFile(catalogue + "-journal", std::chrono::seconds(60)));
    kill(update, SIGKILL);
    ASSERT_EQ(finish(update).exitCode, -1) << "the update ended before it was killed";

    EXPECT_EQ(integrityCheck(catalogue), "ok");
    EXPECT_EQ(catalogueNames(catalogue), earlyNames(""));

    const CliRun again = run({"update", "--main-dir", characters, "--register-sprite", "1"});
    EXPECT_EQ(again.exitCode, 0) << again.err;
    EXPECT_EQ(again.out, "更新処理終了 : 新規追加データ 3000件、 更新データ 50件でした。\n"
                         "見つからなくなったデータ : 0件\n"
                         "画像を追加したデータ : 0件\n");
    EXPECT_EQ(integrityCheck(catalogue), "ok");
    EXPECT_EQ(namesWithPortrait(catalogue).size(), 3050u);
}

TEST_F(CrashSafety, AFullDiskIsReportedAndLosesNothingCommitted) {
    addCharacters("early", kEarly, "", 1);
    fs::copy(characters, root.file("first"), fs::copy_options::recursive);
    addCharacters("late", 200, "", 1);
    // Listed first, so that its extraction meets the full disk too.
    writeArchive(
        root.file("chars/000.zip"), ArchiveFormat::Zip,
        {FixtureEntry::file("c.def", defText({})), FixtureEntry::file("kfm.sff", portraitSff())});
    const std::string disk = root.makeFolder("disk");
    const auto update = [&](const std::string& name, const std::string& folder) {
        return quote(program) + " update --register-sprite 1 --main-dir " + quote(folder) +
               " --temp-dir " + quote(disk + "/tmp/") + " --db " + quote(disk + "/db.sqlite3") +
               " >" + quote(root.file(name + ".out")) + " 2>" + quote(root.file(name + ".err")) +
               "; echo $? >" + quote(root.file(name + ".code")) + "\n";
    };
    // The catalogue and the temporary folder share a small disk; after the
    // first update a filler takes all of its room. What the disk held is
    // copied out before the namespace and its mount go.
    const std::string script =
        "mkdir " + quote(disk + "/tmp") + "\n" + update("first", root.file("first")) +
        "dd if=/dev/zero of=" + quote(disk + "/filler") + " bs=4k 2>/dev/null\n" +
        update("second", characters) + "cp -a " + quote(disk + "/.") + " " +
        quote(root.makeFolder("after")) + "\nrm -f " + quote(root.file("after/filler")) + "\n";
    if (!runWithSmallDisk(disk, 2048, script)) {
        GTEST_SKIP() << "no tmpfs can be mounted here (no mount namespace allowed)";
    }
    EXPECT_EQ(readFile(root.file("first.code")), "0\n") << readFile(root.file("first.err"));
    EXPECT_EQ(readFile(root.file("second.code")), "1\n");
    // Told once, with the database's reason, and the update stops there.
    const std::string told = readFile(root.file("second.err"));
    EXPECT_THAT(told, HasSubstr("エラー：database or disk is full"));
    EXPECT_EQ(told.find("database or disk is full"), told.rfind("database or disk is full"));
    EXPECT_EQ(integrityCheck(root.file("after/db.sqlite3")), "ok");
    EXPECT_EQ(catalogueNames(root.file("after/db.sqlite3")), earlyNames(""));
    EXPECT_TRUE(fs::is_empty(root.file("after/tmp")));
}

// The disk fills in the middle of an update: it stops at the first write
// refused, prints counts that match what the catalogue holds, and marks no
// portrait as failed for it; with room again, the next update takes every
// character and portrait.
TEST_F(CrashSafety, ADiskThatFillsDuringAnUpdateLeavesCountsThatMatchTheCatalogue) {
    addCharacters("c", 400, "", 1);
    const std::string disk = root.makeFolder("disk");
    const auto update = [&](const std::string& name) {
        return quote(program) + " update --register-sprite 1 --main-dir " + quote(characters) +
               " --temp-dir " + quote(disk + "/tmp/") + " --db " + quote(disk + "/db.sqlite3") +
               " >" + quote(root.file(name + ".out")) + " 2>" + quote(root.file(name + ".err")) +
               "; echo $? >" + quote(root.file(name + ".code")) + "\n" + "cp -a " +
               quote(disk + "/.") + " " + quote(root.makeFolder(name)) + "\n";
    };
    const std::string script = "mkdir " + quote(disk + "/tmp") + "\n" + update("full") +
                               "mount -o remount,size=16m tmpfs " + quote(disk) + "\n" +
                               update("room");
    if (!runWithSmallDisk(disk, 192, script)) {
        GTEST_SKIP() << "no tmpfs can be mounted here (no mount namespace allowed)";
    }
    EXPECT_EQ(readFile(root.file("full.code")), "1\n");
    const std::string told = readFile(root.file("full.err"));
    EXPECT_THAT(told, HasSubstr("database or disk is full"));
    EXPECT_EQ(told.find("database or disk is full"), told.rfind("database or disk is full"));
    const std::string counts = readFile(root.file("full.out"));
    const std::size_t kept = catalogueNames(root.file("full/db.sqlite3")).size();
    EXPECT_EQ(counts.rfind("更新処理終了 : 新規追加データ " + std::to_string(kept) + "件", 0), 0u)
        << counts;
    EXPECT_EQ(integrityCheck(root.file("full/db.sqlite3")), "ok");

    EXPECT_EQ(readFile(root.file("room.code")), "0\n") << readFile(root.file("room.err"));
    EXPECT_EQ(namesWithPortrait(root.file("room/db.sqlite3")).size(), 400u);
}

} // namespace
} // namespace zorvik::test
