#include "export/SaveTarget.h"

#include "values/Errors.h"
#include "values/PosixFile.h"

#include <QFileInfo>

namespace {

[[nodiscard]] bool MayWrite(TWindowSystem& windows, const QString& path, const QString& ownFile)
{
    if (!IsExistingFile(path) || path == ownFile)
        return true;
    const QString question = QFileInfo(path).fileName() + QStringLiteral(" existiert bereits. Überschreiben?");
    return windows.Confirm(question, TButtons::YesNo) == TAnswer::Yes;
}

// A name `complete` refuses is said why, and the dialog comes again.
[[nodiscard]] std::optional<QString> Completed(TWindowSystem& windows, const QString& path,
                                               const std::function<QString(const QString&)>& complete)
{
    try {
        return complete(path);
    } catch (const EKoravError& error) {
        windows.ShowError(ErrorDisplayText(error.Text()));
        return std::nullopt;
    }
}

} // namespace

std::optional<QString> ChooseSaveTarget(TWindowSystem& windows, TFileDialog& dialog,
                                        const std::function<QString(const QString&)>& complete, const QString& ownFile)
{
    for (;;) {
        const std::optional<QString> chosen = windows.ExecuteSave(dialog);
        if (!chosen)
            return std::nullopt;
        const std::optional<QString> path = complete ? Completed(windows, *chosen, complete) : chosen;
        if (!path)
            continue;
        dialog.FileName = *path;
        if (MayWrite(windows, *path, ownFile))
            return path;
    }
}
