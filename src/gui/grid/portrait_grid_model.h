#pragma once

#include <QIdentityProxyModel>

namespace zorvik::gui {

// The list's rows as the portrait grid shows them: the same rows in the
// same order, each one named by its NAME (shown in the list or not), which
// is also its accessible name and what typing a name's first letters finds.
class PortraitGridModel : public QIdentityProxyModel {
    Q_OBJECT
public:
    explicit PortraitGridModel(QObject* parent);

    // One column: a row is one portrait, also to accessibility tools.
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
};

} // namespace zorvik::gui
