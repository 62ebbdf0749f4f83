#pragma once

#include <cstdint>

#include <QObject>
#include <QPointer>

#include "core/check/check_report.h"

class QWidget;

namespace zorvik {
class Kel_CharacterDb;
class UserMessages;
} // namespace zorvik

namespace zorvik::gui {

class CharacterListPane;
class CheckController;
class CheckReportWindow;
class DialogWorker;
class SettingsOwner;
class StatusMessages;
struct JobPanes;

// The ツール menu's collection check: runs the check with its progress
// dialog, shows the report beside the main window, selects a reported
// character's row in the list, and removes the rows marked missing once
// the user has agreed to their number.
class CollectionCheckAction : public QObject {
    Q_OBJECT
public:
    // The check runs on worker and reports to panes, beside panes.window.
    CollectionCheckAction(Kel_CharacterDb& db, CharacterListPane& list,
                          const SettingsOwner& settings, UserMessages& messages,
                          const JobPanes& panes, DialogWorker& worker);

    CheckController& controller() { return *controller_; }
    // The report window, while one is open.
    CheckReportWindow* reportWindow() const;

public slots:
    // コレクションを検査(&C)...
    void Check1Click();
    // Selects the row of id in the main list, or says why it cannot.
    void selectEntry(qint64 id);
    // 見つからないキャラをカタログから削除(&D)... in the report window
    void DeleteMissingClick();

private:
    void showReport();
    // The report without the entries of rows that were deleted.
    void dropMissing(const std::vector<std::int64_t>& ids);

    Kel_CharacterDb& db_;
    CharacterListPane& list_;
    const SettingsOwner& settings_;
    UserMessages& messages_;
    StatusMessages& status_;
    QWidget* window_;
    CheckController* controller_;
    QPointer<CheckReportWindow> reportWindow_;
    CheckReport report_;
};

} // namespace zorvik::gui
