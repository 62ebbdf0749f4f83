#include "gui/list/list_column_fit.h"

#include <QEvent>
#include <QHeaderView>
#include <QTreeView>

namespace zorvik::gui {

ListColumnFit::ListColumnFit(QTreeView& view, std::function<std::vector<int>()> shownColumns)
    : QObject(&view), view_(view), shownColumns_(std::move(shownColumns)) {
    view_.viewport()->installEventFilter(this);
    connect(view_.header(), &QHeaderView::sectionResized, this, &ListColumnFit::takeUserWidth);
}

void ListColumnFit::fit() {
    const std::vector<int> columns = shownColumns_();
    const std::vector<int> sizes = widths_.fitted(columns, view_.viewport()->width());
    fitting_ = true;
    for (std::size_t k = 0; k < sizes.size(); ++k) {
        view_.header()->resizeSection(static_cast<int>(k), sizes[k]);
    }
    fitting_ = false;
}

bool ListColumnFit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        fit();
    }
    return QObject::eventFilter(watched, event);
}

void ListColumnFit::takeUserWidth(int section, int, int newSize) {
    const std::vector<int> columns = shownColumns_();
    if (fitting_ || section < 0 || static_cast<std::size_t>(section) >= columns.size()) {
        return;
    }
    // Every column keeps the width it shows, the dragged one its new one.
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const int size = static_cast<int>(k) == section
                             ? newSize
                             : view_.header()->sectionSize(static_cast<int>(k));
        widths_.setWidth(columns[k], size);
    }
}

} // namespace zorvik::gui
