#include "gui/jobs/list_update_controller.h"

#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

#include <QSignalSpy>
#include <QWidget>

#include "core/catalogue/character_db.h"
#include "core/platform/stdout_redirect.h"
#include "core/settings/app_settings.h"
#include "gui/app/status_messages.h"
#include "gui/jobs/dialog_worker.h"
#include "gui/jobs/job_panes.h"
#include "gui/jobs/progress_dialog.h"
#include "support/character_fixture.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"

namespace zorvik::test {
namespace {

// Records what an update shows in the status bar.
class FakeStatus : public gui::StatusMessages {
public:
    void setPanelText(const QString& text) override { statusTexts << text; }
    void ShowStatusMessage(const QString& text) override { statusTexts << text; }
    void startBlink() override { ++blinks; }
    void setOtherPanelText(const QString& text) override { otherTexts << text; }

    QStringList statusTexts;
    QStringList otherTexts;
    int blinks = 0;
};

// The panes of a window that is not the main window.
struct FakePanes {
    QWidget window;
    FakeStatus status;
    int reloads = 0;
    gui::JobPanes panes{&window, status, [this] { ++reloads; }};
};

TEST(ListUpdateController, RunsOneUpdateForAnyPanesAndReportsToThem) {
    TempFolder temp;
    DefFields fields;
    fields.name = "Kung Fu Man";
    temp.write("chars/kfm/kfm.def", defText(fields));
    AppSettings settings;
    settings.MainDir = temp.file("chars");
    settings.TempDir = temp.file("");
    Kel_CharacterDb catalogue(temp.file("db.sqlite3"));
    RecordingMessages messages;
    FakePanes fake;
    gui::DialogWorker worker(messages, nullptr);
    gui::ListUpdateController controller(fake.panes, worker, settings, catalogue, messages,
                                         nullptr);
    QSignalSpy finished(&controller, &gui::ListUpdateController::updateFinished);

    controller.runOneUpdate();
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(fake.status.statusTexts,
              (QStringList{
                  QStringLiteral("更新処理中..."),
                  QStringLiteral("更新処理終了 : 新規追加データ 1件、 更新データ 0件でした。")}));
    EXPECT_EQ(fake.reloads, 1);
    EXPECT_EQ(fake.status.blinks, 1);
    EXPECT_EQ(controller.dialog().parentWidget(), &fake.window);
    EXPECT_FALSE(controller.dialog().isVisible());

    // Unchanged: no reload this time.
    controller.runOneUpdate();
    EXPECT_EQ(fake.reloads, 1);
    EXPECT_EQ(fake.status.statusTexts.last(),
              QStringLiteral("更新処理終了 : 新規追加データ 0件、 更新データ 0件でした。"));
    EXPECT_TRUE(messages.shown().empty());

    // The folder gone: its row is marked, the list reloads, the second
    // panel counts it once the counts are shown; an unlistable folder
    // clears the count.
    // (Another character stays: a folder left empty marks nothing.)
    temp.write("chars/ryu/ryu.def", defText(fields));
    std::filesystem::remove_all(temp.file("chars/kfm"));
    controller.runOneUpdate();
    EXPECT_EQ(fake.reloads, 2);
    settings.MainDir = temp.file("absent");
    controller.runOneUpdate();
    EXPECT_EQ(fake.status.otherTexts,
              (QStringList{QStringLiteral("見つからなくなったデータ : 0件"),
                           QStringLiteral("見つからなくなったデータ : 0件"),
                           QStringLiteral("見つからなくなったデータ : 1件"), QString()}));
}

// Two archives that cannot be read do not vanish silently: the second
// panel counts them beside the rows gone.
TEST(ListUpdateController, EntriesThatCouldNotBeReadAreCountedInTheStatusBar) {
    TempFolder temp;
    temp.write("chars/kfm/kfm.def", defText({}));
    temp.write("chars/broken.zip", "this is not a zip archive");
    temp.write("chars/damaged.7z", "7z\xBC\xAF\x27\x1C and nothing more");
    AppSettings settings;
    settings.MainDir = temp.file("chars");
    settings.TempDir = temp.file("");
    Kel_CharacterDb catalogue(temp.file("db.sqlite3"));
    RecordingMessages messages;
    FakePanes fake;
    gui::DialogWorker worker(messages, nullptr);
    gui::ListUpdateController controller(fake.panes, worker, settings, catalogue, messages,
                                         nullptr);
    controller.runOneUpdate();
    EXPECT_EQ(fake.status.statusTexts.last(),
              QStringLiteral("更新処理終了 : 新規追加データ 1件、 更新データ 0件でした。"));
    EXPECT_EQ(fake.status.otherTexts.last(),
              QStringLiteral("見つからなくなったデータ : 0件  読み込めなかったエントリ 2件"));
    EXPECT_TRUE(messages.shown().empty());
}

TEST(ListUpdateController, EmptiedFolderMarksNothingAndTheStatusBarSaysSo) {
    TempFolder temp;
    temp.write("chars/kfm/kfm.def", defText({}));
    AppSettings settings;
    settings.MainDir = temp.file("chars");
    settings.TempDir = temp.file("");
    Kel_CharacterDb catalogue(temp.file("db.sqlite3"));
    RecordingMessages messages;
    FakePanes fake;
    gui::DialogWorker worker(messages, nullptr);
    gui::ListUpdateController controller(fake.panes, worker, settings, catalogue, messages,
                                         nullptr);
    controller.runOneUpdate();
    std::filesystem::remove_all(temp.file("chars/kfm"));

    controller.runOneUpdate();
    EXPECT_EQ(fake.status.otherTexts, (QStringList{QStringLiteral("見つからなくなったデータ : 0件"),
                                                   QStringLiteral("見つからなくなったデータ : 0件")}));
    EXPECT_EQ(fake.reloads, 1);
    EXPECT_TRUE(fake.status.statusTexts.last().startsWith(
        QStringLiteral("更新処理終了 : 新規追加データ 0件、 更新データ 0件でした。 ")));
    EXPECT_TRUE(fake.status.statusTexts.last().contains(QStringLiteral("印は付けていません")));
    EXPECT_TRUE(messages.shown().empty());
}

// An archive wakes the archiver plug-ins, whose manager traces to standard
// output; the window's update keeps all of it off the terminal.
TEST(ListUpdateController, KeepsTheArchiverTraceOffStandardOutput) {
    TempFolder temp;
    temp.write("chars/a.zip", "PK");
    AppSettings settings;
    settings.MainDir = temp.file("chars");
    settings.TempDir = temp.makeFolder("work");
    Kel_CharacterDb catalogue(temp.file("db.sqlite3"));
    RecordingMessages messages;
    FakePanes fake;
    gui::DialogWorker worker(messages, nullptr);
    gui::ListUpdateController controller(fake.panes, worker, settings, catalogue, messages,
                                         nullptr);
    const std::string captured = temp.file("stdout");
    const int sink = open(captured.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    ASSERT_GE(sink, 0);
    {
        const platform::StdoutRedirect capture(sink);
        controller.runOneUpdate();
    }
    close(sink);
    ASSERT_FALSE(fake.status.statusTexts.isEmpty()); // the update ran to its end
    EXPECT_TRUE(fake.status.statusTexts.last().startsWith(QStringLiteral("更新処理終了")));
    EXPECT_EQ(readFile(captured), "");
}

} // namespace
} // namespace zorvik::test
