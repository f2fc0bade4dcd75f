#include "values/FileReplacement.h"

#include "values/IoError.h"
#include "values/PosixFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The kernel's own limit on links followed while resolving one name.
constexpr int MaxLinkHops = 40;

[[nodiscard]] QByteArray Encoded(const QString& path)
{
    return QFile::encodeName(path);
}

// Leaves room for the additions within the usual 255 bytes of a name.
constexpr int MaxNameStem = 200;

// A name next to the target that no other writer picks: a crash leaves at
// worst this hidden file behind, never a torn target.
[[nodiscard]] QString TemporaryName(const QString& target)
{
    const QFileInfo info(target);
    const QString suffix = QString::number(QRandomGenerator::global()->generate64(), 36);
    return info.dir().filePath(QStringLiteral(".") + info.fileName().left(MaxNameStem) + QStringLiteral(".") + suffix
                               + QStringLiteral(".tmp"));
}

// Copies owner, group and permission bits; the owner first, since a change
// of owner clears the set-user-ID bit. Only root may give a file away, so a
// refused change of owner keeps the writer's, as any editor's save does.
void TakeOverAttributes(int fd, const struct stat& old)
{
    if (::fchown(fd, old.st_uid, old.st_gid) != 0)
        static_cast<void>(::fchown(fd, static_cast<uid_t>(-1), old.st_gid));
    if (::fchmod(fd, old.st_mode & 07777) != 0)
        ThrowIoError(errno, QString());
}

// The temporary file, removed again unless it was renamed into place.
class TTemporaryFile {
public:
    explicit TTemporaryFile(const QString& target)
        : name_(TemporaryName(target)), file_(TPosixFile::TryOpen(name_, O_WRONLY | O_CREAT | O_EXCL)),
          error_(file_.IsOpen() ? 0 : errno)
    {
    }
    ~TTemporaryFile()
    {
        if (error_ == 0 && !renamed_)
            ::unlink(Encoded(name_).constData());
    }
    TTemporaryFile(const TTemporaryFile&) = delete;
    TTemporaryFile& operator=(const TTemporaryFile&) = delete;

    [[nodiscard]] int CreationError() const { return error_; }

    void Write(const QByteArray& content, const struct stat* old)
    {
        if (old)
            TakeOverAttributes(file_.Descriptor(), *old);
        file_.WriteAll(content);
        file_.Flush();
        file_.Close();
    }

    void RenameTo(const QString& target)
    {
        if (::rename(Encoded(name_).constData(), Encoded(target).constData()) != 0)
            ThrowIoError(errno, target);
        renamed_ = true;
    }

private:
    QString name_;
    TPosixFile file_;
    int error_;
    bool renamed_ = false;
};

}  // namespace

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

TReplaceResult ReplaceFile(const QString& path, const QByteArray& content)
{
    if (!IsUsableFileName(path))
        throw EInOutError(IoCode::InvalidName);
    const QString target = LinkTarget(path);
    struct stat old {};
    const bool exists = ::stat(Encoded(target).constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        ThrowIoError(EISDIR, target);
    TTemporaryFile temporary(target);
    if (const int error = temporary.CreationError()) {
        if (error == EACCES || error == EPERM)
            return TReplaceResult::FolderRefused;
        ThrowIoError(error, target);
    }
    temporary.Write(content, exists ? &old : nullptr);
    temporary.RenameTo(target);
    return TReplaceResult::Replaced;
}
