#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTabWidget>
#include <QWidget>

#include "gui/app/program_translation.h"

namespace zorvik::test {

// The program in English for as long as the object lives, as a start with
// Language=en shows it. Build it before the windows: captions are set
// when a widget is made.
class EnglishScreen {
public:
    bool installed() const { return translation_.installed(); }

private:
    gui::ProgramTranslation translation_{Language::English};
};

// True for kana, kanji, Japanese punctuation and full-width forms.
inline bool hasJapanese(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30FF) || (u >= 0x3400 && u <= 0x9FFF) ||
            (u >= 0xFF00 && u <= 0xFFEF)) {
            return true;
        }
    }
    return false;
}

namespace detail {

inline void addCaption(QStringList& found, const QString& where, const QString& text) {
    if (hasJapanese(text)) {
        found << where + QStringLiteral(": ") + text;
    }
}

inline void addWidgetCaptions(QStringList& found, const QWidget& w) {
    const QString name = QString::fromLatin1(w.metaObject()->className());
    addCaption(found, name + QStringLiteral(" title"), w.windowTitle());
    addCaption(found, name + QStringLiteral(" tip"), w.toolTip());
    addCaption(found, name + QStringLiteral(" accessible"), w.accessibleName());
    if (const auto* label = qobject_cast<const QLabel*>(&w)) addCaption(found, name, label->text());
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) {
        addCaption(found, name, button->text());
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(&w)) addCaption(found, name, box->title());
    if (const auto* edit = qobject_cast<const QLineEdit*>(&w)) {
        addCaption(found, name, edit->placeholderText());
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(&w)) {
        for (int i = 0; i < combo->count(); ++i) addCaption(found, name, combo->itemText(i));
    }
    if (const auto* tabs = qobject_cast<const QTabWidget*>(&w)) {
        for (int i = 0; i < tabs->count(); ++i) addCaption(found, name, tabs->tabText(i));
    }
    if (const auto* header = qobject_cast<const QHeaderView*>(&w); header && header->model()) {
        for (int i = 0; i < header->count(); ++i) {
            addCaption(found, name, header->model()->headerData(i, header->orientation()).toString());
        }
    }
}

} // namespace detail

// Every caption with a Japanese character on the widget and everything in
// it: titles, labels, buttons, group boxes, tabs, combo items, column
// headers, placeholders, tool tips, accessible names, and the texts of
// actions and menus. Data shown in views is not a caption and is left out.
inline QStringList japaneseCaptions(const QWidget& top) {
    QStringList found;
    detail::addWidgetCaptions(found, top);
    for (const QWidget* w : top.findChildren<QWidget*>()) detail::addWidgetCaptions(found, *w);
    for (const QAction* action : top.findChildren<QAction*>()) {
        detail::addCaption(found, QStringLiteral("action"), action->text());
        detail::addCaption(found, QStringLiteral("action tip"), action->toolTip());
        detail::addCaption(found, QStringLiteral("action status"), action->statusTip());
    }
    return found;
}

} // namespace zorvik::test
