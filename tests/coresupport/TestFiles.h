#pragma once

#include "values/ValueFile.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <sys/types.h>

// Small file helpers shared by the tests; every test works in a QTemporaryDir.
[[nodiscard]] QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);
// Bytes 0, 1, 2, ... cycling through 0..255.
[[nodiscard]] QByteArray PatternBytes(int size);
// Writes `values` as a value file with plain writes: no flush to the disk,
// for tests that need hundreds of recordings quickly.
void WriteValues(const QString& path, const TValueBuffer& values);
void MakeReadOnly(const QString& path);

// Runs `body` in a forked child whose files may grow to at most `limit`
// bytes (writes beyond that come up short instead of killing it) and
// returns the child's exit status.
[[nodiscard]] int RunWithFileSizeLimit(long limit, const std::function<int()>& body);

// Runs `body` in a forked child; its exit status, -1 when a signal ended it.
[[nodiscard]] int RunInOtherProcess(const std::function<int()>& body);
// The user and group "nobody", which this process becomes unless it may not.
constexpr uid_t NobodyId = 65534;
[[nodiscard]] bool BecomeNobody();
void SetOwnerAndMode(const QString& path, uid_t owner, gid_t group, mode_t mode);
