#include "document/Comparison.h"

#include "values/PosixFile.h"

TComparison LoadComparison(const QString& path)
{
    TComparison comparison{path};
    if (!LoadValueFile(path, comparison.Values))
        throw NoFileError(path);
    return comparison;
}
