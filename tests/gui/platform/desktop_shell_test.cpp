#include "gui/platform/desktop_shell.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace zorvik::test {
namespace {

class DesktopShellStart : public ::testing::Test {
protected:
    gui::ProgramStartResult start(const std::string& script, mode_t mode) {
        const std::string program = temp.write("engine", script);
        chmod(program.c_str(), mode);
        return shell.startDetached(QString::fromStdString(program), {},
                                   QString::fromStdString(temp.path()));
    }

    TempFolder temp;
    gui::DesktopShell shell;
};

TEST_F(DesktopShellStart, AProgramThatCannotRunIsReportedWithTheReason) {
    for (const auto& [script, mode] : {std::pair<const char*, mode_t>{"#!/bin/sh\n", 0644},
                                       {"#!/no/such/interpreter\n", 0755}}) {
        const gui::ProgramStartResult result = start(script, mode);
        EXPECT_FALSE(result.started) << script;
        EXPECT_FALSE(result.error.isEmpty()) << script;
    }
    const gui::ProgramStartResult missing =
        shell.startDetached(QString::fromStdString(temp.file("missing")), {}, {});
    EXPECT_FALSE(missing.started);
}

TEST_F(DesktopShellStart, AWorkingFolderThatIsGoneIsReported) {
    const QString sh = QStringLiteral("/bin/sh");
    const QStringList nothing = {QStringLiteral("-c"), QStringLiteral(":")};
    EXPECT_FALSE(
        shell.startDetached(sh, nothing, QString::fromStdString(temp.file("gone"))).started);
    EXPECT_TRUE(shell.startDetached(sh, nothing, QStringLiteral("/")).started);
}

} // namespace
} // namespace zorvik::test
