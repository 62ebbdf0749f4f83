#include "gui/jobs/queued_observer.h"

#include <QMetaObject>

#include "gui/jobs/list_update_host.h"
#include "gui/jobs/progress_dialog.h"

namespace zorvik::gui {

template <typename Function> void QueuedObserver::post(Function function) {
    QMetaObject::invokeMethod(&context_, std::move(function), Qt::QueuedConnection);
}

void QueuedObserver::setStatusText(const std::string& text) {
    post([host = &host_, text] { host->showStatusText(QString::fromStdString(text)); });
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
    post([host = &host_] { host->reloadList(); });
}

void QueuedObserver::startBlink() {
    post([host = &host_] { host->startStatusBlink(); });
}

} // namespace zorvik::gui
