#include "gui/jobs/progress_dialog.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "gui/app/designed_font.h"
#include "gui/jobs/busy_indicator.h"
#include "gui/jobs/input_block.h"

namespace zorvik::gui {

TForm3::TForm3(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowMinMaxButtonsHint),
      Animate1(new BusyIndicator(this)), ProgressBar1(new QProgressBar(this)),
      Label1(new QLabel(this)), Button1(new QPushButton(tr("キャンセル(&C)"), this)),
      Button2(new QPushButton(QStringLiteral("Close(Debug)"), this)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("更新作業中"));
    setFont(designedFont());
    setFixedSize(429, 94);
    Animate1->setGeometry(16, 16, 48, 48);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(72, 16, 337, 17);
    ProgressBar1->setRange(0, 255);
    ProgressBar1->setTextVisible(false);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(72, 40, 337, 17);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(304, 64, 105, 25);
    Button1->setAutoDefault(false);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(128, 64, 75, 25);
    Button2->setVisible(false);
    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);
}

void TForm3::prepareForUpdate() {
    cancel_.store(false);
    closedByUpdate_ = false;
    Button1->setEnabled(true);
    ProgressBar1->setValue(0);
}

void TForm3::runModal() {
    if (closedByUpdate_) {
        return;
    }
    // Not a modal dialog to the window system, which would then keep the
    // close button of the window behind from working; the block keeps the
    // user's input to this dialog all the same.
    const InputBlock block(*this);
    QEventLoop loop;
    loop_ = &loop;
    show();
    if (isVisible()) {
        loop.exec(QEventLoop::DialogExec);
    }
    loop_ = nullptr;
}

void TForm3::closeByUpdate() {
    closedByUpdate_ = true;
    done(QDialog::Accepted);
}

void TForm3::setStepText(const QString& text) {
    Label1->setText(text);
}

void TForm3::setProgressMaximum(int maximum) {
    ProgressBar1->setMaximum(maximum);
}

void TForm3::setProgressPosition(int position) {
    ProgressBar1->setValue(position);
}

void TForm3::Button1Click() {
    Button1->setEnabled(false);
    cancel_.store(true);
    Label1->setText(tr("処理停止中……お待ち下さい"));
}

void TForm3::Button2Click() {
    done(QDialog::Accepted);
}

void TForm3::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TForm3::FormShow() {
    Animate1->start();
}

void TForm3::hideEvent(QHideEvent* event) {
    Animate1->stop();
    QDialog::hideEvent(event);
    // Hidden by the job's end or by anyone else: the run is over.
    if (loop_ != nullptr) {
        loop_->quit();
    }
}

void TForm3::closeEvent(QCloseEvent* event) {
    // The dialog has no close box; the update decides when it goes.
    event->ignore();
}

void TForm3::reject() {
    // Escape answers the cancel button instead of closing the dialog.
    if (Button1->isEnabled()) {
        Button1Click();
    }
}

} // namespace zorvik::gui
