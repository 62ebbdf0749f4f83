#pragma once

#include <optional>

#include <QObject>

#include "core/check/check_report.h"

namespace zorvik {
class Kel_CharacterDb;
class UserMessages;
struct AppSettings;
} // namespace zorvik

namespace zorvik::gui {

class DialogWorker;
class TForm3;
struct JobPanes;

// Runs collection checks: the job on the window's worker, its progress
// dialog up over the window until the job ends. Escape or the cancel
// button stop it after the character in hand.
class CheckController : public QObject {
    Q_OBJECT
public:
    CheckController(const JobPanes& panes, DialogWorker& worker, Kel_CharacterDb& catalogue,
                    UserMessages& messages, QObject* parent);

    // Checks the collection of settings (read now) and returns what was
    // found, also when stopped; none when the check could not start or a
    // job is already running.
    std::optional<CheckReport> run(const AppSettings& settings);

    TForm3& dialog() { return *dialog_; }

private:
    CheckReport runJob(const AppSettings& settings, void* ownerWindow);

    const JobPanes& panes_;
    DialogWorker& worker_;
    Kel_CharacterDb& catalogue_;
    UserMessages& messages_;
    TForm3* dialog_;
};

} // namespace zorvik::gui
