#pragma once

#include <array>
#include <string>

#include <QWidget>

#include "core/catalogue/columns.h"
#include "core/catalogue/list_criteria.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTimer;
class QToolButton;

namespace zorvik::gui {

class FindBox;

// Panel2, the search bar above the list: the search text in its drawn box,
// the match-mode button with its menu, and the search column. The search is
// applied one second after the first change of a burst of typing, and at
// once when the mode or the column changes or the text is cleared.
class SearchBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSearchDelay = 1000;
    static constexpr int kDesignedHeight = 72;

    explicit SearchBar(QWidget* parent);

    // The search column's items become the display names of columns 0 to 14.
    void setColumnNames(const std::array<std::string, kColumnCount>& names);
    // The search column's item index; -1 (or an index past the items) is none.
    void setSearchColumn(int index);
    int searchColumn() const;

    // The match mode's menu item "を含む(&P)", chosen when the window is first shown.
    QAction* containsModeItem() const { return N5; }

public slots:
    // The search text.
    void Edit1Change();
    // 検索対象: the search column.
    void ComboBox1Change();
    // The match modes of PopupMenu2 (に一致, で始まる, で終わる, を含む), N5 among them.
    void N5Click(QAction* sender);
    // The match-mode button beside the search text.
    void SpeedButton1Click();
    // The search box's clear button (×).
    void FindTBClearClick();
    // Applies the search now.
    void Timer1Timer();

signals:
    // The search as the bar holds it now: column, match mode and text.
    void searchApplied(const zorvik::ListSearch& search);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void buildPopupMenu();
    void placeControls();
    QAction* addModeItem(const QString& objectName, const QString& caption, MatchMode mode);

    FindBox* FindTB = nullptr;
    QLineEdit* Edit1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QMenu* PopupMenu2 = nullptr;
    QAction* N5 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QTimer* Timer1 = nullptr;
    // The match mode, held as the tag of SpeedButton1.
    MatchMode matchMode_ = MatchMode::Exact;
};

} // namespace zorvik::gui
