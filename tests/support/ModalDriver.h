#pragma once

#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

class QWidget;

// What a message box showed when it was answered.
struct TShownMessage {
    QString Title;
    QString Text;
    int Icon = 0;
    QStringList Buttons;
};

// What a file dialog showed when a name was typed into it.
struct TShownFileDialog {
    QString PresetName;
    QStringList Filters;
    int SelectedFilter = -1;
};

// Answers the modal dialogs a command opens, one step per dialog in the order
// they come, from a polling timer that runs inside the dialogs' own event loop.
// A test therefore never blocks: a dialog no step expects is closed at once, and
// one still open some seconds after its step is closed too; both are reported.
class TModalDriver {
public:
    // Acts on the dialog; returns what went wrong, or an empty text.
    using TStep = std::function<QString(QWidget* dialog)>;

    explicit TModalDriver(int patienceMs = 3000);

    TModalDriver& Then(TStep step);
    // True when every step has been used and nothing went wrong.
    [[nodiscard]] bool Finished() const;
    [[nodiscard]] QByteArray Report() const;

    // Puts `path` into the file-name field and presses Return, after moving
    // down `nextFilters` entries in the file-type box.
    [[nodiscard]] static TStep EnterFileName(const QString& path, TShownFileDialog* shown = nullptr,
                                             int nextFilters = 0);
    // Clicks the message box button captioned `caption`.
    [[nodiscard]] static TStep Press(const QString& caption, TShownMessage* shown = nullptr);
    [[nodiscard]] static TStep PressKey(Qt::Key key, TShownMessage* shown = nullptr);
    // Closes the message box as its window's close box does.
    [[nodiscard]] static TStep CloseBox(TShownMessage* shown = nullptr);

private:
    void poll();
    void giveUp(QWidget* dialog, const QString& fault);

    std::deque<TStep> steps_;
    QStringList faults_;
    QTimer timer_;
    QElapsedTimer sinceHandled_;
    int patienceMs_;
};
