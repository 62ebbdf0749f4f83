#include "gui/window/debug_menu.h"

#include <QAction>

#include "gui/window/status_bar.h"
#include "gui_support/main_window_fixture.h"

namespace zorvik::test {
namespace {

using DebugMenu = MainWindowFixture;

TEST_F(DebugMenu, DeletingAllRowsAsksFirstAndLeavesTheListAsItWas) {
    addCharacter("Ryu");
    open();
    find<QAction>("DELETEFROMCHARTABLE1")->trigger(); // answered No
    ASSERT_EQ(messages.asked().size(), 1u);
    EXPECT_EQ(messages.asked()[0].text, "いいの？");
    EXPECT_EQ(messages.asked()[0].caption, "");
    EXPECT_NE(form->statusBar1().panelText().toStdString(), "レコード削除完了");

    messages.queueAnswer(true);
    find<QAction>("DELETEFROMCHARTABLE1")->trigger();
    EXPECT_EQ(form->statusBar1().panelText().toStdString(), "レコード削除完了");
    EXPECT_EQ(rowCaptions(), Texts({"Ryu"})); // not reloaded
    find<QAction>("Update1")->trigger();
    EXPECT_TRUE(rowCaptions().empty());
}

TEST_F(DebugMenu, DroppingTheTableTwiceReportsSqlitesReasonTheSecondTime) {
    open();
    messages.queueAnswer(true);
    messages.queueAnswer(true);
    find<QAction>("DROPTABLECHARACTERTABLE1")->trigger();
    EXPECT_EQ(messages.asked()[0].text, "真ですか！");
    EXPECT_EQ(form->statusBar1().panelText().toStdString(), "テーブル削除完了");
    const std::size_t shownBefore = messages.shown().size();
    find<QAction>("DROPTABLECHARACTERTABLE1")->trigger();
    EXPECT_EQ(form->statusBar1().panelText().toStdString(), "テーブル削除失敗");
    ASSERT_EQ(messages.shown().size(), shownBefore + 1);
    EXPECT_EQ(messages.shown().back(), "no such table: CHARACTER_TABLE");
}

} // namespace
} // namespace zorvik::test
