#include "gui/roster/roster_report_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/designed_font.h"

namespace zorvik::gui {

namespace {

constexpr int kListHeight = 110;
constexpr int kReportWidth = 460;

std::string lineCount(std::size_t lines) {
    return std::to_string(lines) + " 行";
}

} // namespace

std::string rosterSummary(const RosterReport& report) {
    std::string text =
        report.unchanged
            ? report.target + " はすでにこの内容です。何も書き換えていません。"
            : report.target + " に " + lineCount(report.linesWritten) + "を書き出しました。";
    if (!report.linkPath.empty()) {
        text += "\n" + report.linkPath + " はリンクなので、リンク先のファイルを書き換えました。";
    }
    if (report.linesKept > 0) {
        text += "\n以前の行を " + lineCount(report.linesKept) + "残しました。";
    }
    if (!report.backupPath.empty()) {
        text += "\n元のファイルは " + report.backupPath + " に残してあります。";
        if (report.backupPath != report.target + ".bak") {
            text += "\n最初のバックアップ " + report.target +
                    ".bak はそのまま残してあります (日時付きのバックアップは新しい 10 個まで)。";
        }
    }
    return text;
}

bool leftOutAny(const RosterReport& report) {
    return !report.archivesLeftOut.empty() || !report.defNotFound.empty() ||
           !report.notNameable.empty();
}

RosterReportDialog::RosterReportDialog(const RosterReport& report, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("RosterReportDialog"));
    setWindowTitle(QStringLiteral("select.defの書き出し"));
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
            QStringLiteral("アーカイブのキャラクター (エンジンはアーカイブから読めません)(&A)"),
            report.archivesLeftOut);
    addList(QStringLiteral("DefNotFoundList"),
            QStringLiteral("Name のある .def が見つからなかったキャラクター(&D)"),
            report.defNotFound);
    addList(QStringLiteral("NotNameableList"),
            QStringLiteral("名前を select.def の行に書けないキャラクター(&N)"), report.notNameable);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setText(QStringLiteral("閉じる"));
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
    const QString counted = caption + QStringLiteral(": %1 件").arg(characters.size());
    auto* label = new QLabel(counted, this);
    auto* list = new QListWidget(this);
    list->setObjectName(objectName);
    label->setBuddy(list);
    // A screen reader names the list as the label reads, without its mnemonic.
    list->setAccessibleName(QString(counted).remove(QLatin1Char('&')));
    for (const RosterCharacter& character : characters) {
        list->addItem(QString::fromStdString(character.name + " (" + character.fileName + ")"));
    }
    list->setFixedSize(kReportWidth, kListHeight);
    layout()->addWidget(label);
    layout()->addWidget(list);
}

} // namespace zorvik::gui
