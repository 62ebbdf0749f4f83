#pragma once

#include <QWidget>

namespace zorvik::gui {

// FindTB: the search box's rounded frame with the clear mark "×" at its
// right end; the search text's edit lies inside the frame. A click that
// both starts and ends on the mark asks for the text to be cleared.
class FindBox : public QWidget {
    Q_OBJECT
public:
    // Clicks closer than this to the right edge hit the clear mark.
    static constexpr int kMarkWidth = 16;

    explicit FindBox(QWidget* parent);

signals:
    void clearMarkClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void FindTBPaint(QPainter& painter);
    bool onMark(int x) const { return x > width() - kMarkWidth; }

    // Set while a press that began on the mark is held.
    int tag_ = 0;
};

} // namespace zorvik::gui
