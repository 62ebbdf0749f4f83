#include "gui/check/check_report_window.h"

#include <memory>

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include "core/discovery/candidate.h"
#include "gui/check/check_controller.h"
#include "gui/check/collection_check_action.h"
#include "gui/jobs/progress_dialog.h"
#include "gui/list/character_list_pane.h"
#include "gui/list/search_bar.h"
#include "gui/window/status_bar.h"
#include "gui_support/check_window_fixture.h"
#include "gui_support/english_screen.h"
#include "gui_support/job_dialog.h"
#include "gui_support/main_window_fixture.h"
#include "support/catalogue_probe.h"

namespace zorvik::test {
namespace {

TEST_F(CheckWindow, TheReportListsEveryPlantedProblemWithItsCount) {
    gui::CheckReportWindow* window = runCheck();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(form->collectionCheck().controller().dialog().isVisible());
    EXPECT_EQ(tabCaptions(), (Texts{"見つからないキャラ 2 件", "壊れたキャラ 1 件",
                                    "名前と作者が同じ 1 組", "ポートレートが同じ 1 組"}));
    EXPECT_EQ(rows(*reportList("MissingList")),
              (Texts{"5|ghost|リスト更新で記録済み", "6|gone|未記録 (次のリスト更新で記録)"}));
    EXPECT_EQ(rows(*reportList("BrokenList")),
              (Texts{"2|broken|ファイルが見つかりません|broken.def|cns|absent.cns"}));
    EXPECT_EQ(rows(*reportList("SameNameList")),
              (Texts{"グループ 1 (2 件)", "  3|ryu|Ryu|Capcom", "  4|ryu2|ryu | CAPCOM"}));
    EXPECT_EQ(rows(*reportList("SamePortraitList")),
              (Texts{"グループ 1 (2 件)", "  1|kfm|Kung Fu Man|Elecbyte", "  3|ryu|Ryu|Capcom"}));
    EXPECT_EQ(reportList("BrokenList")->accessibleName(), QStringLiteral("壊れたキャラ 1 件"));
    EXPECT_EQ(reportPart<QLabel>("SummaryLabel")->text(),
              QStringLiteral("検査が終わりました。"));
    EXPECT_TRUE(messages.shown().empty());
    // The check only read: nothing was marked.
    EXPECT_EQ(catalogueNames(temp.file("db.sqlite3")).size(), 6u);
}

TEST_F(CheckWindow, ASecondCheckRefreshesTheOpenReport) {
    gui::CheckReportWindow* window = runCheck();
    temp.write("chars/broken/absent.cns", "x");
    EXPECT_EQ(runCheck(), window);
    EXPECT_EQ(tabCaptions()[1], "壊れたキャラ 0 件");
    EXPECT_EQ(reportList("BrokenList")->topLevelItemCount(), 0);
}

TEST_F(CheckWindow, EscapeStopsTheCheckAndTheReportSaysSo) {
    // The worker waits for the catalogue, held here, until Escape was pressed.
    std::unique_ptr<ConnectionLock> held(new ConnectionLock(form->characterDb().lock()));
    QString progressTitle;
    whenJobDialogShows([&held, &progressTitle](gui::TForm3* dialog) {
        progressTitle = dialog->windowTitle();
        QTest::keyClick(dialog, Qt::Key_Escape);
        held.reset();
    });
    runCheck();
    EXPECT_EQ(progressTitle, QStringLiteral("コレクションを検査中"));
    EXPECT_EQ(reportPart<QLabel>("SummaryLabel")->text(),
              QStringLiteral("検査は途中で止められました。それまでに見つかったものです。"));
    // The rows gone were sorted out before the first character was checked.
    EXPECT_EQ(tabCaptions(), (Texts{"見つからないキャラ 2 件", "壊れたキャラ 0 件",
                                    "名前と作者が同じ 0 組", "ポートレートが同じ 0 組"}));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(CheckWindow, ClosingTheWindowDuringTheCheckStopsItAndClosesOnceItHasEnded) {
    std::unique_ptr<ConnectionLock> held(new ConnectionLock(form->characterDb().lock()));
    bool closedAtOnce = true;
    whenJobDialogShows([&](gui::TForm3*) {
        closedAtOnce = form->close();
        held.reset();
    });
    runCheck();
    EXPECT_FALSE(closedAtOnce);
    EXPECT_EQ(reportPart<QLabel>("SummaryLabel")->text(),
              QStringLiteral("検査は途中で止められました。それまでに見つかったものです。"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->isVisible(); }));
    EXPECT_NE(settingsText().find("FirstRun=0"), std::string::npos);
}

TEST_F(CheckWindow, AFolderThatCannotBeListedIsToldAndOpensNoReport) {
    writeSettings("[General]\nFirstRun=0\nMainDir=" + temp.file("absent") + "\n");
    open();
    EXPECT_EQ(runCheck(), nullptr);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0], "キャラクターフォルダを検索できませんでした：" + temp.file("absent"));
}

TEST_F(CheckWindow, DoubleClickSelectsTheRowInTheListOrSaysWhyNot) {
    runCheck();
    QTreeWidget* sameName = reportList("SameNameList");
    doubleClick(*sameName, sameName->topLevelItem(0)->child(1));
    EXPECT_EQ(selectedId(), 4);
    QTreeWidget* missing = reportList("MissingList");
    doubleClick(*missing, missing->topLevelItem(0));
    EXPECT_EQ(selectedId(), 5); // a missing row is still in the list
    doubleClick(*sameName, sameName->topLevelItem(0)); // a heading stands for no row
    EXPECT_EQ(selectedId(), 5);

    // Searched for Kung Fu Man only: ryu2 is not shown.
    find<QLineEdit>("Edit1")->setText(QStringLiteral("Kung"));
    find<gui::SearchBar>("Panel2")->Timer1Timer();
    ASSERT_EQ(rowCaptions(), Texts({"Kung Fu Man"}));
    doubleClick(*sameName, sameName->topLevelItem(0)->child(1));
    EXPECT_EQ(selectedId(), std::nullopt);
    EXPECT_EQ(form->statusBar1().panelText(),
              QStringLiteral("ID 4 のキャラクターは表示中のリストにありません"
                             " (検索で絞り込まれているか、カタログにありません)"));
    EXPECT_TRUE(form->statusBar1().blinkTimer()->isActive());
}

TEST_F(CheckWindow, DeletingTheMissingRowsAsksWithTheirNumberAndDeletesOnlyThem) {
    runCheck();
    auto* button = reportPart<QPushButton>("DeleteMissingButton");
    ASSERT_TRUE(button->isEnabled());
    messages.queueAnswer(false);
    button->click();
    ASSERT_EQ(messages.asked().size(), 1u);
    EXPECT_EQ(messages.asked()[0].text,
              "リスト更新で見つからないと記録されたキャラ 1 件をカタログから削除します。\n"
              "フォルダやファイルには触れません。よろしいですか？");
    EXPECT_EQ(messages.asked()[0].caption, "確認");
    EXPECT_EQ(rowCaptions().size(), 6u);

    messages.queueAnswer(true);
    button->click();
    // Only ghost was marked: gone waits for a list update to mark it.
    EXPECT_EQ(catalogueNames(temp.file("db.sqlite3")),
              (Texts{"Kung Fu Man", "Broken", "Ryu", "ryu ", "Gone"}));
    EXPECT_EQ(rowCaptions(), (Texts{"Kung Fu Man", "Broken", "Ryu", "ryu ", "Gone"}));
    EXPECT_EQ(rows(*reportList("MissingList")), (Texts{"6|gone|未記録 (次のリスト更新で記録)"}));
    EXPECT_EQ(tabCaptions()[0], "見つからないキャラ 1 件");
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(form->statusBar1().panelText(),
              QStringLiteral("見つからないキャラ 1 件をカタログから削除しました"));

    // Marked by an update after the check: the action reads the catalogue,
    // not the report; the question says that the row's typed notes go too.
    insertRow("UPDATE CHARACTER_TABLE SET DELETED=2, COMMENT='my notes' WHERE FILENAME=?",
              {BoundValue::ofText("gone")});
    messages.queueAnswer(true);
    form->collectionCheck().DeleteMissingClick();
    EXPECT_EQ(messages.asked().back().text,
              "リスト更新で見つからないと記録されたキャラ 1 件をカタログから削除します。\n"
              "そのうち 1 件には入力したコメント・作者2・付加情報があり、それも消えます。\n"
              "フォルダやファイルには触れません。よろしいですか？");
    EXPECT_EQ(rowCaptions().size(), 4u);
    EXPECT_TRUE(reportList("MissingList")->topLevelItemCount() == 0);
    form->collectionCheck().DeleteMissingClick();
    EXPECT_EQ(messages.shown().back(), "リスト更新で見つからないと記録されたキャラはありません。");
    EXPECT_EQ(messages.asked().size(), 3u);
}

// The same collection and check with the program in English.
class CheckWindowInEnglish : public CheckWindow {
protected:
    const EnglishScreen english; // built before SetUp opens the window
};

TEST_F(CheckWindowInEnglish, TheReportItsListsAndTheRemovalSpeakEnglish) {
    ASSERT_TRUE(english.installed());
    gui::CheckReportWindow* window = runCheck();
    ASSERT_NE(window, nullptr);
    const QStringList japanese = japaneseCaptions(*window);
    EXPECT_TRUE(japanese.isEmpty()) << japanese.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(form->collectionCheck().controller().dialog().windowTitle(),
              QStringLiteral("Checking the Collection"));
    EXPECT_EQ(tabCaptions(),
              (Texts{"Missing: 2", "Broken: 1", "Same Name and Author: 1", "Same Portrait: 1"}));
    EXPECT_EQ(rows(*reportList("MissingList")),
              (Texts{"5|ghost|Marked by a list update",
                     "6|gone|Not marked yet (the next list update marks it)"}));
    EXPECT_EQ(rows(*reportList("BrokenList")),
              (Texts{"2|broken|File not found|broken.def|cns|absent.cns"}));
    EXPECT_EQ(rows(*reportList("SameNameList")),
              (Texts{"Group 1 (2 characters)", "  3|ryu|Ryu|Capcom", "  4|ryu2|ryu | CAPCOM"}));
    EXPECT_EQ(reportPart<QLabel>("SummaryLabel")->text(), QStringLiteral("The check is complete."));
    expectEverythingOnShow(*window);

    messages.queueAnswer(true);
    reportPart<QPushButton>("DeleteMissingButton")->click();
    ASSERT_EQ(messages.asked().size(), 1u);
    EXPECT_EQ(messages.asked()[0].text,
              "Characters marked missing by a list update: 1. They will be deleted from the "
              "catalogue.\nNo folder or file is touched. Continue?");
    EXPECT_EQ(messages.asked()[0].caption, "Confirm");
    EXPECT_EQ(form->statusBar1().panelText(),
              QStringLiteral("Missing characters deleted from the catalogue: 1"));
    form->collectionCheck().DeleteMissingClick();
    EXPECT_EQ(messages.shown().back(), "No character is marked missing by a list update.");
}

// The first line of the report for a stopped check that met archives it
// could not look into, in either language.
class CheckSummaryLine : public ::testing::Test {
protected:
    static QString summaryOf(const CheckReport& report) {
        gui::CheckReportWindow window(nullptr);
        window.setReport(report);
        return window.findChild<QLabel*>(QStringLiteral("SummaryLabel"))->text();
    }
    static CheckReport stoppedWithArchivesNotChecked() {
        CheckReport report;
        report.completed = false;
        report.archivesNotChecked = 3;
        return report;
    }
};

TEST_F(CheckSummaryLine, InJapaneseItIsWordedAsBefore) {
    EXPECT_EQ(summaryOf(stoppedWithArchivesNotChecked()),
              QStringLiteral("検査は途中で止められました。それまでに見つかったものです。\n"
                             "アーカイブ 3 件は、プラグインが中のファイルの一覧を出せないため、"
                             "ファイルを確かめていません。"));
}

TEST_F(CheckSummaryLine, InEnglishItHasNoJapanese) {
    const EnglishScreen english;
    ASSERT_TRUE(english.installed());
    EXPECT_EQ(summaryOf(stoppedWithArchivesNotChecked()),
              QStringLiteral("The check was stopped before its end. This is what it had found by "
                             "then.\nArchives whose files were not checked, as the plug-in cannot "
                             "list what they hold: 3."));
    CheckReport clean;
    clean.completed = true;
    EXPECT_EQ(summaryOf(clean), QStringLiteral("No problems were found."));
}

} // namespace
} // namespace zorvik::test
