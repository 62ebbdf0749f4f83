#pragma once

#include <atomic>
#include <thread>

#include <QObject>

namespace zorvik {
class UserMessages;
struct AppSettings;
} // namespace zorvik

namespace zorvik::gui {

class TForm1;
class TForm3;

// Runs one list update at a time: the job on a worker thread, the
// progress dialog modally on the UI thread until the job closes it.
class ListUpdateController : public QObject {
    Q_OBJECT
public:
    ListUpdateController(TForm1& form, UserMessages& messages);
    ~ListUpdateController() override;

    TForm3& dialog() { return *Form3; }
    bool isRunning() const { return running_; }

public slots:
    // Starts an update and returns when it has ended; a second request
    // while one runs is ignored.
    void CallForm31Click();

signals:
    // An update has ended and the UI shows its outcome.
    void updateFinished();

private slots:
    // Nothing to do: its arrival wakes the wait for the worker.
    void workerFinished() {}

private:
    bool startWorker();
    // The worker thread's body.
    void runJob(AppSettings settings, void* ownerWindow);
    // Waits for the worker while the UI thread keeps serving the worker's
    // queued calls and message boxes.
    void waitForWorker();

    TForm1& form_;
    UserMessages& messages_;
    TForm3* Form3;
    std::thread worker_;
    std::atomic<bool> workerDone_{false};
    bool running_ = false;
};

} // namespace zorvik::gui
