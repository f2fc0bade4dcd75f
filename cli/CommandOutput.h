#pragma once

#include <QByteArray>
#include <QString>

// The output name that means standard output, as in most shell tools.
inline const QString StandardOutputName = QStringLiteral("-");

// Writes `bytes` as the command's whole output: to standard output for "-",
// otherwise as the file `output` through WriteWholeFile (a regular file is
// replaced only once the new one is complete; a pipe or a device is written
// directly). Throws ECommandFailure naming the output.
void WriteCommandOutput(const QString& output, const QByteArray& bytes);

// How messages name the output: standard output by that name, a file by its own.
[[nodiscard]] QString OutputDisplayName(const QString& output);
