#pragma once

#include "gui/settings/settings_page.h"

class QLabel;
class QTableWidget;

namespace zorvik::gui {

// TabSheet3 "カラム": the display names of the columns ID to UPDATE_DATE.
// StringGrid1's row r stands for column r; its first column holds the
// column's fixed label, the second the name the user gives it.
class ColumnNamesPage : public SettingsPage {
    Q_OBJECT
public:
    explicit ColumnNamesPage(QWidget* parent);

    void load(const AppSettings& settings) override;
    // A name left empty becomes the column's fixed label.
    void store(AppSettings& settings) const override;

    // The columns that the grid renames: ID to UPDATE_DATE.
    static constexpr int kRenamedColumns = 10;

private:
    void buildGrid();
    void fitGridToRows();

    QLabel* Label4 = nullptr;
    QTableWidget* StringGrid1 = nullptr;
};

} // namespace zorvik::gui
