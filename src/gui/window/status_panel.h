#pragma once

#include <QWidget>

namespace zorvik::gui {

// Panel 0 of the status bar, drawn by the program: a sunken panel with the
// status text, in highlight colours during the odd phases of a blink.
class StatusPanel : public QWidget {
    Q_OBJECT
public:
    explicit StatusPanel(QWidget* parent);

    // The text, also as the tip when it is too long for the panel.
    void setText(const QString& text);
    const QString& text() const { return text_; }
    void setHighlighted(bool highlighted);
    bool isHighlighted() const { return highlighted_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void StatusBar1DrawPanel(QPainter& painter, const QRect& rect);

    QString text_;
    bool highlighted_ = false;
};

} // namespace zorvik::gui
