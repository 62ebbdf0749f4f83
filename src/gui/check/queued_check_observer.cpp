#include "gui/check/queued_check_observer.h"

#include <QMetaObject>

#include "gui/jobs/progress_dialog.h"

namespace zorvik::gui {

template <typename Function> void QueuedCheckObserver::post(Function function) {
    QMetaObject::invokeMethod(&context_, std::move(function), Qt::QueuedConnection);
}

void QueuedCheckObserver::setLabel(const std::string& text) {
    post([dialog = &dialog_, text] { dialog->setStepText(QString::fromStdString(text)); });
}

void QueuedCheckObserver::setProgressMaximum(int maximum) {
    post([dialog = &dialog_, maximum] { dialog->setProgressMaximum(maximum); });
}

void QueuedCheckObserver::setProgressPosition(int position) {
    post([dialog = &dialog_, position] { dialog->setProgressPosition(position); });
}

void QueuedCheckObserver::closeDialog() {
    post([dialog = &dialog_] { dialog->closeByUpdate(); });
}

} // namespace zorvik::gui
