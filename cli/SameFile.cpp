#include "cli/SameFile.h"

#include "cli/CommandFailure.h"
#include "cli/CommandOutput.h"
#include "values/PosixFile.h"

#include <QFile>

#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct TFileIdentity {
    dev_t Device;
    ino_t Inode;
    bool operator==(const TFileIdentity&) const = default;
};

[[nodiscard]] std::optional<TFileIdentity> IdentityOf(const QString& path)
{
    struct stat info {};
    if (path == StandardOutputName) {
        if (::fstat(STDOUT_FILENO, &info) != 0)
            return std::nullopt;
    } else if (!IsUsableFileName(path) || ::stat(QFile::encodeName(path).constData(), &info) != 0) {
        return std::nullopt;
    }
    return TFileIdentity{info.st_dev, info.st_ino};
}

}  // namespace

void RefuseOutputAmongInputs(const QString& output, const QStringList& inputs)
{
    const std::optional<TFileIdentity> target = IdentityOf(output);
    if (!target)
        return;
    for (const QString& input : inputs) {
        if (IdentityOf(input) == target)
            throw ECommandFailure(ECommandFailure::FileError,
                                  QStringLiteral("%1: Die Ausgabe ist dieselbe Datei wie die Eingabe %2; es wurde "
                                                 "nichts geschrieben.")
                                      .arg(OutputDisplayName(output), input));
    }
}
