#include "values/TemporaryFile.h"

#include "values/IoError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

[[nodiscard]] QByteArray Encoded(const QString& path)
{
    return QFile::encodeName(path);
}

// Leaves room for the dot, the random part and ".tmp" within the 255 bytes
// a name may have.
constexpr qsizetype MaxNameStemBytes = 200;

// The first `limit` bytes of `name` in the file system's encoding, cut
// before a character that would not fit whole.
[[nodiscard]] QString CutToBytes(const QString& name, qsizetype limit)
{
    const QByteArray bytes = Encoded(name);
    if (bytes.size() <= limit)
        return name;
    qsizetype end = limit;
    while (end > 0 && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80)
        --end;
    return QFile::decodeName(bytes.left(end));
}

// O_TMPFILE asks for a file without a name in the folder. A file system
// without such files refuses with EOPNOTSUPP; a kernel that does not know the
// flag takes it as a folder to open and refuses with EISDIR.
[[nodiscard]] bool TakesNoUnnamedFiles(int error)
{
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

// The unnamed file where the folder offers one, else the hidden name.
[[nodiscard]] TPosixFile CreateTemporary(const QString& target, const QString& name)
{
    TPosixFile unnamed = TPosixFile::TryOpen(QFileInfo(target).absolutePath(), O_TMPFILE | O_WRONLY);
    if (unnamed.IsOpen() || !TakesNoUnnamedFiles(unnamed.OpenError()))
        return unnamed;
    return TPosixFile::TryOpen(name, O_WRONLY | O_CREAT | O_EXCL);
}

} // namespace

QString TemporaryName(const QString& target)
{
    const QFileInfo info(target);
    const QString suffix = QString::number(QRandomGenerator::global()->generate64(), 36);
    return info.dir().filePath(QStringLiteral(".") + CutToBytes(info.fileName(), MaxNameStemBytes) + u'.' + suffix +
                               QStringLiteral(".tmp"));
}

TTemporaryFile::TTemporaryFile(const QString& target)
    : target_(target), name_(TemporaryName(target)), file_(CreateTemporary(target, name_)),
      unnamed_(file_.IsOpen() && file_.Status().st_nlink == 0), named_(file_.IsOpen() && !unnamed_)
{
}

TTemporaryFile::~TTemporaryFile()
{
    if (named_)
        ::unlink(Encoded(name_).constData());
}

// The owner first, since a change of owner clears the set-user-ID bit.
bool TTemporaryFile::TakeOverAttributes(const struct stat& old)
{
    if (::fchown(file_.Descriptor(), old.st_uid, old.st_gid) != 0)
        return false;
    if (::fchmod(file_.Descriptor(), old.st_mode & 07777) != 0)
        ThrowIoError(errno, target_);
    return true;
}

TFileStamp TTemporaryFile::Write(const QByteArray& content)
{
    file_.WriteAll(content);
    file_.Flush();
    const TFileStamp stamp = StampOf(file_.Status());
    // A named file is closed before it takes the target's place, so that a
    // late error of the close leaves the target alone; an unnamed one needs
    // its descriptor to get a name.
    if (!unnamed_)
        file_.Close();
    return stamp;
}

// Through /proc, as any user may; AT_EMPTY_PATH needs a privilege.
int TTemporaryFile::LinkAs(const QString& name) const
{
    const QByteArray link = Encoded(name);
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(file_.Descriptor());
    if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, link.constData(), AT_SYMLINK_FOLLOW) == 0)
        return 0;
    if (errno == ENOENT && ::linkat(file_.Descriptor(), "", AT_FDCWD, link.constData(), AT_EMPTY_PATH) == 0)
        return 0;
    return errno;
}

bool TTemporaryFile::PutInPlaceOf(const QString& target, bool targetExists)
{
    if (unnamed_) {
        // A free name takes the file directly; a name taken meanwhile goes
        // the way of a replacement.
        const int direct = targetExists ? EEXIST : LinkAs(target);
        if (direct == 0) {
            file_.Close();
            return true;
        }
        if (direct != EEXIST)
            ThrowIoError(direct, target);
        if (const int error = LinkAs(name_))
            ThrowIoError(error, target);
        named_ = true;
        file_.Close();
    }
    return RenameOver(target);
}

bool TTemporaryFile::RenameOver(const QString& target)
{
    if (::rename(Encoded(name_).constData(), Encoded(target).constData()) == 0) {
        named_ = false;
        return true;
    }
    if (errno == EACCES || errno == EPERM)
        return false;
    ThrowIoError(errno, target);
}
