#include "gui/app/version_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "gui/app/about_picture.h"
#include "gui/platform/shell.h"

namespace zorvik::gui {

namespace {

QString versionHtml() {
    const QString site = QString::fromLatin1(TVersionForm::kWebSite);
    return QStringLiteral("Version = 1.0.0<br>"
                          "作者：Zorvik プロジェクト<br>"
                          "Web サイト：<a href=\"%1\">%1</a><br>"
                          "本ソフトウェアは無保証で提供されます。<br>"
                          "使用によって生じた損害について、作者は一切の責任を負いません。")
        .arg(site);
}

QString creditHtml() {
    return QStringLiteral("画像：Zorvik プロジェクトがプログラムで描いたものです。<br>"
                          "写真は使用していません。");
}

} // namespace

TVersionForm::TVersionForm(Shell& shell, QWidget* parent) : QDialog(parent), shell_(shell) {
    setObjectName(QStringLiteral("VersionForm"));
    setWindowTitle(QStringLiteral("Zorvikについて"));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(drawAboutPicture());
    picture->setFixedSize(240, 175);

    auto* button = new QPushButton(QStringLiteral("わかった、もういい"), this);
    button->setObjectName(QStringLiteral("Button1"));
    button->setDefault(true);
    connect(button, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(makeNameBlock());
    texts->addWidget(makeTextBlock(QStringLiteral("Memo1"), versionHtml()));
    texts->addWidget(makeTextBlock(QStringLiteral("Memo2"), creditHtml()));
    texts->addWidget(button, 0, Qt::AlignRight);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picture, 0, Qt::AlignTop);
    layout->addLayout(texts);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TVersionForm::makeNameBlock() {
    auto* block = new QWidget(this);
    auto* name = new QLabel(QStringLiteral("Zorvik"), block);
    name->setObjectName(QStringLiteral("Label1"));
    QFont mincho;
    mincho.setFamilies({QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"),
                        QStringLiteral("serif")});
    mincho.setPixelSize(64);
    name->setFont(mincho);
    auto* reading = new QLabel(QStringLiteral("（ゾルヴィク）"), block);
    reading->setObjectName(QStringLiteral("Label2"));
    auto* layout = new QVBoxLayout(block);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(name);
    layout->addWidget(reading);
    return block;
}

QWidget* TVersionForm::makeTextBlock(const QString& objectName, const QString& html) {
    auto* block = new QTextBrowser(this);
    block->setObjectName(objectName);
    block->setFrameShape(QFrame::NoFrame);
    block->setOpenLinks(false);
    block->setHtml(html);
    block->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    block->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    block->setFixedSize(400, static_cast<int>(block->document()->size().height()) + 4);
    QPalette palette = block->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    block->setPalette(palette);
    connect(block, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) { shell_.open(url); });
    return block;
}

} // namespace zorvik::gui
