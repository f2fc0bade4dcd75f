#include "values/WholeFile.h"

#include "values/FileReplacement.h"
#include "values/IoError.h"
#include "values/PosixFile.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

// Blocks on a pipe until a reader comes, as the shell does.
void WriteDirectly(const QString& path, const QByteArray& bytes)
{
    TPosixFile file(path, O_WRONLY);
    file.WriteAll(bytes);
    file.Close();
}

}  // namespace

bool IsSpecialFile(const QString& path)
{
    struct stat info {};
    if (!IsUsableFileName(path) || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode);
}

void WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    if (!IsUsableFileName(path))
        throw EInOutError(IoCode::InvalidName);
    if (IsSpecialFile(path)) {
        WriteDirectly(path, bytes);
        return;
    }
    // The permission bits are checked here because root would replace the
    // file regardless of them.
    if (IsReadOnlyFile(path))
        throw EInOutError(IoCode::NotOpenForOutput);
    if (ReplaceFile(path, bytes) == TReplaceResult::FolderRefused)
        throw EInOutError(IoCode::AccessDenied);
}
