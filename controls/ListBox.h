#pragma once

#include <QListView>

#include <functional>
#include <optional>

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

    // Makes `row` the current line and selects it, as the program's own
    // choice: a Shift key then extends from this line, as from a click.
    void SelectAsAnchor(int row);
    // Makes `row` the current line and leaves the selection as it is; a
    // Shift key then extends from this line.
    void MoveCurrentTo(int row);

protected:
    [[nodiscard]] QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                                       const QEvent* event) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SetCurrentBy(int row, QItemSelectionModel::SelectionFlags command);

    // What the program's own move of the current line does to the selection.
    std::optional<QItemSelectionModel::SelectionFlags> programCommand_;
};
