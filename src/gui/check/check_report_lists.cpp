#include "gui/check/check_report_lists.h"

#include <QCoreApplication>
#include <QTreeWidget>

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

// A row for the catalogue row id, with the texts after its ID column.
QTreeWidgetItem* entryItem(std::int64_t id, const QStringList& texts) {
    auto* item = new QTreeWidgetItem(QStringList{QString::number(id)} + texts);
    item->setData(0, kIdRole, QVariant::fromValue<qlonglong>(id));
    item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// Wide enough for their texts, with room between one column and the next.
void resizeColumns(QTreeWidget& list) {
    constexpr int kColumnGap = 16;
    for (int column = 0; column + 1 < list.columnCount(); ++column) {
        list.resizeColumnToContents(column);
        list.setColumnWidth(column, list.columnWidth(column) + kColumnGap);
    }
}

} // namespace

void fillMissingList(QTreeWidget& list, const std::vector<MissingCharacter>& missing) {
    list.clear();
    for (const MissingCharacter& entry : missing) {
        const QString state = entry.marked ? CheckReportLists::tr("リスト更新で記録済み")
                                           : CheckReportLists::tr("未記録 (次のリスト更新で記録)");
        list.addTopLevelItem(entryItem(entry.id, {text(entry.fileName), state}));
    }
    resizeColumns(list);
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
    resizeColumns(list);
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
    resizeColumns(list);
}

std::optional<std::int64_t> entryId(const QTreeWidgetItem& item) {
    const QVariant id = item.data(0, kIdRole);
    if (!id.isValid()) {
        return std::nullopt;
    }
    return id.toLongLong();
}

} // namespace zorvik::gui
