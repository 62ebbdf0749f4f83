#include "gui/check/check_report_window.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui/app/designed_font.h"
#include "gui/check/check_report_lists.h"

namespace zorvik::gui {

namespace {

enum Tab : int { kMissingTab, kBrokenTab, kSameNameTab, kSamePortraitTab };

constexpr QSize kDesignedSize(680, 440);
// The window's frame, which the screen must hold too, is not known before it is shown.
constexpr int kFrameAllowance = 16;
// The column the Missing and Broken lists are sorted by at first.
constexpr int kFileNameColumn = 1;

// Made anew each time: the captions are in the language shown when the window is built.
QStringList memberHeaders() {
    return {QStringLiteral("ID"), CheckReportWindow::tr("ファイル名"),
            CheckReportWindow::tr("名前"), CheckReportWindow::tr("作者")};
}

// The report's first line: whether the check ran to its end, whether it
// found anything, and the archives it could not look into.
QString checkSummary(const CheckReport& report) {
    QString text =
        !report.completed
            ? CheckReportWindow::tr("検査は途中で止められました。それまでに見つかったものです。")
        : report.problemsFound() ? CheckReportWindow::tr("検査が終わりました。")
                                 : CheckReportWindow::tr("問題は見つかりませんでした。");
    if (report.archivesNotChecked > 0) {
        text += QLatin1Char('\n') +
                CheckReportWindow::tr(
                    "アーカイブ %1 件は、プラグインが中のファイルの一覧を出せないため、"
                    "ファイルを確かめていません。")
                    .arg(report.archivesNotChecked);
    }
    return text;
}

} // namespace

CheckReportWindow::CheckReportWindow(QWidget* parent)
    : QDialog(parent), summary_(new QLabel(this)), tabs_(new QTabWidget(this)) {
    setObjectName(QStringLiteral("CheckReportWindow"));
    setWindowTitle(tr("コレクションの検査"));
    setFont(designedFont());
    summary_->setObjectName(QStringLiteral("SummaryLabel"));
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    tabs_->setObjectName(QStringLiteral("CheckTabs"));
    tabs_->addTab(missingPage(), {});
    lists_[kBrokenTab] = addList(QStringLiteral("BrokenList"),
                                 {QStringLiteral("ID"), tr("ファイル名"), tr("問題"),
                                  QStringLiteral(".def"), tr("キー"), tr("値")},
                                 true);
    // Groups keep their order, their members under them.
    lists_[kSameNameTab] = addList(QStringLiteral("SameNameList"), memberHeaders(), false);
    lists_[kSamePortraitTab] = addList(QStringLiteral("SamePortraitList"), memberHeaders(), false);
    for (const int tab : {kBrokenTab, kSameNameTab, kSamePortraitTab}) {
        tabs_->addTab(lists_[static_cast<std::size_t>(tab)], {});
    }
    auto* hint = new QLabel(
        tr("項目をダブルクリックすると、メインウィンドウのリストでそのキャラクターを選びます。"),
        this);
    hint->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("閉じる"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(tabs_, 1);
    layout->addWidget(hint);
    layout->addWidget(buttons);
    resize(kDesignedSize);
}

CheckReportList* CheckReportWindow::addList(const QString& objectName, const QStringList& headers,
                                            bool sorted) {
    auto* list = new CheckReportList(this);
    list->setObjectName(objectName);
    list->setHeaderLabels(headers);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->header()->setStretchLastSection(true);
    // A header click sorts by its column; at first the list runs by file name.
    list->setSortingEnabled(sorted);
    list->sortByColumn(sorted ? kFileNameColumn : -1, Qt::AscendingOrder);
    connect(list, &QTreeWidget::itemActivated, this, &CheckReportWindow::activate);
    return list;
}

QWidget* CheckReportWindow::missingPage() {
    auto* page = new QWidget(this);
    CheckReportList* missing = addList(QStringLiteral("MissingList"),
                                       {QStringLiteral("ID"), tr("ファイル名"), tr("状態")}, true);
    lists_[kMissingTab] = missing;
    auto* note = new QLabel(tr("削除できるのは「リスト更新で記録済み」のキャラです。"
                               "未記録のものは、キャラクターリストを更新すると記録されます。"),
                            page);
    note->setWordWrap(true);
    deleteMissing_ = new QPushButton(tr("見つからないキャラをカタログから削除(&D)..."), page);
    deleteMissing_->setObjectName(QStringLiteral("DeleteMissingButton"));
    deleteMissing_->setAutoDefault(false);
    connect(deleteMissing_, &QPushButton::clicked, this, &CheckReportWindow::deleteMissingRequested);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(missing, 1);
    layout->addWidget(note);
    layout->addWidget(deleteMissing_, 0, Qt::AlignRight);
    return page;
}

void CheckReportWindow::setReport(const CheckReport& report) {
    summary_->setText(checkSummary(report));
    fillMissingList(*lists_[kMissingTab], report.missing);
    fillBrokenList(*lists_[kBrokenTab], report.broken);
    fillDuplicateList(*lists_[kSameNameTab], report.sameNameAndAuthor);
    fillDuplicateList(*lists_[kSamePortraitTab], report.samePortrait);
    setCaption(kMissingTab, tr("見つからないキャラ %1 件").arg(report.missing.size()));
    setCaption(kBrokenTab, tr("壊れたキャラ %1 件").arg(report.broken.size()));
    setCaption(kSameNameTab, tr("名前と作者が同じ %1 組").arg(report.sameNameAndAuthor.size()));
    setCaption(kSamePortraitTab, tr("ポートレートが同じ %1 組").arg(report.samePortrait.size()));
    deleteMissing_->setEnabled(std::any_of(report.missing.begin(), report.missing.end(),
                                           [](const MissingCharacter& entry) { return entry.marked; }));
    fitWidth();
}

void CheckReportWindow::fitWidth() {
    for (CheckReportList* list : lists_) {
        list->fitColumns();
        list->updateGeometry();
    }
    const QRect screen = this->screen()->availableGeometry();
    // Only ever widened: a width the user gave the window stays.
    const int wanted = std::max({kDesignedSize.width(), sizeHint().width(), width()});
    resize(std::min(wanted, screen.width() - kFrameAllowance), height());
}

void CheckReportWindow::placeBeside(const QWidget& window) {
    const QRect beside = window.frameGeometry();
    const QRect screen = window.screen()->availableGeometry();
    const int frameWidth = isVisible() ? frameGeometry().width() : width() + kFrameAllowance;
    const int right = std::min(beside.right() + 1, screen.right() + 1 - frameWidth);
    move(std::max(screen.left(), right), beside.top() + beside.height() / 8);
}

void CheckReportWindow::setCaption(int tab, const QString& caption) {
    tabs_->setTabText(tab, caption);
    // The list is named as its tab reads; a screen reader then says what it holds.
    lists_[static_cast<std::size_t>(tab)]->setAccessibleName(caption);
}

void CheckReportWindow::activate(QTreeWidgetItem* item) {
    if (const auto id = entryId(*item)) {
        emit entryActivated(*id);
    }
}

} // namespace zorvik::gui
