#pragma once

#include <QObject>

namespace zorvik {
class Kel_CharacterDb;
class UserMessages;
struct AppSettings;
struct ListUpdateOutcome;
} // namespace zorvik

namespace zorvik::gui {

class DialogWorker;
class ListUpdateHost;
class TForm3;

// Runs one list update at a time: the job on a worker thread, the
// progress dialog modally on the UI thread until the job closes it.
class ListUpdateController : public QObject {
    Q_OBJECT
public:
    // settings are read when an update starts; the update works on a copy.
    ListUpdateController(ListUpdateHost& host, const AppSettings& settings,
                         Kel_CharacterDb& catalogue, UserMessages& messages, QObject* parent);

    TForm3& dialog() { return *Form3; }

public slots:
    // Starts an update and returns when it has ended; a second request
    // while one runs is ignored.
    void runOneUpdate();

signals:
    // An update has ended and the UI shows its outcome.
    void updateFinished();

private:
    // The worker thread's body.
    ListUpdateOutcome runJob(const AppSettings& settings, void* ownerWindow);

    ListUpdateHost& host_;
    const AppSettings& settings_;
    Kel_CharacterDb& catalogue_;
    UserMessages& messages_;
    TForm3* Form3;
    DialogWorker* worker_;
    bool running_ = false;
};

} // namespace zorvik::gui
