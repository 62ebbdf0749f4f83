#include <algorithm>
#include <filesystem>
#include <future>
#include <optional>

#include <QCloseEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

#include "core/catalogue/character_records.h"
#include "core/catalogue/columns.h"
#include "core/settings/app_settings.h"
#include "gui/jobs/list_update_controller.h"
#include "gui/jobs/progress_dialog.h"
#include "gui/portrait/portrait_pane.h"
#include "gui/window/status_bar.h"
#include "gui_support/job_dialog.h"
#include "gui_support/main_window_fixture.h"
#include "gui_support/modal.h"
#include "support/character_fixture.h"

// The list update as the main window runs it: F5, the status bar, the
// list, and an update held in the middle of its work.
namespace zorvik::test {
namespace {

class ListUpdateWindow : public MainWindowFixture {
protected:
    ListUpdateWindow() : charactersFolder(temp.makeFolder("chars")) {}

    void addFolderCharacter(const std::string& folder, const std::string& name) {
        DefFields fields;
        fields.name = name;
        temp.write("chars/" + folder + "/" + folder + ".def", defText(fields));
    }

    gui::TForm1& openOnCharacters() {
        writeSettings("[General]\nFirstRun=0\nMainDir=" + charactersFolder + "\n");
        return open();
    }

    std::string charactersFolder;
};

TEST_F(ListUpdateWindow, F5RegistersReloadsAndReportsTheCounts) {
    addFolderCharacter("kfm", "Kung Fu Man");
    addFolderCharacter("ryu", "リュウ");
    openOnCharacters();
    EXPECT_TRUE(rowCaptions().empty());
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_F5);
    EXPECT_EQ(rowCaptions(), (Texts{"Kung Fu Man", "リュウ"}));
    const gui::StatusBar& status = form->statusBar1();
    EXPECT_EQ(status.panelText(),
              QStringLiteral("更新処理終了 : 新規追加データ 2件、 更新データ 0件でした。"));
    EXPECT_TRUE(status.blinkTimer()->isActive());
    EXPECT_FALSE(form->listUpdates().dialog().isVisible());
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ListUpdateWindow, AFolderGoneIsCountedBesideTheCountsAndItsRowGreyedAMovedOneFollows) {
    addFolderCharacter("kfm", "Kung Fu Man");
    addFolderCharacter("ryu", "リュウ");
    openOnCharacters();
    const gui::StatusBar& status = form->statusBar1();
    EXPECT_TRUE(status.otherPanelText().isEmpty()); // nothing before the first update
    form->CallForm31Click();
    EXPECT_EQ(status.otherPanelText(), QStringLiteral("見つからなくなったデータ : 0件"));
    std::filesystem::remove_all(temp.file("chars/ryu"));
    addFolderCharacter("ken", "Ken");
    form->CallForm31Click();
    EXPECT_EQ(status.panelText(),
              QStringLiteral("更新処理終了 : 新規追加データ 1件、 更新データ 0件でした。"));
    EXPECT_EQ(status.otherPanelText(), QStringLiteral("見つからなくなったデータ : 1件"));
    EXPECT_EQ(rowCaptions(), (Texts{"Kung Fu Man", "リュウ", "Ken"}));
    const QAbstractItemModel* model = list()->model();
    EXPECT_FALSE(model->index(1, 0).data(Qt::ToolTipRole).toString().isEmpty()); // ryu
    EXPECT_TRUE(model->index(2, 0).data(Qt::ToolTipRole).isNull());              // ken
    // The panel widened to show the whole text.
    const auto* panel = find<QLabel>("StatusPanel1");
    const int textWidth = panel->fontMetrics().horizontalAdvance(panel->text());
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel->width() >= textWidth; }));

    // A renamed folder is a move: its row follows, counted on the counts line.
    std::filesystem::rename(temp.file("chars/kfm"), temp.file("chars/kfm renamed"));
    form->CallForm31Click();
    EXPECT_EQ(status.panelText(), QStringLiteral("更新処理終了 : 新規追加データ 0件、 "
                                                 "更新データ 0件、 移動 1件でした。"));
    EXPECT_EQ(rowCaptions(), (Texts{"Kung Fu Man", "リュウ", "Ken"}));
}

// 画像を登録する switched on after the first update: the next F5 takes the
// portraits of the unchanged characters, without deleting the catalogue.
TEST_F(ListUpdateWindow, PortraitsSwitchedOnLaterComeWithTheNextUpdate) {
    addFolderCharacter("kfm", "Kung Fu Man");
    temp.write("chars/kfm/kfm.sff", portraitSff());
    openOnCharacters();
    form->CallForm31Click();
    AppSettings changed = form->settings().settings();
    changed.RegisterSprite = true;
    form->settings().store(changed);
    form->CallForm31Click();
    const gui::StatusBar& status = form->statusBar1();
    EXPECT_EQ(status.panelText(),
              QStringLiteral("更新処理終了 : 新規追加データ 0件、 更新データ 0件でした。"));
    EXPECT_EQ(status.otherPanelText(),
              QStringLiteral("見つからなくなったデータ : 0件  画像を追加したデータ : 1件"));
    selectRow(0);
    EXPECT_TRUE(find<gui::PortraitPane>("Img")->HasImage());
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ListUpdateWindow, WorkerMessagesReachTheUserAndTheDialogCloses) {
    writeSettings("[General]\nFirstRun=0\nMainDir=" + temp.file("missing") + "\n");
    open();
    form->CallForm31Click();
    EXPECT_EQ(messages.shown(),
              std::vector<std::string>{"ファイル検索を開始できませんでした。\n"
                                       "メインディレクトリの設定が正しいか確認してください。"});
    EXPECT_FALSE(form->listUpdates().dialog().isVisible());
    // The status no longer says that an update runs.
    EXPECT_EQ(form->statusBar1().panelText().toStdString(),
              "キャラクターフォルダを検索できませんでした：" + temp.file("missing"));
    EXPECT_TRUE(form->statusBar1().otherPanelText().isEmpty());
}

TEST_F(ListUpdateWindow, WithNoCharacterFolderTheSettingsShowItEmptyAndF5SaysItIsNotSet) {
    writeSettings("[General]\nFirstRun=0\n");
    openActive();
    const QString statusBefore = form->statusBar1().panelText();
    bool shownEmpty = false;
    whenModalShows([&](QWidget* modal) {
        shownEmpty = modal->findChild<QLineEdit*>(QStringLiteral("Edit1"))->text().isEmpty();
        modal->close();
    });
    find<QAction>("O1")->trigger();
    EXPECT_TRUE(shownEmpty);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_F5);
    EXPECT_EQ(messages.shown(),
              std::vector<std::string>{"キャラクターのフォルダ (MainDir) が設定されていません。"});
    EXPECT_FALSE(form->listUpdates().dialog().isVisible());
    EXPECT_EQ(form->statusBar1().panelText(), statusBefore);
}

// Holds the worker in its first message until the test lets it go on
// (the window's own messages never wait).
class GateMessages : public RecordingMessages {
public:
    using RecordingMessages::show;
    void show(const Message& message) override {
        RecordingMessages::show(message);
        if (QThread::currentThread() != QCoreApplication::instance()->thread()) {
            opened_.wait();
        }
    }
    void open() { gate_.set_value(); }

private:
    std::promise<void> gate_;
    std::shared_future<void> opened_ = gate_.get_future().share();
};

// A window whose first update stops in its first message (a.zip comes
// first, and the temporary folder to extract it in is missing) until the
// gate opens.
class HeldUpdateWindow : public ListUpdateWindow {
protected:
    HeldUpdateWindow() {
        temp.write("chars/a.zip", "PK");
        addFolderCharacter("c1", "First");
        addFolderCharacter("c2", "Second");
        writeSettings("[General]\nFirstRun=0\nMainDir=" + charactersFolder +
                      "\nTempDir=" + temp.file("work/missing/") + "\n");
        form = std::make_unique<gui::TForm1>(gate, shell, choosers, folders());
        form->show();
    }

    std::vector<std::string> heldMessage() const {
        return {temp.file("work/missing/zorvik-scratch-extract-XXXXXX/") + "を作れませんでした"};
    }

    GateMessages gate;
};

TEST_F(HeldUpdateWindow, CancelKeepsWhatWasRegisteredSoFar) {
    whenJobDialogShows([this](gui::TForm3* dialog) {
        QTest::keyClick(dialog, Qt::Key_Escape);
        gate.open();
    });
    form->CallForm31Click();
    EXPECT_EQ(gate.shown(), heldMessage());
    EXPECT_TRUE(rowCaptions().empty());
    EXPECT_EQ(form->statusBar1().panelText(),
              QStringLiteral("更新処理終了 : 新規追加データ 0件、 更新データ 0件でした。"));
    // Nothing was lost: the next update registers the rest.
    form->CallForm31Click();
    EXPECT_EQ(rowCaptions(), (Texts{"First", "Second"}));
}

TEST_F(HeldUpdateWindow, ClosingTheWindowDuringAnUpdateStopsItAndSaves) {
    // As on SIGTERM: the modal dialog is hidden, then the window closes; the
    // worker goes on only once the dialog's loop has ended.
    whenJobDialogShows([this](gui::TForm3* dialog) {
        dialog->hide();
        QTimer::singleShot(0, form.get(), &QWidget::close);
        QTimer::singleShot(0, form.get(), [this] { gate.open(); });
    });
    QSignalSpy finished(&form->listUpdates(), &gui::ListUpdateController::updateFinished);
    form->CallForm31Click();
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(gate.shown(), heldMessage());
    EXPECT_TRUE(rowCaptions().empty()); // stopped after the character in hand
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->isVisible(); }));
    EXPECT_NE(settingsText().find("FirstRun=0"), std::string::npos);
}

// The window replaces a portrait while the update's worker is in the
// middle of its work: the PNG goes through the temporary folder into the
// catalogue, the update registers the rest, and the current folder stays.
TEST_F(HeldUpdateWindow, APortraitReplacedDuringAnUpdateAndTheUpdateBothLandWhereTheyShould) {
    addCharacter("Ryu");
    form->UpdateCharList();
    selectRow(0);
    QImage chosen(40, 30, QImage::Format_RGB32);
    chosen.fill(Qt::green);
    ASSERT_TRUE(chosen.save(QString::fromStdString(temp.file("chosen.png"))));
    choosers.answer(QString::fromStdString(temp.file("chosen.png")));
    whenJobDialogShows([this](gui::TForm3*) {
        // The worker is held in the middle of its work; the temporary
        // folder it missed is there for the portrait.
        ASSERT_TRUE(QTest::qWaitFor([&] { return !gate.shown().empty(); }));
        std::filesystem::create_directories(temp.file("work/missing"));
        find<gui::PortraitPane>("Img")->ImgClick();
        gate.open();
    });
    form->CallForm31Click();
    EXPECT_EQ(gate.shown(), heldMessage());

    Texts captions = rowCaptions();
    std::sort(captions.begin(), captions.end());
    EXPECT_EQ(captions, (Texts{"First", "Ryu", "Second"}));
    Kel_CharacterDb catalogue(temp.file("db.sqlite3"));
    const auto png = CharacterRecords(catalogue).columnText(1, kImageColumn);
    ASSERT_TRUE(png.has_value());
    EXPECT_EQ(QImage::fromData(QByteArray::fromStdString(*png)).size(), QSize(40, 30));
    for (const std::string& folder :
         {temp.file("work/missing"), charactersFolder, temp.path(), programFolder}) {
        EXPECT_FALSE(std::filesystem::exists(folder + "/tempimage.png")) << folder;
    }
    EXPECT_EQ(platform::currentFolder(), temp.path());
}

TEST_F(HeldUpdateWindow, TheCloseButtonStopsTheUpdateKeepsWhatWasRegisteredAndCloses) {
    addFolderCharacter("0first", "Zero"); // registered before the update is held
    bool modalDuringUpdate = true;
    bool closedAtOnce = true;
    QString stepText;
    whenJobDialogShows([&](gui::TForm3* dialog) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !gate.shown().empty(); }));
        // No modal window is up, so the window system lets the close box
        // reach the window; what it sends is this.
        modalDuringUpdate = QApplication::activeModalWidget() != nullptr;
        QCloseEvent close;
        QApplication::sendEvent(form.get(), &close);
        closedAtOnce = close.isAccepted();
        stepText = dialog->findChild<QLabel*>(QStringLiteral("Label1"))->text();
        gate.open();
    });
    QSignalSpy finished(&form->listUpdates(), &gui::ListUpdateController::updateFinished);
    form->CallForm31Click();
    EXPECT_FALSE(modalDuringUpdate);
    EXPECT_FALSE(closedAtOnce); // not while the update runs
    // Stopped as キャンセル stops it.
    EXPECT_EQ(stepText, QStringLiteral("処理停止中……お待ち下さい"));
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(rowCaptions(), (Texts{"Zero"})); // kept; the rest was not read
    EXPECT_EQ(form->statusBar1().panelText(),
              QStringLiteral("更新処理終了 : 新規追加データ 1件、 更新データ 0件でした。"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->isVisible(); }));
    EXPECT_NE(settingsText().find("FirstRun=0"), std::string::npos);
}

} // namespace
} // namespace zorvik::test
