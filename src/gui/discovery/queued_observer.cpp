#include "gui/discovery/queued_observer.h"

#include <QMetaObject>

#include "gui/discovery/progress_dialog.h"
#include "gui/mainwindow/main_window.h"
#include "gui/mainwindow/status_bar.h"

namespace zorvik::gui {

template <typename Function> void QueuedObserver::post(Function function) {
    QMetaObject::invokeMethod(&form_, std::move(function), Qt::QueuedConnection);
}

void QueuedObserver::setStatusText(const std::string& text) {
    post([form = &form_, text] { form->statusBar1().setPanelText(QString::fromStdString(text)); });
}

void QueuedObserver::setLabel(const std::string& text) {
    post([dialog = &dialog_, text] { dialog->setStepText(QString::fromStdString(text)); });
}

void QueuedObserver::setProgressMaximum(int maximum) {
    post([dialog = &dialog_, maximum] { dialog->setProgressMaximum(maximum); });
}

void QueuedObserver::setProgressPosition(int position) {
    post([dialog = &dialog_, position] { dialog->setProgressPosition(position); });
}

void QueuedObserver::closeDialog() {
    post([dialog = &dialog_] { dialog->closeByUpdate(); });
}

void QueuedObserver::reloadList() {
    post([form = &form_] { form->UpdateCharList(); });
}

void QueuedObserver::startBlink() {
    post([form = &form_] { form->statusBar1().startBlink(); });
}

} // namespace zorvik::gui
