#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class QWidget;

namespace zorvik::gui {

// Keeps some of a window's shortcuts out of its text fields: while a text
// field has the focus, these keys are its own (Ctrl+A selects all, Ctrl+C
// copies) and choose nothing in the window.
class TextFieldKeys : public QObject {
    Q_OBJECT
public:
    TextFieldKeys(QWidget& window, QList<QKeySequence> keys);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QKeySequence> keys_;
};

} // namespace zorvik::gui
