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
// representation: three decimals in fixed point (an exact half away from
// zero, as the list rounds), a signed integer, or a sign and four
// hexadecimal digits.
QString DifferenceText(int difference, TNumberMode mode, QChar separator)
{
    const QString sign = difference < 0 ? QStringLiteral("-") : QString();
    const int magnitude = std::abs(difference);
    if (mode == HexMode)
        return sign + QStringLiteral("%1").arg(magnitude, 4, 16, QChar(u'0')).toUpper();
    if (mode != FixedPoint)
        return QString::number(difference);
    const int thousandths = (magnitude * 1000 + 512) / 1024;
    return sign + QString::number(thousandths / 1000) + separator +
        QStringLiteral("%1").arg(thousandths % 1000, 3, 10, QChar(u'0'));
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
