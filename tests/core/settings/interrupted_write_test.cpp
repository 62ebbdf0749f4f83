#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "core/settings/ini_document.h"
#include "core/settings/line_list.h"
#include "support/temp_folder.h"

namespace zorvik {
namespace {

// One version of the three files the program writes beside itself.
struct SettingsFiles {
    IniDocument settings;
    std::vector<std::string> fighters;
    std::vector<std::string> columns;

    // Large enough that a write takes a while, so that kills land inside writes.
    static SettingsFiles version(char mark) {
        SettingsFiles files;
        files.settings = IniDocument::parse("[General]\r\nMainDir=/chars\r\n");
        files.fighters.assign(20000, std::string(24, mark));
        files.columns.assign(16, std::string(62, mark));
        for (int key = 0; key < 2000; ++key) {
            files.settings.setValue("ColumnOrder", std::to_string(key), std::string(40, mark));
        }
        return files;
    }

    void write(const test::TempFolder& folder) const {
        settings.save(folder.file("Settings.ini"));
        writeLineList(folder.file("FighterList"), fighters);
        writeLineList(folder.file("ColumnName"), columns);
    }

    std::vector<std::string> contents(const test::TempFolder& folder) const {
        write(folder);
        return {test::readFile(folder.file("Settings.ini")),
                test::readFile(folder.file("FighterList")),
                test::readFile(folder.file("ColumnName"))};
    }
};

TEST(InterruptedWrite, KillingAWriterNeverLeavesATruncatedSettingsFile) {
    const test::TempFolder folder;
    const SettingsFiles first = SettingsFiles::version('a');
    const SettingsFiles second = SettingsFiles::version('b');
    const std::vector<std::string> expectedSecond = second.contents(folder);
    const std::vector<std::string> expectedFirst = first.contents(folder);
    const std::vector<std::string> names = {"Settings.ini", "FighterList", "ColumnName"};

    std::mt19937 random(13);
    for (int round = 0; round < 12; ++round) {
        const pid_t writer = fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            for (;;) {
                second.write(folder);
                first.write(folder);
            }
        }
        usleep(2000 + random() % 40000);
        kill(writer, SIGKILL);
        waitpid(writer, nullptr, 0);
        for (std::size_t i = 0; i < names.size(); ++i) {
            const std::string content = test::readFile(folder.file(names[i]));
            EXPECT_TRUE(content == expectedFirst[i] || content == expectedSecond[i])
                << names[i] << " holds " << content.size() << " bytes after round " << round;
        }
    }
}

} // namespace
} // namespace zorvik
