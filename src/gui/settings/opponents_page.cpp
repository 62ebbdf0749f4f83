#include "gui/settings/opponents_page.h"

#include <algorithm>
#include <utility>

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/settings/settings_controls.h"

namespace zorvik::gui {

using namespace settings_controls;

OpponentsPage::OpponentsPage(OpponentCaptions captions, QWidget* parent)
    : SettingsPage(parent), captions_(std::move(captions)) {
    setObjectName(QStringLiteral("TabSheet5"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildOpponentsGroup(), 1);
    layout->addLayout(buildParameterEdits());
    connect(Button9, &QPushButton::clicked, this, &OpponentsPage::Button9Click);
}

QGroupBox* OpponentsPage::buildOpponentsGroup() {
    GroupBox3 = newGroupBox(this, "GroupBox3", tr("対戦相手"));
    ListBox3 = newListBox(GroupBox3, "ListBox3", nullptr);
    ListBox3->setAccessibleName(withoutAccessKey(GroupBox3->title()));
    Button9 = newButton(GroupBox3, "Button9", tr("削除"));
    QLabel* note = newNote(GroupBox3, "OpponentsNote",
                           {tr("ここに登録したキャラは、\n"
                               "右クリック時の「対戦」で\n"
                               "対戦相手として選ぶことが出来ます。\n"
                               "圧縮ファイルは対戦できません。\n"
                               "フォルダ形式のキャラの場合、\n"
                               "defファイル名がフォルダ名と\n"
                               "同じである必要があります。\n"
                               "\n"
                               "登録はメイン画面の右クリックで\n"
                               "行ってください。")});
    auto* side = new QVBoxLayout;
    side->addWidget(Button9, 0, Qt::AlignLeft);
    side->addWidget(note);
    side->addStretch(1);
    auto* layout = new QHBoxLayout(GroupBox3);
    layout->addWidget(ListBox3, 1);
    layout->addLayout(side);
    return GroupBox3;
}

QLayout* OpponentsPage::buildParameterEdits() {
    Label7 = newLabel(this, "Label7", tr("対戦パラメータA"));
    Edit4 = newEdit(this, "Edit4", Label7);
    Label8 = newLabel(this, "Label8", tr("対戦パラメータB"));
    Edit5 = newEdit(this, "Edit5", Label8);
    Label9 = newLabel(this, "Label9", tr("対戦パラメータC"));
    Edit6 = newEdit(this, "Edit6", Label9);
    auto* layout = new QFormLayout;
    layout->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    layout->addRow(Label7, Edit4);
    layout->addRow(Label8, Edit5);
    layout->addRow(Label9, Edit6);
    return layout;
}

void OpponentsPage::load(const AppSettings& settings) {
    ListBox3->clear();
    for (const std::string& opponent : settings.FighterList) {
        const OpponentCaption caption = captions_(opponent);
        auto* item = new QListWidgetItem(caption.text, ListBox3);
        item->setToolTip(caption.toolTip);
        // The line itself goes back on OK, byte for byte, whatever its text shows.
        item->setData(Qt::UserRole, QByteArray::fromStdString(opponent));
    }
    Edit4->setText(fromSetting(settings.BattleParamA));
    Edit5->setText(fromSetting(settings.BattleParamB));
    Edit6->setText(fromSetting(settings.BattleParamC));
}

void OpponentsPage::store(AppSettings& settings) const {
    settings.FighterList.clear();
    for (int row = 0; row < ListBox3->count(); ++row) {
        settings.FighterList.push_back(
            ListBox3->item(row)->data(Qt::UserRole).toByteArray().toStdString());
    }
    settings.BattleParamA = toSetting(Edit4->text(), kBattleParamSize);
    settings.BattleParamB = toSetting(Edit5->text(), kBattleParamSize);
    settings.BattleParamC = toSetting(Edit6->text(), kBattleParamSize);
}

void OpponentsPage::Button9Click() {
    const int k = selectedRow(*ListBox3);
    if (k < 0) {
        return;
    }
    delete ListBox3->takeItem(k);
    if (ListBox3->count() > 0) {
        ListBox3->setCurrentRow(std::min(k, ListBox3->count() - 1));
    }
}

} // namespace zorvik::gui
