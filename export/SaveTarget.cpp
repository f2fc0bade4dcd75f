#include "export/SaveTarget.h"

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

}  // namespace

std::optional<QString> ChooseSaveTarget(TWindowSystem& windows, TFileDialog& dialog,
                                        const std::function<QString(const QString&)>& complete,
                                        const QString& ownFile)
{
    for (;;) {
        std::optional<QString> path = windows.ExecuteSave(dialog);
        if (path && complete) {
            path = complete(*path);
            dialog.FileName = *path;
        }
        if (!path || MayWrite(windows, *path, ownFile))
            return path;
    }
}
