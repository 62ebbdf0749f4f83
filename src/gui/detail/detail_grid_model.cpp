#include "gui/detail/detail_grid_model.h"

#include <algorithm>

namespace zorvik::gui {

namespace {

// The column index whose display name labels each of the record's rows;
// the file name row has a fixed caption instead.
constexpr std::array<int, CharacterRecords::kDetailFieldCount> kLabelColumns = {
    kNameColumn,     kName2Column,         kAuthorColumn,   kAiAuthorColumn, kSpecial1Column,
    kSpecial2Column, kSupportedVerColumn,  kCommentColumn,  kFileNameColumn, kUpdateDateColumn,
    kIdColumn,       kLastCheckDateColumn, kFileTypeColumn, kPathIdColumn,   kDeletedColumn};
constexpr int kFileNameRow = 8;

} // namespace

DetailGridModel::DetailGridModel(QObject* parent) : QAbstractTableModel(parent) {}

CharacterRecords::DetailValues DetailGridModel::recordValues() {
    return CharacterRecords::DetailValues(values_.data(), CharacterRecords::kDetailFieldCount);
}

void DetailGridModel::recordValuesChanged() {
    stored_ = values_;
    const int lastRow = std::min<int>(shownRows_, CharacterRecords::kDetailFieldCount) - 1;
    emit dataChanged(index(0, kValueColumn), index(lastRow, kValueColumn));
}

bool DetailGridModel::hasUnsavedEdits() const {
    return !std::equal(values_.begin(), values_.begin() + kEditableRowCount, stored_.begin());
}

void DetailGridModel::markWritten() {
    std::copy_n(values_.begin(), kEditableRowCount, stored_.begin());
}

void DetailGridModel::discardEdits() {
    std::copy_n(stored_.begin(), kEditableRowCount, values_.begin());
    emit dataChanged(index(0, kValueColumn), index(kEditableRowCount - 1, kValueColumn));
}

std::optional<std::int64_t> DetailGridModel::storedId() const {
    return parseRecordId(stored_[kIdRow]);
}

std::string DetailGridModel::storedName() const {
    return stored_[0].empty() ? stored_[kFileNameRow] : stored_[0];
}

void DetailGridModel::BuildDetailLabels(const std::array<std::string, kColumnCount>& columnNames) {
    for (std::size_t row = 0; row < kLabelColumns.size(); ++row) {
        labels_[row] = columnNames[static_cast<std::size_t>(kLabelColumns[row])];
    }
    labels_[kFileNameRow] = tr("ファイル名").toStdString();
    emit dataChanged(index(0, kLabelColumn), index(shownRows_ - 1, kLabelColumn));
}

void DetailGridModel::setDetailedView(bool detailed) {
    const int rows = detailed ? kRowCount : kBasicRowCount;
    if (rows > shownRows_) {
        beginInsertRows(QModelIndex(), shownRows_, rows - 1);
        shownRows_ = rows;
        endInsertRows();
    } else if (rows < shownRows_) {
        beginRemoveRows(QModelIndex(), rows, shownRows_ - 1);
        shownRows_ = rows;
        endRemoveRows();
    }
}

int DetailGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

int DetailGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant DetailGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    const Texts& texts = index.column() == kLabelColumn ? labels_ : values_;
    return QString::fromStdString(texts[static_cast<std::size_t>(index.row())]);
}

bool DetailGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != kValueColumn || role != Qt::EditRole) {
        return false;
    }
    values_[static_cast<std::size_t>(index.row())] = value.toString().toStdString();
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags DetailGridModel::flags(const QModelIndex& index) const {
    // The label column is fixed: it takes neither the cursor nor an editor.
    if (!index.isValid() || index.column() == kLabelColumn) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemNeverHasChildren;
}

} // namespace zorvik::gui
