#include "support/ScriptedWindowSystem.h"

#include <QPrinter>

TAnswer TScriptedWindowSystem::Confirm(const QString& text, TButtons buttons)
{
    Confirmations << text;
    ConfirmationButtons.push_back(buttons);
    if (Answers.empty())
        return TAnswer::Cancel;
    const TAnswer answer = Answers.front();
    Answers.pop_front();
    return answer;
}

void TScriptedWindowSystem::ShowError(const QString& text)
{
    Errors << text;
}

std::optional<QString> TScriptedWindowSystem::ExecuteOpen(TFileDialog& dialog)
{
    return ExecuteDialog(dialog, false);
}

std::optional<QString> TScriptedWindowSystem::ExecuteSave(TFileDialog& dialog)
{
    return ExecuteDialog(dialog, true);
}

std::optional<QString> TScriptedWindowSystem::ExecuteDialog(TFileDialog& dialog, bool save)
{
    Dialogs.push_back({save, dialog.Filter, dialog.DefaultExt, dialog.FileName});
    if (Paths.empty())
        return std::nullopt;
    std::optional<QString> path = Paths.front();
    Paths.pop_front();
    if (!FilterIndices.empty()) {
        dialog.FilterIndex = FilterIndices.front();
        FilterIndices.pop_front();
    }
    if (path)
        dialog.FileName = *path;
    return path;
}

void TScriptedWindowSystem::SetClipboardText(const QString& text)
{
    Clipboard = text;
    ++ClipboardWrites;
}

QString TScriptedWindowSystem::ClipboardText() const
{
    return Clipboard;
}

bool TScriptedWindowSystem::PrintToNextFile(QPrinter& printer)
{
    if (PrintFiles.empty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(PrintFiles.front());
    PrintFiles.pop_front();
    return true;
}

bool TScriptedWindowSystem::ExecutePrint(QPrinter& printer)
{
    ++PrintDialogs;
    PrintOutputFiles << printer.outputFileName();
    return PrintToNextFile(printer);
}

void TScriptedWindowSystem::ExecutePrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint)
{
    ++PrintPreviews;
    if (PrintToNextFile(printer))
        paint(printer);
}
