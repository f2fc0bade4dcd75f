#include "document/StatusTexts.h"

#include "document/SelectionStatistics.h"
#include "values/GeneralFormat.h"

QString HoverStatusText(const TValueBuffer& values, int index, TNumberMode mode)
{
    return QStringLiteral("Wert %1: ").arg(index) +
        FormatValue(values[std::size_t(index)], mode, UserDecimalSeparator());
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
