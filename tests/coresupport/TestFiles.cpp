#include "coresupport/TestFiles.h"

#include <QFile>
#include <QtEndian>

#include <csignal>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QByteArray PatternBytes(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i & 0xFF);
    return bytes;
}

void WriteValues(const QString& path, const TValueBuffer& values)
{
    QByteArray bytes(ValueFileSize, '\0');
    for (int i = 0; i < ValueCount; ++i)
        qToLittleEndian<std::int16_t>(values[i], bytes.data() + 2 * i);
    WriteBytes(path, bytes);
}

void MakeReadOnly(const QString& path)
{
    ::chmod(QFile::encodeName(path).constData(), 0444);
}

int RunWithFileSizeLimit(long limit, const std::function<int()>& body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{static_cast<rlim_t>(limit), static_cast<rlim_t>(limit)};
        ::setrlimit(RLIMIT_FSIZE, &small);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int RunInOtherProcess(const std::function<int()>& body)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(body());
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool BecomeNobody()
{
    return ::setgroups(0, nullptr) == 0 && ::setgid(NobodyId) == 0 && ::setuid(NobodyId) == 0;
}

void SetOwnerAndMode(const QString& path, uid_t owner, gid_t group, mode_t mode)
{
    if (::chown(QFile::encodeName(path).constData(), owner, group) || ::chmod(QFile::encodeName(path).constData(), mode))
        qFatal("cannot hand a test file over");
}
