#pragma once

#include <Qt>

class QSplitter;
class QString;
class QWidget;

namespace zorvik::gui {

// A splitter between two panes with the designed 3-pixel bar: the pane at
// index stretching takes what the splitter gains, the other keeps its size;
// neither can be collapsed.
QSplitter* makePaneSplitter(Qt::Orientation orientation, const QString& objectName, QWidget* first,
                            QWidget* second, int stretching, QWidget* parent);

} // namespace zorvik::gui
