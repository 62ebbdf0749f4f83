#include "gui/battle/text_field_keys.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace zorvik::gui {

namespace {

bool isTextField(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QTextEdit*>(widget) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr;
}

} // namespace

TextFieldKeys::TextFieldKeys(QWidget& window, QList<QKeySequence> keys)
    : QObject(&window), keys_(std::move(keys)) {
    // A key the focused field does not claim itself travels up to the
    // window before any shortcut sees it.
    window.installEventFilter(this);
}

bool TextFieldKeys::eventFilter(QObject* /*watched*/, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride || !isTextField(QApplication::focusWidget())) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (!keys_.contains(QKeySequence(key->keyCombination()))) {
        return false;
    }
    // Claimed for the field: the key then reaches it as a key press.
    key->accept();
    return true;
}

} // namespace zorvik::gui
