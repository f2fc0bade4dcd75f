#include "values/FileReplacement.h"

#include "values/FileLook.h"
#include "values/IoError.h"
#include "values/TemporaryFile.h"

#include <QFileInfo>

#include <cerrno>

namespace {

// The kernel's own limit on links followed while resolving one name.
constexpr int MaxLinkHops = 40;

void (*beforeReplacing)() = nullptr;

} // namespace

QString LinkTarget(const QString& path)
{
    QString current = path;
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        const QFileInfo info(current);
        if (!info.isSymLink())
            return current;
        current = info.symLinkTarget();
    }
    return current;
}

void SetBeforeReplacingHook(void (*hook)())
{
    beforeReplacing = hook;
}

std::optional<TFileStamp> ReplaceFile(const TFileLook& target, const QByteArray& content)
{
    TTemporaryFile temporary(target.Name());
    if (const int error = temporary.CreationError()) {
        if (error == EACCES || error == EPERM)
            return std::nullopt;
        ThrowIoError(error, target.Name());
    }
    if (target.Exists() && !temporary.TakeOverAttributes(target.Info()))
        return std::nullopt;
    const TFileStamp stamp = temporary.Write(content);
    if (beforeReplacing)
        beforeReplacing();
    if (!temporary.PutInPlaceOf(target.Name(), target.Exists()))
        return std::nullopt;
    return stamp;
}
