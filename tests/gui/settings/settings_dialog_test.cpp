#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "gui/jobs/list_update_controller.h"
#include "gui/settings/folders_page.h"
#include "gui_support/settings_dialog_fixture.h"
#include "support/character_fixture.h"

namespace zorvik::test {
namespace {

using SettingsDialog = SettingsDialogFixture;

QString accessibleName(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

TEST_F(SettingsDialog, EverySettingIsShownInItsControl) {
    writeSettings("[General]\nFirstRun=0\nMainDir=/chars/\nTempDir=/scratch/\n"
                  "MugenExeFile=/games/mugen.exe\nBattleParamB=-rounds 1\nRecognizeFileType=5\n"
                  "CharUpdateCheck=0\nUpdateListOnRun=1\nRegisterSprite=1\nRegisterGroup=12\n"
                  "RegisterImage=3\nSearchSubfolders=1\n");
    temp.write("program/FighterList", "kfm\r\nryu\r\n");
    form = std::make_unique<gui::TForm1>(messages, shell, choosers, folders());
    // The update that the first paint starts has ended before the dialog opens.
    QSignalSpy updates(&form->listUpdates(), &gui::ListUpdateController::updateFinished);
    form->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return updates.count() == 1; }));
    inSettings(Close::Cancel, [&] {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("設定"));
        const auto* tabs = inDialog<QTabWidget>("PageControl1");
        EXPECT_EQ(tabs->currentIndex(), 0);
        EXPECT_EQ(tabs->tabText(4), QStringLiteral("対戦相手"));
        EXPECT_EQ(inDialog<QLineEdit>("Edit1")->text(), QStringLiteral("/chars/"));
        EXPECT_EQ(inDialog<QLineEdit>("Edit2")->text(), QStringLiteral("/scratch/"));
        EXPECT_EQ(inDialog<QLineEdit>("Edit3")->text(), QStringLiteral("/games/mugen.exe"));
        EXPECT_EQ(inDialog<QLineEdit>("Edit5")->text(), QStringLiteral("-rounds 1"));
        // Mask 5 excludes folders (1) and 7-zip (4).
        EXPECT_FALSE(inDialog<QCheckBox>("CheckBox1")->isChecked());
        EXPECT_TRUE(inDialog<QCheckBox>("CheckBox2")->isChecked());
        EXPECT_FALSE(inDialog<QCheckBox>("CheckBox3")->isChecked());
        EXPECT_TRUE(inDialog<QCheckBox>("CheckBox4")->isChecked());
        EXPECT_FALSE(inDialog<QCheckBox>("CheckBox6")->isChecked());
        EXPECT_TRUE(inDialog<QCheckBox>("CheckBox5")->isChecked());
        EXPECT_TRUE(inDialog<QCheckBox>("CheckBox7")->isChecked());
        EXPECT_TRUE(inDialog<QCheckBox>("SubfoldersBox")->isChecked());
        EXPECT_EQ(accessibleName(inDialog<QCheckBox>("SubfoldersBox")),
                  QStringLiteral("サブフォルダも検索する"));
        EXPECT_EQ(inDialog<QLineEdit>("Edit7")->text(), QStringLiteral("12"));
        EXPECT_EQ(inDialog<QLineEdit>("Edit8")->text(), QStringLiteral("3"));
        EXPECT_EQ(items("ListBox3"), texts({"kfm", "ryu"}));
    });
}

TEST_F(SettingsDialog, OkStoresEveryPageAndThePanesFollow) {
    writeSettings("[General]\nFirstRun=0\nRegisterSprite=1\n");
    open();
    QSignalSpy changes(&form->settings(), &gui::SettingsOwner::changed);
    inSettings(Close::Ok, [&] {
        inDialog<QLineEdit>("Edit4")->setText(QStringLiteral("-p2 kfm"));
        inDialog<QLineEdit>("Edit7")->setText(QStringLiteral("12x"));
        inDialog<QLineEdit>("Edit8")->setText(QString());
        inDialog<QCheckBox>("CheckBox7")->setChecked(false);
        inDialog<QCheckBox>("CheckBox6")->setChecked(false);
        EXPECT_FALSE(inDialog<QCheckBox>("SubfoldersBox")->isChecked()); // off by default
        inDialog<QCheckBox>("SubfoldersBox")->setChecked(true);
    });
    EXPECT_EQ(changes.count(), 1);
    const AppSettings& settings = form->settings().settings();
    EXPECT_TRUE(settings.SearchSubfolders);
    // All four kinds checked: the default 16 becomes 0.
    EXPECT_EQ(settings.RecognizeFileType, 0);
    EXPECT_EQ(settings.RegisterGroup, 9000);
    EXPECT_EQ(settings.RegisterImage, 1);
    EXPECT_FALSE(settings.RegisterSprite);
    EXPECT_FALSE(settings.CharUpdateCheck);
    // An empty character folder is shown, and kept, empty: an update then says it is not set.
    EXPECT_EQ(settings.MainDir, "");
    EXPECT_EQ(find<QToolButton>("ToolButton3")->toolTip(), QStringLiteral("-p2 kfm"));

    inSettings(Close::Ok, [&] {
        inDialog<QLineEdit>("Edit7")->setText(QStringLiteral(" 42 "));
        inDialog<QCheckBox>("CheckBox2")->setChecked(false);
        inDialog<QCheckBox>("CheckBox4")->setChecked(false);
    });
    EXPECT_EQ(form->settings().settings().RegisterGroup, 42);
    EXPECT_EQ(form->settings().settings().RecognizeFileType, 2 + 8);
}

TEST_F(SettingsDialog, CancelKeepsEverythingAsItWas) {
    temp.write("program/FighterList", "a\r\nb\r\nc\r\nd\r\n");
    open();
    QSignalSpy changes(&form->settings(), &gui::SettingsOwner::changed);
    inSettings(Close::Cancel, [&] {
        click("Button9"); // no selection: nothing
        EXPECT_EQ(items("ListBox3").size(), 4);
        select("ListBox3", 1);
        click("Button9");
        EXPECT_EQ(items("ListBox3"), texts({"a", "c", "d"}));
        EXPECT_EQ(inDialog<QListWidget>("ListBox3")->currentRow(), 1);
        select("ListBox3", 2);
        click("Button9");
        EXPECT_EQ(inDialog<QListWidget>("ListBox3")->currentRow(), 1); // the new last
        inDialog<QLineEdit>("Edit4")->setText(QStringLiteral("-p2"));
        select("ListBox1", 0);
        click("Button6");
    });
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(form->settings().settings().FighterList,
              (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(headerCaptions().front(), "NAME");
    EXPECT_TRUE(find<QToolButton>("ToolButton3")->toolTip().isEmpty());

    inSettings(Close::Ok, [&] {
        select("ListBox3", 0);
        click("Button9");
    });
    form->close();
    EXPECT_EQ(readFile(programFolder + "/FighterList"), "b\r\nc\r\nd\r\n");
}

TEST_F(SettingsDialog, AFolderChosenForTheCharactersIsWhatTheNextUpdateLists) {
    DefFields fields;
    fields.name = "Kung Fu Man";
    temp.write("chars/kfm/kfm.def", defText(fields));
    const std::string characters = temp.file("chars");
    writeSettings("[General]\nFirstRun=0\n");
    open();
    choosers.answer(QString::fromStdString(characters));
    inSettings(Close::Ok, [&] {
        click("Button3");
        EXPECT_EQ(inDialog<QLineEdit>("Edit1")->text().toStdString(), characters);
    });
    ASSERT_EQ(choosers.calls().size(), 1u);
    EXPECT_EQ(choosers.calls()[0].kind, ScriptedChoosers::Kind::Folder);
    EXPECT_TRUE(choosers.calls()[0].start.isEmpty()); // the chooser's own start
    form->CallForm31Click();
    EXPECT_EQ(rowCaptions(), Texts({"Kung Fu Man"}));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(SettingsDialog, TheTemporaryFolderAndEngineChoosersFillTheirBoxes) {
    writeSettings("[General]\nFirstRun=0\nTempDir=/scratch/\nMugenExeFile=/old/mugen.exe\n");
    open();
    choosers.cancelNext();
    choosers.answer(QStringLiteral("/games/mugen"));
    inSettings(Close::Ok, [&] {
        click("Button4");
        click("Button5");
    });
    ASSERT_EQ(choosers.calls().size(), 2u);
    EXPECT_EQ(choosers.calls()[0].start, QStringLiteral("/scratch/"));
    EXPECT_EQ(choosers.calls()[1].kind, ScriptedChoosers::Kind::FileToOpen);
    EXPECT_EQ(choosers.calls()[1].start, QStringLiteral("/old/mugen.exe"));
    EXPECT_EQ(choosers.calls()[1].filter, gui::FoldersPage::kEngineFilter);
    EXPECT_EQ(form->settings().settings().TempDir, "/scratch/");
    EXPECT_EQ(form->settings().settings().MugenExeFile, "/games/mugen");
}

TEST_F(SettingsDialog, LeavingTheFolderBoxesReportsAMissingCharacterFolderThatOkStillTakes) {
    writeSettings("[General]\nFirstRun=0\n");
    const std::string missing = temp.file("missing");
    open();
    inSettings(Close::Ok, [&] {
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        auto* edit1 = inDialog<QLineEdit>("Edit1");
        edit1->setFocus();
        edit1->setText(QString::fromStdString(temp.path()));
        QTest::keyClick(edit1, Qt::Key_Tab);
        QCoreApplication::processEvents();
        EXPECT_TRUE(messages.shown().empty());
        edit1->setText(QString::fromStdString(missing));
        edit1->setFocus();
        inDialog<QLineEdit>("Edit3")->setFocus();
        QCoreApplication::processEvents();
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.shown()[0], missing + "は存在しないディレクトリです。");
        // A cancelled chooser leaves the text, and Button3 checks it again.
        click("Button3");
        EXPECT_EQ(messages.shown().size(), 2u);
    });
    EXPECT_EQ(form->settings().settings().MainDir, missing);
}

TEST_F(SettingsDialog, ThePortraitNumbersLookInUseOnlyWhileCheckBox7IsChecked) {
    writeSettings("[General]\nFirstRun=0\nRegisterSprite=0\n");
    open();
    inSettings(Close::Cancel, [&] {
        auto* edit7 = inDialog<QLineEdit>("Edit7");
        const QPalette standard = QApplication::palette(edit7);
        EXPECT_EQ(edit7->palette().color(QPalette::Base), standard.color(QPalette::Button));
        EXPECT_EQ(edit7->palette().color(QPalette::Text),
                  standard.color(QPalette::Disabled, QPalette::Text));
        EXPECT_TRUE(edit7->isEnabled() && !edit7->isReadOnly());
        inDialog<QCheckBox>("CheckBox7")->click();
        for (const char* name : {"Edit7", "Edit8"}) {
            EXPECT_EQ(inDialog<QLineEdit>(name)->palette().color(QPalette::Base),
                      standard.color(QPalette::Base));
            EXPECT_EQ(inDialog<QLineEdit>(name)->palette().color(QPalette::Text),
                      standard.color(QPalette::Text));
        }
    });
}

// Every caption fits at the dialog's font, on every tab.
void expectNothingClipped(QTabWidget& tabs) {
    for (int tab = 0; tab < tabs.count(); ++tab) {
        tabs.setCurrentIndex(tab);
        QWidget* page = tabs.widget(tab);
        for (QWidget* control : page->findChildren<QWidget*>()) {
            if (qobject_cast<QLabel*>(control) || qobject_cast<QCheckBox*>(control) ||
                qobject_cast<QGroupBox*>(control)) {
                EXPECT_GE(control->width(), control->minimumSizeHint().width())
                    << control->objectName().toStdString();
                EXPECT_GE(control->height(), control->minimumSizeHint().height())
                    << control->objectName().toStdString();
            }
        }
    }
}

TEST_F(SettingsDialog, LaidOutWholeNamedForAssistiveToolsOkByDefaultAndEscapeCancels) {
    writeSettings("[General]\nFirstRun=0\n");
    open();
    bool rejected = false;
    inSettings(Close::Cancel, [&] {
        auto* tabs = inDialog<QTabWidget>("PageControl1");
        expectNothingClipped(*tabs);
        for (const char* edit : {"Edit1", "Edit4", "Edit7", "ListBox1", "StringGrid1"}) {
            EXPECT_FALSE(accessibleName(inDialog<QWidget>(edit)).isEmpty()) << edit;
        }
        EXPECT_EQ(accessibleName(inDialog<QWidget>("Edit3")), QStringLiteral("MUGEN実行ファイル"));
        EXPECT_TRUE(inDialog<QPushButton>("Button1")->isDefault());
        QSignalSpy rejects(dialog, &QDialog::rejected);
        QTest::keyClick(inDialog<QLineEdit>("Edit1"), Qt::Key_Escape);
        rejected = rejects.count() == 1;
    });
    EXPECT_TRUE(rejected);
    for (const char* button : {"ToolButton1", "ToolButton3", "ToolButton4", "ToolButton5"}) {
        EXPECT_FALSE(accessibleName(find<QToolButton>(button)).isEmpty()) << button;
    }
}

} // namespace
} // namespace zorvik::test
