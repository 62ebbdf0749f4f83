#include "gui/settings/column_layout_page.h"

#include <functional>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "gui/app/column_caption.h"
#include "gui/settings/settings_controls.h"

namespace zorvik::gui {

using namespace settings_controls;

namespace {

void fill(QListWidget& list, const std::vector<int>& columns,
          const std::function<QString(int)>& caption) {
    list.clear();
    for (const int column : columns) {
        list.addItem(caption(column));
    }
}

} // namespace

ColumnLayoutPage::ColumnLayoutPage(QWidget* parent) : SettingsPage(parent) {
    setObjectName(QStringLiteral("TabSheet4"));
    buildControls();
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &ColumnLayoutPage::ListBox1Click);
    connect(ListBox2, &QListWidget::itemSelectionChanged, this, &ColumnLayoutPage::ListBox2Click);
    connect(Button6, &QPushButton::clicked, this, &ColumnLayoutPage::Button6Click);
    connect(Button7, &QPushButton::clicked, this, &ColumnLayoutPage::Button7Click);
    connect(Button8, &QPushButton::clicked, this, &ColumnLayoutPage::Button8Click);
}

void ColumnLayoutPage::buildControls() {
    Label5 = newLabel(this, "Label5", tr("表示させる項目"));
    ListBox1 = newListBox(this, "ListBox1", Label5);
    Button6 = newButton(this, "Button6", QStringLiteral("←→"));
    Button6->setAccessibleName(tr("表示させる項目とその他の項目の間で移す"));
    Label6 = newLabel(this, "Label6", tr("その他の項目"));
    ListBox2 = newListBox(this, "ListBox2", Label6);
    Button7 = newButton(this, "Button7", tr("上へ"));
    Button8 = newButton(this, "Button8", tr("下へ"));
    auto* upDown = new QHBoxLayout;
    upDown->addWidget(Button7);
    upDown->addWidget(Button8);
    upDown->addStretch(1);
    auto* layout = new QGridLayout(this);
    layout->addWidget(Label5, 0, 0);
    layout->addWidget(Label6, 0, 2);
    layout->addWidget(ListBox1, 1, 0);
    layout->addWidget(Button6, 1, 1, Qt::AlignVCenter);
    layout->addWidget(ListBox2, 1, 2);
    layout->addLayout(upDown, 2, 0);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(2, 1);
}

void ColumnLayoutPage::load(const AppSettings& settings) {
    for (std::size_t column = 0; column < kColumnCount; ++column) {
        captions_[column] = columnCaption(settings.ColumnNames, static_cast<int>(column));
    }
    layout_.emplace(settings.ColumnOrder);
    showLayout();
}

void ColumnLayoutPage::store(AppSettings& settings) const {
    if (layout_) {
        settings.ColumnOrder = layout_->order();
    }
}

QString ColumnLayoutPage::captionOf(int column) const {
    // An order written by hand may hold any number; it is listed as it is.
    return isCatalogueColumn(column) ? captions_[static_cast<std::size_t>(column)]
                                     : QString::number(column);
}

void ColumnLayoutPage::showLayout(QListWidget* selectIn, int row) {
    const auto caption = [this](int column) { return captionOf(column); };
    fill(*ListBox1, layout_->shown(), caption);
    fill(*ListBox2, layout_->others(), caption);
    if (selectIn != nullptr) {
        selectIn->setCurrentRow(row);
    }
}

void ColumnLayoutPage::ListBox1Click() {
    if (selectedRow(*ListBox1) >= 0) {
        ListBox2->clearSelection();
    }
}

void ColumnLayoutPage::ListBox2Click() {
    if (selectedRow(*ListBox2) >= 0) {
        ListBox1->clearSelection();
    }
}

void ColumnLayoutPage::Button6Click() {
    const int shownRow = selectedRow(*ListBox1);
    const int otherRow = selectedRow(*ListBox2);
    if ((shownRow >= 0) == (otherRow >= 0)) {
        return;
    }
    const bool moved = shownRow >= 0 ? layout_->hide(static_cast<std::size_t>(shownRow))
                                     : layout_->show(static_cast<std::size_t>(otherRow));
    if (moved) {
        showLayout();
    }
}

void ColumnLayoutPage::Button7Click() {
    const int k = selectedRow(*ListBox1);
    if (k >= 0 && layout_->moveUp(static_cast<std::size_t>(k))) {
        showLayout(ListBox1, k - 1);
    }
}

void ColumnLayoutPage::Button8Click() {
    const int k = selectedRow(*ListBox1);
    if (k >= 0 && layout_->moveDown(static_cast<std::size_t>(k))) {
        showLayout(ListBox1, k + 1);
    }
}

} // namespace zorvik::gui
