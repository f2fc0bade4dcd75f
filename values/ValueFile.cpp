#include "values/ValueFile.h"

#include "values/FileLook.h"
#include "values/IoError.h"
#include "values/WholeFile.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QtEndian>

#include <fcntl.h>

namespace {

using TRecord = std::array<char, ValueFileSize>;

QByteArray RecordFromBuffer(const TValueBuffer& buffer)
{
    QByteArray record(ValueFileSize, '\0');
    for (int i = 0; i < ValueCount; ++i)
        qToLittleEndian<std::int16_t>(buffer[i], record.data() + 2 * i);
    return record;
}

void CopyRecordToBuffer(const TRecord& record, TValueBuffer& buffer)
{
    for (int i = 0; i < ValueCount; ++i)
        buffer[i] = qFromLittleEndian<std::int16_t>(record.data() + 2 * i);
}

// Reading would wait for a writer or take a device's endless bytes.
[[noreturn]] void ThrowNoValueFile(const TFileLook& source)
{
    throw EInOutError(IoCodeFromErrno(ESPIPE, source.Name()),
                      QStringLiteral("%1 ist keine gewöhnliche Datei, sondern eine Pipe oder ein Gerät, und lässt "
                                     "sich nicht als Wertedatei lesen")
                          .arg(QFileInfo(source.Name()).fileName()),
                      QStringLiteral("Das ist keine gewöhnliche Datei, sondern eine Pipe oder ein Gerät, und lässt "
                                     "sich nicht als Wertedatei lesen"));
}

} // namespace

bool LoadValueFile(const QString& name, TValueBuffer& buffer, TFileStamp* seen)
{
    const TFileLook source(name);
    if (!source.Exists() || source.IsFolder())
        return false;
    if (source.IsSpecial())
        ThrowNoValueFile(source);
    if (source.IsReadOnly())
        throw EInOutError(IoCode::AccessDenied);
    TPosixFile file = source.Reopen(O_RDWR);
    TRecord record{};
    if (file.ReadAt0(record.data(), record.size()) < record.size())
        throw EInOutError(IoCode::ReadPastEnd);
    if (seen)
        *seen = StampOf(file.Status());
    file.Close();
    CopyRecordToBuffer(record, buffer);
    return true;
}

// A pipe or a device has no bytes after the values to keep.
std::optional<TFileStamp> SaveValueFile(const QString& name, const TValueBuffer& buffer, TWaitForReader wait)
{
    const TFileLook target(name);
    QByteArray content = RecordFromBuffer(buffer);
    if (target.IsRegular() && !target.IsReadOnly())
        content += target.Reopen(O_RDONLY).ReadFrom(ValueFileSize);
    return WriteWholeOutput(target, content, {IoCode::AccessDenied, wait});
}

bool IsValueFileName(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("\\.k(os|oe|[1-9][0-9]?)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern.match(name).hasMatch();
}
