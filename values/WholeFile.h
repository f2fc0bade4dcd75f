#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` as the whole new content of the file `path`. The target is
// replaced only once the new file is complete, so a failure leaves any old
// file as it was. Throws EInOutError; a target without write permission
// fails with code 105.
void WriteWholeFile(const QString& path, const QByteArray& bytes);
