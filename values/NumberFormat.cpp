#include "values/NumberFormat.h"

#include "values/Errors.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace {

// 1-based position of the character at `index` (index == length: one past the
// end), saturated so that an absurdly long text cannot overflow the int.
int PositionAt(qsizetype index)
{
    constexpr qsizetype maxPosition = std::numeric_limits<int>::max();
    return index >= maxPosition ? std::numeric_limits<int>::max() : static_cast<int>(index + 1);
}

bool IsDecimalDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// 0 to 15 for 0-9, A-F, a-f; -1 for any other character.
int StrictHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

QString ReplaceFirstComma(const QString& text)
{
    QString result = text;
    const qsizetype comma = result.indexOf(u',');
    if (comma >= 0)
        result[comma] = u'.';
    return result;
}

[[noreturn]] void ThrowOverflow()
{
    throw EMathError(QStringLiteral("Gleitkommaüberlauf"));
}

[[noreturn]] void ThrowInvalidOperation()
{
    throw EMathError(QStringLiteral("Ungültige Gleitkommaoperation"));
}

// The parts of a text that fits the real-number syntax.
struct TRealParts {
    bool Negative = false;
    QStringView IntDigits;
    QStringView FracDigits;
    bool ExpNegative = false;
    QStringView ExpDigits;
};

// Checks the real-number syntax; returns the error position (0 when
// the text fits) and fills `parts`.
int ScanReal(QStringView text, TRealParts& parts)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i] == u' ')
        ++i;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        parts.Negative = text[i] == u'-';
        ++i;
    }
    if (i == n) // ended after its blanks or its sign (or was empty)
        return PositionAt(n);
    qsizetype start = i;
    while (i < n && IsDecimalDigit(text[i]))
        ++i;
    parts.IntDigits = text.mid(start, i - start);
    if (i < n && text[i] == u'.') {
        ++i;
        start = i;
        while (i < n && IsDecimalDigit(text[i]))
            ++i;
        parts.FracDigits = text.mid(start, i - start);
    }
    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-')) {
            parts.ExpNegative = text[i] == u'-';
            ++i;
        }
        if (i == n)
            return PositionAt(n);
        if (!IsDecimalDigit(text[i]))
            return PositionAt(i);
        start = i;
        while (i < n && IsDecimalDigit(text[i]))
            ++i;
        parts.ExpDigits = text.mid(start, i - start);
    }
    if (i < n)
        return PositionAt(i);
    return 0;
}

// The nearest double to the number of `parts`; throws "Gleitkommaüberlauf"
// when it lies beyond the range of double precision. A number too small for
// double precision reads as 0 (its product with 1024 rounds to 0 anyway).
double RealValue(const TRealParts& parts)
{
    // Significant digits d1 d2 ... dk and a decimal exponent e with the
    // number = d1 d2 ... dk * 10^e.
    std::string digits;
    digits.reserve(static_cast<std::size_t>(parts.IntDigits.size() + parts.FracDigits.size()));
    for (QChar c : parts.IntDigits)
        if (!(digits.empty() && c == u'0'))
            digits.push_back(static_cast<char>(c.unicode()));
    for (QChar c : parts.FracDigits)
        if (!(digits.empty() && c == u'0'))
            digits.push_back(static_cast<char>(c.unicode()));
    if (digits.empty())
        return 0.0;

    // The exponent, saturated far beyond any double: a saturated exponent still
    // decides overflow or underflow correctly below.
    constexpr std::int64_t exponentLimit = 1'000'000'000;
    std::int64_t exponent = 0;
    for (QChar c : parts.ExpDigits) {
        exponent = exponent * 10 + (c.unicode() - u'0');
        if (exponent > exponentLimit)
            exponent = exponentLimit;
    }
    if (parts.ExpNegative)
        exponent = -exponent;
    exponent -= parts.FracDigits.size();
    while (digits.back() == '0') {
        digits.pop_back();
        ++exponent;
    }

    // The number lies in [10^magnitude, 10^(magnitude + 1)).
    const std::int64_t magnitude = static_cast<std::int64_t>(digits.size()) - 1 + exponent;
    if (magnitude > 400)
        ThrowOverflow();
    if (magnitude < -400)
        return 0.0;

    digits.push_back('e');
    digits += std::to_string(exponent);
    double value = 0.0;
    const char* const begin = digits.data();
    const char* const end = begin + digits.size();
    const std::from_chars_result result = std::from_chars(begin, end, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        if (magnitude >= 0)
            ThrowOverflow();
        return 0.0;
    }
    if (result.ec != std::errc() || result.ptr != end) // cannot happen: the text was checked
        ThrowInvalidOperation();
    return parts.Negative ? -value : value;
}

TParseResult ParseFixedPoint(QStringView text)
{
    TRealParts parts;
    TParseResult result;
    result.ErrorPos = ScanReal(text, parts);
    if (result.ErrorPos != 0)
        return result;
    const double product = RealValue(parts) * 1024.0; // exact, or infinite
    const double rounded = std::nearbyint(product); // a tie goes to the even integer
    // Check the range before converting: an out-of-range conversion is undefined.
    constexpr double twoTo63 = 9223372036854775808.0;
    if (!(rounded >= -twoTo63 && rounded < twoTo63))
        ThrowInvalidOperation();
    result.Value = static_cast<std::int64_t>(rounded);
    return result;
}

TParseResult ParseHex(QStringView text)
{
    TParseResult result;
    if (text.isEmpty()) {
        result.ErrorPos = 1;
        return result;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (StrictHexDigit(text[i]) < 0) {
            result.ErrorPos = PositionAt(i);
            break;
        }
    }
    std::int64_t value = HexTextToInt(text.toString());
    if (value >= 0x8000)
        value -= 0x10000;
    result.Value = value;
    return result;
}

} // namespace

QString NumberModeCaption(TNumberMode numberMode)
{
    switch (numberMode) {
    case IntegerMode: return QStringLiteral("Ganzzahl");
    case HexMode: return QStringLiteral("Hexadezimal");
    case FixedPoint: break;
    }
    return QStringLiteral("Festkommazahl");
}

QString FixedPointText(std::int32_t value, QChar decimalSeparator)
{
    // |value| / 1024 in thousandths, an exact half rounded up (away from zero).
    const std::int32_t magnitude = value < 0 ? -value : value;
    const std::int32_t thousandths = (magnitude * 1000 + 512) / 1024;
    QString text;
    if (value < 0)
        text += u'-';
    text += QString::number(thousandths / 1000);
    text += decimalSeparator;
    text += QStringLiteral("%1").arg(thousandths % 1000, 3, 10, QChar(u'0'));
    return text;
}

QString FormatValue(std::int16_t value, TNumberMode numberMode, QChar decimalSeparator)
{
    switch (numberMode) {
    case FixedPoint: return FixedPointText(value, decimalSeparator);
    case IntegerMode: return QString::number(value);
    case HexMode: return QStringLiteral("%1").arg(static_cast<std::uint16_t>(value), 4, 16, QChar(u'0')).toUpper();
    default: return QString();
    }
}

TParseResult ParseValue(const QString& text, TNumberMode numberMode)
{
    const QString replaced = ReplaceFirstComma(text);
    switch (numberMode) {
    case FixedPoint: return ParseFixedPoint(replaced);
    case IntegerMode: {
        const TIntegerReading reading = ReadInteger(replaced);
        TParseResult result;
        result.ErrorPos = reading.ErrorPos;
        if (reading.ErrorPos == 0)
            result.Value = reading.Value;
        return result;
    }
    case HexMode: return ParseHex(replaced);
    default: {
        TParseResult result;
        result.ErrorPos = 1;
        return result;
    }
    }
}

int HexDigitValue(QChar c)
{
    static constexpr char16_t digitTable[] = u"0123456789ABCDEF";
    char16_t u = c.unicode();
    if (u >= u'a' && u <= u'z')
        u = static_cast<char16_t>(u - u'a' + u'A');
    for (int i = 0; i < 16; ++i)
        if (digitTable[i] == u)
            return i;
    return 0;
}

std::int32_t IntPower(std::int32_t base, std::int32_t exponent)
{
    // Square and multiply in unsigned arithmetic: the same result modulo 2^32
    // as multiplying `exponent` times, without signed overflow.
    std::uint32_t result = 1;
    std::uint32_t factor = static_cast<std::uint32_t>(base);
    std::uint32_t remaining = exponent > 0 ? static_cast<std::uint32_t>(exponent) : 0U;
    while (remaining != 0) {
        if (remaining & 1U)
            result *= factor;
        factor *= factor;
        remaining >>= 1;
    }
    return static_cast<std::int32_t>(result); // modular since C++20
}

std::int32_t HexTextToInt(const QString& text)
{
    // From the last character to the first; the place value 16^(n - i) wraps
    // to 0 from the ninth character from the right on.
    std::uint32_t sum = 0;
    std::uint32_t placeValue = 1;
    for (qsizetype i = text.size() - 1; i >= 0 && placeValue != 0; --i) {
        sum += static_cast<std::uint32_t>(HexDigitValue(text[i])) * placeValue;
        placeValue *= 16U;
    }
    return static_cast<std::int32_t>(sum);
}

TIntegerReading ReadInteger(const QString& text)
{
    TIntegerReading reading;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i] == u' ')
        ++i;
    bool hex = false;
    bool negative = false;
    if (i < n) {
        const QChar c = text[i];
        if (c == u'$' || c == u'x' || c == u'X') {
            hex = true;
            i += 1;
        } else if (c == u'0' && i + 1 < n && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
            hex = true;
            i += 2;
        } else if (c == u'-' || c == u'+') {
            negative = c == u'-';
            i += 1;
        }
    }
    if (i == n) { // empty, or ended after its blanks, sign or prefix
        reading.ErrorPos = PositionAt(n);
        return reading;
    }

    // Both loops test the accumulated number before each digit: a digit that
    // would take it beyond 32 bits is the error position.
    if (hex) {
        std::uint32_t value = 0;
        for (; i < n; ++i) {
            const int digit = StrictHexDigit(text[i]);
            if (digit < 0 || value > 0x0FFFFFFFU) {
                reading.ErrorPos = PositionAt(i);
                return reading;
            }
            value = value * 16U + static_cast<std::uint32_t>(digit);
        }
        reading.Value = static_cast<std::int32_t>(value); // the 32-bit pattern
        return reading;
    }

    std::uint32_t value = 0; // at most 2147483649 here
    for (; i < n; ++i) {
        if (!IsDecimalDigit(text[i]) || value > 214748364U) {
            reading.ErrorPos = PositionAt(i);
            return reading;
        }
        value = value * 10U + static_cast<std::uint32_t>(text[i].unicode() - u'0');
    }
    const std::int64_t signedValue = negative ? -std::int64_t{value} : std::int64_t{value};
    if (signedValue < std::numeric_limits<std::int32_t>::min() ||
        signedValue > std::numeric_limits<std::int32_t>::max()) {
        reading.ErrorPos = PositionAt(n); // the finished number lies outside the range
        return reading;
    }
    reading.Value = static_cast<std::int32_t>(signedValue);
    return reading;
}

std::int32_t StrToInt(const QString& text)
{
    const TIntegerReading reading = ReadInteger(text);
    if (reading.ErrorPos != 0)
        throw EConvertError(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text));
    return reading.Value;
}
