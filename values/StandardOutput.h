#pragma once

#include "values/FileStamp.h"

#include <QByteArray>

#include <optional>

// A program started with a standard stream closed would give that number to
// the next file it opens, and what is meant for the terminal would land in
// that file. Call first thing in main: puts /dev/null in each closed one,
// standard output opened for reading only, so that a write to it still
// fails and says that the stream is closed.
void KeepStandardStreamsOpen();

// Writes all of `bytes` to standard output and flushes it. Throws
// EInOutError: in words for a standard output that is closed (or not open
// for writing), with the system's error for a write or a flush that fails.
void WriteStandardOutput(const QByteArray& bytes);

// The file standard output is; nothing when it is closed.
[[nodiscard]] std::optional<TFileIdentity> StandardOutputIdentity();
