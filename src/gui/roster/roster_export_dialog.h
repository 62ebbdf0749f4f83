#pragma once

#include <functional>

#include <QDialog>

#include "core/roster/roster_options.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zorvik::gui {

class Choosers;

// Asks how to write the engine's select.def from the list as shown: the
// target file, the stage and order=N every line gets, whether the old
// lines of other characters stay, and whether broken characters are left out. 書き出す hands the
// options to the caller's export; the dialog closes only when that succeeded, so that after a
// failure (a folder missing, a read-only file) the user's choices are still there to be mended.
class RosterExportDialog : public QDialog {
    Q_OBJECT
public:
    // Writes with the options; false (having told the user why) keeps the dialog open.
    using Export = std::function<bool(const RosterOptions&)>;

    // initial fills the controls; shownRows is how many rows the list shows.
    RosterExportDialog(Choosers& choosers, const RosterOptions& initial, int shownRows,
                       Export exportRoster, QWidget* parent);

    // The options as the controls stand.
    RosterOptions options() const;

private slots:
    void chooseTarget();
    void updateInputs();
    void exportAndClose();

private:
    QFormLayout* makeForm();
    QDialogButtonBox* makeButtons();
    QWidget* makeTargetRow();
    QWidget* makeStageGroup();
    QWidget* makeModeGroup();
    QRadioButton* addExplainedRadio(QWidget& group, const QString& objectName,
                                    const QString& caption, const QString& explanation);
    QLabel* makeRowCountLabel(int shownRows);
    void fill(const RosterOptions& initial);

    Choosers& choosers_;
    int shownRows_ = 0;
    Export export_;
    QLineEdit* TargetEdit = nullptr;
    QRadioButton* StageNone = nullptr;
    QRadioButton* StageRandom = nullptr;
    QRadioButton* StageFixed = nullptr;
    QLineEdit* StagePathEdit = nullptr;
    QComboBox* OrderBox = nullptr;
    QRadioButton* ReplaceButton = nullptr;
    QRadioButton* MergeButton = nullptr;
    QCheckBox* LeaveOutBrokenBox = nullptr;
    QPushButton* ExportButton = nullptr;
};

} // namespace zorvik::gui
