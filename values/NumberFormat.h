#pragma once

// The three number representations of a value and the readings of
// typed texts back into values. Plain functions without widgets: the current
// NumberMode and the decimal separator come from the caller.

#include <QChar>
#include <QString>

#include <cstdint>

// The item index of RadioGroup1 "Zahlendarstellung".
enum TNumberMode : int { FixedPoint = 0, IntegerMode = 1, HexMode = 2 };

// The caption of `numberMode`'s item in "Zahlendarstellung".
[[nodiscard]] QString NumberModeCaption(TNumberMode numberMode);

// `value` in 1/1024 (of any size, such as a difference of two values) with
// three decimals and `decimalSeparator`, an exact half away from zero.
[[nodiscard]] QString FixedPointText(std::int32_t value, QChar decimalSeparator);

// The text of `value` in `numberMode`: fixed point with three decimals and
// `decimalSeparator` ("0,063" for 64), the decimal integer ("-64") or four
// upper-case hexadecimal digits ("FFC0"). An unknown mode gives an empty text.
[[nodiscard]] QString FormatValue(std::int16_t value, TNumberMode numberMode, QChar decimalSeparator);

// Value is meaningful only when ErrorPos is 0; otherwise ErrorPos is the
// 1-based position in the text at which reading failed (beyond the end when the
// text ended too early).
struct TParseResult {
    std::int64_t Value = 0;
    int ErrorPos = 0;
};

// Reads a typed text in `numberMode` after replacing its first ',' by '.'.
// The value comes back at full width; the range check belongs to the caller.
// In FixedPoint a syntactically valid number may throw EMathError:
// "Gleitkommaüberlauf" beyond double range, "Ungültige Gleitkommaoperation"
// when the product with 1024 lies beyond the signed 64-bit range.
// An unknown mode reads nothing (ErrorPos 1).
[[nodiscard]] TParseResult ParseValue(const QString& text, TNumberMode numberMode);

// Position of the upper-cased character in "0123456789ABCDEF"; 0 if absent.
[[nodiscard]] int HexDigitValue(QChar c);

// base to the power of exponent in wrapping 32-bit two's-complement
// arithmetic; an exponent of 0 or less gives 1.
[[nodiscard]] std::int32_t IntPower(std::int32_t base, std::int32_t exponent);

// Sum of HexDigitValue(character i) * IntPower(16, n - i), wrapping in 32 bits:
// an eight-digit text is a 32-bit pattern, digits before the last eight add
// nothing, characters outside the digit table count as 0.
[[nodiscard]] std::int32_t HexTextToInt(const QString& text);

// The integer syntax shared by ParseValue (IntegerMode) and StrToInt: leading
// blanks, then an optional sign and decimal digits within -2147483648 to
// 2147483647, or one of the prefixes "$", "x", "X", "0x", "0X" and at most
// 32 bits of hexadecimal digits, read as a two's-complement pattern.
struct TIntegerReading {
    std::int32_t Value = 0;
    int ErrorPos = 0; // 0, or the 1-based position at which reading failed
};
[[nodiscard]] TIntegerReading ReadInteger(const QString& text);

// The integer conversion of the text of Edit2: ReadInteger, and any
// text it does not read completely throws
// EConvertError("'<text>' ist kein gültiger Integerwert").
[[nodiscard]] std::int32_t StrToInt(const QString& text);
