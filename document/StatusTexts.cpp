#include "document/StatusTexts.h"

#include "document/SelectionStatistics.h"
#include "values/GeneralFormat.h"

#include <cstdlib>

namespace {

// A value as the representation reads it: hexadecimal shows the unsigned
// 16-bit pattern, the others the signed value (in 1/1024 in fixed point).
int Reading(std::int16_t value, TNumberMode mode)
{
    return mode == HexMode ? int(std::uint16_t(value)) : int(value);
}

// A difference of two readings, which may need 17 bits, in the form of the
// representation: three decimals in fixed point, rounded as the list rounds,
// a signed integer, or a sign and four hexadecimal digits.
QString DifferenceText(int difference, TNumberMode mode, QChar separator)
{
    if (mode == FixedPoint)
        return FixedPointText(difference, separator);
    if (mode != HexMode)
        return QString::number(difference);
    const QString sign = difference < 0 ? QStringLiteral("-") : QString();
    return sign + QStringLiteral("%1").arg(std::abs(difference), 4, 16, QChar(u'0')).toUpper();
}

} // namespace

QString HoverStatusText(const TValueBuffer& values, const TValueBuffer* comparison, int index, TNumberMode mode)
{
    const QChar separator = UserDecimalSeparator();
    const std::int16_t value = values[std::size_t(index)];
    QString text = QStringLiteral("Wert %1: ").arg(index) + FormatValue(value, mode, separator);
    if (!comparison)
        return text;
    const std::int16_t compared = (*comparison)[std::size_t(index)];
    return text + QStringLiteral("  Vergleich: ") + FormatValue(compared, mode, separator) +
        QStringLiteral("  Differenz: ") +
        DifferenceText(Reading(value, mode) - Reading(compared, mode), mode, separator);
}

QString SelectionStatusText(const TValueBuffer& values, const std::vector<int>& lines, TNumberMode mode)
{
    if (lines.empty())
        return QStringLiteral("Keine Zeile ausgewählt");
    const TSelectionStatistics statistics = SelectionStatistics(values, lines, mode);
    const QChar separator = UserDecimalSeparator();
    return LineCountText(statistics.Count) + QStringLiteral(": Minimum ") +
        FormatValue(statistics.Minimum, mode, separator) + QStringLiteral(", Maximum ") +
        FormatValue(statistics.Maximum, mode, separator) + QStringLiteral(", Mittelwert ") +
        MeanText(statistics.Mean, mode, separator);
}
