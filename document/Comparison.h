#pragma once

#include "values/ValueFile.h"

#include <QString>

// A second recording drawn behind the document's curve. Loading one changes
// nothing of the document.
struct TComparison {
    QString FileName;
    TValueBuffer Values{};
};

// Reads `path` with the checks and errors of opening a document; a name of
// no file is an error here, since a comparison without values shows nothing.
[[nodiscard]] TComparison LoadComparison(const QString& path);
