#include "cli/FileMessages.h"

#include "values/IoError.h"

#include <QDir>
#include <QFileInfo>

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
    if (code == IoCode::AccessDenied && info.exists() && !info.isWritable())
        return QStringLiteral("Die Datei darf nicht geschrieben werden");
    if (code == IoCode::AccessDenied && !QFileInfo(info.absolutePath()).isWritable())
        return QStringLiteral("In den Ordner %1 darf nicht geschrieben werden")
            .arg(QDir::toNativeSeparators(info.absolutePath()));
    return std::nullopt;
}

} // namespace

QString PlainFileMessage(const QString& path, const EKoravError& error)
{
    const auto* inOut = dynamic_cast<const EInOutError*>(&error);
    if (!inOut)
        return error.Text();
    if (!inOut->Reason().isEmpty())
        return inOut->Reason();
    if (const std::optional<QString> folder = MissingFolder(path))
        return *folder;
    return ReasonInFileSystem(path, inOut->Code()).value_or(error.Text());
}
