#pragma once

#include <QObject>

class QWidget;

namespace zorvik::gui {

// Keeps the user's input away from every window but one while it lives:
// what a modal dialog does, except that the other windows still hear their
// close button (the window system withholds it from windows that a modal
// dialog blocks). Modal boxes that open meanwhile take input as usual.
class InputBlock : public QObject {
    Q_OBJECT
public:
    // Installs itself on the application for as long as it lives.
    explicit InputBlock(QWidget& open);
    ~InputBlock() override;

    InputBlock(const InputBlock&) = delete;
    InputBlock& operator=(const InputBlock&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window that input to receiver would reach.
    bool isOpen(const QObject* receiver) const;

    QWidget& open_;
};

} // namespace zorvik::gui
