#include "gui/settings/settings_controls.h"

#include <algorithm>

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "core/text/encoding.h"

namespace zorvik::gui::settings_controls {

namespace {

template <typename Control> Control* named(Control* control, const char* objectName) {
    control->setObjectName(QString::fromLatin1(objectName));
    return control;
}

} // namespace

QLabel* newLabel(QWidget* parent, const char* objectName, const QString& caption) {
    return named(new QLabel(caption, parent), objectName);
}

QLineEdit* newEdit(QWidget* parent, const char* objectName, QLabel* label) {
    auto* edit = named(new QLineEdit(parent), objectName);
    label->setBuddy(edit);
    return edit;
}

QPushButton* newButton(QWidget* parent, const char* objectName, const QString& caption) {
    return named(new QPushButton(caption, parent), objectName);
}

QCheckBox* newCheckBox(QWidget* parent, const char* objectName, const QString& caption) {
    return named(new QCheckBox(caption, parent), objectName);
}

QGroupBox* newGroupBox(QWidget* parent, const char* objectName, const QString& title) {
    return named(new QGroupBox(title, parent), objectName);
}

QListWidget* newListBox(QWidget* parent, const char* objectName, QLabel* label) {
    auto* list = named(new QListWidget(parent), objectName);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    if (label != nullptr) {
        label->setBuddy(list);
        // Item views take no name from a buddy label.
        list->setAccessibleName(withoutAccessKey(label->text()));
    }
    return list;
}

QLabel* newNote(QWidget* parent, const char* objectName, const QStringList& lines) {
    QLabel* note = named(new QLabel(lines.join(QLatin1Char('\n')), parent), objectName);
    note->setTextFormat(Qt::PlainText);
    note->setTextInteractionFlags(Qt::TextSelectableByMouse);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return note;
}

QPushButton* newChooserButton(QWidget* parent, const char* objectName, const QString& chooses) {
    QPushButton* button = newButton(parent, objectName, QStringLiteral("..."));
    button->setAccessibleName(
        QCoreApplication::translate("zorvik::gui::settings_controls", "%1を選ぶ").arg(chooses));
    // As wide as its caption needs, not a full-sized push button.
    const int captionWidth = button->fontMetrics().horizontalAdvance(button->text());
    button->setFixedWidth(std::max(captionWidth + 24, button->sizeHint().height()));
    return button;
}

QString withoutAccessKey(const QString& caption) {
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // "&x" marks x; "&&" is one '&'.
        if (caption[i] == u'&' && i + 1 < caption.size()) {
            ++i;
        }
        plain += caption[i];
    }
    return plain;
}

int selectedRow(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? -1 : list.row(selected.constFirst());
}

QString fromSetting(const std::string& text) {
    return QString::fromStdString(text);
}

std::string toSetting(const QString& text, std::size_t bufferSize) {
    return text::fitToBuffer(text.toStdString(), bufferSize);
}

} // namespace zorvik::gui::settings_controls
