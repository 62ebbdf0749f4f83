#include "gui/battle/battle_actions.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QMenuBar>
#include <QTimer>

#include "gui/app/settings_owner.h"
#include "gui/window/status_bar.h"
#include "gui_support/main_window_fixture.h"
#include "gui_support/modal.h"

namespace zorvik::test {
namespace {

class BattleActions : public MainWindowFixture {
protected:
    QMenu* popup() const { return find<QMenu>("PopupMenu3"); }
    QMenu* battleMenu() const { return find<QMenu>("N8"); }

    Texts battleItems() const {
        Texts captions;
        for (const QAction* item : battleMenu()->actions()) {
            captions.push_back(item->text().toStdString());
        }
        return captions;
    }

    // A right-click (or the menu key) at pos of the widget, delivered as the window system does.
    bool
    rightClickOpensThePopup(QWidget* widget, const QPoint& pos,
                            QContextMenuEvent::Reason reason = QContextMenuEvent::Mouse) const {
        QContextMenuEvent click(reason, pos, widget->mapToGlobal(pos));
        QApplication::sendEvent(widget, &click);
        const bool opened = popup()->isVisible();
        popup()->hide();
        return opened;
    }
};

TEST_F(BattleActions, ThePopupOpensOnlyOnASelectedRowAndNotInTheHeaderBand) {
    addStoredCharacter("Alpha", "alpha", 0);
    open();
    selectRow(0);
    const QStringList captions = {QStringLiteral("開く(&O)"), QStringLiteral("対戦"), QString(),
                                  QStringLiteral("対戦キャラに登録(&R)")};
    QStringList shown;
    for (const QAction* item : popup()->actions()) {
        shown << item->text();
    }
    EXPECT_EQ(shown, captions);
    EXPECT_TRUE(popup()->actions()[2]->isSeparator());

    const QPoint onTheRow = list()->visualRect(list()->model()->index(0, 0)).center();
    EXPECT_TRUE(rightClickOpensThePopup(list()->viewport(), onTheRow));
    // The headers pass the click on to the list, where it lands in the band at the top.
    EXPECT_FALSE(rightClickOpensThePopup(list()->header(), QPoint(10, 5)));
    // The menu key opens it at the selected row, wherever the event says.
    EXPECT_TRUE(rightClickOpensThePopup(list(), QPoint(0, 0), QContextMenuEvent::Keyboard));
    list()->selectionModel()->clearSelection();
    EXPECT_FALSE(rightClickOpensThePopup(list()->viewport(), onTheRow));
}

TEST_F(BattleActions, ShiftF10OpensThePopupAsTheMenuKeyDoes) {
    addStoredCharacter("Alpha", "alpha", 0);
    open();
    QTest::keyClick(list(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_FALSE(popup()->isVisible()); // no row selected yet
    selectRow(0);
    QTest::keyClick(list(), Qt::Key_F10); // F10 alone is not the popup's key
    EXPECT_FALSE(popup()->isVisible());
    QTest::keyClick(list(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(popup()->isVisible());
    const QRect row = list()->visualRect(list()->currentIndex());
    EXPECT_TRUE(
        QRect(list()->viewport()->mapToGlobal(row.topLeft()), row.size()).contains(popup()->pos()));
    popup()->hide();
}

// The names accessibility tools read for a menu's items.
QStringList accessibleNames(QAccessibleInterface* menu) {
    QStringList names;
    for (int i = 0; i < menu->childCount(); ++i) {
        names << menu->child(i)->text(QAccessible::Name);
    }
    return names;
}

// True when a tool walking down from `from` meets target within depth steps.
bool reachesDown(QAccessibleInterface* from, QAccessibleInterface* target, int depth) {
    if (from == target) {
        return true;
    }
    for (int i = 0; depth > 0 && i < from->childCount(); ++i) {
        QAccessibleInterface* child = from->child(i);
        if (child != nullptr && reachesDown(child, target, depth - 1)) {
            return true;
        }
    }
    return false;
}

// True when a tool walking up from `from` meets ancestor.
bool reachesUp(QAccessibleInterface* from, QAccessibleInterface* ancestor) {
    for (QAccessibleInterface* up = from; up != nullptr; up = up->parent()) {
        if (up == ancestor) {
            return true;
        }
    }
    return false;
}

TEST_F(BattleActions, TheOpenPopupAndItsSubmenuAreReachableLikeTheMainMenu) {
    temp.write("program/FighterList", "kfm\r\n");
    addStoredCharacter("Alpha", "alpha", 0);
    open();
    selectRow(0);
    QTest::keyClick(list(), Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_TRUE(popup()->isVisible());
    EXPECT_EQ(popup()->parentWidget(), form.get());

    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(popup());
    QAccessibleInterface* battles = QAccessible::queryAccessibleInterface(battleMenu());
    ASSERT_TRUE(window && menu && battles);
    EXPECT_TRUE(reachesUp(menu, window));
    EXPECT_TRUE(reachesDown(window, menu, 3)); // window, menu bar, its item, the menu
    EXPECT_TRUE(reachesUp(battles, menu));
    EXPECT_TRUE(reachesDown(menu, battles, 2));
    EXPECT_EQ(menu->role(), QAccessible::PopupMenu);
    EXPECT_FALSE(menu->state().invisible);
    EXPECT_EQ(accessibleNames(menu), (QStringList{QStringLiteral("開く(O)"), QStringLiteral("対戦"),
                                                  QString(), QStringLiteral("対戦キャラに登録(R)")}));
    EXPECT_EQ(accessibleNames(battles), QStringList{QStringLiteral("kfm と対戦")});
    popup()->hide();
    // The item that holds it is never shown in the menu bar.
    EXPECT_TRUE(form->menuBar()->actions().contains(popup()->menuAction()));
    EXPECT_FALSE(popup()->menuAction()->isVisible());
}

TEST_F(BattleActions, RegisteringTheSameCharacterTwiceGivesTwoEqualOpponents) {
    addStoredCharacter("Alpha", "alpha", 0);
    open();
    EXPECT_FALSE(battleMenu()->menuAction()->isEnabled());
    EXPECT_TRUE(battleItems().empty());

    selectRow(0);
    find<QAction>("N7")->trigger();
    find<QAction>("N7")->trigger();
    EXPECT_EQ(form->settings().settings().FighterList, Texts({"alpha", "alpha"}));
    EXPECT_EQ(battleItems(), Texts({"Alpha と対戦", "Alpha と対戦"}));
    EXPECT_TRUE(battleMenu()->menuAction()->isEnabled());
    EXPECT_EQ(form->statusBar1().panelText().toStdString(), "対戦相手リストに追加しました : alpha");
    EXPECT_TRUE(form->statusBar1().blinkTimer()->isActive());
    EXPECT_EQ(messages.shown().size(), 1u); // the first-run message only
    form->close();
    EXPECT_EQ(readFile(programFolder + "/FighterList"), "alpha\r\nalpha\r\n");
}

TEST_F(BattleActions, RegisteringNeedsASelectedRowAndANameThatFitsItsBuffer) {
    addStoredCharacter("Long", std::string(1024, 'x'), 0);
    addStoredCharacter("Longest that fits", std::string(1023, 'y'), 0);
    open();
    find<QAction>("N7")->trigger();
    EXPECT_EQ(messages.shown().back(), "何も起りません");
    selectRow(0);
    find<QAction>("N7")->trigger();
    EXPECT_EQ(messages.shown().back(), "失敗しました");
    selectRow(1);
    find<QAction>("N7")->trigger();
    EXPECT_EQ(form->settings().settings().FighterList, Texts({std::string(1023, 'y')}));

    EXPECT_EQ(messages.shown().size(), 3u);
}

TEST_F(BattleActions, TheOpponentsMenuFollowsTheSettingsAtStartAndAfterAChange) {
    temp.write("program/FighterList", "kfm\r\nryu\r\n");
    open();
    EXPECT_EQ(battleItems(), Texts({"kfm と対戦", "ryu と対戦"}));
    AppSettings changed = form->settings().settings();
    changed.FighterList = {"sagat", "R&D"};
    form->settings().store(changed);
    // An "&" in a name is doubled, so that the menu shows it.
    EXPECT_EQ(battleItems(), Texts({"sagat と対戦", "R&&D と対戦"}));
    changed.FighterList.clear();
    form->settings().store(changed);
    EXPECT_FALSE(battleMenu()->menuAction()->isEnabled());
}

// The engine opens no archive: one is never registered, and one left in
// FighterList by an earlier version is not read into the opponents.
TEST_F(BattleActions, AnArchiveIsNeitherRegisteredNorReadAsAnOpponent) {
    const std::string chars = temp.makeFolder("chars");
    temp.makeFolder("chars/Odd.zip"); // a folder character may be named so
    writeSettings("[General]\nMainDir=" + chars + "\n");
    temp.write("program/FighterList",
               "kfm\r\nbluemary.zip\r\nCapcom/Ken.7Z\r\nodd.zip\r\nKOF/kyo/kyo.def\r\n");
    addStoredCharacter("Blue Mary", "Capcom/bluemary.zip", 2);
    open();
    EXPECT_EQ(battleItems(), Texts({"kfm と対戦", "odd.zip と対戦", "KOF/kyo/kyo.def と対戦"}));
    selectRow(0);
    find<QAction>("N7")->trigger();
    EXPECT_EQ(messages.shown().back(),
              "Capcom/bluemary.zip は圧縮ファイルのキャラクターなので対戦できません。\n"
              "対戦させるにはフォルダに展開してください。");
    EXPECT_EQ(battleItems().size(), 3u);
    form->close();
    EXPECT_EQ(readFile(programFolder + "/FighterList"), "kfm\r\nodd.zip\r\nKOF/kyo/kyo.def\r\n");
}

// Opponents are named as the list names them, each with its place in the
// character folder as the tool tip: two "Kung Fu Man" are told apart, and
// no .def path is shown, in the battle menu and on the settings' tab alike.
TEST_F(BattleActions, OpponentsAreShownByNameWithTheirGroupFolderAsTheToolTip) {
    const std::string chars = temp.makeFolder("chars");
    temp.write("chars/KOF/kfm/kfm.def", "[Info]\r\nname = Kung Fu Man\r\n");
    temp.write("chars/Capcom/kfm/kfm.def", "[Info]\r\nname = Kung Fu Man\r\n");
    writeSettings("[General]\nFirstRun=0\nMainDir=" + chars + "\nSearchSubfolders=1\n");
    temp.write("program/FighterList", "gone\r\n");
    addStoredCharacter("Kung Fu Man", "KOF/kfm", 0);
    addStoredCharacter("Kung Fu Man", "Capcom/kfm", 0);
    open();
    for (const int row : {0, 1}) {
        selectRow(row);
        find<QAction>("N7")->trigger();
    }
    ASSERT_EQ(form->settings().settings().FighterList,
              Texts({"gone", "KOF/kfm/kfm.def", "Capcom/kfm/kfm.def"}));
    // A line the catalogue no longer holds is shown as it is.
    const QList<QAction*> items = battleMenu()->actions();
    EXPECT_EQ(battleItems(), Texts({"gone と対戦", "Kung Fu Man と対戦", "Kung Fu Man と対戦"}));
    EXPECT_EQ(items[1]->toolTip(), QStringLiteral("KOF/kfm"));
    EXPECT_EQ(items[2]->toolTip(), QStringLiteral("Capcom/kfm"));
    EXPECT_TRUE(battleMenu()->toolTipsVisible());

    QStringList shown;
    QStringList tips;
    whenModalShows([&](QWidget* modal) {
        const auto* opponents = modal->findChild<QListWidget*>(QStringLiteral("ListBox3"));
        for (int row = 0; row < opponents->count(); ++row) {
            shown << opponents->item(row)->text();
            tips << opponents->item(row)->toolTip();
        }
        modal->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    });
    find<QAction>("O1")->trigger();
    EXPECT_EQ(shown, (QStringList{QStringLiteral("gone"), QStringLiteral("Kung Fu Man"),
                                  QStringLiteral("Kung Fu Man")}));
    EXPECT_EQ(tips,
              (QStringList{QString(), QStringLiteral("KOF/kfm"), QStringLiteral("Capcom/kfm")}));
    // OK gives the lines back as they were.
    EXPECT_EQ(form->settings().settings().FighterList,
              Texts({"gone", "KOF/kfm/kfm.def", "Capcom/kfm/kfm.def"}));
}

TEST_F(BattleActions, OpenShowsAFolderCharacterAsItIsOnDiskAndRefusesArchives) {
    const std::string chars = temp.makeFolder("chars");
    temp.makeFolder("chars/Alpha");
    writeSettings("[General]\nMainDir=" + chars + "/\n");
    addStoredCharacter("Alpha", "alpha", 0);
    addStoredCharacter("Beta", "beta.zip", 1);
    addStoredCharacter("Gone", "gone", 0);
    open();
    selectRow(0);
    // The folder is found ignoring letter case, as on Windows.
    find<QAction>("Open1")->trigger();
    ASSERT_EQ(shell.opened.size(), 1);
    EXPECT_EQ(shell.opened[0].toLocalFile().toStdString(), chars + "/Alpha");

    selectRow(1);
    find<QAction>("Open1")->trigger();
    EXPECT_EQ(messages.shown().back(), "開けるのはフォルダのみです");
    selectRow(2);
    find<QAction>("Open1")->trigger();
    EXPECT_EQ(messages.shown().back(), "フォルダを開けませんでした\n" + chars + "/gone");
    EXPECT_EQ(shell.opened.size(), 1);
}

TEST_F(BattleActions, ANestedCharacterIsAnOpponentByItsDefPathAndOpensItsOwnFolder) {
    const std::string chars = temp.makeFolder("chars");
    temp.write("chars/KOF/Kyo/kyo-98.def", "[Info]\r\nname = Kyo\r\n");
    writeSettings("[General]\nMainDir=" + chars + "/\nSearchSubfolders=1\n");
    addStoredCharacter("Kyo", "KOF/kyo", 0);
    open();
    selectRow(0);
    find<QAction>("N7")->trigger();
    // What a battle passes: the engine finds a bare name only at the top level.
    EXPECT_EQ(form->settings().settings().FighterList, Texts({"KOF/kyo/kyo-98.def"}));

    selectRow(0);
    find<QAction>("Open1")->trigger();
    ASSERT_EQ(shell.opened.size(), 1);
    EXPECT_EQ(shell.opened[0].toLocalFile().toStdString(), chars + "/KOF/Kyo");
}

TEST_F(BattleActions, OpenFailsWhenFileNameOrFileTypeCannotBeRead) {
    const std::string chars = temp.makeFolder("chars");
    writeSettings("[General]\nMainDir=" + chars + "/\n");
    addStoredCharacter("A long name", std::string(512, 'n'), 0); // no room for its end
    addStoredCharacter("B longest", std::string(511, 'm'), 0);   // just fits
    insertRow("INSERT INTO CHARACTER_TABLE(NAME, FILENAME, FILETYPE, DELETED) VALUES(?, ?, ?, 0)",
              {BoundValue::ofText("C odd type"), BoundValue::ofText("odd"),
               BoundValue::ofText(std::string(32, 'x'))});
    addStoredCharacter("D removed", "removed", 0);
    open();
    const auto openRow = [&](int row) {
        selectRow(row);
        find<QAction>("Open1")->trigger();
        return messages.shown().back();
    };
    EXPECT_EQ(openRow(0), "失敗しました");
    EXPECT_EQ(openRow(1), "フォルダを開けませんでした\n" + chars + "/" + std::string(511, 'm'));
    EXPECT_EQ(openRow(2), "失敗しました");
    // Another program removes the row while it is selected.
    selectRow(3);
    Kel_CharacterDb other(temp.file("db.sqlite3"));
    ASSERT_TRUE(executeBound(other.statements(), "DELETE FROM CHARACTER_TABLE WHERE FILENAME=?",
                             {BoundValue::ofText("removed")}));
    find<QAction>("Open1")->trigger();
    EXPECT_EQ(messages.shown().back(), "失敗しました");
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(BattleActions, CompleteDeletionRemovesTheRowAndRebuildsTheList) {
    addCharacter("Ryu");
    addCharacter("Ken");
    open();
    selectRow(1);
    find<QAction>("N10")->trigger();
    EXPECT_EQ(rowCaptions(), Texts({"Ryu"}));
    list()->selectionModel()->clearSelection();
    find<QAction>("N10")->trigger(); // nothing selected: nothing happens
    EXPECT_EQ(rowCaptions(), Texts({"Ryu"}));

    messages.queueAnswer(true);
    find<QAction>("DROPTABLECHARACTERTABLE1")->trigger();
    selectRow(0);
    find<QAction>("N10")->trigger();
    EXPECT_EQ(messages.shown().back(), "データ削除失敗");
    EXPECT_EQ(rowCaptions(), Texts({"Ryu"}));
}

} // namespace
} // namespace zorvik::test
