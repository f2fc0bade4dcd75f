#include "cli/FileMessages.h"

#include "values/IoError.h"
#include "values/WholeFile.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <optional>

namespace {

[[nodiscard]] std::optional<QString> MissingFolder(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (QFileInfo(folder).isDir())
        return std::nullopt;
    return QStringLiteral("Den Ordner %1 gibt es nicht").arg(QDir::toNativeSeparators(folder));
}

[[nodiscard]] std::optional<QString> ReasonInFileSystem(const QString& path, int code)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("Das ist ein Ordner, keine Datei");
    if (IsReadOnlyFile(path))
        return QStringLiteral("Die Datei ist schreibgeschützt");
    if (IsSpecialFile(path) && code == IoCode::OtherBase + ENXIO)
        return QStringLiteral("Das ist ein Socket; in ihn kann nicht geschrieben werden");
    if (IsSpecialFile(path) && code > IoCode::OtherBase)
        return QStringLiteral("Das ist keine gewöhnliche Datei, sondern eine Pipe oder ein Gerät, und lässt sich "
                              "nicht als Wertedatei lesen");
    if (code == IoCode::AccessDenied && !QFileInfo(info.absolutePath()).isWritable())
        return QStringLiteral("In den Ordner %1 darf nicht geschrieben werden")
            .arg(QDir::toNativeSeparators(info.absolutePath()));
    return std::nullopt;
}

}  // namespace

QString PlainFileMessage(const QString& path, const EKoravError& error)
{
    const auto* inOut = dynamic_cast<const EInOutError*>(&error);
    if (!inOut)
        return error.Text();
    if (const std::optional<QString> folder = MissingFolder(path))
        return *folder;
    return ReasonInFileSystem(path, inOut->Code()).value_or(error.Text());
}
