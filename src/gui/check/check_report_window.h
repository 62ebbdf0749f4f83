#pragma once

#include <array>

#include <QDialog>

#include "core/check/check_report.h"

class QLabel;
class QPushButton;
class QTabWidget;
class QTreeWidgetItem;

namespace zorvik::gui {

class CheckReportList;

// The collection check's report: a tab per problem (characters gone from
// the character folder, broken characters, duplicates by name and author,
// duplicates by portrait), each with its count in the tab's caption. It
// stays open beside the main window: activating an entry (double-click or
// Enter) asks for its row in the main list, and the first tab offers the
// removal of the rows marked missing.
class CheckReportWindow : public QDialog {
    Q_OBJECT
public:
    explicit CheckReportWindow(QWidget* parent);

    // Shows report in place of what was shown, the window widened to show
    // every column of its lists.
    void setReport(const CheckReport& report);

    // Moves the window beside window (to its right when the screen has
    // room, else over its right edge), so that the list stays in sight.
    void placeBeside(const QWidget& window);

signals:
    // An entry standing for the catalogue row id was activated.
    void entryActivated(qint64 id);
    void deleteMissingRequested();

private:
    CheckReportList* addList(const QString& objectName, const QStringList& headers, bool sorted);
    // As wide as the widest list needs, within the screen; never narrower
    // than designed or than the window already is.
    void fitWidth();
    QWidget* missingPage();
    void setCaption(int tab, const QString& caption);
    void activate(QTreeWidgetItem* item);

    QLabel* summary_;
    QTabWidget* tabs_;
    // The list of each tab, in tab order.
    std::array<CheckReportList*, 4> lists_{};
    QPushButton* deleteMissing_ = nullptr;
};

} // namespace zorvik::gui
