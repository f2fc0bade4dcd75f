#pragma once

#include "values/ValueFile.h"

#include <QByteArray>
#include <QString>

// A value file as pruefen and verbinden read it: its values and every byte
// after them, which a repair keeps.
struct TRecording {
    TValueBuffer Values{};
    QByteArray Rest;
};

// Opens the file for reading only, so that recordings without write
// permission can be checked too; a missing or short file is an error.
// Throws ECommandFailure naming `path`.
[[nodiscard]] TRecording ReadRecording(const QString& path);

// The whole file of `recording`, its values in the file's byte order.
[[nodiscard]] QByteArray RecordingBytes(const TRecording& recording);
