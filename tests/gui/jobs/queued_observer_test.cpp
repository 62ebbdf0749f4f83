#include "gui/jobs/queued_list_update_observer.h"

#include <thread>

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QThread>
#include <gtest/gtest.h>

#include "gui/app/status_messages.h"
#include "support/recording_messages.h"

namespace zorvik::test {
namespace {

// Records each change with the thread it was made on.
class RecordingStatus : public gui::StatusMessages {
public:
    void setPanelText(const QString& text) override { record(QStringLiteral("status:") + text); }
    void ShowStatusMessage(const QString& text) override { record(QStringLiteral("message:") + text); }
    void startBlink() override { record(QStringLiteral("blink")); }
    void setOtherPanelText(const QString& text) override { record(QStringLiteral("other:") + text); }

    void record(const QString& change) {
        changes << change;
        onUiThread = onUiThread && QThread::currentThread() == qApp->thread();
    }

    QStringList changes;
    bool onUiThread = true;
};

class QueuedObserverTest : public ::testing::Test {
protected:
    template <typename Child> Child* child(const char* name) {
        return dialog.findChild<Child*>(QString::fromLatin1(name));
    }

    QObject context;
    gui::TForm3 dialog{nullptr};
    RecordingStatus status;
    gui::JobPanes panes{nullptr, status, [this] { status.record(QStringLiteral("reload")); }};
    RecordingMessages messages;
    gui::QueuedListUpdateObserver observer{context, dialog, panes, messages};
};

TEST_F(QueuedObserverTest, CallsFromTheWorkerTakeEffectOnTheUiThreadInTheirOrder) {
    std::thread worker([this] {
        observer.setStatusText(Message::of(MessageKind::UpdateRunning));
        observer.setProgressMaximum(4);
        observer.setLabel(Message::of(MessageKind::CheckingCharacter, "kfm"));
        observer.setProgressPosition(3);
        observer.reloadList();
        observer.setStatusText(Message::verbatim("done"));
        observer.startBlink();
    });
    worker.join();
    EXPECT_TRUE(status.changes.isEmpty()); // nothing before the UI thread serves its queue
    QApplication::processEvents();
    EXPECT_EQ(status.changes,
              (QStringList{QStringLiteral("status:更新処理中..."), QStringLiteral("reload"),
                           QStringLiteral("status:done"), QStringLiteral("blink")}));
    EXPECT_TRUE(status.onUiThread);
    EXPECT_EQ(child<QProgressBar>("ProgressBar1")->maximum(), 4);
    EXPECT_EQ(child<QProgressBar>("ProgressBar1")->value(), 3);
    EXPECT_EQ(child<QLabel>("Label1")->text(), QStringLiteral("確認中：kfm"));
}

TEST_F(QueuedObserverTest, DoneClosesTheDialogAfterWhatCameBefore) {
    dialog.prepareForUpdate();
    std::thread worker([this] {
        observer.setLabel(Message::verbatim("last step"));
        observer.done();
    });
    worker.join();
    dialog.runModal(); // served from its own loop, until done closes it
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(child<QLabel>("Label1")->text(), QStringLiteral("last step"));
}

TEST_F(QueuedObserverTest, MessagesAndQuestionsGoToTheUserAndTheAnswerComesBack) {
    messages.queueAnswer(true);
    bool answer = false;
    std::thread worker([&] {
        observer.show("a message");
        answer = observer.askYesNo("a question?", "確認");
    });
    worker.join();
    EXPECT_TRUE(answer);
    EXPECT_EQ(messages.shown(), std::vector<std::string>{"a message"});
    ASSERT_EQ(messages.asked().size(), 1u);
    EXPECT_EQ(messages.asked()[0].caption, "確認");
}

} // namespace
} // namespace zorvik::test
