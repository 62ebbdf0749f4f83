#pragma once

#include <optional>

#include <QObject>

#include "core/check/check_report.h"

class QWidget;

namespace zorvik {
class Kel_CharacterDb;
class UserMessages;
struct AppSettings;
} // namespace zorvik

namespace zorvik::gui {

class DialogWorker;
class TForm3;

// Runs one collection check at a time: the job on a worker thread, its
// progress dialog modally over the window until the job ends. Escape or
// the cancel button stop it after the character in hand.
class CheckController : public QObject {
    Q_OBJECT
public:
    CheckController(Kel_CharacterDb& catalogue, UserMessages& messages, QWidget* window);

    // Checks the collection of settings (read now) and returns what was
    // found, also when stopped; none when the check could not start or
    // one is already running.
    std::optional<CheckReport> run(const AppSettings& settings);

    TForm3& dialog() { return *dialog_; }

private:
    CheckReport runJob(const AppSettings& settings, void* ownerWindow);

    Kel_CharacterDb& catalogue_;
    QWidget* window_;
    TForm3* dialog_;
    DialogWorker* worker_;
    bool running_ = false;
};

} // namespace zorvik::gui
