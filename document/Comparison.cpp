#include "document/Comparison.h"

#include "values/IoError.h"

TComparison LoadComparison(const QString& path)
{
    TComparison comparison{path};
    if (!LoadValueFile(path, comparison.Values))
        throw EInOutError(IoCode::FileNotFound);
    return comparison;
}
