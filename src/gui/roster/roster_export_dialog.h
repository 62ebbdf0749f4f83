#pragma once

#include <QDialog>

#include "core/roster/roster_options.h"

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
// target file, the stage and order=N every line gets, and whether the old
// lines of other characters stay. Nothing is written here; the caller
// exports with options() when the dialog is accepted.
class RosterExportDialog : public QDialog {
    Q_OBJECT
public:
    // initial fills the controls; shownRows is how many rows the list shows.
    RosterExportDialog(Choosers& choosers, const RosterOptions& initial, int shownRows,
                       QWidget* parent);

    // The options as the controls stand.
    RosterOptions options() const;

private slots:
    void chooseTarget();
    void updateInputs();

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
    QLineEdit* TargetEdit = nullptr;
    QRadioButton* StageNone = nullptr;
    QRadioButton* StageRandom = nullptr;
    QRadioButton* StageFixed = nullptr;
    QLineEdit* StagePathEdit = nullptr;
    QComboBox* OrderBox = nullptr;
    QRadioButton* ReplaceButton = nullptr;
    QRadioButton* MergeButton = nullptr;
    QPushButton* ExportButton = nullptr;
};

} // namespace zorvik::gui
