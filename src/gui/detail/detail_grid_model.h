#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include <QAbstractTableModel>

#include "core/catalogue/character_records.h"
#include "core/catalogue/columns.h"

namespace zorvik::gui {

// DetailTexts, the detail grid's two columns of 20 texts: the row labels
// (DetailLabels) and the values the user sees and edits (DetailValues).
// The basic view shows the first 10 rows, the detailed view all 20; values
// of rows out of view are kept. The values as last read or written are
// kept too, so that edits of the eight editable fields not yet written
// can be told apart and thrown away.
class DetailGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kRowCount = 20;
    static constexpr int kBasicRowCount = 10;
    static constexpr int kLabelColumn = 0;
    static constexpr int kValueColumn = 1;
    // The row that holds the record's ID, the key of the update.
    static constexpr int kIdRow = 10;
    // The rows written back: NAME to COMMENT.
    static constexpr int kEditableRowCount = 8;

    using Texts = std::array<std::string, kRowCount>;

    explicit DetailGridModel(QObject* parent = nullptr);

    const Texts& DetailLabels() const { return labels_; }
    const Texts& DetailValues() const { return values_; }
    // The rows a record's fields are read into, in the grid's order.
    CharacterRecords::DetailValues recordValues();
    // Announces that recordValues() were overwritten: they are the record as stored.
    void recordValuesChanged();

    // Whether an editable value differs from the record as read or last written.
    bool hasUnsavedEdits() const;
    // The editable values are now the record's as stored.
    void markWritten();
    // The editable values go back to the record's as stored.
    void discardEdits();
    // The record as read: its ID (none when the row does not hold one) and
    // its NAME, or its FILENAME when it has no NAME.
    std::optional<std::int64_t> storedId() const;
    std::string storedName() const;

    // Row labels from the column display names: the record's fields in the
    // grid's order, with the fixed caption of the file name row.
    void BuildDetailLabels(const std::array<std::string, kColumnCount>& columnNames);

    // 20 rows for the detailed view, 10 for the basic one.
    void setDetailedView(bool detailed);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    Texts labels_;
    Texts values_;
    // The values as read, with the editable ones as last written.
    Texts stored_;
    int shownRows_ = kRowCount;
};

} // namespace zorvik::gui
