#pragma once

#include <QListView>

#include <functional>

// The value list. Key handlers run before the list's own handling of the key
// (which then moves the current line); the mouse-up handler runs after the
// list has settled its selection for the click.
//
// Only the left button selects and takes the focus, as on the desktop the
// editor was made for; any button's release runs the mouse-up handler.
class TListBox : public QListView {
public:
    explicit TListBox(QWidget* parent);

    std::function<void(int key)> OnKeyDown;
    std::function<void(int key)> OnKeyUp;
    std::function<void()> OnMouseUp;
    // Free for the owner's use.
    int Tag = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
