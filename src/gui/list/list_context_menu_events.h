#pragma once

#include <QObject>
#include <QPoint>

class QAbstractItemView;

namespace zorvik::gui {

// Turns the list's context-menu events (a right-click on the rows or on the
// column headers, the menu key, Shift+F10) into one request with the point in the
// list's own coordinates, where the headers are the band at the top, as a
// list control reports it.
class ListContextMenuEvents : public QObject {
    Q_OBJECT
public:
    explicit ListContextMenuEvents(QAbstractItemView& list);

    // The height of the band at the top of the list that holds the column headers.
    int headerBand() const;

signals:
    void requested(const QPoint& listPos, const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool isShiftF10(const QEvent& event);
    // The menu key opens the menu at the current row.
    QPoint currentRowPoint() const;

    QAbstractItemView& list_;
};

} // namespace zorvik::gui
