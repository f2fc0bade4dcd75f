#include "cli/CommandWindows.h"

#include "cli/CommandFailure.h"
#include "cli/Console.h"
#include "values/IoError.h"
#include "values/PosixFile.h"

namespace {

// Every dialog is answered once; a second show of it counts as cancelled.
std::optional<QString> Answer(std::deque<QString>& paths, TFileDialog& dialog)
{
    if (paths.empty())
        return std::nullopt;
    dialog.FileName = paths.front();
    paths.pop_front();
    return dialog.FileName;
}

}  // namespace

TCommandWindows::TCommandWindows(const QStringList& openPaths, const QString& savePath)
    : openPaths_(openPaths.cbegin(), openPaths.cend()), savePaths_{savePath}
{
}

TAnswer TCommandWindows::Confirm(const QString& /*text*/, TButtons /*buttons*/)
{
    return TAnswer::Yes;
}

void TCommandWindows::ShowError(const QString& text)
{
    PrintError(text);
}

std::optional<QString> TCommandWindows::ExecuteOpen(TFileDialog& dialog)
{
    if (!openPaths_.empty() && !IsExistingFile(openPaths_.front()))
        throw FileFailure(openPaths_.front(), EInOutError(IoCode::FileNotFound));
    return Answer(openPaths_, dialog);
}

std::optional<QString> TCommandWindows::ExecuteSave(TFileDialog& dialog)
{
    return Answer(savePaths_, dialog);
}

void TCommandWindows::SetClipboardText(const QString& /*text*/) {}

QString TCommandWindows::ClipboardText() const
{
    return {};
}
