#include "gui/grid/portrait_loader.h"

#include <algorithm>

#include <QCoreApplication>
#include <QThread>

namespace zorvik::gui {

PortraitLoader::PortraitLoader(Decoder decoder, QObject* parent)
    : QObject(parent), decoder_(std::move(decoder)) {
    // One core stays with the GUI thread.
    pool_.setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
}

PortraitLoader::~PortraitLoader() {
    waiting_.clear();
    pool_.waitForDone();
}

void PortraitLoader::request(qint64 id) {
    if (!asked_.insert(id).second) {
        return;
    }
    waiting_.push_back(id);
    if (waiting_.size() > kWaitingLimit) {
        asked_.erase(waiting_.front());
        waiting_.pop_front();
    }
    startLater();
}

void PortraitLoader::startLater() {
    if (startPending_) {
        return;
    }
    startPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            startPending_ = false;
            startWaiting();
        },
        Qt::QueuedConnection);
}

void PortraitLoader::forgetWaiting() {
    for (const qint64 id : waiting_) {
        asked_.erase(id);
    }
    waiting_.clear();
}

void PortraitLoader::startWaiting() {
    while (!waiting_.empty() && running_ < pool_.maxThreadCount()) {
        const qint64 id = waiting_.back();
        waiting_.pop_back();
        ++running_;
        pool_.start([this, id] {
            const GridPortrait portrait = decoder_(id);
            // Queued to the loader's thread; dropped if the loader is gone by then.
            QMetaObject::invokeMethod(
                this, [this, id, portrait] { deliver(id, portrait); }, Qt::QueuedConnection);
        });
    }
}

void PortraitLoader::deliver(qint64 id, const GridPortrait& portrait) {
    --running_;
    asked_.erase(id);
    emit loaded(id, portrait);
    startWaiting();
}

void PortraitLoader::finishAll() {
    while (!idle()) {
        pool_.waitForDone();
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
}

} // namespace zorvik::gui
