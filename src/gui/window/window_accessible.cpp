#include "gui/window/window_accessible.h"

#include <QAccessibleWidget>
#include <QMainWindow>
#include <QMenu>

namespace zorvik::gui {

namespace {

// A main window's own children, then its popup menus while they are open.
class PopupOwningWindow : public QAccessibleWidget {
public:
    explicit PopupOwningWindow(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override {
        return QAccessibleWidget::childCount() + static_cast<int>(openPopups().size());
    }

    QAccessibleInterface* child(int index) const override {
        const int own = QAccessibleWidget::childCount();
        if (index < own) {
            return QAccessibleWidget::child(index);
        }
        const QList<QMenu*> popups = openPopups();
        return index - own < popups.size()
                   ? QAccessible::queryAccessibleInterface(popups.at(index - own))
                   : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const int own = QAccessibleWidget::indexOfChild(child);
        if (own >= 0 || child == nullptr) {
            return own;
        }
        const auto popup = openPopups().indexOf(qobject_cast<QMenu*>(child->object()));
        return popup < 0 ? -1 : QAccessibleWidget::childCount() + static_cast<int>(popup);
    }

private:
    QList<QMenu*> openPopups() const {
        QList<QMenu*> open;
        for (QMenu* menu : widget()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
            if (menu->isVisible()) {
                open.append(menu);
            }
        }
        return open;
    }
};

QAccessibleInterface* windowFactory(const QString&, QObject* object) {
    auto* window = qobject_cast<QMainWindow*>(object);
    return window != nullptr ? new PopupOwningWindow(window) : nullptr;
}

} // namespace

void exposeWindowPopupMenus() {
    static const bool installed = [] {
        QAccessible::installFactory(windowFactory);
        return true;
    }();
    (void)installed;
}

} // namespace zorvik::gui
