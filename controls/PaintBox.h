#pragma once

#include <QWidget>

#include <functional>

class QMouseEvent;
class QWheelEvent;
class TCanvas;

// A surface that paints nothing of its own: its owner draws through OnPaint
// on whatever part is exposed, and receives its mouse events.
class TPaintBox : public QWidget {
    Q_OBJECT

public:
    explicit TPaintBox(QWidget* parent = nullptr);

    std::function<void(TCanvas&)> OnPaint;
    std::function<void(QMouseEvent&)> OnMouseDown;
    std::function<void(QMouseEvent&)> OnMouseMove;
    std::function<void(QMouseEvent&)> OnMouseUp;
    std::function<void()> OnMouseLeave;
    // A wheel event the handler ignores scrolls what the surface lies in.
    std::function<void(QWheelEvent&)> OnWheel;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};
