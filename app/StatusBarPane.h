#pragma once

#include <QString>

class QLabel;
class QMainWindow;
class QStatusBar;

// The status bar: what is under the mouse or what is selected, and the name
// of the comparison curve. Hidden at start, so that the window starts as it
// always has; it keeps one height, shown or not.
class TStatusBarPane {
public:
    explicit TStatusBarPane(QMainWindow& window);

    [[nodiscard]] bool IsShown() const;
    [[nodiscard]] int Height() const;
    void SetVisible(bool visible);
    void Show(const QString& text, const QString& comparison);
    // A message over the text for a few seconds.
    void ShowMessage(const QString& message);

private:
    QMainWindow& window_;
    QStatusBar* bar_;
    QLabel* text_;
    QLabel* comparison_;
};
