#include "values/IoError.h"

#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

EInOutError::EInOutError(int code) : EKoravError(IoErrorMessage(code)), code_(code)
{
}

EInOutError::EInOutError(int code, const QString& text, QString reason)
    : EKoravError(text), code_(code), reason_(std::move(reason))
{
}

QString IoErrorMessage(int code)
{
    switch (code) {
    case IoCode::FileNotFound: return QStringLiteral("Datei nicht gefunden");
    case IoCode::InvalidName: return QStringLiteral("Ungültiger Dateiname");
    case IoCode::TooManyOpenFiles: return QStringLiteral("Zu viele geöffnete Dateien");
    case IoCode::AccessDenied: return QStringLiteral("Dateizugriff verweigert");
    case IoCode::ReadPastEnd: return QStringLiteral("Versuch hinter dem Dateiende zu lesen");
    case IoCode::DiskFull: return QStringLiteral("Zu wenig Speicherplatz");
    default: return QStringLiteral("E/A-Fehler %1").arg(code);
    }
}

static bool parentFolderExists(const QString& path)
{
    const QFileInfo info(path);
    return QFileInfo(info.absolutePath()).isDir();
}

int IoCodeFromErrno(int error, const QString& path)
{
    switch (error) {
    case ENOENT: return parentFolderExists(path) ? IoCode::FileNotFound : IoCode::InvalidName;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ: return IoCode::InvalidName;
    case EMFILE:
    case ENFILE: return IoCode::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return IoCode::AccessDenied;
    case EBUSY:
    case ETXTBSY: return IoCode::SharingViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return IoCode::DiskFull;
    case EBADF: return IoCode::NotOpenForOutput;
    default: return IoCode::OtherBase + error;
    }
}

void ThrowIoError(int error, const QString& path)
{
    throw EInOutError(IoCodeFromErrno(error, path));
}

bool IsReadOnlyFile(const QString& path)
{
    struct stat info { };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && IsReadOnlyMode(info);
}

bool IsReadOnlyMode(const struct stat& info)
{
    return S_ISREG(info.st_mode) && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}
