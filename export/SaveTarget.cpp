#include "export/SaveTarget.h"

#include <QFileInfo>

namespace {

[[nodiscard]] bool MayWrite(TWindowSystem& windows, const QString& path)
{
    if (!QFileInfo::exists(path))
        return true;
    const QString question = QFileInfo(path).fileName() + QStringLiteral(" existiert bereits. Überschreiben?");
    return windows.Confirm(question, TButtons::YesNo) == TAnswer::Yes;
}

}  // namespace

std::optional<QString> ChooseSaveTarget(TWindowSystem& windows, TFileDialog& dialog,
                                        const std::function<QString(const QString&)>& complete)
{
    for (;;) {
        std::optional<QString> path = windows.ExecuteSave(dialog);
        if (path && complete) {
            path = complete(*path);
            dialog.FileName = *path;
        }
        if (!path || MayWrite(windows, *path))
            return path;
    }
}
