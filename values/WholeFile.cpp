#include "values/WholeFile.h"

#include "values/FileLook.h"
#include "values/FileReplacement.h"
#include "values/IoError.h"
#include "values/PosixFile.h"

#include <cerrno>
#include <fcntl.h>

namespace {

// Where no replacement can be made. A failure half-way leaves a mix of old
// and new bytes, which is why this is the last way out, not the first.
TFileStamp WriteInPlace(const TFileLook& target, const QByteArray& bytes)
{
    TPosixFile file =
        target.Exists() ? target.Reopen(O_WRONLY) : TPosixFile(target.Name(), O_WRONLY | O_CREAT | O_EXCL);
    const auto size = static_cast<std::size_t>(bytes.size());
    if (file.WriteAt0(bytes.constData(), size) < size)
        throw EInOutError(IoCode::DiskFull);
    file.Truncate(size);
    file.Flush();
    const TFileStamp stamp = StampOf(file.Status());
    file.Close();
    return stamp;
}

void RequireLookable(const TFileLook& target)
{
    if (target.LookError() == EINVAL)
        throw EInOutError(IoCode::InvalidName);
    if (!target.Exists() && target.LookError() != ENOENT)
        ThrowIoError(target.LookError(), target.Name());
    if (target.IsFolder())
        ThrowIoError(EISDIR, target.Name());
}

} // namespace

std::optional<TFileStamp> WriteWholeOutput(const TFileLook& target, const QByteArray& bytes, const TOutputRules& rules)
{
    RequireLookable(target);
    if (target.IsSpecial()) {
        WriteStream(target, bytes, rules.Wait);
        return std::nullopt;
    }
    if (target.IsReadOnly())
        throw EInOutError(rules.ReadOnlyCode);
    if (!target.IsShared())
        if (const std::optional<TFileStamp> stamp = ReplaceFile(target, bytes))
            return stamp;
    return WriteInPlace(target, bytes);
}

void WriteWholeFile(const QString& path, const QByteArray& bytes, TWaitForReader wait)
{
    WriteWholeOutput(TFileLook(path), bytes, {IoCode::NotOpenForOutput, wait});
}
