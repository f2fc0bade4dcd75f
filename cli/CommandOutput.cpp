#include "cli/CommandOutput.h"

#include "cli/CommandFailure.h"
#include "values/IoError.h"
#include "values/WholeFile.h"

#include <cerrno>
#include <cstdio>

namespace {

void WriteStandardOutput(const QByteArray& bytes)
{
    errno = 0;
    const auto size = static_cast<std::size_t>(bytes.size());
    if (std::fwrite(bytes.constData(), 1, size, stdout) != size || std::fflush(stdout) != 0)
        ThrowIoError(errno != 0 ? errno : EIO, QString());
}

}  // namespace

QString OutputDisplayName(const QString& output)
{
    return output == StandardOutputName ? QStringLiteral("Standardausgabe") : output;
}

void WriteCommandOutput(const QString& output, const QByteArray& bytes)
{
    try {
        if (output == StandardOutputName)
            WriteStandardOutput(bytes);
        else
            WriteWholeFile(output, bytes);
    } catch (const EKoravError&) {
        RethrowAsFailure(OutputDisplayName(output));
    }
}
