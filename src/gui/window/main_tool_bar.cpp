#include "gui/window/main_tool_bar.h"

#include <QButtonGroup>
#include <QLabel>
#include <QToolButton>

#include "gui/window/tool_bar_icons.h"

namespace zorvik::gui {

MainToolBar::MainToolBar(QWidget* parent) : QToolBar(parent) {
    setObjectName(QStringLiteral("ToolBar1"));
    setFixedHeight(36);
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(24, 24));
    ToolButton1 = addButton(QStringLiteral("ToolButton1"), listUpdateIcon());
    ToolButton1->setToolTip(tr("データリスト更新"));
    ToolButton1->setAccessibleName(ToolButton1->toolTip());
    addSeparator();
    Label2 = new QLabel(tr("対戦パラメータ"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFixedWidth(76);
    Label2->setAlignment(Qt::AlignCenter);
    addWidget(Label2);
    auto* group = new QButtonGroup(this);
    const QString letters = QStringLiteral("ABC");
    for (int tag = 0; tag < 3; ++tag) {
        QToolButton* button = addButton(QStringLiteral("ToolButton%1").arg(tag + 3),
                                        battleParameterIcon(letters[tag]));
        button->setCheckable(true);
        // Their hints are the parameter texts, which may be empty: the set names them.
        button->setAccessibleName(tr("パラメータ%1").arg(letters[tag]));
        group->addButton(button, tag);
        battleButtons_[static_cast<std::size_t>(tag)] = button;
    }
}

QToolButton* MainToolBar::addViewButton(QAction* action) {
    addSeparator();
    QToolButton* button = addButton(QStringLiteral("ToolButton6"), portraitGridIcon());
    action->setIcon(button->icon());
    button->setDefaultAction(action);
    button->setAccessibleName(action->toolTip());
    return button;
}

QToolButton* MainToolBar::addButton(const QString& objectName, const QIcon& icon) {
    auto* button = new QToolButton(this);
    button->setObjectName(objectName);
    button->setIcon(icon);
    button->setAutoRaise(true);
    button->setFixedSize(31, 30);
    addWidget(button);
    return button;
}

} // namespace zorvik::gui
