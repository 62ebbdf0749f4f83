#pragma once

#include <deque>
#include <functional>
#include <unordered_set>

#include <QObject>
#include <QThreadPool>

#include "gui/grid/portrait_cache.h"

namespace zorvik::gui {

// Decodes portraits off the GUI thread, for the rows the grid is drawing.
// Requests made while a page is painted are only noted; the decodes start
// from the event loop once the paint is over. The newest request goes
// first, and only the latest few wait: rows scrolled past are dropped, and
// asked for again should they be drawn. Results arrive on the thread that
// owns the loader.
class PortraitLoader : public QObject {
    Q_OBJECT
public:
    // Runs on a worker thread: reads and prepares one row's portrait.
    using Decoder = std::function<GridPortrait(qint64 id)>;
    // How many requests may wait; a page of the grid holds far fewer.
    static constexpr std::size_t kWaitingLimit = 96;

    PortraitLoader(Decoder decoder, QObject* parent);
    // Waits for the decodes under way; their results are dropped.
    ~PortraitLoader() override;

    // Asks for a row's portrait; a row already asked for is not asked twice.
    void request(qint64 id);
    // Drops every waiting request (the rows have changed).
    void forgetWaiting();
    // Nothing waits and nothing is being decoded.
    bool idle() const { return waiting_.empty() && running_ == 0; }
    // Blocks until idle and every result has been delivered (for measuring).
    void finishAll();

signals:
    void loaded(qint64 id, const zorvik::gui::GridPortrait& portrait);

private:
    void startLater();
    void startWaiting();
    void deliver(qint64 id, const GridPortrait& portrait);

    Decoder decoder_;
    QThreadPool pool_;
    std::deque<qint64> waiting_;
    // Waiting or being decoded.
    std::unordered_set<qint64> asked_;
    int running_ = 0;
    bool startPending_ = false;
};

} // namespace zorvik::gui
