#pragma once

#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include <QAbstractTableModel>
#include <QStringList>

#include "core/catalogue/query_result.h"

namespace zorvik::gui {

// The character list's rows, read straight from the last list query's
// result (CharListResult): list row r is result row r, list column k is
// result column k + 1 (result column 0 holds the row's ID; the row's
// DELETED follows the shown columns and is not shown). Cells become texts
// only when the view asks for them, so a large catalogue costs no more
// than its result. Rows whose file is gone from the character folder are
// drawn greyed, with a tool tip that says so.
class CharacterListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // What every cell of a row also gives, whatever its column: the row's
    // NAME (shown or not), its ID and whether it is marked missing.
    static constexpr int kNameRole = Qt::UserRole + 1;
    static constexpr int kIdRole = Qt::UserRole + 2;
    static constexpr int kMissingRole = Qt::UserRole + 3;

    explicit CharacterListModel(QObject* parent);

    // Replaces the columns (catalogue column indices, with their captions)
    // and the rows with those of query's result, whose column deletedColumn
    // holds each row's DELETED and nameColumn its NAME. The previous result
    // is released before the query runs. A query that gives none leaves the
    // list without rows.
    void rebuild(std::vector<int> columns, QStringList captions, std::size_t deletedColumn,
                 std::size_t nameColumn,
                 const std::function<std::unique_ptr<Kel_QueryResult>()>& query);

    // Shows fresh, the one row of a query with the same columns (the row's
    // record read again after a write), in place of row's cells until the
    // next rebuild. A result of another shape changes nothing.
    void refreshRow(int row, std::unique_ptr<Kel_QueryResult> fresh);

    const Kel_QueryResult* result() const { return result_.get(); }
    // The catalogue column index shown in a list column.
    int columnTag(int section) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    // Where a row's cells are read: the list's result, or the row read again.
    struct RowSource {
        const Kel_QueryResult& result;
        std::size_t row;
    };
    RowSource sourceOf(int row) const;
    bool isMissing(int row) const;
    QString textAt(std::size_t column, int row) const;

    std::vector<int> columns_;
    std::size_t deletedColumn_ = 0;
    std::size_t nameColumn_ = 0;
    QStringList captions_;
    std::unique_ptr<Kel_QueryResult> result_;
    std::unordered_map<int, std::unique_ptr<Kel_QueryResult>> refreshed_;
};

} // namespace zorvik::gui
