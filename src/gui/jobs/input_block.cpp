#include "gui/jobs/input_block.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace zorvik::gui {

namespace {

bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

const QWidget* widgetOf(const QObject* object) {
    // Actions and shortcuts belong to the widget above them.
    while (object != nullptr && !object->isWidgetType()) {
        object = object->parent();
    }
    return static_cast<const QWidget*>(object);
}

// The window a widget belongs to; a menu belongs to the window it drops from.
const QWidget* ownerWindow(const QWidget* widget) {
    const QWidget* window = widget->window();
    while (window->windowType() == Qt::Popup && window->parentWidget() != nullptr) {
        window = window->parentWidget()->window();
    }
    return window;
}

} // namespace

InputBlock::InputBlock(QWidget& open) : open_(open) {
    QApplication::instance()->installEventFilter(this);
}

InputBlock::~InputBlock() {
    QApplication::instance()->removeEventFilter(this);
}

bool InputBlock::eventFilter(QObject* watched, QEvent* event) {
    if (!isUserInput(event->type()) || isOpen(watched)) {
        return false;
    }
    // As with a modal dialog, a click elsewhere brings the open window forward.
    if (event->type() == QEvent::MouseButtonPress) {
        open_.raise();
        open_.activateWindow();
    }
    return true;
}

bool InputBlock::isOpen(const QObject* receiver) const {
    const QWidget* widget = widgetOf(receiver);
    if (widget == nullptr) {
        // The window system's windows pass input on to their widgets, which are judged there.
        return true;
    }
    const QWidget* window = ownerWindow(widget);
    return window == &open_ || window->isModal();
}

} // namespace zorvik::gui
