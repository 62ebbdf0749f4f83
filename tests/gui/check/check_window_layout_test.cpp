#include <QScreen>
#include <QTreeWidget>

#include "gui_support/check_window_fixture.h"

namespace zorvik::test {
namespace {

// Missing rows by file name as a person orders them, and at the window's
// own size every column of every tab on show and no button caption cut,
// however long the group folders' paths.
TEST_F(CheckWindow, ListsRunInNaturalOrderAndShowEveryColumnAndWholeButtons) {
    for (const char* fileName : {"whip_10", "whip_2"}) {
        addRow(fileName, "", fileName, 2);
    }
    const std::string group = "Capcom/Street Fighter III 3rd Strike/secret characters by others";
    temp.write("chars/" + group + "/gouki/gouki.def",
               defNaming("Gouki", "states/a rather long folder name/gouki-third-strike.cns"));
    addRow("Gouki", "", group + "/gouki", 0);
    writeSettings("[General]\nFirstRun=0\nSearchSubfolders=1\nMainDir=" + temp.file("chars") +
                  "\n");
    open();
    gui::CheckReportWindow* window = runCheck();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(rows(*reportList("MissingList")),
              (Texts{"5|ghost|リスト更新で記録済み", "6|gone|未記録 (次のリスト更新で記録)",
                     "8|whip_2|リスト更新で記録済み", "7|whip_10|リスト更新で記録済み"}));
    expectEverythingOnShow(*window);
    // Placed beside the list once its width was known: the screen holds all of it.
    EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()))
        << window->frameGeometry().right();
}

} // namespace
} // namespace zorvik::test
