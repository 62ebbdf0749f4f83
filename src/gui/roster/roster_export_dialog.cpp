#include "gui/roster/roster_export_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/app/designed_font.h"
#include "gui/platform/choosers.h"

namespace zorvik::gui {

namespace {

constexpr int kTargetEditWidth = 360;
// The explanation under a radio button starts where the button's text does.
constexpr int kExplanationIndent = 22;

QRadioButton* makeRadio(QWidget& parent, const QString& objectName, const QString& caption) {
    auto* radio = new QRadioButton(caption, &parent);
    radio->setObjectName(objectName);
    return radio;
}

} // namespace

RosterExportDialog::RosterExportDialog(Choosers& choosers, const RosterOptions& initial,
                                       int shownRows, Export exportRoster, QWidget* parent)
    : QDialog(parent), choosers_(choosers), shownRows_(shownRows),
      export_(std::move(exportRoster)) {
    setObjectName(QStringLiteral("RosterExportDialog"));
    setWindowTitle(tr("select.defを書き出す"));
    setFont(designedFont());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(makeForm());
    layout->addWidget(makeStageGroup());
    layout->addWidget(makeModeGroup());
    LeaveOutBrokenBox = new QCheckBox(tr("壊れたキャラを除く(&B)"), this);
    LeaveOutBrokenBox->setObjectName(QStringLiteral("LeaveOutBrokenBox"));
    LeaveOutBrokenBox->setToolTip(
        tr("コレクションの検査で壊れていると分かるキャラクター (.def が書くファイルが無いもの) と、"
           "スプライトファイルの無いキャラクターを書き出しません。"));
    LeaveOutBrokenBox->setAccessibleDescription(LeaveOutBrokenBox->toolTip());
    layout->addWidget(LeaveOutBrokenBox);
    layout->addWidget(makeRowCountLabel(shownRows));
    layout->addWidget(makeButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    fill(initial);
}

QFormLayout* RosterExportDialog::makeForm() {
    auto* form = new QFormLayout;
    auto* targetLabel = new QLabel(tr("書き出し先(&F):"), this);
    QWidget* targetRow = makeTargetRow();
    targetLabel->setBuddy(TargetEdit);
    form->addRow(targetLabel, targetRow);
    OrderBox = new QComboBox(this);
    OrderBox->setObjectName(QStringLiteral("OrderBox"));
    OrderBox->addItem(tr("なし"));
    for (int order = 1; order <= kMaxRosterOrder; ++order) {
        OrderBox->addItem(QString::number(order), order);
    }
    OrderBox->setToolTip(tr("アーケードモードで何番目の組に出るか (order=N)"));
    // The form makes the label and sets it as the box's buddy.
    form->addRow(tr("順番 order(&O):"), OrderBox);
    return form;
}

QDialogButtonBox* RosterExportDialog::makeButtons() {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ExportButton = buttons->button(QDialogButtonBox::Ok);
    ExportButton->setObjectName(QStringLiteral("ExportButton"));
    ExportButton->setText(tr("書き出す"));
    ExportButton->setDefault(true);
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setText(tr("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &RosterExportDialog::exportAndClose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return buttons;
}

void RosterExportDialog::exportAndClose() {
    if (export_(options())) {
        accept();
    }
}

QWidget* RosterExportDialog::makeTargetRow() {
    auto* row = new QWidget(this);
    TargetEdit = new QLineEdit(row);
    TargetEdit->setObjectName(QStringLiteral("TargetEdit"));
    TargetEdit->setMinimumWidth(kTargetEditWidth);
    connect(TargetEdit, &QLineEdit::textChanged, this, &RosterExportDialog::updateInputs);
    auto* browse = new QPushButton(QStringLiteral("..."), row);
    browse->setObjectName(QStringLiteral("TargetButton"));
    browse->setToolTip(tr("書き出すファイルを選ぶ"));
    browse->setAccessibleName(browse->toolTip());
    browse->setAutoDefault(false);
    browse->setFixedWidth(browse->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    connect(browse, &QPushButton::clicked, this, &RosterExportDialog::chooseTarget);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(TargetEdit, 1);
    layout->addWidget(browse);
    return row;
}

QWidget* RosterExportDialog::makeStageGroup() {
    auto* group = new QGroupBox(tr("ステージ"), this);
    StageNone = makeRadio(*group, QStringLiteral("StageNone"), tr("指定しない(&N)"));
    StageRandom = makeRadio(*group, QStringLiteral("StageRandom"), tr("ランダム random(&A)"));
    StageFixed = makeRadio(*group, QStringLiteral("StageFixed"), tr("固定(&X):"));
    StagePathEdit = new QLineEdit(group);
    StagePathEdit->setObjectName(QStringLiteral("StagePathEdit"));
    StagePathEdit->setPlaceholderText(QStringLiteral("stages/kfm.def"));
    StagePathEdit->setAccessibleName(tr("固定するステージ"));
    for (QRadioButton* radio : {StageNone, StageRandom, StageFixed}) {
        connect(radio, &QRadioButton::toggled, this, &RosterExportDialog::updateInputs);
    }
    connect(StagePathEdit, &QLineEdit::textChanged, this, &RosterExportDialog::updateInputs);
    auto* layout = new QHBoxLayout(group);
    layout->addWidget(StageNone);
    layout->addWidget(StageRandom);
    layout->addWidget(StageFixed);
    layout->addWidget(StagePathEdit, 1);
    return group;
}

QWidget* RosterExportDialog::makeModeGroup() {
    auto* group = new QGroupBox(tr("[Characters] の書き方"), this);
    auto* layout = new QVBoxLayout(group);
    layout->setSpacing(2);
    ReplaceButton =
        addExplainedRadio(*group, QStringLiteral("ReplaceButton"), tr("置き換える(&R)"),
                          tr("[Characters] を、今回書き出すキャラクターの行だけにします "
                             "(randomselect の行は残します)。"));
    MergeButton = addExplainedRadio(
        *group, QStringLiteral("MergeButton"), tr("残して加える(&M)"),
        tr("今回書き出さないキャラクター (カタログにないものなど) の行は残します。"));
    return group;
}

QRadioButton* RosterExportDialog::addExplainedRadio(QWidget& group, const QString& objectName,
                                                    const QString& caption,
                                                    const QString& explanation) {
    QRadioButton* radio = makeRadio(group, objectName, caption);
    radio->setAccessibleDescription(explanation);
    auto* text = new QLabel(explanation, &group);
    text->setIndent(kExplanationIndent);
    group.layout()->addWidget(radio);
    group.layout()->addWidget(text);
    return radio;
}

QLabel* RosterExportDialog::makeRowCountLabel(int shownRows) {
    const QString text =
        shownRows > 0 ? tr("一覧に表示中の %1 件を、今の検索と並び順のまま書き出します。\n"
                           "アーカイブのキャラクターはエンジンが読めないため書き出しません。\n"
                           "元のファイルは最初は .bak に、以降は日時付きの .bak に残し、\n"
                           "[Characters] の外は書き換えません。")
                            .arg(shownRows)
                      : tr("一覧にキャラクターがありません。検索を変えてから書き出してください。");
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("RowCountLabel"));
    return label;
}

void RosterExportDialog::fill(const RosterOptions& initial) {
    TargetEdit->setText(QString::fromStdString(initial.target));
    StageNone->setChecked(initial.stage == RosterStage::None);
    StageRandom->setChecked(initial.stage == RosterStage::Random);
    StageFixed->setChecked(initial.stage == RosterStage::Fixed);
    StagePathEdit->setText(QString::fromStdString(initial.stagePath));
    const int orderIndex = initial.order ? OrderBox->findData(*initial.order) : 0;
    OrderBox->setCurrentIndex(orderIndex < 0 ? 0 : orderIndex);
    MergeButton->setChecked(initial.merge);
    ReplaceButton->setChecked(!initial.merge);
    LeaveOutBrokenBox->setChecked(initial.leaveOutBroken);
    updateInputs();
}

RosterOptions RosterExportDialog::options() const {
    RosterOptions options;
    // Blanks at either end are typing slips: Windows allows no file name to end in one.
    options.target = TargetEdit->text().trimmed().toStdString();
    options.stage = StageFixed->isChecked()    ? RosterStage::Fixed
                    : StageRandom->isChecked() ? RosterStage::Random
                                               : RosterStage::None;
    if (options.stage == RosterStage::Fixed) {
        options.stagePath = StagePathEdit->text().trimmed().toStdString();
    }
    if (const QVariant order = OrderBox->currentData(); order.isValid()) {
        options.order = order.toInt();
    }
    options.merge = MergeButton->isChecked();
    options.leaveOutBroken = LeaveOutBrokenBox->isChecked();
    return options;
}

void RosterExportDialog::chooseTarget() {
    const auto chosen =
        choosers_.chooseFileToSave(this, tr("書き出す select.def"), TargetEdit->text(),
                                   tr("select.def|select.def;*.def|全てのファイル(*.*)|*.*"));
    if (chosen) {
        TargetEdit->setText(*chosen);
    }
}

void RosterExportDialog::updateInputs() {
    StagePathEdit->setEnabled(StageFixed->isChecked());
    const bool stageGiven = !StageFixed->isChecked() || !StagePathEdit->text().trimmed().isEmpty();
    ExportButton->setEnabled(shownRows_ > 0 && !TargetEdit->text().trimmed().isEmpty() &&
                             stageGiven);
}

} // namespace zorvik::gui
