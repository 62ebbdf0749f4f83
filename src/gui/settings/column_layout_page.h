#pragma once

#include <array>
#include <optional>

#include <QString>

#include "gui/settings/column_layout_edit.h"
#include "gui/settings/settings_page.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace zorvik::gui {

// TabSheet4 "一覧": which columns the character list shows, and in which
// order. ListBox1 lists the shown columns, ListBox2 the others, each by
// the display name the column had when the dialog opened; the buttons
// edit the dialog's copy of ColumnOrder.
class ColumnLayoutPage : public SettingsPage {
    Q_OBJECT
public:
    explicit ColumnLayoutPage(QWidget* parent);

    void load(const AppSettings& settings) override;
    void store(AppSettings& settings) const override;

public slots:
    // Selecting in one list clears the other's selection.
    void ListBox1Click();
    void ListBox2Click();
    // ←→: moves the one selected column to the other list.
    void Button6Click();
    // 上へ
    void Button7Click();
    // 下へ
    void Button8Click();

private:
    void buildControls();
    // Lists the layout again and selects a row of one list, if any.
    void showLayout(QListWidget* selectIn = nullptr, int row = -1);
    QString captionOf(int column) const;

    std::optional<ColumnLayoutEdit> layout_;
    std::array<QString, kColumnCount> captions_;
    QLabel* Label5 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QLabel* Label6 = nullptr;
    QListWidget* ListBox2 = nullptr;
    QPushButton* Button6 = nullptr;
    QPushButton* Button7 = nullptr;
    QPushButton* Button8 = nullptr;
};

} // namespace zorvik::gui
