#include "cli/SameFile.h"

#include "cli/CommandFailure.h"
#include "cli/CommandOutput.h"
#include "values/PosixFile.h"

#include <QFile>

#include <optional>
#include <sys/stat.h>

namespace {

[[nodiscard]] std::optional<TFileIdentity> InputIdentity(const QString& path)
{
    struct stat info { };
    if (!IsUsableFileName(path) || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return IdentityOf(info);
}

} // namespace

void RefuseOutputAmongInputs(const TCommandOutput& output, const QStringList& inputs)
{
    const std::optional<TFileIdentity> target = output.Identity();
    if (!target)
        return;
    for (const QString& input : inputs) {
        if (InputIdentity(input) == target)
            throw ECommandFailure(ECommandFailure::FileError,
                                  QStringLiteral("%1: Die Ausgabe ist dieselbe Datei wie die Eingabe %2; es wurde "
                                                 "nichts geschrieben.")
                                      .arg(output.DisplayName(), input));
    }
}
