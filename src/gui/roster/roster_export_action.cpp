#include "gui/roster/roster_export_action.h"

#include <QAbstractItemModel>
#include <QGuiApplication>
#include <QTreeView>

#include "core/check/folder_index.h"
#include "core/platform/user_messages.h"
#include "core/roster/roster_export.h"
#include "core/text/message.h"
#include "gui/app/settings_owner.h"
#include "gui/app/shown_language.h"
#include "gui/list/character_list_pane.h"
#include "gui/roster/roster_export_dialog.h"
#include "gui/roster/roster_report_dialog.h"

namespace zorvik::gui {

namespace {

// The wait cursor while the export reads every character folder of the list.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

RosterExportAction::RosterExportAction(Kel_CharacterDb& db, const CharacterListPane& list,
                                       const SettingsOwner& settings, UserMessages& messages,
                                       Choosers& choosers, QWidget* window)
    : QObject(window), db_(db), list_(list), settings_(settings), messages_(messages),
      choosers_(choosers), window_(window) {}

RosterOptions RosterExportAction::initialOptions() const {
    RosterOptions options = last_;
    if (options.target.empty()) {
        options.target = defaultRosterTarget(settings_.inUse().MugenExeFile);
    }
    return options;
}

void RosterExportAction::SelectDef1Click() {
    RosterReport report;
    const auto exportRoster = [this, &report](const RosterOptions& options) {
        last_ = options;
        report = exportWith(options);
        if (!report.succeeded()) {
            messages_.show(withArguments(tr("select.defを書き出せませんでした。\n%1").toStdString(),
                                         {shownText(report.errorText).toStdString()}));
        }
        return report.succeeded();
    };
    RosterExportDialog dialog(choosers_, initialOptions(), list_.listView()->model()->rowCount(),
                              exportRoster, window_);
    if (dialog.exec() == QDialog::Accepted) {
        showReport(report);
    }
}

RosterReport RosterExportAction::exportWith(RosterOptions options) const {
    const WaitCursor wait;
    // The check looks where the engine would, in its data folder too.
    options.engineDataFolder = engineDataFolder(settings_.inUse().MugenExeFile);
    return ExportRoster(db_, settings_.inUse().MainDir, list_.criteria(), options);
}

void RosterExportAction::showReport(const RosterReport& report) {
    if (!leftOutAny(report)) {
        messages_.show(rosterSummary(report));
        return;
    }
    RosterReportDialog dialog(report, window_);
    dialog.exec();
}

} // namespace zorvik::gui
