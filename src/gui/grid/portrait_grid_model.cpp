#include "gui/grid/portrait_grid_model.h"

#include <algorithm>

#include "gui/list/character_list_model.h"

namespace zorvik::gui {

PortraitGridModel::PortraitGridModel(QObject* parent) : QIdentityProxyModel(parent) {
    setObjectName(QStringLiteral("PortraitGridModel"));
}

int PortraitGridModel::columnCount(const QModelIndex& parent) const {
    return std::min(1, QIdentityProxyModel::columnCount(parent));
}

QVariant PortraitGridModel::data(const QModelIndex& index, int role) const {
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return QIdentityProxyModel::data(index, CharacterListModel::kNameRole);
    case Qt::ToolTipRole: {
        // The missing row's note when it has one, else the name in full (it may be cut).
        const QVariant tip = QIdentityProxyModel::data(index, role);
        return tip.isValid() ? tip : data(index, Qt::DisplayRole);
    }
    default:
        return QIdentityProxyModel::data(index, role);
    }
}

Qt::ItemFlags PortraitGridModel::flags(const QModelIndex& index) const {
    // Nothing is edited, dragged or dropped in the grid.
    return QIdentityProxyModel::flags(index) &
           ~(Qt::ItemIsEditable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled);
}

} // namespace zorvik::gui
