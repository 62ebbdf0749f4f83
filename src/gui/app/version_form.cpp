#include "gui/app/version_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/app/about_picture.h"
#include "gui/platform/shell.h"

namespace zorvik::gui {

namespace {

constexpr int kTextWidth = 380;

} // namespace

QString TVersionForm::versionHtml() {
    const QString site = QString::fromLatin1(kWebSite);
    return tr("Version = 1.0.0<br>"
              "作者：Zorvik プロジェクト<br>"
              "Web サイト：<a href=\"%1\">%1</a><br>"
              "本ソフトウェアは無保証で提供されます。<br>"
              "使用によって生じた損害について、作者は一切の責任を負いません。")
        .arg(site);
}

QString TVersionForm::creditHtml() {
    return tr("画像：Zorvik プロジェクトがプログラムで描いたものです。<br>"
              "写真は使用していません。");
}

TVersionForm::TVersionForm(Shell& shell, QWidget* parent) : QDialog(parent), shell_(shell) {
    setObjectName(QStringLiteral("VersionForm"));
    setWindowTitle(tr("Zorvikについて"));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(drawAboutPicture());
    picture->setFixedSize(240, 175);

    auto* button = new QPushButton(tr("わかった、もういい"), this);
    button->setObjectName(QStringLiteral("Button1"));
    button->setDefault(true);
    connect(button, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(makeNameBlock());
    texts->addWidget(makeTextBlock(QStringLiteral("Memo1"), versionHtml()));
    texts->addSpacing(6);
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
    mincho.setFamilies(
        {QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"), QStringLiteral("serif")});
    mincho.setPixelSize(64);
    name->setFont(mincho);
    auto* reading = new QLabel(tr("（ゾルヴィク）"), block);
    reading->setObjectName(QStringLiteral("Label2"));
    auto* layout = new QVBoxLayout(block);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(name);
    layout->addWidget(reading);
    return block;
}

QWidget* TVersionForm::makeTextBlock(const QString& objectName, const QString& html) {
    auto* block = new QLabel(html, this);
    block->setObjectName(objectName);
    block->setTextFormat(Qt::RichText);
    block->setWordWrap(true);
    block->setFixedWidth(kTextWidth);
    // Read-only text the user may select; the web site opens through the shell.
    block->setTextInteractionFlags(Qt::TextBrowserInteraction);
    connect(block, &QLabel::linkActivated, this,
            [this](const QString& link) { shell_.open(QUrl(link)); });
    return block;
}

} // namespace zorvik::gui
