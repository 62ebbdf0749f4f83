#include "gui/mainwindow/character_list_model.h"

namespace zorvik::gui {

CharacterListModel::CharacterListModel(QObject* parent) : QAbstractTableModel(parent) {
    setObjectName(QStringLiteral("CharListModel"));
}

void CharacterListModel::rebuild(std::vector<int> columns, QStringList captions,
                                 const std::function<std::unique_ptr<Kel_QueryResult>()>& query) {
    beginResetModel();
    result_.reset();
    columns_ = std::move(columns);
    captions_ = std::move(captions);
    result_ = query();
    endResetModel();
}

int CharacterListModel::columnTag(int section) const {
    return section >= 0 && static_cast<std::size_t>(section) < columns_.size()
               ? columns_[static_cast<std::size_t>(section)]
               : -1;
}

int CharacterListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !result_ || result_->columnCount() <= columns_.size()) {
        return 0;
    }
    return static_cast<int>(result_->rowCount());
}

int CharacterListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant CharacterListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    const auto column = static_cast<std::size_t>(index.column()) + 1;
    const std::string_view text = result_->textAt(column, static_cast<std::size_t>(index.row()));
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QVariant CharacterListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= captions_.size()) {
        return {};
    }
    return captions_[section];
}

} // namespace zorvik::gui
