#include "gui/list/list_context_menu_events.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QKeyEvent>

namespace zorvik::gui {

ListContextMenuEvents::ListContextMenuEvents(QAbstractItemView& list)
    : QObject(&list), list_(list) {
    // A right-click on the rows reaches the viewport; one on the headers, and
    // the menu key, reach the list itself.
    list_.viewport()->installEventFilter(this);
    list_.installEventFilter(this);
}

int ListContextMenuEvents::headerBand() const {
    return list_.viewport()->geometry().top();
}

bool ListContextMenuEvents::isShiftF10(const QEvent& event) {
    if (event.type() != QEvent::KeyPress) {
        return false;
    }
    const auto& key = static_cast<const QKeyEvent&>(event);
    return key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier;
}

bool ListContextMenuEvents::eventFilter(QObject* watched, QEvent* event) {
    // Shift+F10 is the other keyboard way to a popup menu; the platform
    // turns only the menu key into a context-menu event.
    if (watched == &list_ && isShiftF10(*event)) {
        const QPoint listPos = currentRowPoint();
        emit requested(listPos, list_.mapToGlobal(listPos));
        return true;
    }
    if (event->type() != QEvent::ContextMenu) {
        return false;
    }
    const auto* menuEvent = static_cast<const QContextMenuEvent*>(event);
    QPoint listPos = menuEvent->pos();
    if (menuEvent->reason() == QContextMenuEvent::Keyboard) {
        listPos = currentRowPoint();
    } else if (watched == list_.viewport()) {
        listPos = list_.viewport()->mapTo(&list_, listPos);
    }
    emit requested(listPos, list_.mapToGlobal(listPos));
    return true;
}

QPoint ListContextMenuEvents::currentRowPoint() const {
    const QRect row = list_.visualRect(list_.currentIndex());
    return list_.viewport()->mapTo(&list_, row.isValid() ? row.center() : QPoint(0, 0));
}

} // namespace zorvik::gui
