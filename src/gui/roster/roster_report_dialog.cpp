#include "gui/roster/roster_report_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/text/message.h"
#include "gui/app/designed_font.h"

namespace zorvik::gui {

namespace {

constexpr int kListHeight = 110;
constexpr int kReportWidth = 460;

// A summary line in the language shown with the paths put in as their own
// bytes (a path may not be UTF-8).
std::string filled(const QString& pattern, const std::vector<std::string>& arguments) {
    return withArguments(pattern.toStdString(), arguments);
}

} // namespace

std::string rosterSummary(const RosterReport& report) {
    // The class named in full: from here lupdate does not find its namespace.
    std::string text =
        report.unchanged
            ? filled(zorvik::gui::RosterReportDialog::tr(
                         "%1 はすでにこの内容です。何も書き換えていません。"),
                     {report.target})
            : filled(zorvik::gui::RosterReportDialog::tr("%1 に %2 行を書き出しました。"),
                     {report.target, std::to_string(report.linesWritten)});
    if (!report.linkPath.empty()) {
        text += "\n" + filled(zorvik::gui::RosterReportDialog::tr(
                                  "%1 はリンクなので、リンク先のファイルを書き換えました。"),
                              {report.linkPath});
    }
    if (report.linesKept > 0) {
        text += "\n" + filled(zorvik::gui::RosterReportDialog::tr("以前の行を %1 行残しました。"),
                              {std::to_string(report.linesKept)});
    }
    if (!report.backupPath.empty()) {
        text += "\n" +
                filled(zorvik::gui::RosterReportDialog::tr("元のファイルは %1 に残してあります。"),
                       {report.backupPath});
        if (report.backupPath != report.target + ".bak") {
            text += "\n" + filled(zorvik::gui::RosterReportDialog::tr(
                                      "最初のバックアップ %1.bak はそのまま残してあります "
                                      "(日時付きのバックアップは新しい 10 個まで)。"),
                                  {report.target});
        }
    }
    return text;
}

bool leftOutAny(const RosterReport& report) {
    return !report.archivesLeftOut.empty() || !report.defNotFound.empty() ||
           !report.notNameable.empty() || !report.brokenLeftOut.empty();
}

RosterReportDialog::RosterReportDialog(const RosterReport& report, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("RosterReportDialog"));
    setWindowTitle(tr("select.defの書き出し"));
    setFont(designedFont());
    auto* layout = new QVBoxLayout(this);
    auto* summary = new QLabel(QString::fromStdString(rosterSummary(report)), this);
    summary->setObjectName(QStringLiteral("SummaryLabel"));
    summary->setWordWrap(true);
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summary->setFixedWidth(kReportWidth);
    layout->addWidget(summary);
    layout->addSpacing(6);
    addList(QStringLiteral("ArchivesList"),
            tr("アーカイブのキャラクター (エンジンはアーカイブから読めません)(&A): %1 件"),
            report.archivesLeftOut);
    addList(QStringLiteral("DefNotFoundList"),
            tr("Name のある .def が見つからなかったキャラクター(&D): %1 件"), report.defNotFound);
    addList(QStringLiteral("NotNameableList"),
            tr("名前を select.def の行に書けないキャラクター(&N): %1 件"), report.notNameable);
    addList(QStringLiteral("BrokenList"),
            tr("壊れているため除いたキャラクター (見つからないファイル)(&B): %1 件"),
            report.brokenLeftOut);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setText(tr("閉じる"));
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void RosterReportDialog::addList(const QString& objectName, const QString& caption,
                                 const std::vector<RosterCharacter>& characters) {
    if (characters.empty()) {
        return;
    }
    const QString counted = caption.arg(characters.size());
    auto* label = new QLabel(counted, this);
    auto* list = new QListWidget(this);
    list->setObjectName(objectName);
    label->setBuddy(list);
    // A screen reader names the list as the label reads, without its mnemonic.
    list->setAccessibleName(QString(counted).remove(QLatin1Char('&')));
    for (const RosterCharacter& character : characters) {
        const std::string problem = character.problem.empty() ? "" : " : " + character.problem;
        list->addItem(
            QString::fromStdString(character.name + " (" + character.fileName + ")" + problem));
    }
    list->setFixedSize(kReportWidth, kListHeight);
    layout()->addWidget(label);
    layout()->addWidget(list);
}

} // namespace zorvik::gui
