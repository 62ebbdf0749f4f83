#include "gui/jobs/dialog_worker.h"

#include <chrono>
#include <thread>

#include <QLabel>
#include <gtest/gtest.h>

#include "gui/jobs/progress_dialog.h"
#include "support/recording_messages.h"

namespace zorvik::test {
namespace {

// A job that has closed its dialog goes on for a moment (it saves, it
// counts): the dialog's going is its end, not a request to stop.
TEST(DialogWorker, AJobThatClosedItsDialogIsNotAskedToStopWhileItEnds) {
    RecordingMessages messages;
    gui::DialogWorker worker(messages, nullptr);
    gui::TForm3 dialog(nullptr);
    dialog.setStepText(QStringLiteral("last step"));
    bool askedToStop = true;
    ASSERT_TRUE(worker.run(dialog, [&] {
        QMetaObject::invokeMethod(&dialog, &gui::TForm3::closeByUpdate, Qt::QueuedConnection);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        askedToStop = dialog.cancelFlag().load();
    }));
    EXPECT_FALSE(askedToStop);
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
              QStringLiteral("last step"));
}

} // namespace
} // namespace zorvik::test
