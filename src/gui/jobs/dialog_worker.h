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

// Runs one long job on a worker thread while its progress dialog is modal
// on the UI thread. The job closes the dialog (with a queued call) when it
// is done; a dialog dismissed otherwise (the program is being closed) asks
// the job to stop, as its cancel button does.
class DialogWorker : public QObject {
    Q_OBJECT
public:
    DialogWorker(TForm3& dialog, UserMessages& messages, QObject* parent);
    ~DialogWorker() override;

    // Readies the dialog, runs job and returns when it has ended and the
    // calls it queued have taken effect; false when no thread could be
    // started (the user was told).
    bool run(std::function<void()> job);

private slots:
    // Nothing to do: its arrival wakes the wait for the worker.
    void workerFinished() {}

private:
    bool startWorker(std::function<void()> job);
    // Waits for the worker while the UI thread keeps serving the worker's
    // queued calls and message boxes.
    void waitForWorker();

    TForm3& dialog_;
    UserMessages& messages_;
    std::thread worker_;
    std::atomic<bool> workerDone_{false};
};

} // namespace zorvik::gui
