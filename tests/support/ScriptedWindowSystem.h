#pragma once

#include "winsys/WindowSystem.h"

#include <QStringList>

#include <deque>

// A window-system layer for tests and benchmarks: answers come from queues
// the caller fills, and everything shown is recorded. An empty queue answers
// Cancel, or a cancelled dialog.
class TScriptedWindowSystem : public TWindowSystem {
public:
    struct TShownDialog {
        bool Save = false;
        QString Filter;
        QString DefaultExt;
        QString FileName;
    };

    std::deque<TAnswer> Answers;
    std::deque<std::optional<QString>> Paths;
    // The file type a file dialog leaves chosen, counted from 1; with an
    // empty queue the dialog keeps the one it had.
    std::deque<int> FilterIndices;
    // A print dialog answered with a name prints into that PDF file; an
    // empty queue cancels it. A preview paints into the next name, if any.
    std::deque<QString> PrintFiles;
    int PrintDialogs = 0;
    int PrintPreviews = 0;
    // The output file of the printer as each print dialog found it.
    QStringList PrintOutputFiles;

    QStringList Confirmations;
    std::deque<TButtons> ConfirmationButtons;
    QStringList Errors;
    std::deque<TShownDialog> Dialogs;
    QString Clipboard;
    int ClipboardWrites = 0;

    TAnswer Confirm(const QString& text, TButtons buttons) override;
    void ShowError(const QString& text) override;
    std::optional<QString> ExecuteOpen(TFileDialog& dialog) override;
    std::optional<QString> ExecuteSave(TFileDialog& dialog) override;
    void SetClipboardText(const QString& text) override;
    QString ClipboardText() const override;
    bool ExecutePrint(QPrinter& printer) override;
    void ExecutePrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;

private:
    std::optional<QString> ExecuteDialog(TFileDialog& dialog, bool save);
    // Points `printer` at the next print file; false when there is none.
    bool PrintToNextFile(QPrinter& printer);
};
