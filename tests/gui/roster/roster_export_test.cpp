#include "gui/roster/roster_export_dialog.h"

#include <filesystem>
#include <functional>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/discovery/candidate.h"
#include "core/roster/roster_backups.h"
#include "gui/list/character_list_pane.h"
#include "gui/list/search_bar.h"
#include "gui/roster/roster_report_dialog.h"
#include "gui_support/access_keys.h"
#include "gui_support/english_screen.h"
#include "gui_support/main_window_fixture.h"
#include "gui_support/modal.h"
#include "gui_support/roster_export_fixture.h"
#include "support/character_fixture.h"

namespace zorvik::test {
namespace {

TEST_F(RosterExportWindow, TheDialogOffersTheEnginesSelectDefAndCancelWritesNothing) {
    // The engine's folders as a Windows user named them: found ignoring case.
    std::filesystem::remove(temp.file("mugen/data"));
    temp.write("mugen/Data/Select.def", "[Characters]\r\nsandbag\r\n");
    addFolder("kfm", "kfm.def", "Kung Fu Man");
    openWindow();
    const std::string other = temp.file("other/select.def");
    choosers.answer(QString::fromStdString(other));
    choosers.cancelNext();
    QString offered;
    QString afterChoice;
    QString rowsLine;
    runDialog([&](gui::RosterExportDialog& dialog) {
        offered = targetEdit(dialog)->text();
        rowsLine = part<QLabel>(dialog, "RowCountLabel")->text();
        button(dialog, "TargetButton")->click();
        afterChoice = targetEdit(dialog)->text();
        button(dialog, "TargetButton")->click(); // cancelled: the choice stays
        EXPECT_EQ(targetEdit(dialog)->text(), afterChoice);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(offered.toStdString(), temp.file("mugen/Data/Select.def"));
    EXPECT_EQ(afterChoice.toStdString(), other);
    EXPECT_TRUE(rowsLine.contains(QStringLiteral(" 1 件")));
    ASSERT_EQ(choosers.calls().size(), 2u);
    EXPECT_EQ(choosers.calls()[0].kind, ScriptedChoosers::Kind::FileToSave);
    EXPECT_EQ(choosers.calls()[0].start, offered);
    EXPECT_EQ(choosers.calls()[0].filter,
              QStringLiteral("select.def|select.def;*.def|全てのファイル(*.*)|*.*"));
    EXPECT_EQ(choosers.calls()[1].start, afterChoice);
    EXPECT_EQ(readFile(temp.file("mugen/Data/Select.def")), "[Characters]\r\nsandbag\r\n");
    EXPECT_FALSE(std::filesystem::exists(temp.file("mugen/Data/Select.def.bak")));
    EXPECT_FALSE(std::filesystem::exists(other));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(RosterExportWindow, WritesTheSearchedAndSortedListAndReportsTheArchives) {
    addFolder("kfm", "kfm.def", "Kung Fu Man");
    addFolder("ryu", "ryu.def", "Ryu");
    addFolder("kfg", "girl.def", "Kung Fu Girl");
    addStoredCharacter("Kung Fu Zip", "kfz.zip", kZipCharacter);
    addStoredCharacter("Kung Fu Ghost", "ghost", kFolderCharacter); // its folder is gone
    openWindow();
    find<QComboBox>("ComboBox1")->setCurrentIndex(1); // NAME
    find<QLineEdit>("Edit1")->setText(QStringLiteral("Kung"));
    find<gui::SearchBar>("Panel2")->Timer1Timer();
    form->listPane().ListView1ColumnClick(0); // NAME ascending
    form->listPane().ListView1ColumnClick(0); // descending
    ASSERT_EQ(rowCaptions(),
              Texts({"Kung Fu Zip", "Kung Fu Man", "Kung Fu Girl", "Kung Fu Ghost"}));
    selectRow(1);
    QStringList archives;
    QStringList notFound;
    QString summary;
    QString archivesName;
    exportWith(
        [](gui::RosterExportDialog& dialog) {
            part<QRadioButton>(dialog, "StageRandom")->click();
            part<QComboBox>(dialog, "OrderBox")->setCurrentText(QStringLiteral("3"));
        },
        [&](QWidget* report) {
            summary = part<QLabel>(*report, "SummaryLabel")->text();
            for (const auto& [name, texts] :
                 {std::pair{"ArchivesList", &archives}, std::pair{"DefNotFoundList", &notFound}}) {
                const auto* list = part<QListWidget>(*report, name);
                for (int row = 0; list != nullptr && row < list->count(); ++row) {
                    *texts << list->item(row)->text();
                }
            }
            archivesName = part<QListWidget>(*report, "ArchivesList")->accessibleName();
            EXPECT_EQ(report->findChild<QListWidget*>(QStringLiteral("NotNameableList")), nullptr);
            report->close();
        });
    EXPECT_EQ(readFile(selectDef()),
              "[Characters]\r\nkfm, random, order=3\r\nkfg/girl.def, random, order=3\r\n");
    EXPECT_EQ(archives, QStringList{QStringLiteral("Kung Fu Zip (kfz.zip)")});
    EXPECT_EQ(notFound, QStringList{QStringLiteral("Kung Fu Ghost (ghost)")});
    EXPECT_TRUE(summary.contains(QStringLiteral(" 2 行を書き出しました")));
    EXPECT_TRUE(archivesName.startsWith(QStringLiteral("アーカイブ")));
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(form->listPane().selectedRow(), 1); // the list's selection stays
}

TEST_F(RosterExportWindow, MergeKeepsOtherCharactersLinesAndReplaceDropsThem) {
    addFolder("kfm", "kfm.def", "Kung Fu Man");
    const std::string rest = "\r\n[ExtraStages]\r\nstages/x.def\r\n";
    const std::string original =
        "; my roster\r\n[Characters]\r\nsandbag\r\nKFM, stages/old.def\r\n" + rest;
    temp.write("mugen/data/select.def", original);
    openWindow();
    exportWith([](gui::RosterExportDialog& dialog) {
        part<QRadioButton>(dialog, "MergeButton")->click();
    });
    const std::string merged = "; my roster\r\n[Characters]\r\nsandbag\r\nkfm\r\n" + rest;
    EXPECT_EQ(readFile(selectDef()), merged);
    ASSERT_EQ(messages.shown().size(), 1u);
    const std::string mergeReport = messages.shown()[0];
    EXPECT_NE(mergeReport.find("1 行を書き出しました"), std::string::npos) << mergeReport;
    EXPECT_NE(mergeReport.find("以前の行を 1 行残しました"), std::string::npos) << mergeReport;
    EXPECT_NE(mergeReport.find(selectDef() + ".bak"), std::string::npos) << mergeReport;

    // The dialog offers the last choices again; replace is picked by hand.
    bool offeredMerge = false;
    exportWith([&](gui::RosterExportDialog& dialog) {
        offeredMerge = part<QRadioButton>(dialog, "MergeButton")->isChecked();
        part<QRadioButton>(dialog, "ReplaceButton")->click();
    });
    EXPECT_TRUE(offeredMerge);
    EXPECT_EQ(readFile(selectDef()), "; my roster\r\n[Characters]\r\nkfm\r\n" + rest);
    // The first backup keeps the user's own file; the second export's is dated.
    EXPECT_EQ(readFile(selectDef() + ".bak"), original);
    const std::vector<std::string> dated = RosterBackups(selectDef()).dated();
    ASSERT_EQ(dated.size(), 1u);
    EXPECT_EQ(readFile(dated[0]), merged);
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_NE(messages.shown()[1].find(dated[0]), std::string::npos) << messages.shown()[1];
}

TEST_F(RosterExportWindow, AnUnwritableTargetIsReportedAndNothingIsLost) {
    addFolder("kfm", "kfm.def", "Kung Fu Man");
    // A file where the folder should be: refused even to a user who may write anywhere.
    const std::string blocker = temp.write("blocker", "not a folder");
    openWindow();
    runDialog([&](gui::RosterExportDialog& dialog) {
        targetEdit(dialog)->setText(QString::fromStdString(blocker + "/select.def"));
        button(dialog, "ExportButton")->click();
        EXPECT_TRUE(dialog.isVisible()); // a failure leaves the choices to mend
        dialog.reject();
    });
    ASSERT_EQ(messages.shown().size(), 1u);
    const std::string text = messages.shown()[0];
    EXPECT_EQ(text.rfind("select.defを書き出せませんでした。\n", 0), 0u) << text;
    EXPECT_NE(text.find(blocker), std::string::npos) << text;
    EXPECT_EQ(readFile(blocker), "not a folder");
    EXPECT_FALSE(std::filesystem::exists(selectDef()));
}

TEST_F(RosterExportWindow, AfterAMissingDataFolderTheDialogStaysOpenWithTheChoices) {
    addFolder("kfm", "kfm.def", "Kung Fu Man");
    std::filesystem::remove(temp.file("mugen/data"));
    openWindow();
    std::vector<bool> open;
    QString targetAfterFailure;
    bool randomAfterFailure = false;
    exportWith([&](gui::RosterExportDialog& dialog) {
        part<QRadioButton>(dialog, "StageRandom")->click();
        button(dialog, "ExportButton")->click(); // no data folder yet
        open.push_back(dialog.isVisible());
        targetAfterFailure = targetEdit(dialog)->text();
        randomAfterFailure = part<QRadioButton>(dialog, "StageRandom")->isChecked();
        temp.makeFolder("mugen/data"); // mended: the second click writes
    });
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_NE(messages.shown()[0].find("mugen/data"), std::string::npos) << messages.shown()[0];
    EXPECT_EQ(open, std::vector<bool>{true});
    EXPECT_EQ(targetAfterFailure.toStdString(), selectDef());
    EXPECT_TRUE(randomAfterFailure);
    EXPECT_EQ(readFile(selectDef()), "[Characters]\r\nkfm, random\r\n");
}

TEST_F(RosterExportWindow, WritingNeedsRowsATargetAndAStagePath) {
    addFolder("kfm", "kfm.def", "Kung Fu Man");
    openWindow();
    std::vector<bool> enabled;
    runDialog([&](gui::RosterExportDialog& dialog) {
        QPushButton* ok = button(dialog, "ExportButton");
        enabled.push_back(ok->isEnabled() && ok->isDefault());
        part<QRadioButton>(dialog, "StageFixed")->click();
        enabled.push_back(ok->isEnabled()); // no stage path yet
        part<QLineEdit>(dialog, "StagePathEdit")->setText(QStringLiteral("stages/kfm.def"));
        enabled.push_back(ok->isEnabled());
        targetEdit(dialog)->clear();
        enabled.push_back(ok->isEnabled());
        dialog.reject();
    });
    find<QLineEdit>("Edit1")->setText(QStringLiteral("nobody"));
    find<gui::SearchBar>("Panel2")->Timer1Timer();
    runDialog([&](gui::RosterExportDialog& dialog) {
        enabled.push_back(button(dialog, "ExportButton")->isEnabled());
        dialog.reject();
    });
    EXPECT_EQ(enabled, (std::vector<bool>{true, false, true, false, false}));
    EXPECT_FALSE(std::filesystem::exists(selectDef()));
}

// The dialog and its report with the program in English.
class RosterExportInEnglish : public RosterExportWindow {
protected:
    const EnglishScreen english; // built before the window and its dialogs
};

TEST_F(RosterExportInEnglish, TheDialogAndTheReportAreInEnglishWithDistinctAccessKeys) {
    ASSERT_TRUE(english.installed());
    addFolder("kfm", "kfm.def", "Kung Fu Man");
    addStoredCharacter("Kung Fu Zip", "kfz.zip", kZipCharacter);
    openWindow();
    choosers.cancelNext();
    QStringList dialogJapanese;
    QStringList dialogClashes;
    QString rowsLine;
    QStringList reportJapanese;
    QStringList reportClashes;
    QString summary;
    exportWith(
        [&](gui::RosterExportDialog& dialog) {
            dialogJapanese = japaneseCaptions(dialog);
            dialogClashes = clashingAccessKeys(dialog);
            rowsLine = part<QLabel>(dialog, "RowCountLabel")->text();
            button(dialog, "TargetButton")->click();
        },
        [&](QWidget* report) {
            reportJapanese = japaneseCaptions(*report);
            reportClashes = clashingAccessKeys(*report);
            summary = part<QLabel>(*report, "SummaryLabel")->text();
            report->close();
        });
    EXPECT_TRUE(dialogJapanese.isEmpty()) << dialogJapanese.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(dialogClashes.isEmpty()) << dialogClashes.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(rowsLine.startsWith(QStringLiteral("Characters shown in the list: 2.")))
        << rowsLine.toStdString();
    ASSERT_EQ(choosers.calls().size(), 1u);
    EXPECT_EQ(choosers.calls()[0].filter,
              QStringLiteral("select.def|select.def;*.def|All Files (*.*)|*.*"));
    EXPECT_TRUE(reportJapanese.isEmpty()) << reportJapanese.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(reportClashes.isEmpty()) << reportClashes.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(summary.toStdString(), "Lines written to " + selectDef() + ": 1.");
}

TEST_F(RosterExportInEnglish, AFailureIsToldInEnglishWithTheReasonAsItCame) {
    ASSERT_TRUE(english.installed());
    addFolder("kfm", "kfm.def", "Kung Fu Man");
    const std::string blocker = temp.write("blocker", "not a folder");
    openWindow();
    runDialog([&](gui::RosterExportDialog& dialog) {
        targetEdit(dialog)->setText(QString::fromStdString(blocker + "/select.def"));
        button(dialog, "ExportButton")->click();
        dialog.reject();
    });
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].rfind("Could not write select.def.\n", 0), 0u)
        << messages.shown()[0];
}

// Every line the summary can have: a merge through a link that left a
// dated backup beside the first one.
RosterReport everySummaryLine(const std::string& target) {
    RosterReport report;
    report.target = target;
    report.linkPath = "/roster/link.def";
    report.linesWritten = 12;
    report.linesKept = 3;
    report.backupPath = target + ".20260102-030405.bak";
    return report;
}

TEST(RosterSummary, InJapaneseEveryLineIsWordedAsBefore) {
    const RosterReport report = everySummaryLine("/mugen/data/select.def");
    EXPECT_EQ(gui::rosterSummary(report),
              "/mugen/data/select.def に 12 行を書き出しました。\n"
              "/roster/link.def はリンクなので、リンク先のファイルを書き換えました。\n"
              "以前の行を 3 行残しました。\n"
              "元のファイルは /mugen/data/select.def.20260102-030405.bak に残してあります。\n"
              "最初のバックアップ /mugen/data/select.def.bak はそのまま残してあります "
              "(日時付きのバックアップは新しい 10 個まで)。");
    RosterReport unchanged;
    unchanged.target = "/mugen/data/select.def";
    unchanged.unchanged = true;
    EXPECT_EQ(gui::rosterSummary(unchanged),
              "/mugen/data/select.def はすでにこの内容です。何も書き換えていません。");
}

TEST(RosterSummary, InEnglishEveryLineIsEnglishAndAPercentInAPathStaysAsItIs) {
    const EnglishScreen english;
    ASSERT_TRUE(english.installed());
    // "%2" in the file's name: a second pass would put the line count there.
    const RosterReport report = everySummaryLine("/mugen/100%2/select.def");
    EXPECT_EQ(gui::rosterSummary(report),
              "Lines written to /mugen/100%2/select.def: 12.\n"
              "/roster/link.def is a link, so the file it points to was written.\n"
              "Earlier lines kept: 3.\n"
              "The old file is kept as /mugen/100%2/select.def.20260102-030405.bak.\n"
              "The first backup, /mugen/100%2/select.def.bak, is kept as it was (of the dated "
              "backups, the newest 10 are kept).");
}

} // namespace
} // namespace zorvik::test
