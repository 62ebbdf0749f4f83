#pragma once

#include <QCache>
#include <QImage>

namespace zorvik::gui {

// A row's portrait as the grid draws it: prepared for the cell, or none
// stored ("No Image"). A stored portrait that does not decode is an empty
// image with stored set, and draws nothing, as in the portrait pane.
struct GridPortrait {
    QImage image;
    bool stored = false;
};

// The decoded portraits of the rows drawn lately, by row ID, within a
// budget of bytes: the least recently drawn go first when it is full.
class PortraitCache {
public:
    explicit PortraitCache(qsizetype budgetBytes);

    // The cached portrait, made the most recent; none when not cached.
    const GridPortrait* find(qint64 id) const;
    void insert(qint64 id, GridPortrait portrait);
    void remove(qint64 id);
    void clear();

    qsizetype usedBytes() const { return portraits_.totalCost(); }
    qsizetype budgetBytes() const { return portraits_.maxCost(); }
    qsizetype count() const { return portraits_.count(); }

    // What an entry counts against the budget: its pixels and a little for
    // the entry itself, so that rows without a portrait are bounded too.
    static qsizetype costOf(const GridPortrait& portrait);

private:
    // QCache's look-up reorders its recency list, hence mutable.
    mutable QCache<qint64, GridPortrait> portraits_;
};

} // namespace zorvik::gui
