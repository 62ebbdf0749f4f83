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
    result_.reset();
    columns_ = std::move(columns);
    captions_ = std::move(captions);
    deletedColumn_ = deletedColumn;
    nameColumn_ = nameColumn;
    result_ = query();
    endResetModel();
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
    return result_->integerAt(deletedColumn_, static_cast<std::size_t>(row)) == kMissingRow;
}

QString CharacterListModel::textAt(std::size_t column, int row) const {
    const std::string_view text = result_->textAt(column, static_cast<std::size_t>(row));
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
