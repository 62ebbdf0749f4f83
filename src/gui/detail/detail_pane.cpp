#include "gui/detail/detail_pane.h"

#include <algorithm>

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/platform/user_messages.h"
#include "gui/app/settings_owner.h"
#include "gui/app/status_messages.h"
#include "gui/detail/detail_grid.h"
#include "gui/detail/detail_grid_model.h"
#include "gui/list/character_list_pane.h"
#include "gui/portrait/portrait_pane.h"

namespace zorvik::gui {

namespace {

// The designed distances: Panel3 from the pane's left, right and bottom
// edges; Button2 from its left, right and bottom; CheckBox1 from the left
// and the bottom.
constexpr int kFrameLeft = 24;
constexpr int kFrameRight = 18;
constexpr int kFrameBottom = 36;
constexpr int kButtonLeft = 264;
constexpr int kButtonRight = 8;
constexpr int kButtonBottom = 33;
constexpr int kButtonHeight = 25;
constexpr int kCheckBoxLeft = 50;
constexpr int kCheckBoxBottom = 29;

} // namespace

std::string DetailPane::updateFailureMessage(const CatalogueStatus& status) {
    using Stage = CatalogueStatus::Stage;
    const char* stage = status.failedAt == Stage::Prepare ? "prepare"
                        : status.failedAt == Stage::Run   ? "step"
                                                          : "finalize";
    // One pass over the pattern: a "%1" in SQLite's text stays as it is.
    return tr("更新は失敗しました(%1)：%2")
        .arg(QString::fromLatin1(stage), QString::fromStdString(status.error))
        .toStdString();
}

DetailPane::DetailPane(Kel_CharacterDb& db, const SettingsOwner& settings, EditorMessages& messages,
                       StatusMessages& statusBar, PortraitPane& portrait, QWidget* parent)
    : QWidget(parent), records_(db), settings_(settings), messages_(messages),
      statusBar_(statusBar), portrait_(portrait), model_(new DetailGridModel(this)) {
    setObjectName(QStringLiteral("DetailPane"));
    connect(&settings_, &SettingsOwner::changed, this, &DetailPane::BuildDetailLabels);
    Panel3 = new QFrame(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    DGrid = new DetailGrid(model_, Panel3);
    auto* frameLayout = new QVBoxLayout(Panel3);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    frameLayout->addWidget(DGrid);
    CheckBox1 = new QCheckBox(tr("詳細表示する"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    connect(CheckBox1, &QCheckBox::clicked, this, &DetailPane::CheckBox1Click);
    buildWriteBackButton();
    setTabOrder(DGrid, CheckBox1);
    setTabOrder(CheckBox1, Button2);
}

void DetailPane::buildWriteBackButton() {
    Button2 = new QPushButton(tr("上記内容で更新"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button2, &QPushButton::clicked, this, &DetailPane::Button2Click);
    // An access key would change the caption, so the button has a shortcut
    // of its own; it works wherever the focus is in the window.
    auto* shortcut = new QShortcut(kWriteBackKey, this, Button2, &QPushButton::click);
    shortcut->setObjectName(QStringLiteral("WriteBackShortcut"));
    Button2->setToolTip(tr("編集した内容をカタログに書き込みます (%1)")
                            .arg(kWriteBackKey.toString(QKeySequence::NativeText)));
}

void DetailPane::followList(const CharacterListPane& list) {
    list_ = &list;
    connect(&list, &CharacterListPane::rowSelectionChanged, this, &DetailPane::ListView1SelectItem);
    connect(&list, &CharacterListPane::listRebuilt, this, [this] { LastSelectedItem.reset(); });
}

void DetailPane::BuildDetailLabels() {
    model_->BuildDetailLabels(settings_.settings().ColumnNames);
}

void DetailPane::setUpGrid() {
    DGrid->tallCommentRow();
    model_->setDetailedView(false);
}

void DetailPane::ListView1SelectItem(int row, bool) {
    if (list_ == nullptr || list_->CharListResult() == nullptr ||
        LastSelectedItem == std::optional<int>(row)) {
        return;
    }
    LastSelectedItem = row;
    const auto id = list_->idOfRow(list_->selectedRow());
    // The record on show selected again keeps its edits (mayLeaveRecord let it through).
    if (id && !(id == model_->storedId() && model_->hasUnsavedEdits())) {
        LoadCharDetail(*id);
    }
}

bool DetailPane::mayLeaveRecord(std::optional<std::int64_t> nextId) {
    if (!model_->hasUnsavedEdits() || (nextId && nextId == model_->storedId())) {
        return true;
    }
    const QString question =
        tr("%1 の変更を保存しますか?").arg(QString::fromStdString(model_->storedName()));
    switch (messages_.askToSave(Message::verbatim(question.toStdString()))) {
    case SaveChoice::Save:
        return writeBack();
    case SaveChoice::Discard:
        model_->discardEdits();
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

bool DetailPane::LoadCharDetail(std::int64_t id) {
    // The statement names its fifteen columns, so it always reports fifteen:
    // the question for fewer ("カラム数が足りません。中断しますか？") could
    // never come up and is not asked.
    const CatalogueStatus read = records_.readDetail(id, model_->recordValues());
    if (read.failedAt == CatalogueStatus::Stage::Prepare) {
        messages_.show(tr("SELECT文の処理に失敗しました\n").toStdString());
        return false;
    }
    model_->recordValuesChanged();
    if (!read) {
        messages_.show(tr("データ取得途中でエラーが発生しました").toStdString());
        return false;
    }
    return portrait_.LoadPortrait(id);
}

void DetailPane::CheckBox1Click() {
    model_->setDetailedView(CheckBox1->isChecked());
}

void DetailPane::Button2Click() {
    writeBack();
}

bool DetailPane::writeBack() {
    if (valueBytes() > kMaxValueBytes) {
        messages_.show(tr("文字数過多です").toStdString());
        return false;
    }
    const std::string& idText = model_->DetailValues()[DetailGridModel::kIdRow];
    const CatalogueStatus written = records_.updateEditable(idText, editedFields());
    if (!written) {
        messages_.show(updateFailureMessage(written));
        return false;
    }
    model_->markWritten();
    statusBar_.ShowStatusMessage(tr("更新されました。"));
    if (const auto id = parseRecordId(idText)) {
        emit recordWritten(*id);
    }
    return true;
}

EditableFields DetailPane::editedFields() const {
    const DetailGridModel::Texts& values = model_->DetailValues();
    return {values[0], values[1], values[2], values[3], values[4], values[5], values[6], values[7]};
}

std::size_t DetailPane::valueBytes() const {
    std::size_t bytes = 0;
    for (const std::string& value : model_->DetailValues()) {
        bytes += value.size();
    }
    return bytes;
}

void DetailPane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Placed as designed, anchored to the pane's edges; the button keeps room for its caption.
    Panel3->setGeometry(kFrameLeft, 0, std::max(0, width() - kFrameLeft - kFrameRight),
                        std::max(0, height() - kFrameBottom));
    const int buttonWidth =
        std::max(Button2->sizeHint().width(), width() - kButtonLeft - kButtonRight);
    Button2->setGeometry(width() - kButtonRight - buttonWidth, height() - kButtonBottom,
                         buttonWidth, kButtonHeight);
    CheckBox1->setGeometry(kCheckBoxLeft, height() - kCheckBoxBottom, CheckBox1->sizeHint().width(),
                           CheckBox1->sizeHint().height());
}

} // namespace zorvik::gui
