#include "gui/settings/settings_form.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/app/designed_font.h"
#include "gui/settings/column_layout_page.h"
#include "gui/settings/column_names_page.h"
#include "gui/settings/folders_page.h"
#include "gui/settings/opponents_page.h"
#include "gui/settings/update_page.h"

namespace zorvik::gui {

TForm2::TForm2(const AppSettings& settings, OpponentCaptions captions, UserMessages& messages,
               Choosers& choosers, QWidget* parent)
    : QDialog(parent), copy_(settings) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("設定"));
    setFont(designedFont());
    buildPages(std::move(captions), messages, choosers);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    layout->addLayout(buildButtons());
    // A fixed dialog border: the dialog is as large as its contents need.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TForm2::buildPages(OpponentCaptions captions, UserMessages& messages, Choosers& choosers) {
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    const std::vector<std::pair<SettingsPage*, QString>> tabs = {
        {new FoldersPage(messages, choosers, this), tr("ディレクトリ")},
        {new UpdatePage(this), tr("検索/更新")},
        {new ColumnNamesPage(this), tr("カラム")},
        {new ColumnLayoutPage(this), tr("一覧")},
        {new OpponentsPage(std::move(captions), this), tr("対戦相手")}};
    for (const auto& [page, caption] : tabs) {
        PageControl1->addTab(page, caption);
        pages_.push_back(page);
    }
    PageControl1->setCurrentIndex(0);
}

QLayout* TForm2::buildButtons() {
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(tr("キャンセル"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QHBoxLayout;
    layout->addStretch(1);
    layout->addWidget(Button1);
    layout->addWidget(Button2);
    return layout;
}

void TForm2::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        FormShow();
    }
    QDialog::showEvent(event);
}

void TForm2::FormShow() {
    // An empty character folder is shown empty: the update then says it is
    // not set, rather than searching the program's own folder.
    for (SettingsPage* page : pages_) {
        page->load(copy_);
    }
}

void TForm2::storeInto(AppSettings& settings) const {
    for (const SettingsPage* page : pages_) {
        page->store(settings);
    }
}

} // namespace zorvik::gui
