#pragma once

#include <array>

#include <QToolBar>

class QAction;
class QLabel;
class QToolButton;

namespace zorvik::gui {

// ToolBar1: the list update button, then after a separator the label and
// the three grouped buttons of the battle parameter sets.
class MainToolBar : public QToolBar {
    Q_OBJECT
public:
    explicit MainToolBar(QWidget* parent);

    QToolButton* listUpdateButton() const { return ToolButton1; }
    // ToolButton3, ToolButton4, ToolButton5 for the sets A, B, C.
    const std::array<QToolButton*, 3>& battleParameterButtons() const { return battleButtons_; }
    // After a separator, a button for a view action (the portrait grid's switch).
    QToolButton* addViewButton(QAction* action);

private:
    QToolButton* addButton(const QString& objectName, const QIcon& icon);

    QToolButton* ToolButton1 = nullptr;
    QLabel* Label2 = nullptr;
    std::array<QToolButton*, 3> battleButtons_{};
};

} // namespace zorvik::gui
