#include "gui/list/character_list_model.h"

#include <algorithm>

#include <QBrush>
#include <QGuiApplication>
#include <QPalette>

#include "core/catalogue/status_rows.h"

namespace zorvik::gui {

CharacterListModel::CharacterListModel(QObject* parent) : QAbstractTableModel(parent) {
    setObjectName(QStringLiteral("CharListModel"));
}

void CharacterListModel::rebuild(std::vector<int> columns, QStringList captions,
                                 std::size_t deletedColumn, std::size_t nameColumn,
                                 const std::function<std::unique_ptr<Kel_QueryResult>()>& query) {
    beginResetModel();
    refreshed_.clear();
    result_.reset();
    columns_ = std::move(columns);
    captions_ = std::move(captions);
    deletedColumn_ = deletedColumn;
    nameColumn_ = nameColumn;
    result_ = query();
    endResetModel();
}

void CharacterListModel::refreshRow(int row, std::unique_ptr<Kel_QueryResult> fresh) {
    if (row < 0 || row >= rowCount() || !fresh || fresh->rowCount() != 1 ||
        fresh->columnCount() != result_->columnCount()) {
        return;
    }
    refreshed_[row] = std::move(fresh);
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

CharacterListModel::RowSource CharacterListModel::sourceOf(int row) const {
    const auto fresh = refreshed_.find(row);
    if (fresh != refreshed_.end()) {
        return {*fresh->second, 0};
    }
    return {*result_, static_cast<std::size_t>(row)};
}

int CharacterListModel::columnTag(int section) const {
    return section >= 0 && static_cast<std::size_t>(section) < columns_.size()
               ? columns_[static_cast<std::size_t>(section)]
               : -1;
}

int CharacterListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !result_ ||
        result_->columnCount() <= std::max({columns_.size(), deletedColumn_, nameColumn_})) {
        return 0;
    }
    return static_cast<int>(result_->rowCount());
}

int CharacterListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

bool CharacterListModel::isMissing(int row) const {
    const RowSource source = sourceOf(row);
    return source.result.integerAt(deletedColumn_, source.row) == kMissingRow;
}

QString CharacterListModel::textAt(std::size_t column, int row) const {
    const RowSource source = sourceOf(row);
    const std::string_view text = source.result.textAt(column, source.row);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QVariant CharacterListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return textAt(static_cast<std::size_t>(index.column()) + 1, index.row());
    case kNameRole:
        return textAt(nameColumn_, index.row());
    case kIdRole:
        return static_cast<qlonglong>(result_->integerAt(0, static_cast<std::size_t>(index.row())));
    case kMissingRole:
        return isMissing(index.row());
    case Qt::ForegroundRole:
        return isMissing(index.row()) ? QVariant(QBrush(QGuiApplication::palette().color(
                                            QPalette::Disabled, QPalette::Text)))
                                      : QVariant();
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        // Said in words too, for those who do not see the grey.
        return isMissing(index.row())
                   ? QVariant(
                         tr("このキャラクターのフォルダまたはファイルはキャラクターフォルダから"
                            "無くなっています"))
                   : QVariant();
    default:
        return {};
    }
}

QVariant CharacterListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= captions_.size()) {
        return {};
    }
    return captions_[section];
}

} // namespace zorvik::gui
