#pragma once

#include <string>

#include <QObject>

namespace zorvik {
class Kel_CharacterDb;
class UserMessages;
struct AppSettings;
struct ListSearch;
struct RecaptureChoice;
} // namespace zorvik

namespace zorvik::gui {

class CharacterListPane;
class DialogWorker;
class SettingsOwner;
class TForm3;
struct JobPanes;

// The ツール menu's re-capture of portraits: after the user agrees, takes
// the portraits of the rows the list shows with its search again from the
// character files, with the portrait numbers in use, on the window's job
// worker with its own progress dialog. Portraits chosen from a file stay.
class PortraitRecaptureAction : public QObject {
    Q_OBJECT
public:
    PortraitRecaptureAction(Kel_CharacterDb& db, CharacterListPane& list,
                            const SettingsOwner& settings, UserMessages& messages,
                            const JobPanes& panes, DialogWorker& worker);

    TForm3& dialog() { return *dialog_; }

    // What the user is asked before the rows of choice are taken again.
    static std::string confirmationText(const RecaptureChoice& choice, const AppSettings& settings);

public slots:
    // ポートレートを取り込み直す(&P)...; a request while a job runs is ignored.
    void RecaptureClick();

signals:
    // A re-capture has ended and the window shows its outcome.
    void recaptureFinished();

private:
    // The worker thread's body.
    void runJob(const AppSettings& settings, const ListSearch& search, void* ownerWindow);

    Kel_CharacterDb& db_;
    CharacterListPane& list_;
    const SettingsOwner& settings_;
    UserMessages& messages_;
    const JobPanes& panes_;
    DialogWorker& worker_;
    TForm3* dialog_;
};

} // namespace zorvik::gui
