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
class TForm3;
struct JobPanes;

// Runs list updates: the job on the window's worker, the progress dialog
// up until the job closes it. The update reports to the window's panes:
// the status texts, the list to rebuild, and the rows it newly marked missing.
class ListUpdateController : public QObject {
    Q_OBJECT
public:
    // settings are read when an update starts; the update works on a copy.
    ListUpdateController(const JobPanes& panes, DialogWorker& worker, const AppSettings& settings,
                         Kel_CharacterDb& catalogue, UserMessages& messages, QObject* parent);

    TForm3& dialog() { return *Form3; }

public slots:
    // Starts an update and returns when it has ended; a request while a
    // job runs is ignored.
    void runOneUpdate();

signals:
    // An update has ended and the UI shows its outcome.
    void updateFinished();

private:
    // The worker thread's body.
    ListUpdateOutcome runJob(const AppSettings& settings, void* ownerWindow);
    void showMissingCount(const ListUpdateOutcome& outcome);

    const JobPanes& panes_;
    DialogWorker& worker_;
    const AppSettings& settings_;
    Kel_CharacterDb& catalogue_;
    UserMessages& messages_;
    TForm3* Form3;
};

} // namespace zorvik::gui
