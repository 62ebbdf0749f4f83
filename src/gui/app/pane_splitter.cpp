#include "gui/app/pane_splitter.h"

#include <QSplitter>

namespace zorvik::gui {

QSplitter* makePaneSplitter(Qt::Orientation orientation, const QString& objectName, QWidget* first,
                            QWidget* second, int stretching, QWidget* parent) {
    auto* splitter = new QSplitter(orientation, parent);
    splitter->setObjectName(objectName);
    splitter->setHandleWidth(3);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(first);
    splitter->addWidget(second);
    splitter->setStretchFactor(stretching, 1);
    return splitter;
}

} // namespace zorvik::gui
