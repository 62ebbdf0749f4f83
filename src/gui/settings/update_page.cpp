#include "gui/settings/update_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QVBoxLayout>

#include "core/settings/integer_text.h"
#include "gui/settings/settings_controls.h"

namespace zorvik::gui {

using namespace settings_controls;

namespace {

// Taken when the number boxes hold no decimal integer.
constexpr int kFallbackGroup = 9000;
constexpr int kFallbackImage = 1;
// Room for a sprite number.
constexpr int kNumberEditChars = 8;

int numberOrFallback(const QLineEdit& edit, int fallback) {
    return parseWholeInt(edit.text().toStdString()).value_or(fallback);
}

// In use: the colours of an edit. Not in use: the button face, grey text.
void showInUse(QLineEdit& edit, bool inUse) {
    const QPalette standard = QApplication::palette(&edit);
    QPalette palette = edit.palette();
    palette.setColor(QPalette::Base, standard.color(inUse ? QPalette::Base : QPalette::Button));
    palette.setColor(QPalette::Text, inUse ? standard.color(QPalette::Text)
                                           : standard.color(QPalette::Disabled, QPalette::Text));
    edit.setPalette(palette);
}

} // namespace

UpdatePage::UpdatePage(QWidget* parent) : SettingsPage(parent) {
    setObjectName(QStringLiteral("TabSheet2"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildUpdateGroup());
    layout->addWidget(buildListedKindsGroup());
    layout->addStretch(1);
    connect(CheckBox7, &QCheckBox::toggled, this, &UpdatePage::CheckBox7Click);
}

QGroupBox* UpdatePage::buildUpdateGroup() {
    GroupBox2 = newGroupBox(this, "GroupBox2", tr("リスト更新"));
    CheckBox6 = newCheckBox(GroupBox2, "CheckBox6", tr("リスト済キャラも更新確認する"));
    CheckBox5 = newCheckBox(GroupBox2, "CheckBox5", tr("起動時にリストを更新する"));
    CheckBox7 = newCheckBox(GroupBox2, "CheckBox7", tr("画像を登録する"));
    SubfoldersBox = newCheckBox(GroupBox2, "SubfoldersBox", tr("サブフォルダも検索する"));
    SubfoldersBox->setToolTip(tr(".def の無いフォルダを分類フォルダとして、6階層下まで検索します"));
    Label10 = newLabel(GroupBox2, "Label10", tr("Group"));
    Edit7 = newEdit(GroupBox2, "Edit7", Label10);
    Label11 = newLabel(GroupBox2, "Label11", tr("Image"));
    Edit8 = newEdit(GroupBox2, "Edit8", Label11);
    QLabel* note = newNote(GroupBox2, "SpriteNote", {tr("注：SFFv1とSFFv2（v2.00/v2.01）を処理します")});
    note->setForegroundRole(QPalette::Highlight);
    auto* numbers = new QHBoxLayout;
    // Indented under CheckBox7, whose setting they belong to.
    numbers->addSpacing(CheckBox7->style()->pixelMetric(QStyle::PM_IndicatorWidth) * 2);
    for (const auto& [label, edit] : {std::pair{Label10, Edit7}, std::pair{Label11, Edit8}}) {
        edit->setMaximumWidth(edit->fontMetrics().averageCharWidth() * kNumberEditChars + 12);
        numbers->addWidget(label);
        numbers->addWidget(edit);
    }
    numbers->addWidget(note);
    numbers->addStretch(1);
    auto* layout = new QVBoxLayout(GroupBox2);
    layout->addWidget(CheckBox6);
    layout->addWidget(CheckBox5);
    layout->addWidget(CheckBox7);
    layout->addLayout(numbers);
    layout->addWidget(SubfoldersBox);
    return GroupBox2;
}

QGroupBox* UpdatePage::buildListedKindsGroup() {
    GroupBox1 = newGroupBox(this, "GroupBox1", tr("リストアップ対象"));
    CheckBox1 = newCheckBox(GroupBox1, "CheckBox1", tr("フォルダ"));
    CheckBox2 = newCheckBox(GroupBox1, "CheckBox2", tr("zip (.zip)"));
    CheckBox3 = newCheckBox(GroupBox1, "CheckBox3", tr("7-zip (.7z)"));
    CheckBox4 = newCheckBox(GroupBox1, "CheckBox4", tr("RAR (.rar)"));
    QLabel* note = newNote(GroupBox1, "ListedKindsNote",
                           {tr("一つのフォルダ、圧縮ファイルで\n"
                               "認識できるキャラは1体のみ。\n"
                               "\n"
                               "圧縮ファイルの場合、書庫中に\n"
                               "全く同じ名前のファイルが複数あると\n"
                               "不具合を起こすことがあります。")});
    auto* boxes = new QVBoxLayout;
    for (QCheckBox* box : kindBoxes()) {
        box->setChecked(true);
        boxes->addWidget(box);
    }
    boxes->addStretch(1);
    auto* layout = new QHBoxLayout(GroupBox1);
    layout->addLayout(boxes);
    layout->addSpacing(layout->spacing() * 4);
    layout->addWidget(note);
    layout->addStretch(1);
    return GroupBox1;
}

std::array<QCheckBox*, 4> UpdatePage::kindBoxes() const {
    return {CheckBox1, CheckBox2, CheckBox3, CheckBox4};
}

void UpdatePage::load(const AppSettings& settings) {
    const std::array<QCheckBox*, 4> boxes = kindBoxes();
    for (std::size_t bit = 0; bit < boxes.size(); ++bit) {
        boxes[bit]->setChecked((settings.RecognizeFileType & (1 << bit)) == 0);
    }
    CheckBox6->setChecked(settings.CharUpdateCheck);
    CheckBox5->setChecked(settings.UpdateListOnRun);
    SubfoldersBox->setChecked(settings.SearchSubfolders);
    CheckBox7->setChecked(settings.RegisterSprite);
    // Also when the box kept its state and so sent no toggle. Changed on
    // purpose: opened with portraits off, the number boxes once kept their
    // normal colours until the box was clicked; here their colours tell
    // the box's state from the start.
    CheckBox7Click();
    Edit7->setText(QString::number(settings.RegisterGroup));
    Edit8->setText(QString::number(settings.RegisterImage));
}

void UpdatePage::store(AppSettings& settings) const {
    // Only the four kinds' bits: any other bit, such as 16, is dropped.
    int excluded = 0;
    const std::array<QCheckBox*, 4> boxes = kindBoxes();
    for (std::size_t bit = 0; bit < boxes.size(); ++bit) {
        excluded |= boxes[bit]->isChecked() ? 0 : (1 << bit);
    }
    settings.RecognizeFileType = excluded;
    settings.CharUpdateCheck = CheckBox6->isChecked();
    settings.UpdateListOnRun = CheckBox5->isChecked();
    settings.SearchSubfolders = SubfoldersBox->isChecked();
    settings.RegisterSprite = CheckBox7->isChecked();
    settings.RegisterGroup = numberOrFallback(*Edit7, kFallbackGroup);
    settings.RegisterImage = numberOrFallback(*Edit8, kFallbackImage);
}

void UpdatePage::CheckBox7Click() {
    showInUse(*Edit7, CheckBox7->isChecked());
    showInUse(*Edit8, CheckBox7->isChecked());
}

} // namespace zorvik::gui
