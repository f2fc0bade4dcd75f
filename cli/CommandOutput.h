#pragma once

#include "values/FileLook.h"
#include "values/FileStamp.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The output name that means standard output, as in most shell tools.
inline const QString StandardOutputName = QStringLiteral("-");

// The command's output, looked at once before any input is read: that one
// sight of it tells whether it is one of the inputs and decides how it is
// written, whatever happens to its name meanwhile.
class TCommandOutput {
public:
    explicit TCommandOutput(const QString& name);

    // How messages name the output: standard output by that name, a file by
    // its own.
    [[nodiscard]] QString DisplayName() const;
    // The file the output is; nothing for a free name.
    [[nodiscard]] std::optional<TFileIdentity> Identity() const;
    // Writes `bytes` as the command's whole output: to standard output for
    // "-", otherwise by the rules of every output of the program
    // (WriteWholeOutput), waiting for the reader of a pipe as a shell does.
    // Throws ECommandFailure naming the output.
    void Write(const QByteArray& bytes) const;

private:
    QString name_;
    // Nothing for standard output.
    std::optional<TFileLook> look_;
};
