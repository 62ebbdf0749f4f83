#pragma once

#include <atomic>

#include <QDialog>

class QEventLoop;
class QLabel;
class QProgressBar;
class QPushButton;

namespace zorvik::gui {

class BusyIndicator;

// TForm3, "更新作業中": the dialog behind which a long job runs; while it
// is up, the user's input goes to it alone. One instance serves the list
// update (owned by ListUpdateController); another, retitled
// "コレクションを検査中", serves the collection check (owned by
// CheckController). It owns the job's cancel flag. Only the job closes it;
// Escape and the cancel button ask the job to stop.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent);

    // Readies the dialog for a new update: flag cleared, button enabled, position 0.
    void prepareForUpdate();

    // Shows the dialog, the only window that takes input, until the update
    // closes it (or it is hidden otherwise); returns at once when the update
    // asked for that before the dialog was shown.
    void runModal();

    // The update is over: the dialog goes.
    void closeByUpdate();
    bool closedByUpdate() const { return closedByUpdate_; }

    const std::atomic<bool>& cancelFlag() const { return cancel_; }
    void setStepText(const QString& text);
    void setProgressMaximum(int maximum);
    void setProgressPosition(int position);

public slots:
    // キャンセル(&C)
    void Button1Click();
    // Close(Debug)
    void Button2Click();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void FormShow();

    BusyIndicator* Animate1;
    QProgressBar* ProgressBar1;
    QLabel* Label1;
    QPushButton* Button1;
    QPushButton* Button2;
    std::atomic<bool> cancel_{false};
    bool closedByUpdate_ = false;
    // The loop of runModal, while it runs.
    QEventLoop* loop_ = nullptr;
};

} // namespace zorvik::gui
