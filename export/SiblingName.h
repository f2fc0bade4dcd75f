#pragma once

#include <QString>

// The name of the numbered sibling `number` of `fileName`: the extension of
// the name part (from its last ".") becomes ".k<number>", or is appended when
// the name part has no ".". The folder part is kept as it is, dots included.
[[nodiscard]] QString SiblingFileName(const QString& fileName, int number);
