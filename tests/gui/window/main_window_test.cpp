#include "gui/window/main_window.h"

#include <cstdlib>
#include <unistd.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "core/platform/folders.h"
#include "gui/jobs/list_update_controller.h"
#include "gui/list/search_bar.h"
#include "gui/window/status_bar.h"
#include "gui_support/main_window_fixture.h"

namespace zorvik::test {
namespace {

using MainWindow = MainWindowFixture;

const char* const kFirstRunMessage = "Zorvikをご使用いただき有難うございます。\n"
                                     "キャラクターリストを更新する前に、設定をご確認下さい。";

bool isChecked(QToolButton* button) {
    return button != nullptr && button->isChecked();
}

TEST_F(MainWindow, FreshFolderStartsWithDefaultsAndTheFirstCloseWritesEverySetting) {
    open();
    EXPECT_EQ(form->windowTitle().toStdString(), "Zorvik");
    // The catalogue opened where the program started, which stays the current folder.
    EXPECT_EQ(access(temp.file("db.sqlite3").c_str(), F_OK), 0);
    EXPECT_NE(access((programFolder + "/db.sqlite3").c_str(), F_OK), 0);
    EXPECT_EQ(platform::currentFolder(), temp.path());
    EXPECT_EQ(headerCaptions(), Texts({"NAME", "NAME2", "AUTHOR", "AI_AUTHOR", "SPECIAL1",
                                       "SPECIAL2", "SUPPORTED_VER", "COMMENT", "UPDATE_DATE"}));
    EXPECT_TRUE(find<QAction>("M_ParamA")->isChecked());
    EXPECT_TRUE(isChecked(find<QToolButton>("ToolButton3")));
    EXPECT_EQ(find<QToolButton>("SpeedButton1")->text().toStdString(), "を含む");
    EXPECT_FALSE(find<QMenu>("D1")->menuAction()->isVisible());
    EXPECT_EQ(form->statusBar1().panelText().toStdString(), form->characterDb().text());
    EXPECT_EQ(messages.shown(), std::vector<std::string>{kFirstRunMessage});

    form.reset(); // ended without an orderly close: still a first run
    open();
    EXPECT_EQ(messages.shown().size(), 2u);
    form->close();

    const std::string settings = settingsText();
    EXPECT_NE(settings.find("FirstRun=0\r\n"), std::string::npos);
    EXPECT_EQ(settings.find("TempDir"), std::string::npos);
    EXPECT_NE(settings.find("[ColumnOrder]\r\n0=1\r\n1=2\r\n"), std::string::npos);
    EXPECT_NE(settings.find("9=-1\r\n"), std::string::npos);
    EXPECT_NE(settings.find("16=0\r\n"), std::string::npos);
    EXPECT_NE(settings.find("Splitter2Left=341\r\n"), std::string::npos);
    EXPECT_NE(settings.find("FindType=1\r\n"), std::string::npos);
    EXPECT_EQ(readFile(programFolder + "/ColumnName").substr(0, 10), "ID\r\nNAME\r\n");
    EXPECT_EQ(access((programFolder + "/FighterList").c_str(), F_OK), 0);

    open();
    EXPECT_EQ(messages.shown().size(), 2u); // no first-run message any more
}

TEST_F(MainWindow, SavedSettingsAreRestoredAndOutOfRangeValuesWrittenBackMended) {
    writeSettings("[General]\nDefaultBattleParam=7\nSplitter2Left=250\nLeft=40\nTop=30\n"
                  "Width=700\nHeight=500\nBattleParamA=-p1\nBattleParamC=-rounds 3\n"
                  "TempDir=/chosen/\n[PreviousStatus]\nFindType=-3\n");
    temp.write("program/FighterList", "kfm\r\nryu\r\n");
    open();
    EXPECT_EQ(find<QComboBox>("ComboBox1")->currentIndex(), 3);
    EXPECT_TRUE(find<QAction>("M_ParamA")->isChecked());
    EXPECT_EQ(find<QToolButton>("ToolButton3")->toolTip().toStdString(), "-p1");
    EXPECT_EQ(find<QToolButton>("ToolButton5")->toolTip().toStdString(), "-rounds 3");
    EXPECT_EQ(form->size(), QSize(700, 500));
    EXPECT_EQ(find<QWidget>("Panel4")->width(), 250);
    EXPECT_EQ(form->settings().settings().TempDir, "/chosen/");
    EXPECT_EQ(form->settings().settings().FighterList, (std::vector<std::string>{"kfm", "ryu"}));

    find<QToolButton>("ToolButton5")->click();
    EXPECT_TRUE(find<QAction>("M_ParamC")->isChecked());
    find<QAction>("M_ParamB")->trigger();
    EXPECT_TRUE(isChecked(find<QToolButton>("ToolButton4")));
    form->close();
    const std::string settings = settingsText();
    EXPECT_NE(settings.find("DefaultBattleParam=1\r\n"), std::string::npos);
    EXPECT_NE(settings.find("FindType=3\r\n"), std::string::npos);
    EXPECT_NE(settings.find("TempDir=/chosen/\r\n"), std::string::npos);
    EXPECT_NE(settings.find("Splitter2Left=250\r\n"), std::string::npos);
    EXPECT_EQ(readFile(programFolder + "/FighterList"), "kfm\r\nryu\r\n");
}

TEST_F(MainWindow, OutOfRangeBattleParameterIsSetAAndWrittenBackAsZero) {
    writeSettings("[General]\nDefaultBattleParam=7\n");
    open();
    EXPECT_EQ(form->settings().settings().DefaultBattleParam, 0);
    EXPECT_TRUE(isChecked(find<QToolButton>("ToolButton3")));
    form->close();
    EXPECT_NE(settingsText().find("DefaultBattleParam=0\r\n"), std::string::npos);
}

TEST_F(MainWindow, AFindTypePastTheColumnsLeavesNoSearchColumnAndNoFilter) {
    writeSettings("[PreviousStatus]\nFindType=20\n");
    addCharacter("Ryu");
    open();
    EXPECT_EQ(find<QComboBox>("ComboBox1")->currentIndex(), -1);
    find<QLineEdit>("Edit1")->setText(QStringLiteral("nothing like it"));
    find<gui::SearchBar>("Panel2")->Timer1Timer();
    EXPECT_EQ(rowCaptions(), Texts({"Ryu"}));
    form->close();
    EXPECT_NE(settingsText().find("FindType=-1\r\n"), std::string::npos);
}

TEST_F(MainWindow, ColumnOrderAndNamesDecideTheListColumns) {
    writeSettings("[ColumnOrder]\n0=3\n1=1\n2=-1\n3=2\n4=4\n");
    open();
    // Key 5 is missing, so the whole order is the default one.
    EXPECT_EQ(headerCaptions().size(), 9);
    form->close();

    std::string order = "[ColumnOrder]\n0=3\n1=1\n2=-1\n";
    for (int key = 3; key < 17; ++key) {
        order += std::to_string(key) + "=0\n";
    }
    writeSettings(order);
    std::string names;
    for (int line = 0; line < 20; ++line) {
        names += "column" + std::to_string(line) + (line == 3 ? std::string(70, 'x') : "") + "\r\n";
    }
    temp.write("program/ColumnName", names);
    addCharacter("Ryu", "author one");
    open();
    EXPECT_EQ(headerCaptions(), Texts({"column3" + std::string(56, 'x'), "column1"}));
    EXPECT_EQ(rowCaptions(), Texts({"author one"}));
    EXPECT_EQ(find<QComboBox>("ComboBox1")->itemText(14).toStdString(), "column14");
    form->close();
    const std::string written = readFile(programFolder + "/ColumnName");
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 16);
}

TEST_F(MainWindow, PlacementIsSavedOnlyForANormalOrMaximizedWindow) {
    writeSettings("[General]\nLeft=11\nTop=12\nWidth=600\nHeight=400\n");
    open();
    form->showMaximized();
    ASSERT_TRUE(form->isMaximized());
    form->close();
    EXPECT_NE(settingsText().find("Maximized=1\r\n"), std::string::npos);
    EXPECT_NE(settingsText().find("Left=11\r\nTop=12\r\nWidth=600\r\nHeight=400\r\n"),
              std::string::npos);

    writeSettings("[General]\nMaximized=0\nLeft=11\n");
    open();
    form->showMinimized();
    form->close();
    EXPECT_NE(settingsText().find("Maximized=0\r\nLeft=11\r\n"), std::string::npos);
    EXPECT_EQ(settingsText().find("Width="), std::string::npos);
}

TEST_F(MainWindow, CtrlQClosesThroughTheSavingClose) {
    openActive();
    QTest::keyClick(form.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(form->isVisible());
    EXPECT_NE(settingsText().find("FirstRun=0"), std::string::npos);
}

// 機能 ends with 終了, the item a new user looks for; it closes as Ctrl+Q does.
TEST_F(MainWindow, TheFileMenuEndsWithQuitWhichClosesThroughTheSavingClose) {
    open();
    const QList<QAction*> items = find<QMenu>("Commands1")->actions();
    ASSERT_FALSE(items.isEmpty());
    EXPECT_EQ(items.constLast()->objectName(), QStringLiteral("Quit1"));
    items.constLast()->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_NE(settingsText().find("FirstRun=0"), std::string::npos);
}

TEST_F(MainWindow, EveryListUpdateCommandRunsAnUpdate) {
    writeSettings("[General]\nMainDir=" + temp.makeFolder("chars") + "\n");
    openActive();
    QSignalSpy requests(&form->listUpdates(), &gui::ListUpdateController::updateFinished);
    QTest::keyClick(form.get(), Qt::Key_F5);
    find<QToolButton>("ToolButton1")->click();
    find<QAction>("CallForm31")->trigger();
    find<QAction>("N1")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(requests.count(), 4);
}

TEST_F(MainWindow, TheFirstPaintStartsOneUpdateWhenUpdateListOnRunIsSet) {
    writeSettings("[General]\nUpdateListOnRun=1\nMainDir=" + temp.makeFolder("chars") + "\n");
    form = std::make_unique<gui::TForm1>(messages, shell, choosers, folders());
    QSignalSpy requests(&form->listUpdates(), &gui::ListUpdateController::updateFinished);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return requests.count() == 1; }));
    form->repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(requests.count(), 1);
}

TEST_F(MainWindow, WithoutUpdateListOnRunALaterPaintStartsTheUpdateOnceSwitchedOn) {
    writeSettings("[General]\nMainDir=" + temp.makeFolder("chars") + "\n");
    open();
    QSignalSpy requests(&form->listUpdates(), &gui::ListUpdateController::updateFinished);
    form->repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(requests.count(), 0);
    // As after the settings dialog has switched it on: the next paint starts it, once.
    AppSettings changed = form->settings().settings();
    changed.UpdateListOnRun = true;
    form->settings().store(changed);
    form->repaint();
    form->repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(requests.count(), 1);
}

TEST_F(MainWindow, NoTemporaryFolderClosesTheWindowWithAMessage) {
    const char* previous = std::getenv("TMPDIR");
    const std::string saved = previous ? previous : "";
    setenv("TMPDIR", temp.file("missing").c_str(), 1);
    open();
    previous ? setenv("TMPDIR", saved.c_str(), 1) : unsetenv("TMPDIR");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->isVisible(); }));
    EXPECT_EQ(messages.shown(), std::vector<std::string>{"一時ディレクトリを設定できません"});
    EXPECT_NE(settingsText().find("FirstRun=0"), std::string::npos);
}

} // namespace
} // namespace zorvik::test
