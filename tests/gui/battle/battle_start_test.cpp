#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QListView>
#include <QMenu>
#include <QTest>

#include "gui/grid/portrait_grid_switch.h"
#include "gui/platform/desktop_shell.h"
#include "gui_support/main_window_fixture.h"

namespace zorvik::test {
namespace {

// The PATH environment variable replaced for one test.
class ScopedPath {
public:
    explicit ScopedPath(const std::string& path) {
        const char* previous = std::getenv("PATH");
        previous_ = previous != nullptr ? previous : "";
        setenv("PATH", path.c_str(), 1);
    }
    ~ScopedPath() { setenv("PATH", previous_.c_str(), 1); }
    ScopedPath(const ScopedPath&) = delete;
    ScopedPath& operator=(const ScopedPath&) = delete;

private:
    std::string previous_;
};

class BattleStart : public MainWindowFixture {
protected:
    // The engine file, the selected character "alpha" and the opponents.
    void prepare(const std::string& engineBytes, const std::string& general) {
        engine = temp.write("mugen/mugen", engineBytes);
        writeSettings("[General]\nMugenExeFile=" + engine + "\n" + general);
        temp.write("program/FighterList", "beta\r\nrunner up\r\n");
        addStoredCharacter("Alpha", "alpha", 0);
    }

    // The window with the character "alpha" selected.
    void openWithAlphaSelected() {
        open();
        selectRow(0);
    }

    // The same on the real shell, which starts programs.
    void openOnTheDesktop() {
        form = std::make_unique<gui::TForm1>(messages, desktop, choosers, folders());
        form->show();
        selectRow(0);
    }

    void battleAgainst(int opponent) const { find<QMenu>("N8")->actions().at(opponent)->trigger(); }

    std::string executable(const std::string& relative, const std::string& script) const {
        const std::string path = temp.write(relative, script);
        chmod(path.c_str(), 0755);
        return path;
    }

    QStringList arguments(std::initializer_list<std::string> texts) const {
        QStringList list;
        for (const std::string& text : texts) {
            list << QString::fromStdString(text);
        }
        return list;
    }

    QString path(const std::string& text) const { return QString::fromStdString(text); }

    ~BattleStart() override { form.reset(); } // before the shell it uses

    gui::DesktopShell desktop;
    std::string engine;
    const std::string kNativeEngine = "\x7f"
                                      "ELF";
    const std::string kWindowsEngine = std::string("MZ\x90\0", 4);
};

TEST_F(BattleStart, TheEngineGetsBothNamesThenTheWordsOfTheParameterSetInUse) {
    prepare(kNativeEngine, "BattleParamA=-rounds 3 -s \"my stage\"\nBattleParamC=\n"
                           "DefaultBattleParam=2\n");
    openWithAlphaSelected();
    // Set C with an empty text: the two names and nothing after them.
    battleAgainst(1);
    ASSERT_EQ(shell.started.size(), 1);
    EXPECT_EQ(shell.started[0].program, path(engine));
    EXPECT_EQ(shell.started[0].arguments, arguments({"alpha", "runner up"}));
    EXPECT_EQ(shell.started[0].workingFolder, path(temp.file("mugen")));

    find<QAction>("M_ParamA")->trigger();
    battleAgainst(0);
    ASSERT_EQ(shell.started.size(), 2);
    EXPECT_EQ(shell.started[1].arguments,
              arguments({"alpha", "beta", "-rounds", "3", "-s", "my stage"}));
    EXPECT_EQ(messages.shown().size(), 1u); // the first-run message only
}

TEST_F(BattleStart, ANestedCharacterReachesTheEngineAsItsDefPath) {
    const std::string chars = temp.makeFolder("chars");
    temp.write("chars/KOF/kyo/kyo.def", "[Info]\r\nname = Kyo\r\n");
    engine = temp.write("mugen/mugen", kNativeEngine);
    writeSettings("[General]\nMugenExeFile=" + engine + "\nMainDir=" + chars + "\n");
    temp.write("program/FighterList", "Capcom/Street Fighter/ken/ken.def\r\n");
    addStoredCharacter("Kyo", "KOF/kyo", 0);
    openWithAlphaSelected();
    battleAgainst(0);
    ASSERT_EQ(shell.started.size(), 1);
    EXPECT_EQ(shell.started[0].arguments,
              arguments({"KOF/kyo/kyo.def", "Capcom/Street Fighter/ken/ken.def"}));
}

// Enter or a double-click, on a row of the list or a portrait of the grid:
// a battle against the first registered opponent.
TEST_F(BattleStart, EnterOrADoubleClickFightsTheFirstOpponent) {
    prepare(kNativeEngine, "");
    openWithAlphaSelected();
    QTest::keyClick(list(), Qt::Key_Return);
    ASSERT_EQ(shell.started.size(), 1);
    EXPECT_EQ(shell.started[0].arguments, arguments({"alpha", "beta"}));

    form->portraitGrid().showGrid(true);
    QListView* grid = form->portraitGrid().view();
    QApplication::processEvents(); // the grid lays its cells out once on show
    const QPoint portrait = grid->visualRect(grid->model()->index(0, 0)).center();
    // A double-click as the system delivers it: a click, then the second press.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, portrait);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, portrait);
    ASSERT_EQ(shell.started.size(), 2);
    EXPECT_EQ(shell.started[1].arguments, arguments({"alpha", "beta"}));
    EXPECT_EQ(messages.shown().size(), 1u); // the first-run message only
}

// Neither Enter nor the battle menu gives the engine an archive as player 1.
TEST_F(BattleStart, AnArchiveStartsNoBattle) {
    prepare(kNativeEngine, "");
    addStoredCharacter("Blue Mary", "bluemary.zip", 2);
    open();
    selectRow(1);
    QTest::keyClick(list(), Qt::Key_Return);
    battleAgainst(0);
    const std::string refusal = "bluemary.zip は圧縮ファイルのキャラクターなので対戦できません。\n"
                                "対戦させるにはフォルダに展開してください。";
    EXPECT_EQ(messages.shown(), Texts({messages.shown().front(), refusal, refusal}));
    EXPECT_TRUE(shell.started.empty());
}

TEST_F(BattleStart, WithoutAnOpponentEnterSaysHowToRegisterOne) {
    prepare(kNativeEngine, "");
    temp.write("program/FighterList", "");
    openWithAlphaSelected();
    QTest::keyClick(list(), Qt::Key_Enter);
    EXPECT_TRUE(shell.started.isEmpty());
    EXPECT_NE(messages.shown().back().find("対戦キャラに登録"), std::string::npos);
    // Without a selected row, Enter does nothing at all.
    const std::size_t shown = messages.shown().size();
    list()->selectionModel()->clearSelection();
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(messages.shown().size(), shown);
}

TEST_F(BattleStart, AMissingEngineOrAnUnreadableNameStartsNothing) {
    prepare(kNativeEngine, "");
    std::filesystem::remove(engine);
    openWithAlphaSelected();
    battleAgainst(0);
    EXPECT_EQ(messages.shown().back(), "MUGENファイルが見つかりません\n設定を確認してください");

    temp.write("mugen/mugen", kNativeEngine);
    list()->selectionModel()->clearSelection();
    battleAgainst(0);
    EXPECT_EQ(messages.shown().back(), "失敗しました");
    EXPECT_TRUE(shell.started.isEmpty());
}

TEST_F(BattleStart, AWindowsEngineStartsThroughWineOnlyWhenWineIsOnThePath) {
    prepare(kWindowsEngine, "");
    temp.makeFolder("bin");
    ScopedPath pathWithoutWine(temp.file("bin"));
    openWithAlphaSelected();
    battleAgainst(0);
    EXPECT_EQ(messages.shown().back(),
              "Windows用のMUGENを起動するにはwineが必要です\nwineをインストールしてください");
    EXPECT_TRUE(shell.started.isEmpty());

    const std::string wine = executable("bin/wine", "#!/bin/sh\nexit 0\n");
    battleAgainst(0);
    ASSERT_EQ(shell.started.size(), 1);
    EXPECT_EQ(shell.started[0].program, path(wine));
    EXPECT_EQ(shell.started[0].arguments, arguments({engine, "alpha", "beta"}));
    EXPECT_EQ(shell.started[0].workingFolder, path(temp.file("mugen")));
}

TEST_F(BattleStart, AFailedStartAndOverlongParametersAreReported) {
    prepare(kNativeEngine, "");
    temp.write("program/FighterList", std::string(2040, 'o') + "\r\n" + "beta\r\n");
    openWithAlphaSelected();
    battleAgainst(0);
    EXPECT_EQ(messages.shown().back().rfind("対戦パラメータが長すぎます\n", 0), 0u);
    EXPECT_TRUE(shell.started.isEmpty());

    shell.failNextStartWith = QStringLiteral("Permission denied");
    battleAgainst(1);
    EXPECT_EQ(messages.shown().back(),
              "MUGENを起動できませんでした\n" + engine + "\nPermission denied");
}

// The real shell: a script stands in for the engine and writes down what it got.
TEST_F(BattleStart, TheDesktopShellStartsTheEngineWithItsArgumentsInItsFolder) {
    const std::string record = temp.file("record");
    const std::string script = "#!/bin/sh\n{ pwd; for a in \"$@\"; do printf '<%s>\\n' \"$a\"; "
                               "done; } > '" +
                               record + ".part' && mv '" + record + ".part' '" + record + "'\n";
    const std::string folder = temp.makeFolder("mugen engine");
    writeSettings("[General]\nMugenExeFile=" + executable("mugen engine/mugen.sh", script) +
                  "\nBattleParamA=-s \"my stage\" -x\n");
    temp.write("program/FighterList", "runner up\r\n");
    addStoredCharacter("Alpha", "アルファ alpha", 0);
    openOnTheDesktop();
    battleAgainst(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(record); }, 10000));
    EXPECT_EQ(readFile(record), std::filesystem::canonical(folder).string() +
                                    "\n<アルファ alpha>\n<runner up>\n<-s>\n<my stage>\n<-x>\n");
}

TEST_F(BattleStart, AnEngineTheSystemCannotRunIsReportedByTheDesktopShell) {
    prepare("#!/bin/sh\nexit 0\n", ""); // no permission to execute
    openOnTheDesktop();
    battleAgainst(0);
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown().back().rfind("MUGENを起動できませんでした\n" + engine + "\n", 0),
              0u);
}

} // namespace
} // namespace zorvik::test
