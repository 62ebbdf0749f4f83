#include <chrono>
#include <cstdio>
#include <optional>
#include <csignal>
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <thread>

#include "cli_sandbox.h"
#include "support/archive_writer.h"
#include "support/catalogue_probe.h"
#include "support/character_fixture.h"
#include "support/other_user.h"

namespace zorvik::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

// The companion's update and portraits, stopped, killed or given entries
// it cannot use; what they print is checked against what the catalogue holds.
class UpdateFaults : public ::testing::Test, public CliSandbox {
protected:
    // count folder characters "<prefix>NNNN", each with a .def and a sprite file.
    void addCharacters(const std::string& prefix, int count) {
        for (int n = 0; n < count; ++n) {
            const std::string folder = "chars/" + prefix + std::to_string(10000 + n);
            DefFields fields;
            fields.name = prefix + " " + std::to_string(n);
            root.write(folder + "/c.def", defText(fields));
            root.write(folder + "/kfm.sff", portraitSff());
        }
    }

    std::size_t rowsWhere(const std::string& condition) const {
        return std::stoul(
            queryTexts(catalogue, "SELECT COUNT(*) FROM CHARACTER_TABLE WHERE " + condition).at(0));
    }

    // The number right after marker on the output's first line.
    static std::size_t countAfter(const std::string& output, const std::string& marker) {
        const std::string line = output.substr(0, output.find('\n'));
        const std::size_t at = line.find(marker);
        if (at == std::string::npos) {
            ADD_FAILURE() << "no " << marker << " in " << line;
            return 0;
        }
        return std::stoul(line.substr(at + marker.size()));
    }

    // Polls until found says yes; false after most.
    static bool waitFor(const std::function<bool()>& found, std::chrono::seconds most) {
        const auto end = std::chrono::steady_clock::now() + most;
        while (!found()) {
            if (std::chrono::steady_clock::now() > end) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        return true;
    }

    // Runs words as the user nobody, whom the sandbox is opened to; none
    // when this process cannot become nobody (it is not root).
    std::optional<CliRun> runAsNobody(const std::vector<std::string>& words) const {
        for (const std::string& shared : {root.path(), root.file("work"), temporary}) {
            fs::permissions(shared, fs::perms::all);
        }
        // What root's runs left there is root's: nobody could not replace it.
        for (const char* output : {"out", "err", "code"}) {
            fs::remove(root.file(output));
        }
        const std::string code = root.file("code");
        const auto ran = answerAsNobody([&] {
            const CliRun run = this->run(words);
            writeFile(code, std::to_string(run.exitCode));
            return true;
        });
        if (!ran) {
            return std::nullopt;
        }
        return CliRun{std::stoi(readFile(code)), readFile(root.file("out")),
                      readFile(root.file("err"))};
    }

    static void writeFile(const std::string& path, const std::string& text) {
        std::FILE* file = std::fopen(path.c_str(), "w");
        if (file != nullptr) {
            std::fputs(text.c_str(), file);
            std::fclose(file);
        }
    }

    // Starts words, and interrupts the run as Ctrl+C does once its job
    // has written (its status line is out, and the journal there).
    CliRun interruptedRun(const std::vector<std::string>& words) const {
        const pid_t process = start(words);
        const bool writing = waitFor(
            [&] { return !readFile(root.file("err")).empty() && fs::exists(catalogue + "-journal"); },
            std::chrono::seconds(60));
        kill(process, SIGINT);
        const CliRun run = finish(process);
        EXPECT_TRUE(writing) << "the run wrote nothing before it ended";
        return run;
    }
};

TEST_F(UpdateFaults, CtrlCStopsUpdateAndPortraitsWithExitOneKeepingWhatWasCommitted) {
    addCharacters("c", 1000);
    const CliRun update = interruptedRun({"update", "--main-dir", characters});
    EXPECT_EQ(update.exitCode, 1) << update.err;
    EXPECT_THAT(update.err, HasSubstr("途中で止めました"));
    const std::size_t added = countAfter(update.out, "新規追加データ ");
    EXPECT_LT(added, 1000u);
    EXPECT_EQ(rowsWhere("1"), added);

    ASSERT_EQ(run({"update", "--main-dir", characters}).exitCode, 0);
    const CliRun portraits =
        interruptedRun({"portraits", "--all", "--main-dir", characters});
    EXPECT_EQ(portraits.exitCode, 1) << portraits.err;
    EXPECT_THAT(portraits.err, HasSubstr("途中で止めました"));
    const std::size_t taken = countAfter(portraits.out, " : 取り込み ");
    EXPECT_LT(taken, 1000u);
    EXPECT_EQ(rowsWhere("LENGTH(IMAGE) > 0"), taken);
}

// A kill in the middle of extracting archives leaves scratch folders in
// the temporary folder: they block nothing, and the next update clears them.
TEST_F(UpdateFaults, FoldersAKilledUpdateLeftNeverBlockAnArchive) {
    for (int n = 0; n < 200; ++n) {
        DefFields fields;
        fields.name = "k" + std::to_string(n);
        writeArchive(root.file("chars/k" + std::to_string(n) + ".zip"), ArchiveFormat::Zip,
                     {FixtureEntry::file("k.def", defText(fields)),
                      FixtureEntry::file("kfm.sff", portraitSff())});
    }
    const auto leftovers = [&] {
        std::size_t found = 0;
        for (const auto& entry : fs::directory_iterator(temporary)) {
            found += entry.path().filename().string().starts_with("zorvik-scratch-extract-");
        }
        return found;
    };
    const pid_t killed = start({"update", "--main-dir", characters, "--register-sprite", "1"});
    const bool extracting = waitFor([&] { return leftovers() > 0; }, std::chrono::seconds(60));
    kill(killed, SIGKILL);
    ASSERT_EQ(finish(killed).exitCode, -1) << "the update ended before it was killed";
    if (!extracting || leftovers() == 0) {
        GTEST_SKIP() << "the kill came between two extractions";
    }

    const CliRun next = run({"update", "--main-dir", characters, "--register-sprite", "1"});
    EXPECT_EQ(next.exitCode, 0) << next.err;
    EXPECT_EQ(next.err.find("作れませんでした"), std::string::npos) << next.err;
    EXPECT_EQ(rowsWhere("LENGTH(IMAGE) > 0"), 200u);
    EXPECT_TRUE(fs::is_empty(temporary));
}

// An archive whose path below the character folder passes 255 bytes is
// read like any other; a character folder of more than a thousand bytes
// (its .def paths too long to read) is listed, and its characters are
// counted as not read rather than passed over in silence.
TEST_F(UpdateFaults, LongPathsAreReadOrCountedNeverDroppedSilently) {
    const std::string group = std::string(120, 'G') + "/" + std::string(120, 'H');
    const std::string archive = group + "/" + std::string(40, 'k') + ".zip";
    root.makeFolder("chars/" + group);
    writeArchive(root.file("chars/" + archive), ArchiveFormat::Zip,
                 {FixtureEntry::file("k.def", defText({}))});
    const CliRun grouped = run({"update", "--main-dir", characters, "--subfolders", "1"});
    EXPECT_EQ(grouped.exitCode, 0) << grouped.err;
    EXPECT_EQ(rowsWhere("FILENAME = '" + archive + "'"), 1u);

    std::string deep = "deep";
    for (int level = 0; level < 10; ++level) {
        deep += "/" + std::string(100, static_cast<char>('a' + level));
    }
    root.write(deep + "/kfm/kfm.def", defText({}));
    const std::string mainDir = root.file(deep);
    ASSERT_GT(mainDir.size(), 1022u);
    const CliRun update = run({"update", "--main-dir", mainDir, "--verbose"});
    EXPECT_EQ(update.exitCode, 3) << update.err;
    EXPECT_THAT(update.out, ::testing::EndsWith("読み込めなかったエントリ 1件\n  kfm\n"));
}

// A group folder the user may not list (mode 000) or not enter (mode 644)
// is named; nothing below it is taken as gone, by the update or the check.
TEST_F(UpdateFaults, AnUnreadableGroupFolderIsNamedAndNothingBelowItIsMarked) {
    for (const char* folder : {"Capcom/Ken", "Capcom/Ryu", "SNK/Terry", "solo"}) {
        DefFields fields;
        fields.name = folder;
        root.write("chars/" + std::string(folder) + "/c.def", defText(fields));
    }
    ASSERT_EQ(run({"update", "--main-dir", characters, "--subfolders", "1"}).exitCode, 0);
    for (const fs::perms mode : {fs::perms::none, fs::perms::owner_read | fs::perms::owner_write |
                                                      fs::perms::group_read |
                                                      fs::perms::others_read}) {
        SCOPED_TRACE(static_cast<int>(mode));
        fs::permissions(root.file("chars/Capcom"), mode);
        const auto update = runAsNobody({"update", "--main-dir", characters, "--subfolders", "1"});
        if (!update) {
            GTEST_SKIP() << "only root can run the companion as another user";
        }
        EXPECT_EQ(update->exitCode, 3) << update->err;
        EXPECT_THAT(update->out, HasSubstr("見つからなくなったデータ : 0件\n"
                                           "読み込めなかったフォルダ : Capcom\n"
                                           "読み込めなかったエントリ 1件\n"));
        EXPECT_EQ(rowsWhere("DELETED = 2"), 0u);
        const auto check = runAsNobody({"check", "--main-dir", characters, "--subfolders", "1"});
        ASSERT_TRUE(check);
        EXPECT_EQ(check->out.find("Capcom/"), std::string::npos) << check->out;
        fs::permissions(root.file("chars/Capcom"), fs::perms::all);
    }
    // The character folder itself listed but not entered: it is named too.
    fs::permissions(characters, fs::perms::owner_read | fs::perms::owner_write |
                                    fs::perms::group_read | fs::perms::others_read);
    const auto update = runAsNobody({"update", "--main-dir", characters, "--subfolders", "1"});
    fs::permissions(characters, fs::perms::all);
    ASSERT_TRUE(update);
    EXPECT_EQ(update->exitCode, 3);
    EXPECT_THAT(update->out, HasSubstr("読み込めなかったフォルダ : " + characters + "\n"));
    EXPECT_THAT(update->err, HasSubstr("エラーコード：13"));
    EXPECT_EQ(rowsWhere("DELETED = 2"), 0u);
}

// A catalogue the user may not write: the first write fails, the job
// stops with the catalogue's reason and exits 1, and no sprite is blamed.
TEST_F(UpdateFaults, AReadOnlyCatalogueFailsUpdateAndPortraitsWithItsReason) {
    addCharacters("c", 2);
    ASSERT_EQ(run({"update", "--main-dir", characters, "--register-sprite", "1"}).exitCode, 0);
    addCharacters("new", 1);
    fs::permissions(catalogue, fs::perms::owner_read | fs::perms::group_read |
                                   fs::perms::others_read);
    const auto portraits = runAsNobody({"portraits", "--all", "--main-dir", characters});
    if (!portraits) {
        GTEST_SKIP() << "only root can run the companion as another user";
    }
    EXPECT_EQ(portraits->exitCode, 1);
    EXPECT_THAT(portraits->err, HasSubstr("readonly database"));
    EXPECT_THAT(portraits->out, HasSubstr("取り込み 0件"));
    EXPECT_THAT(portraits->out, HasSubstr("取り込めず 0件"));

    const auto update = runAsNobody({"update", "--main-dir", characters});
    ASSERT_TRUE(update);
    EXPECT_EQ(update->exitCode, 1);
    EXPECT_THAT(update->err, HasSubstr("readonly database"));
    EXPECT_THAT(update->out, ::testing::StartsWith("更新処理終了 : 新規追加データ 0件"));
    EXPECT_EQ(rowsWhere("1"), 2u);
}

TEST_F(UpdateFaults, TheUpdateSaysWhatItMovedLeftAndToldApart) {
    DefFields ken;
    ken.name = "Ken";
    root.write("chars/Capcom/Ken/ken.def", defText(ken));
    root.write("chars/x\xff/x.def", defText({}));
    root.write("chars/x\xfe/x.def", defText({}));
    const CliRun first = run({"update", "--main-dir", characters, "--subfolders", "1"});
    EXPECT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out, "更新処理終了 : 新規追加データ 3件、 更新データ 0件でした。\n"
                         "見つからなくなったデータ : 0件\n"
                         "同じ名前に見えるためバイト列を添えたエントリ : 2件\n");
    ASSERT_EQ(rowsWhere("1"), 3u);

    fs::create_directories(root.file("chars/Capcom/Street Fighter"));
    fs::rename(root.file("chars/Capcom/Ken"), root.file("chars/Capcom/Street Fighter/Ken"));
    fs::remove_all(root.file("chars/x\xfe"));
    const CliRun moved =
        run({"update", "--main-dir", characters, "--subfolders", "1", "--lang", "en"});
    EXPECT_EQ(moved.exitCode, 0) << moved.err;
    EXPECT_THAT(moved.out, ::testing::StartsWith("Update finished: 0 added, 0 updated, moved: 1.\n"
                                                 "No longer found: 1\n"));
    EXPECT_EQ(rowsWhere("FILENAME = 'Capcom/Street Fighter/Ken' AND ID = 1"), 1u);
}

} // namespace
} // namespace zorvik::test
