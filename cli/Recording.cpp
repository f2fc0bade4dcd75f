#include "cli/Recording.h"

#include "cli/CommandFailure.h"
#include "values/IoError.h"
#include "values/PosixFile.h"

#include <QtEndian>

#include <fcntl.h>

// A named pipe opened without waiting for a writer fails at the read, as
// no value file.
TRecording ReadRecording(const QString& path)
{
    TRecording recording;
    try {
        TPosixFile file(path, O_RDONLY | O_NONBLOCK);
        const QByteArray bytes = file.ReadFrom(0);
        file.Close();
        if (bytes.size() < ValueFileSize)
            throw EInOutError(IoCode::ReadPastEnd);
        qFromLittleEndian<std::int16_t>(bytes.constData(), ValueCount, recording.Values.data());
        recording.Rest = bytes.mid(ValueFileSize);
    } catch (const EKoravError&) {
        RethrowAsFailure(path);
    }
    return recording;
}

QByteArray RecordingBytes(const TRecording& recording)
{
    QByteArray bytes(ValueFileSize, Qt::Uninitialized);
    qToLittleEndian<std::int16_t>(recording.Values.data(), ValueCount, bytes.data());
    return bytes + recording.Rest;
}
