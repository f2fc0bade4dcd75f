#pragma once

#include "winsys/WindowSystem.h"

#include <QStringList>

#include <deque>

// The window-system layer of the command: each open dialog answers with the
// next file the command names, the save dialog with the output, and the
// overwrite question with Yes, since the output was named explicitly. Errors
// go to standard error. There is no clipboard.
class TCommandWindows : public TWindowSystem {
public:
    TCommandWindows(const QStringList& openPaths, const QString& savePath);

    TAnswer Confirm(const QString& text, TButtons buttons) override;
    void ShowError(const QString& text) override;
    // A base file that does not exist is refused here, where the command
    // hands it over: the window would evaluate the siblings of a mistyped
    // name without a word.
    std::optional<QString> ExecuteOpen(TFileDialog& dialog) override;
    std::optional<QString> ExecuteSave(TFileDialog& dialog) override;
    void SetClipboardText(const QString& text) override;
    [[nodiscard]] QString ClipboardText() const override;

private:
    std::deque<QString> openPaths_;
    std::deque<QString> savePaths_;
};
