#include "gui/grid/portrait_cache.h"

namespace zorvik::gui {

namespace {

constexpr qsizetype kEntryOverhead = 256;

} // namespace

PortraitCache::PortraitCache(qsizetype budgetBytes) : portraits_(budgetBytes) {}

const GridPortrait* PortraitCache::find(qint64 id) const {
    return portraits_.object(id);
}

void PortraitCache::insert(qint64 id, GridPortrait portrait) {
    const qsizetype cost = costOf(portrait);
    // QCache refuses (and deletes) an entry larger than the whole budget.
    portraits_.insert(id, new GridPortrait(std::move(portrait)), cost);
}

void PortraitCache::remove(qint64 id) {
    portraits_.remove(id);
}

void PortraitCache::clear() {
    portraits_.clear();
}

qsizetype PortraitCache::costOf(const GridPortrait& portrait) {
    return portrait.image.sizeInBytes() + kEntryOverhead;
}

} // namespace zorvik::gui
