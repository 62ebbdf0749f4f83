#pragma once

#include <QTableView>

namespace zorvik::gui {

class DetailGridModel;

// DGrid: the label column (fixed, 120 wide) beside the values, which fill
// the rest of the width, without headers or grid lines. While the grid
// has the keyboard focus the current value is always open in its editor;
// Tab moves from value to value, and on past the last one (Shift+Tab back
// before the first) to the next control, so the grid never traps the keyboard.
class DetailGrid : public QTableView {
    Q_OBJECT
public:
    static constexpr int kDefaultRowHeight = 24;
    static constexpr int kLabelColumnWidth = 120;
    static constexpr int kCommentRow = 7;

    DetailGrid(DetailGridModel* model, QWidget* parent);

    // The comment row becomes four default rows tall.
    void tallCommentRow();

protected:
    // DGridEnter: the editor opens on the current value.
    void focusInEvent(QFocusEvent* event) override;
    // While the grid has the focus, a new current value opens at once.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    // Tab and Shift+Tab while no editor is open.
    bool focusNextPrevChild(bool next) override;
    // Tab and Shift+Tab from inside an editor.
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void openCurrentEditor();
    // True when moving that way from the current value would wrap around.
    bool atEdge(bool next) const;
};

} // namespace zorvik::gui
