#include "document/SelectionStatistics.h"

#include "values/GeneralFormat.h"

#include <cmath>
#include <cstddef>

namespace {

// The value as the representation orders it.
double Shown(std::int16_t value, TNumberMode mode)
{
    switch (mode) {
    case FixedPoint: return value / 1024.0;
    case IntegerMode: return value;
    case HexMode: return static_cast<std::uint16_t>(value);
    }
    return value;
}

} // namespace

TSelectionStatistics SelectionStatistics(const TValueBuffer& values, const std::vector<int>& indices, TNumberMode mode)
{
    TSelectionStatistics statistics;
    statistics.Count = int(indices.size());
    statistics.Minimum = statistics.Maximum = values[std::size_t(indices.front())];
    double sum = 0.0;
    for (const int index : indices) {
        const std::int16_t value = values[std::size_t(index)];
        sum += Shown(value, mode);
        if (Shown(value, mode) < Shown(statistics.Minimum, mode))
            statistics.Minimum = value;
        if (Shown(value, mode) > Shown(statistics.Maximum, mode))
            statistics.Maximum = value;
    }
    statistics.Mean = sum / static_cast<double>(indices.size());
    return statistics;
}

QString MeanText(double mean, TNumberMode mode, QChar decimalSeparator)
{
    if (mode != HexMode)
        return FormatGeneral(mean, decimalSeparator);
    const auto truncated = static_cast<unsigned>(std::trunc(mean));
    return QStringLiteral("%1").arg(truncated, 4, 16, QLatin1Char('0')).toUpper();
}

QString LineCountText(int count)
{
    return QString::number(count) + (count == 1 ? QStringLiteral(" Zeile") : QStringLiteral(" Zeilen"));
}
