#pragma once

#include <atomic>
#include <functional>
#include <thread>

#include <QObject>

namespace zorvik {
class UserMessages;
} // namespace zorvik

namespace zorvik::gui {

class TForm3;

// Runs a window's long jobs, one at a time: each on a worker thread while
// its progress dialog is up on the UI thread. The job closes the dialog
// (with a queued call) when it is done; a dialog dismissed otherwise asks
// the job to stop, as its cancel button does.
class DialogWorker : public QObject {
    Q_OBJECT
public:
    DialogWorker(UserMessages& messages, QObject* parent);
    ~DialogWorker() override;

    // Asked before each job starts; false keeps it from starting. A job
    // ends by rebuilding the list, which the window may not allow yet.
    void askBeforeEachJob(std::function<bool()> mayStart) { mayStart_ = std::move(mayStart); }

    // Readies dialog, runs job and returns when it has ended and the calls
    // it queued have taken effect; false when another job is running, the
    // question above said no, or no thread could be started (the user was told).
    bool run(TForm3& dialog, std::function<void()> job);

    bool isRunning() const { return dialog_ != nullptr; }
    // Asks the running job to stop after the item in hand, as its cancel
    // button does; what it did so far stays.
    void stop();

signals:
    // A job has ended, just before run returns.
    void finished();

private slots:
    // Nothing to do: its arrival wakes the wait for the worker.
    void workerFinished() {}

private:
    bool startWorker(std::function<void()> job);
    // Waits for the worker while the UI thread keeps serving the worker's
    // queued calls and message boxes.
    void waitForWorker();

    UserMessages& messages_;
    std::function<bool()> mayStart_;
    TForm3* dialog_ = nullptr; // the running job's
    std::thread worker_;
    std::atomic<bool> workerDone_{false};
};

} // namespace zorvik::gui
