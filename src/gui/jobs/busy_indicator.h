#pragma once

#include <QWidget>

class QTimer;

namespace zorvik::gui {

// Animate1: a turning ring of dots that shows the update is at work.
class BusyIndicator : public QWidget {
    Q_OBJECT
public:
    explicit BusyIndicator(QWidget* parent);

    void start();
    void stop();
    bool isActive() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer* timer_;
    int step_ = 0;
};

} // namespace zorvik::gui
