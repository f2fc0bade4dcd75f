#include "values/ValueFile.h"

#include "values/FileReplacement.h"
#include "values/IoError.h"
#include "values/PosixFile.h"

#include <QRegularExpression>
#include <QtEndian>

#include <cerrno>
#include <fcntl.h>

namespace {

using TRecord = std::array<char, ValueFileSize>;

TRecord RecordFromBuffer(const TValueBuffer& buffer)
{
    TRecord record{};
    for (int i = 0; i < ValueCount; ++i)
        qToLittleEndian<std::int16_t>(buffer[i], record.data() + 2 * i);
    return record;
}

void CopyRecordToBuffer(const TRecord& record, TValueBuffer& buffer)
{
    for (int i = 0; i < ValueCount; ++i)
        buffer[i] = qFromLittleEndian<std::int16_t>(record.data() + 2 * i);
}

void RefuseReadOnly(const QString& name)
{
    if (IsReadOnlyFile(name))
        throw EInOutError(IoCode::AccessDenied);
}

// Where the file cannot be replaced as a whole (other names share it, it is
// no regular file, its folder takes no new file), it is overwritten in place.
void WriteRecordInPlace(TPosixFile& file, const TRecord& record)
{
    if (file.WriteAt0(record.data(), record.size()) < record.size())
        throw EInOutError(IoCode::DiskFull);
    file.Close();
}

[[nodiscard]] bool ReplaceWithRecord(const QString& name, TPosixFile& existing, const TRecord& record)
{
    QByteArray content(record.data(), static_cast<qsizetype>(record.size()));
    if (existing.IsOpen())
        content += existing.ReadFrom(record.size());
    return ReplaceFile(name, content) == TReplaceResult::Replaced;
}

}  // namespace

bool LoadValueFile(const QString& name, TValueBuffer& buffer)
{
    if (!IsExistingFile(name))
        return false;
    RefuseReadOnly(name);
    TPosixFile file(name, O_RDWR);
    TRecord record{};
    if (file.ReadAt0(record.data(), record.size()) < record.size())
        throw EInOutError(IoCode::ReadPastEnd);
    file.Close();
    CopyRecordToBuffer(record, buffer);
    return true;
}

void SaveValueFile(const QString& name, const TValueBuffer& buffer)
{
    RefuseReadOnly(name);
    const TRecord record = RecordFromBuffer(buffer);
    TPosixFile existing = TPosixFile::TryOpen(name, O_RDWR);
    if (!existing.IsOpen() && errno != ENOENT)
        ThrowIoError(errno, name);
    if ((!existing.IsOpen() || existing.IsSoleRegularFile()) && ReplaceWithRecord(name, existing, record))
        return;
    TPosixFile file = existing.IsOpen() ? std::move(existing) : TPosixFile(name, O_RDWR | O_CREAT | O_TRUNC);
    WriteRecordInPlace(file, record);
}

bool IsValueFileName(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("\\.k(os|oe|[1-9][0-9]?)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern.match(name).hasMatch();
}
