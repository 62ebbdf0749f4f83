#pragma once

#include <string>
#include <vector>

#include <QDialog>

#include "core/roster/roster_options.h"

namespace zorvik::gui {

// What an export did, for the user: the file, the lines written and kept,
// the backup. Enough on its own when no character was left out.
std::string rosterSummary(const RosterReport& report);

// True when the report names characters the export left out.
bool leftOutAny(const RosterReport& report);

// The report of an export that left characters out: the summary over one
// list per reason (archives, no .def found, names a line cannot hold).
class RosterReportDialog : public QDialog {
    Q_OBJECT
public:
    RosterReportDialog(const RosterReport& report, QWidget* parent);

private:
    // caption has %1 for the number of characters.
    void addList(const QString& objectName, const QString& caption,
                 const std::vector<RosterCharacter>& characters);
};

} // namespace zorvik::gui
