#include "document/ValueCondition.h"

#include "values/Errors.h"

#include <cstdlib>
#include <optional>

namespace {

// The value as the condition compares it.
int Compared(std::int16_t value, bool asUnsigned)
{
    return asUnsigned ? int(static_cast<std::uint16_t>(value)) : int(value);
}

bool Matches(const TValueBuffer& values, int index, const TValueCondition& condition)
{
    const auto at = [&](int i) { return Compared(values[std::size_t(i)], condition.Unsigned); };
    const int number = Compared(condition.Number, condition.Unsigned);
    switch (condition.Kind) {
    case TConditionKind::Outside:
        return at(index) < number || at(index) > Compared(condition.Upper, condition.Unsigned);
    case TConditionKind::Jump: return index > 0 && std::abs(at(index) - at(index - 1)) > number;
    case TConditionKind::Equal: return at(index) == number;
    }
    return false;
}

QString NumberName(TNumberMode mode)
{
    return mode == HexMode ? QStringLiteral("Hexadezimalzahl") : NumberModeCaption(mode);
}

// The smallest and largest value as the representation shows them.
QString RangeText(TNumberMode mode, QChar decimalSeparator)
{
    const bool asUnsigned = mode == HexMode;
    return FormatValue(asUnsigned ? 0 : -32768, mode, decimalSeparator) + QStringLiteral(" bis ") +
        FormatValue(asUnsigned ? -1 : 32767, mode, decimalSeparator);
}

// A number too large even for the reading counts as out of range.
std::optional<std::int64_t> ReadNumber(const QString& text, TNumberMode mode)
{
    try {
        const TParseResult parsed = ParseValue(text, mode);
        if (parsed.ErrorPos != 0)
            return std::nullopt;
        return parsed.Value;
    } catch (const EMathError&) {
        return std::int64_t{1} << 40;
    }
}

QString NumberError(const QString& text, TNumberMode mode, QChar decimalSeparator)
{
    if (text.isEmpty())
        return QStringLiteral("Es fehlt eine Zahl");
    const std::optional<std::int64_t> value = ReadNumber(text, mode);
    if (!value)
        return QStringLiteral("'%1' ist keine gültige %2").arg(text, NumberName(mode));
    if (*value < -32768 || *value > 32767)
        return QStringLiteral("'%1' liegt außerhalb von %2").arg(text, RangeText(mode, decimalSeparator));
    return {};
}

} // namespace

std::vector<int> MatchingIndices(const TValueBuffer& values, const TValueCondition& condition)
{
    std::vector<int> indices;
    for (int index = 0; index < ValueCount; ++index)
        if (Matches(values, index, condition))
            indices.push_back(index);
    return indices;
}

std::vector<TIndexRun> IndexRuns(const std::vector<int>& indices)
{
    std::vector<TIndexRun> runs;
    for (const int index : indices) {
        if (runs.empty() || runs.back().Last + 1 != index)
            runs.push_back({index, index});
        else
            runs.back().Last = index;
    }
    return runs;
}

int ConditionNumberCount(TConditionKind kind)
{
    return kind == TConditionKind::Outside ? 2 : 1;
}

TConditionReading ReadCondition(TConditionKind kind, const QStringList& numbers, TNumberMode mode,
                                QChar decimalSeparator)
{
    TConditionReading reading;
    std::int16_t read[2] = {0, 0};
    for (int i = 0; i < ConditionNumberCount(kind); ++i) {
        reading.Error = NumberError(numbers.value(i), mode, decimalSeparator);
        if (!reading.Error.isEmpty())
            return reading;
        read[i] = static_cast<std::int16_t>(ParseValue(numbers[i], mode).Value);
    }
    reading.Condition = {kind, read[0], read[1], mode == HexMode};
    if (kind == TConditionKind::Outside && Compared(read[0], mode == HexMode) > Compared(read[1], mode == HexMode))
        reading.Error = QStringLiteral("Die untere Grenze %1 liegt über der oberen %2").arg(numbers[0], numbers[1]);
    return reading;
}
