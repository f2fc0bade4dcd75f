#include "values/StreamOutput.h"

#include "values/FileLook.h"
#include "values/IoError.h"

#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <pthread.h>

namespace {

// Holds back SIGPIPE while this thread writes: a reader that has gone
// makes the write fail with EPIPE, and the signal it raised is taken back
// before the old mask returns.
class TBrokenPipeQuiet {
public:
    TBrokenPipeQuiet()
    {
        sigemptyset(&pipe_);
        sigaddset(&pipe_, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipe_, &old_);
    }
    ~TBrokenPipeQuiet()
    {
        sigset_t pending;
        sigpending(&pending);
        const timespec now{};
        if (sigismember(&pending, SIGPIPE) && !sigismember(&old_, SIGPIPE))
            sigtimedwait(&pipe_, nullptr, &now);
        pthread_sigmask(SIG_SETMASK, &old_, nullptr);
    }
    TBrokenPipeQuiet(const TBrokenPipeQuiet&) = delete;
    TBrokenPipeQuiet& operator=(const TBrokenPipeQuiet&) = delete;

private:
    sigset_t pipe_;
    sigset_t old_;
};

[[noreturn]] void ThrowNoReader(const TFileLook& target, int code)
{
    throw EInOutError(code, QStringLiteral("Aus %1 liest niemand").arg(QFileInfo(target.Name()).fileName()),
                      QStringLiteral("Aus dieser Pipe liest niemand"));
}

[[noreturn]] void ThrowSocket(const TFileLook& target)
{
    throw EInOutError(IoCodeFromErrno(ENXIO, target.Name()),
                      QStringLiteral("%1 ist ein Socket; in ihn kann nicht geschrieben werden")
                          .arg(QFileInfo(target.Name()).fileName()),
                      QStringLiteral("Das ist ein Socket; in ihn kann nicht geschrieben werden"));
}

[[nodiscard]] bool IsNoReader(int code)
{
    return code == IoCodeFromErrno(EPIPE, QString()) || code == IoCodeFromErrno(EAGAIN, QString());
}

} // namespace

void WriteStream(const TFileLook& target, const QByteArray& content, TWaitForReader wait)
{
    if (target.IsSocket())
        ThrowSocket(target);
    // A pipe without a reader refuses an open that does not wait with ENXIO.
    TPosixFile file = target.TryReopen(O_WRONLY | O_NOCTTY | (wait == TWaitForReader::No ? O_NONBLOCK : 0));
    if (!file.IsOpen() && file.OpenError() == ENXIO)
        ThrowNoReader(target, IoCodeFromErrno(ENXIO, target.Name()));
    if (!file.IsOpen())
        ThrowIoError(file.OpenError(), target.Name());
    const TBrokenPipeQuiet quiet;
    try {
        file.WriteAll(content);
    } catch (const EInOutError& error) {
        if (!S_ISFIFO(target.Info().st_mode) || !IsNoReader(error.Code()))
            throw;
        ThrowNoReader(target, error.Code());
    }
    file.Close();
}
