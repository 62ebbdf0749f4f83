#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QString>
#include <QTreeWidget>

#include "core/check/check_report.h"

namespace zorvik::gui {

// A list of the report: its columns as wide as their texts (none wider
// than a few hundred pixels, a longer text is whole in its tool tip), and
// the list as wide as its columns, so that the window opens showing all.
// In a narrower list the widest columns give up width first, so that
// every column stays on show.
class CheckReportList : public QTreeWidget {
    Q_OBJECT
public:
    explicit CheckReportList(QWidget* parent);

    // Sizes the columns for the entries the list holds now.
    void fitColumns();
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void shareViewport();

    // Each column's width for its texts.
    std::vector<int> wanted_;
};

// Fill the report window's lists, one row per entry, in the order given;
// every row that stands for a catalogue row carries its ID (see entryId)
// and sorts naturally by the list's sort column ("whip_2" before "whip_10").
void fillMissingList(QTreeWidget& list, const std::vector<MissingCharacter>& missing);
void fillBrokenList(QTreeWidget& list, const std::vector<BrokenCharacter>& broken);
// A heading row per group with its members below it.
void fillDuplicateList(QTreeWidget& list, const std::vector<DuplicateGroup>& groups);

// The catalogue row an entry of the lists stands for; none for a heading.
std::optional<std::int64_t> entryId(const QTreeWidgetItem& item);

// What a BrokenCharacter says is wrong, for a person.
QString brokenProblemText(BrokenKind kind);

} // namespace zorvik::gui
