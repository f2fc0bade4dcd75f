#pragma once

#include <QObject>

class QWidget;

// Counts the paint events one widget receives, so that a measurement can
// prove the paint it claims to include really happened.
class TPaintWatcher : public QObject {
public:
    explicit TPaintWatcher(QWidget* widget);

    [[nodiscard]] int Paints() const { return paints_; }
    // Processes events until the widget has been painted once more, or
    // `timeoutMs` has passed; false on the timeout.
    [[nodiscard]] bool WaitForPaint(int timeoutMs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int paints_ = 0;
};
