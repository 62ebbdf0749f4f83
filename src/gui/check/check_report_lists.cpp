#include "gui/check/check_report_lists.h"

#include <algorithm>
#include <limits>
#include <numeric>

#include <QCoreApplication>
#include <QStyle>
#include <QTreeWidget>

#include "core/text/natural_order.h"

namespace zorvik::gui {

// The context of the lists' texts in the translations.
class CheckReportLists {
    Q_DECLARE_TR_FUNCTIONS(zorvik::gui::CheckReportLists)
};

namespace {

constexpr int kIdRole = Qt::UserRole;

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

// A row that sorts as a person orders names: "whip_2" before "whip_10".
class NaturalItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() != nullptr ? treeWidget()->sortColumn() : 0;
        return zorvik::text::compareNaturally(QTreeWidgetItem::text(column).toStdString(),
                                              other.text(column).toStdString()) < 0;
    }
};

// A row for the catalogue row id, with the texts after its ID column; a
// text too long for its column shows whole in the cell's tool tip.
QTreeWidgetItem* entryItem(std::int64_t id, const QStringList& texts) {
    auto* item = new NaturalItem(QStringList{QString::number(id)} + texts);
    item->setData(0, kIdRole, QVariant::fromValue<qlonglong>(id));
    item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    for (int column = 1; column <= texts.size(); ++column) {
        item->setToolTip(column, texts[column - 1]);
    }
    return item;
}

} // namespace

CheckReportList::CheckReportList(QWidget* parent) : QTreeWidget(parent) {}

void CheckReportList::fitColumns() {
    constexpr int kColumnGap = 16;
    constexpr int kWidestColumn = 300;
    wanted_.clear();
    for (int column = 0; column < columnCount(); ++column) {
        resizeColumnToContents(column);
        wanted_.push_back(std::min(columnWidth(column) + kColumnGap, kWidestColumn));
    }
    shareViewport();
}

QSize CheckReportList::sizeHint() const {
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int columns = std::accumulate(wanted_.begin(), wanted_.end(), 0);
    return {columns + 2 * frameWidth() + scrollBar, QTreeWidget::sizeHint().height()};
}

void CheckReportList::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    shareViewport();
}

void CheckReportList::shareViewport() {
    // The widest columns are cut down to one width, as far as the room needs.
    std::vector<int> sorted = wanted_;
    std::sort(sorted.begin(), sorted.end());
    int room = viewport()->width();
    int limit = std::numeric_limits<int>::max();
    for (std::size_t k = 0; k < sorted.size(); ++k) {
        const int left = static_cast<int>(sorted.size() - k);
        if (sorted[k] * left > room) {
            limit = std::max(room / left, 1);
            break;
        }
        room -= sorted[k];
    }
    for (std::size_t column = 0; column < wanted_.size(); ++column) {
        setColumnWidth(static_cast<int>(column), std::min(wanted_[column], limit));
    }
}

void fillMissingList(QTreeWidget& list, const std::vector<MissingCharacter>& missing) {
    list.clear();
    for (const MissingCharacter& entry : missing) {
        const QString state = entry.marked ? CheckReportLists::tr("リスト更新で記録済み")
                                           : CheckReportLists::tr("未記録 (次のリスト更新で記録)");
        list.addTopLevelItem(entryItem(entry.id, {text(entry.fileName), state}));
    }
}

QString brokenProblemText(BrokenKind kind) {
    switch (kind) {
    case BrokenKind::NoDefFile:
        return CheckReportLists::tr("Name のある .def がありません");
    case BrokenKind::UnreadableArchive:
        return CheckReportLists::tr("アーカイブを読めません");
    case BrokenKind::MissingFile:
        break;
    }
    return CheckReportLists::tr("ファイルが見つかりません");
}

void fillBrokenList(QTreeWidget& list, const std::vector<BrokenCharacter>& broken) {
    list.clear();
    for (const BrokenCharacter& entry : broken) {
        list.addTopLevelItem(entryItem(entry.id, {text(entry.fileName), brokenProblemText(entry.kind),
                                                  text(entry.defFile), text(entry.key),
                                                  text(entry.value)}));
    }
}

void fillDuplicateList(QTreeWidget& list, const std::vector<DuplicateGroup>& groups) {
    list.clear();
    for (std::size_t k = 0; k < groups.size(); ++k) {
        const auto& members = groups[k].members;
        auto* heading = new QTreeWidgetItem(QStringList{
            CheckReportLists::tr("グループ %1 (%2 件)").arg(k + 1).arg(members.size())});
        for (const DuplicateMember& member : members) {
            heading->addChild(entryItem(
                member.id, {text(member.fileName), text(member.name), text(member.author)}));
        }
        list.addTopLevelItem(heading);
        heading->setFirstColumnSpanned(true);
        heading->setExpanded(true);
    }
}

std::optional<std::int64_t> entryId(const QTreeWidgetItem& item) {
    const QVariant id = item.data(0, kIdRole);
    if (!id.isValid()) {
        return std::nullopt;
    }
    return id.toLongLong();
}

} // namespace zorvik::gui
