#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QString>

#include "core/check/check_report.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace zorvik::gui {

// Fills the report window's lists, one row per entry; every row that
// stands for a catalogue row carries its ID (see entryId).
void fillMissingList(QTreeWidget& list, const std::vector<MissingCharacter>& missing);
void fillBrokenList(QTreeWidget& list, const std::vector<BrokenCharacter>& broken);
// A heading row per group with its members below it.
void fillDuplicateList(QTreeWidget& list, const std::vector<DuplicateGroup>& groups);

// The catalogue row an entry of the lists stands for; none for a heading.
std::optional<std::int64_t> entryId(const QTreeWidgetItem& item);

// What a BrokenCharacter says is wrong, for a person.
QString brokenProblemText(BrokenKind kind);

} // namespace zorvik::gui
