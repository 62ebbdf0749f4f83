#include "gui/settings/column_names_page.h"

#include <algorithm>
#include <array>

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/text/encoding.h"
#include "gui/settings/settings_controls.h"

namespace zorvik::gui {

using namespace settings_controls;

namespace {

// The fixed labels of the columns ID to UPDATE_DATE.
const std::array<const char*, ColumnNamesPage::kRenamedColumns> kFixedLabels = {
    QT_TRANSLATE_NOOP("zorvik::gui::ColumnNamesPage", "ID"),
    QT_TRANSLATE_NOOP("zorvik::gui::ColumnNamesPage", "キャラ名"),
    QT_TRANSLATE_NOOP("zorvik::gui::ColumnNamesPage", "別名"),
    QT_TRANSLATE_NOOP("zorvik::gui::ColumnNamesPage", "作者1"),
    QT_TRANSLATE_NOOP("zorvik::gui::ColumnNamesPage", "作者2"),
    QT_TRANSLATE_NOOP("zorvik::gui::ColumnNamesPage", "付加情報1"),
    QT_TRANSLATE_NOOP("zorvik::gui::ColumnNamesPage", "付加情報2"),
    QT_TRANSLATE_NOOP("zorvik::gui::ColumnNamesPage", "対応MUGENバージョン"),
    QT_TRANSLATE_NOOP("zorvik::gui::ColumnNamesPage", "コメント"),
    QT_TRANSLATE_NOOP("zorvik::gui::ColumnNamesPage", "キャラのバージョン")};

// The designed column width and row height, the least the grid gives.
constexpr int kDesignedColumnWidth = 128;
constexpr int kDesignedRowHeight = 18;

constexpr int kLabelColumn = 0;
constexpr int kNameColumn = 1;

QTableWidgetItem* fixedCell(const QString& text, const QPalette& palette) {
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled);
    cell->setBackground(palette.button());
    return cell;
}

} // namespace

ColumnNamesPage::ColumnNamesPage(QWidget* parent) : SettingsPage(parent) {
    setObjectName(QStringLiteral("TabSheet3"));
    Label4 = newLabel(this, "Label4", tr("カラム名のリネーム"));
    buildGrid();
    Label4->setBuddy(StringGrid1);
    StringGrid1->setAccessibleName(withoutAccessKey(Label4->text()));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label4);
    layout->addWidget(StringGrid1);
    layout->addStretch(1);
}

void ColumnNamesPage::buildGrid() {
    StringGrid1 = new QTableWidget(kRenamedColumns, 2, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setHorizontalHeaderLabels(
        {tr("(カラム名)"), tr("(リネーム名)")});
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    // The editor is up as soon as a name cell is current.
    StringGrid1->setEditTriggers(QAbstractItemView::AllEditTriggers);
    StringGrid1->setTabKeyNavigation(false);
    for (int row = 0; row < kRenamedColumns; ++row) {
        StringGrid1->setItem(row, kLabelColumn,
                             fixedCell(tr(kFixedLabels[static_cast<std::size_t>(row)]), palette()));
        StringGrid1->setItem(row, kNameColumn, new QTableWidgetItem);
    }
    fitGridToRows();
}

void ColumnNamesPage::fitGridToRows() {
    QHeaderView* rows = StringGrid1->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(std::max(kDesignedRowHeight, fontMetrics().height() + 6));
    StringGrid1->resizeColumnToContents(kLabelColumn);
    // A little air after the longest label.
    const int labelWidth = std::max(kDesignedColumnWidth, StringGrid1->columnWidth(kLabelColumn) +
                                                              fontMetrics().averageCharWidth() * 2);
    StringGrid1->setColumnWidth(kLabelColumn, labelWidth);
    StringGrid1->setColumnWidth(kNameColumn, kDesignedColumnWidth * 2);
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    // Every row in view: no scroll bar hides a column.
    const int frame = StringGrid1->frameWidth() * 2;
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setFixedHeight(StringGrid1->horizontalHeader()->sizeHint().height() +
                                rows->defaultSectionSize() * kRenamedColumns + frame);
    StringGrid1->setMinimumWidth(labelWidth + kDesignedColumnWidth * 2 + frame);
}

void ColumnNamesPage::load(const AppSettings& settings) {
    for (int row = 0; row < kRenamedColumns; ++row) {
        StringGrid1->item(row, kNameColumn)
            ->setText(fromSetting(settings.ColumnNames[static_cast<std::size_t>(row)]));
    }
}

void ColumnNamesPage::store(AppSettings& settings) const {
    for (int row = 0; row < kRenamedColumns; ++row) {
        QString name = StringGrid1->item(row, kNameColumn)->text();
        if (name.isEmpty()) {
            name = StringGrid1->item(row, kLabelColumn)->text();
        }
        settings.ColumnNames[static_cast<std::size_t>(row)] =
            text::cutToBytes(name.toStdString(), kColumnNameBytes);
    }
}

} // namespace zorvik::gui
