// Number representations (FormatValue, ParseValue, the hexadecimal helpers)
// and the integer conversion of the text of Edit2 (StrToInt).

#if defined(__GNUC__) && !defined(__clang__)
// GCC 12 with the sanitizers reports a false -Wmaybe-uninitialized inside the
// std::function members of std::regex's automaton.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include "values/Errors.h"
#include "values/NumberFormat.h"

#include <QLocale>
#include <QtTest>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <regex>
#include <string>

namespace {

constexpr std::int64_t Int64Min = std::numeric_limits<std::int64_t>::min();

// ---------------------------------------------------------------------------
// Independent readings for the randomized run. The syntaxes are regular
// expressions written from the syntax rules; the values come from the C
// library (strtod, strtoll, strtoull) on the same text.

// What a reading of a text should give: a value, an error position, or one of
// the two floating-point errors.
struct TExpectation {
    std::int64_t Value = 0;
    int ErrorPos = 0;
    QString MathError; // empty: no floating-point error
};

const std::regex& RealSyntax()
{
    static const std::regex syntax(R"(^ *[+-]?[0-9]*(\.[0-9]*)?([eE][+-]?[0-9]+)?$)");
    return syntax;
}

bool FitsRealSyntax(const std::string& text)
{
    static const std::regex blanksAndSign(R"(^ *[+-]?$)");
    return std::regex_match(text, RealSyntax()) && !std::regex_match(text, blanksAndSign);
}

bool FitsIntegerSyntax(const std::string& text)
{
    static const std::regex syntax(R"(^ *([+-]?[0-9]+|(\$|x|X|0x|0X)[0-9A-Fa-f]+)$)");
    return std::regex_match(text, syntax);
}

// The error position of a text that does not fit `fits`: one past the longest
// prefix that some valid text starts with. For both syntaxes a prefix can be
// continued exactly when appending "0" makes it valid.
template <typename Fits>
int SyntaxErrorPos(const std::string& text, Fits fits)
{
    for (std::size_t k = text.size() + 1; k-- > 0;)
        if (fits(text.substr(0, k) + "0"))
            return static_cast<int>(k) + 1;
    return 1; // not reached: "0" fits both syntaxes
}

std::string ReplaceFirstComma(std::string text)
{
    const std::size_t comma = text.find(',');
    if (comma != std::string::npos)
        text[comma] = '.';
    return text;
}

TExpectation ExpectFixedPoint(const std::string& typed)
{
    const std::string text = ReplaceFirstComma(typed);
    TExpectation expect;
    if (!FitsRealSyntax(text)) {
        expect.ErrorPos = SyntaxErrorPos(text, FitsRealSyntax);
        return expect;
    }
    const std::size_t mantissaEnd = text.find_first_of("eE");
    const std::string mantissa = text.substr(0, mantissaEnd);
    if (mantissa.find_first_of("0123456789") == std::string::npos)
        return expect; // "." alone, or "-.e5": both digit sequences empty, reads as 0
    char* end = nullptr;
    errno = 0;
    const double number = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size()) {
        expect.ErrorPos = -1; // the syntaxes disagree: flagged by the caller
        return expect;
    }
    if (errno == ERANGE && std::isinf(number)) {
        expect.MathError = QStringLiteral("Gleitkommaüberlauf");
        return expect;
    }
    const double product = std::nearbyint(number * 1024.0);
    if (!(product >= -0x1p63 && product < 0x1p63)) {
        expect.MathError = QStringLiteral("Ungültige Gleitkommaoperation");
        return expect;
    }
    expect.Value = static_cast<std::int64_t>(product);
    return expect;
}

// Without the comma replacement: StrToInt reads the text as it is.
TExpectation ExpectInteger(const std::string& text)
{
    TExpectation expect;
    int syntaxPos = FitsIntegerSyntax(text) ? 0 : SyntaxErrorPos(text, FitsIntegerSyntax);

    // The position of the digit at which the number leaves the range: the
    // number read before it is already too large for one more digit.
    static const std::regex lead(R"(^( *)(0x|0X|\$|x|X|[+-])?)");
    std::smatch match;
    std::regex_search(text, match, lead);
    const std::string prefix = match[2].str();
    const bool hex = !prefix.empty() && prefix != "+" && prefix != "-";
    const std::uint64_t radix = hex ? 16 : 10;
    const std::uint64_t limit = hex ? 0x0FFFFFFFU : 214748364U;
    int rangePos = 0;
    std::uint64_t number = 0;
    for (std::size_t i = static_cast<std::size_t>(match.length(0)); i < text.size(); ++i) {
        const char c = text[i];
        const bool isDigit = hex ? std::isxdigit(static_cast<unsigned char>(c)) != 0
                                 : (c >= '0' && c <= '9');
        if (!isDigit)
            break;
        if (number > limit) {
            rangePos = static_cast<int>(i) + 1;
            break;
        }
        number = number * radix + static_cast<std::uint64_t>(std::stoi(std::string(1, c), nullptr, 16));
    }
    if (syntaxPos != 0 || rangePos != 0) {
        expect.ErrorPos = syntaxPos == 0 ? rangePos : rangePos == 0 ? syntaxPos : std::min(syntaxPos, rangePos);
        return expect;
    }
    errno = 0;
    if (hex) {
        const std::string digits = text.substr(static_cast<std::size_t>(match.length(0)));
        const unsigned long long pattern = std::strtoull(digits.c_str(), nullptr, 16);
        expect.Value = static_cast<std::int32_t>(static_cast<std::uint32_t>(pattern));
        return expect;
    }
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (errno == ERANGE || value < std::numeric_limits<std::int32_t>::min()
        || value > std::numeric_limits<std::int32_t>::max()) {
        expect.ErrorPos = static_cast<int>(text.size()) + 1;
        return expect;
    }
    expect.Value = value;
    return expect;
}

TExpectation ExpectHex(const std::string& typed)
{
    const std::string text = ReplaceFirstComma(typed);
    TExpectation expect;
    if (text.empty()) {
        expect.ErrorPos = 1;
        return expect;
    }
    const std::size_t bad = text.find_first_not_of("0123456789ABCDEFabcdef");
    if (bad != std::string::npos) {
        expect.ErrorPos = static_cast<int>(bad) + 1;
        return expect;
    }
    // The last 16 digits fit 64 bits; their low 32 bits are the 32-bit reading.
    const std::string tail = text.size() > 16 ? text.substr(text.size() - 16) : text;
    const unsigned long long number = std::strtoull(tail.c_str(), nullptr, 16);
    std::int64_t value = static_cast<std::int32_t>(static_cast<std::uint32_t>(number));
    if (value >= 0x8000)
        value -= 0x10000;
    expect.Value = value;
    return expect;
}

// A reading as a TExpectation, the floating-point errors caught.
TExpectation Actual(const QString& text, TNumberMode mode)
{
    TExpectation actual;
    try {
        const TParseResult result = ParseValue(text, mode);
        actual.ErrorPos = result.ErrorPos;
        actual.Value = result.ErrorPos == 0 ? result.Value : 0;
    } catch (const EMathError& error) {
        actual.MathError = error.Text();
    }
    return actual;
}

QString Describe(const TExpectation& e)
{
    if (!e.MathError.isEmpty())
        return QStringLiteral("error \"%1\"").arg(e.MathError);
    if (e.ErrorPos != 0)
        return QStringLiteral("error position %1").arg(e.ErrorPos);
    return QStringLiteral("value %1").arg(e.Value);
}

bool Same(const TExpectation& a, const TExpectation& b)
{
    return a.MathError == b.MathError && a.ErrorPos == b.ErrorPos && (a.ErrorPos != 0 || a.Value == b.Value);
}

} // namespace

class TestNumbers : public QObject {
    Q_OBJECT

private:
    QChar separator_;

private slots:
    void initTestCase();

    void formatValue_data();
    void formatValue();
    void parseValueTable_data();
    void parseValueTable();
    void parseValueEdges_data();
    void parseValueEdges();
    void floatingPointErrors_data();
    void floatingPointErrors();
    void hexHelpers();
    void allValuesReadBack();
    void strToInt_data();
    void strToInt();
    void randomTexts();
};

void TestNumbers::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString point = QLocale().decimalPoint();
    QCOMPARE(point.size(), 1);
    separator_ = point.at(0);
    QCOMPARE(separator_, QChar(u','));
    // The independent readings use strtod: make it read a point whatever the
    // environment's locale (QCoreApplication applied it on start-up).
    std::setlocale(LC_NUMERIC, "C");
}

// --- FormatValue -------------------------------------------------------------

void TestNumbers::formatValue_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("fixed");
    QTest::addColumn<QString>("integer");
    QTest::addColumn<QString>("hex");

    QTest::newRow("0") << 0 << "0,000" << "0" << "0000";
    QTest::newRow("1") << 1 << "0,001" << "1" << "0001";
    QTest::newRow("-1") << -1 << "-0,001" << "-1" << "FFFF";
    QTest::newRow("64") << 64 << "0,063" << "64" << "0040";
    QTest::newRow("-64") << -64 << "-0,063" << "-64" << "FFC0";
    QTest::newRow("320") << 320 << "0,313" << "320" << "0140";
    QTest::newRow("512") << 512 << "0,500" << "512" << "0200";
    QTest::newRow("1023") << 1023 << "0,999" << "1023" << "03FF";
    QTest::newRow("1025") << 1025 << "1,001" << "1025" << "0401";
    QTest::newRow("4660") << 4660 << "4,551" << "4660" << "1234";
    QTest::newRow("10240") << 10240 << "10,000" << "10240" << "2800";
    QTest::newRow("32767") << 32767 << "31,999" << "32767" << "7FFF";
    QTest::newRow("-32768") << -32768 << "-32,000" << "-32768" << "8000";
}

void TestNumbers::formatValue()
{
    QFETCH(int, value);
    QFETCH(QString, fixed);
    QFETCH(QString, integer);
    QFETCH(QString, hex);
    const auto v = static_cast<std::int16_t>(value);
    QCOMPARE(FormatValue(v, FixedPoint, separator_), fixed);
    QCOMPARE(FormatValue(v, IntegerMode, separator_), integer);
    QCOMPARE(FormatValue(v, HexMode, separator_), hex);
    // Only the fixed-point text carries the separator.
    QCOMPARE(FormatValue(v, FixedPoint, QChar(u'.')), QString(fixed).replace(u',', u'.'));
    QCOMPARE(FormatValue(v, IntegerMode, QChar(u'.')), integer);
}

// --- ParseValue --------------------------------------------------------------

// A row's result: a value (errorPos 0) or an error position.
static void AddParseRow(const char* name, int mode, const QString& text, qint64 value, int errorPos)
{
    QTest::newRow(name) << mode << text << value << errorPos;
}

static void AddParseColumns()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<int>("errorPos");
}

static void CheckParseRow()
{
    QFETCH(int, mode);
    QFETCH(QString, text);
    QFETCH(qint64, value);
    QFETCH(int, errorPos);
    const TParseResult result = ParseValue(text, TNumberMode(mode));
    QCOMPARE(result.ErrorPos, errorPos);
    if (errorPos == 0)
        QCOMPARE(static_cast<qint64>(result.Value), value);
}

void TestNumbers::parseValueTable_data()
{
    AddParseColumns();
    AddParseRow("F 0,5", FixedPoint, "0,5", 512, 0);
    AddParseRow("F 0.5", FixedPoint, "0.5", 512, 0);
    AddParseRow("F -1,5", FixedPoint, "-1,5", -1536, 0);
    AddParseRow("F 31,999", FixedPoint, "31,999", 32767, 0);
    AddParseRow("F -32", FixedPoint, "-32", -32768, 0);
    AddParseRow("F 32", FixedPoint, "32", 32768, 0);
    AddParseRow("F 4194304", FixedPoint, "4194304", 4294967296LL, 0);
    AddParseRow("F 0,00048828125", FixedPoint, "0,00048828125", 0, 0);
    AddParseRow("F 0,00146484375", FixedPoint, "0,00146484375", 2, 0);
    AddParseRow("F 1,5e1", FixedPoint, "1,5e1", 15360, 0);
    AddParseRow("F blank 2", FixedPoint, " 2", 2048, 0);
    AddParseRow("F 2 blank", FixedPoint, "2 ", 0, 2);
    AddParseRow("F lone comma", FixedPoint, ",", 0, 0);
    AddParseRow("F 1.234,5", FixedPoint, "1.234,5", 0, 6);
    AddParseRow("F empty", FixedPoint, "", 0, 1);
    AddParseRow("I -45", IntegerMode, "-45", -45, 0);
    AddParseRow("I $7FFF", IntegerMode, "$7FFF", 32767, 0);
    AddParseRow("I $FFFF8000", IntegerMode, "$FFFF8000", -32768, 0);
    AddParseRow("I 12a", IntegerMode, "12a", 0, 3);
    AddParseRow("I 1,5", IntegerMode, "1,5", 0, 2);
    AddParseRow("H 7FFF", HexMode, "7FFF", 32767, 0);
    AddParseRow("H 8000", HexMode, "8000", -32768, 0);
    AddParseRow("H 8001", HexMode, "8001", -32767, 0);
    AddParseRow("H ffff", HexMode, "ffff", -1, 0);
    AddParseRow("H 00001", HexMode, "00001", 1, 0);
    AddParseRow("H 12345", HexMode, "12345", 9029, 0);
    AddParseRow("H 10000", HexMode, "10000", 0, 0);
    AddParseRow("H 18000", HexMode, "18000", 32768, 0);
    AddParseRow("H FFFFF", HexMode, "FFFFF", 983039, 0);
    AddParseRow("H FFFFFFFF", HexMode, "FFFFFFFF", -1, 0);
    AddParseRow("H 1FFFFFFFF", HexMode, "1FFFFFFFF", -1, 0);
    AddParseRow("H 12G4", HexMode, "12G4", 0, 3);
    AddParseRow("H empty", HexMode, "", 0, 1);
}

void TestNumbers::parseValueTable()
{
    CheckParseRow();
}

// --- ParseValue: further edges of the three syntaxes ------------------------

void TestNumbers::parseValueEdges_data()
{
    AddParseColumns();
    // Real-number syntax.
    AddParseRow("F lone point", FixedPoint, ".", 0, 0);
    AddParseRow("F sign and point", FixedPoint, "-.", 0, 0);
    AddParseRow("F 5.", FixedPoint, "5.", 5120, 0);
    AddParseRow("F .5", FixedPoint, ".5", 512, 0);
    AddParseRow("F +1", FixedPoint, "+1", 1024, 0);
    AddParseRow("F -0", FixedPoint, "-0", 0, 0);
    AddParseRow("F exponent only", FixedPoint, "e5", 0, 0);
    AddParseRow("F 1E+2", FixedPoint, "1E+2", 102400, 0);
    AddParseRow("F 1e-3", FixedPoint, "1e-3", 1, 0); // 1.024 -> 1
    AddParseRow("F 1e-400 underflow", FixedPoint, "1e-400", 0, 0);
    AddParseRow("F 0e999999999999", FixedPoint, "0e999999999999", 0, 0);
    AddParseRow("F leading zeros", FixedPoint, "000000000000000000000000001", 1024, 0);
    AddParseRow("F many blanks", FixedPoint, "     -2", -2048, 0);
    AddParseRow("F blanks only", FixedPoint, "   ", 0, 4);
    AddParseRow("F sign only", FixedPoint, "-", 0, 2);
    AddParseRow("F blanks and sign", FixedPoint, "  +", 0, 4);
    AddParseRow("F exponent letter at end", FixedPoint, "1e", 0, 3);
    AddParseRow("F exponent sign at end", FixedPoint, "1e-", 0, 4);
    AddParseRow("F exponent without digit", FixedPoint, "1ex", 0, 3);
    AddParseRow("F lone e", FixedPoint, "e", 0, 2);
    AddParseRow("F sign after blanks and sign", FixedPoint, "--1", 0, 2);
    AddParseRow("F blank between", FixedPoint, "- 1", 0, 2);
    AddParseRow("F second comma", FixedPoint, "1,2,3", 0, 4);
    AddParseRow("F comma after point", FixedPoint, "1.2,3", 0, 4);
    AddParseRow("F letter", FixedPoint, "1a", 0, 2);
    AddParseRow("F hex float", FixedPoint, "0x1p3", 0, 2);
    AddParseRow("F inf", FixedPoint, "inf", 0, 1);
    AddParseRow("F tab", FixedPoint, "\t1", 0, 1);
    AddParseRow("F arabic-indic digit", FixedPoint, QString(QChar(0x0661)), 0, 1);
    AddParseRow("F fullwidth digit", FixedPoint, QStringLiteral("1") + QChar(0xFF11), 0, 2);
    AddParseRow("F tie -1.5 to even", FixedPoint, "-0,00146484375", -2, 0);
    AddParseRow("F tie 2.5 to even", FixedPoint, "0,00244140625", 2, 0);
    AddParseRow("F largest product", FixedPoint, "9.007199254740991e15", 9223372036854774784LL, 0);
    AddParseRow("F smallest product", FixedPoint, "-9.007199254740992e15", Int64Min, 0);
    // Integer syntax.
    AddParseRow("I 0", IntegerMode, "0", 0, 0);
    AddParseRow("I 00", IntegerMode, "00", 0, 0);
    AddParseRow("I +7", IntegerMode, "+7", 7, 0);
    AddParseRow("I blanks", IntegerMode, "   -7", -7, 0);
    AddParseRow("I max", IntegerMode, "2147483647", 2147483647, 0);
    AddParseRow("I min", IntegerMode, "-2147483648", -2147483648LL, 0);
    AddParseRow("I max+1 beyond end", IntegerMode, "2147483648", 0, 11);
    AddParseRow("I max+2 beyond end", IntegerMode, "2147483649", 0, 11);
    AddParseRow("I min-1 beyond end", IntegerMode, "-2147483649", 0, 12);
    AddParseRow("I leaves range at 10th digit", IntegerMode, "2147483650", 0, 10);
    AddParseRow("I leaves range at 11th digit", IntegerMode, "21474836470", 0, 11);
    AddParseRow("I range before letter", IntegerMode, "99999999999a", 0, 10);
    AddParseRow("I letter after max+1", IntegerMode, "2147483648a", 0, 11);
    AddParseRow("I leading zeros", IntegerMode, "000000000000042", 42, 0);
    AddParseRow("I empty", IntegerMode, "", 0, 1);
    AddParseRow("I blanks only", IntegerMode, "  ", 0, 3);
    AddParseRow("I sign only", IntegerMode, "-", 0, 2);
    AddParseRow("I prefix only $", IntegerMode, "$", 0, 2);
    AddParseRow("I prefix only 0x", IntegerMode, "0x", 0, 3);
    AddParseRow("I x1F", IntegerMode, "x1F", 31, 0);
    AddParseRow("I X1f", IntegerMode, "X1f", 31, 0);
    AddParseRow("I 0x10", IntegerMode, "0x10", 16, 0);
    AddParseRow("I 0X10", IntegerMode, "0X10", 16, 0);
    AddParseRow("I blanks 0x", IntegerMode, "  0xff", 255, 0);
    AddParseRow("I $80000000", IntegerMode, "$80000000", -2147483648LL, 0);
    AddParseRow("I nine hex digits, leading 0", IntegerMode, "$0FFFFFFFF", -1, 0);
    AddParseRow("I nine hex digits", IntegerMode, "$100000000", 0, 10);
    AddParseRow("I sign before prefix", IntegerMode, "-$1", 0, 2);
    AddParseRow("I bad hex digit", IntegerMode, "$1G", 0, 3);
    AddParseRow("I 0a", IntegerMode, "0a", 0, 2);
    AddParseRow("I 1e3", IntegerMode, "1e3", 0, 2);
    AddParseRow("I trailing blank", IntegerMode, "12 ", 0, 3);
    AddParseRow("I tab", IntegerMode, "\t1", 0, 1);
    AddParseRow("I arabic-indic digit", IntegerMode, QString(QChar(0x0661)), 0, 1);
    // Hexadecimal mode.
    AddParseRow("H 0", HexMode, "0", 0, 0);
    AddParseRow("H 7fff", HexMode, "7fff", 32767, 0);
    AddParseRow("H 80000000", HexMode, "80000000", -2147483648LL, 0);
    AddParseRow("H 7FFFFFFF", HexMode, "7FFFFFFF", 2147483647 - 65536, 0);
    AddParseRow("H leading blank", HexMode, " 1", 0, 1);
    AddParseRow("H prefix", HexMode, "$1", 0, 1);
    AddParseRow("H comma", HexMode, "1,5", 0, 2);
    AddParseRow("H sign", HexMode, "-1", 0, 1);
    AddParseRow("H fullwidth A", HexMode, QString(QChar(0xFF21)), 0, 1);
    // An unknown mode reads nothing.
    AddParseRow("mode 3", 3, "1", 0, 1);
}

void TestNumbers::parseValueEdges()
{
    CheckParseRow();
}

// --- The two floating-point errors of fixed point ---------------------------

void TestNumbers::floatingPointErrors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString overflow = QStringLiteral("Gleitkommaüberlauf");
    const QString invalid = QStringLiteral("Ungültige Gleitkommaoperation");
    QTest::newRow("1e400") << "1e400" << overflow;
    QTest::newRow("-1e400") << "-1e400" << overflow;
    QTest::newRow("1,5e309") << "1,5e309" << overflow;
    QTest::newRow("1e999999999999") << "1e999999999999" << overflow;
    QTest::newRow("0.0001e400") << "0.0001e400" << overflow;
    QTest::newRow("1e30") << "1e30" << invalid;
    QTest::newRow("-1e30") << "-1e30" << invalid;
    QTest::newRow("product 2^63") << "9.007199254740992e15" << invalid;
    QTest::newRow("product below -2^63") << "-9.007199254740994e15" << invalid;
    QTest::newRow("largest double") << "1.7976931348623157e308" << invalid; // product infinite
    QTest::newRow("1e300") << "1e300" << invalid;
}

void TestNumbers::floatingPointErrors()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    try {
        const TParseResult result = ParseValue(text, FixedPoint);
        QFAIL(qPrintable(QStringLiteral("no error; error position %1, value %2").arg(result.ErrorPos).arg(result.Value)));
    } catch (const EMathError& error) {
        QCOMPARE(error.Text(), message);
    }
    // The other representations read the same text without a floating-point error.
    QVERIFY(ParseValue(text, IntegerMode).ErrorPos != 0);
    (void)ParseValue(text, HexMode);
}

// --- HexDigitValue, IntPower, HexTextToInt ----------------------------------

void TestNumbers::hexHelpers()
{
    const QString table = QStringLiteral("0123456789ABCDEF");
    for (int i = 0; i < 16; ++i) {
        QCOMPARE(HexDigitValue(table[i]), i);
        QCOMPARE(HexDigitValue(table[i].toLower()), i);
    }
    QCOMPARE(HexDigitValue(u'G'), 0);
    QCOMPARE(HexDigitValue(u'g'), 0);
    QCOMPARE(HexDigitValue(u' '), 0);
    QCOMPARE(HexDigitValue(u'$'), 0);
    QCOMPARE(HexDigitValue(QChar(0x00E4)), 0);   // ä
    QCOMPARE(HexDigitValue(QChar(0xFF21)), 0);   // fullwidth A
    QCOMPARE(HexDigitValue(QChar(0x0661)), 0);   // arabic-indic one

    QCOMPARE(IntPower(16, 0), 1);
    QCOMPARE(IntPower(16, -3), 1);
    QCOMPARE(IntPower(0, 0), 1);
    QCOMPARE(IntPower(16, 1), 16);
    QCOMPARE(IntPower(16, 7), 0x10000000);
    QCOMPARE(IntPower(16, 8), 0);
    QCOMPARE(IntPower(16, 100), 0);
    QCOMPARE(IntPower(2, 31), std::numeric_limits<std::int32_t>::min());
    QCOMPARE(IntPower(2, 32), 0);
    QCOMPARE(IntPower(-1, 3), -1);
    QCOMPARE(IntPower(-1, 4), 1);
    QCOMPARE(IntPower(-2, 31), std::numeric_limits<std::int32_t>::min());
    QCOMPARE(IntPower(10, 10), 1410065408); // 10^10 mod 2^32
    QCOMPARE(IntPower(3, 20), static_cast<std::int32_t>(3486784401LL - 4294967296LL));
    QCOMPARE(IntPower(std::numeric_limits<std::int32_t>::min(), 2), 0);
    QCOMPARE(IntPower(7, std::numeric_limits<std::int32_t>::max()), IntPower(7, std::numeric_limits<std::int32_t>::max()));
    // Against plain repeated multiplication modulo 2^32.
    for (std::int32_t base : {-7, -3, 3, 5, 16, 255, 65537, 123456789}) {
        std::uint32_t expected = 1;
        for (int exponent = 0; exponent <= 40; ++exponent) {
            QCOMPARE(IntPower(base, exponent), static_cast<std::int32_t>(expected));
            expected *= static_cast<std::uint32_t>(base);
        }
    }

    QCOMPARE(HexTextToInt(QString()), 0);
    QCOMPARE(HexTextToInt("0"), 0);
    QCOMPARE(HexTextToInt("7fff"), 32767);
    QCOMPARE(HexTextToInt("8000"), 32768);
    QCOMPARE(HexTextToInt("12345"), 74565);
    QCOMPARE(HexTextToInt("7FFFFFFF"), 2147483647);
    QCOMPARE(HexTextToInt("80000000"), std::numeric_limits<std::int32_t>::min());
    QCOMPARE(HexTextToInt("FFFFFFFF"), -1);
    QCOMPARE(HexTextToInt("1FFFFFFFF"), -1);
    QCOMPARE(HexTextToInt("FEDCBA9876543210"), 0x76543210);
    QCOMPARE(HexTextToInt("12G4"), 0x1204); // a character outside the table counts as 0
    QCOMPARE(HexTextToInt(QString(100000, u'F')), -1);
}

// --- Every value reads back -------------------------------------------------

void TestNumbers::allValuesReadBack()
{
    for (int v = -32768; v <= 32767; ++v) {
        const auto value = static_cast<std::int16_t>(v);
        for (TNumberMode mode : {IntegerMode, HexMode}) {
            const QString text = FormatValue(value, mode, separator_);
            const TParseResult back = ParseValue(text, mode);
            if (back.ErrorPos != 0 || back.Value != v)
                QFAIL(qPrintable(QStringLiteral("mode %1: %2 -> \"%3\" -> %4 (error position %5)")
                                     .arg(mode).arg(v).arg(text).arg(back.Value).arg(back.ErrorPos)));
        }
        for (QChar separator : {separator_, QChar(u'.')}) {
            const QString text = FormatValue(value, FixedPoint, separator);
            const TParseResult back = ParseValue(text, FixedPoint);
            if (back.ErrorPos != 0 || back.Value < v - 1 || back.Value > v + 1)
                QFAIL(qPrintable(QStringLiteral("fixed point: %1 -> \"%2\" -> %3 (error position %4)")
                                     .arg(v).arg(text).arg(back.Value).arg(back.ErrorPos)));
        }
    }
    // Fixed-point texts that read back one unit off.
    QCOMPARE(static_cast<qint64>(ParseValue(FormatValue(21, FixedPoint, separator_), FixedPoint).Value), qint64(22));
    QCOMPARE(static_cast<qint64>(ParseValue(FormatValue(64, FixedPoint, separator_), FixedPoint).Value), qint64(65));
}

// --- StrToInt (the text of Edit2) --------------------------------------------

void TestNumbers::strToInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");

    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("abc") << "abc" << false << 0;
    QTest::newRow("1.5") << "1.5" << false << 0;
    QTest::newRow("1,5") << "1,5" << false << 0; // no comma replacement here
    QTest::newRow("blank 2") << " 2" << true << 2;
    QTest::newRow("$c") << "$c" << true << 12;
    QTest::newRow("0x0C") << "0x0C" << true << 12;
    QTest::newRow("X0c") << "X0c" << true << 12;
    QTest::newRow("-1") << "-1" << true << -1;
    QTest::newRow("+3") << "+3" << true << 3;
    QTest::newRow("0") << "0" << true << 0;
    QTest::newRow("1") << "1" << true << 1;
    QTest::newRow("2147483647") << "2147483647" << true << 2147483647;
    QTest::newRow("-2147483648") << "-2147483648" << true << std::numeric_limits<int>::min();
    QTest::newRow("2147483648") << "2147483648" << false << 0;
    QTest::newRow("-2147483649") << "-2147483649" << false << 0;
    QTest::newRow("$FFFFFFFF") << "$FFFFFFFF" << true << -1;
    QTest::newRow("$100000000") << "$100000000" << false << 0;
    QTest::newRow("2 blank") << "2 " << false << 0;
    QTest::newRow("blanks") << "   " << false << 0;
    QTest::newRow("-") << "-" << false << 0;
    QTest::newRow("$") << "$" << false << 0;
    QTest::newRow("0x") << "0x" << false << 0;
    QTest::newRow("-$1") << "-$1" << false << 0;
    QTest::newRow("12a") << "12a" << false << 0;
    QTest::newRow("1e3") << "1e3" << false << 0;
}

void TestNumbers::strToInt()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    if (valid) {
        QCOMPARE(StrToInt(text), value);
        return;
    }
    try {
        const std::int32_t result = StrToInt(text);
        QFAIL(qPrintable(QStringLiteral("no error, value %1").arg(result)));
    } catch (const EConvertError& error) {
        QCOMPARE(error.Text(), QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text));
        QCOMPARE(QString::fromUtf8(error.what()), error.Text());
    }
}

// --- Randomized texts against the independent readings -----------------------

void TestNumbers::randomTexts()
{
    std::mt19937 random(20240603U); // fixed seed; only raw engine output is used
    const auto pick = [&random](std::uint32_t count) { return static_cast<std::uint32_t>(random() % count); };
    const std::string alphabet = "0123456789012345678901234567890123456789+-.,  eE$xXaAfFgz";
    const std::string digitChars = "0123456789";
    const auto digitRun = [&](std::uint32_t maxLength) {
        std::string run;
        for (std::uint32_t n = pick(maxLength + 1); n > 0; --n)
            run += digitChars[pick(10)];
        return run;
    };

    constexpr int textCount = 200000;
    int fixedAccepted = 0, integerAccepted = 0, hexAccepted = 0, mathErrors = 0, strToIntAccepted = 0;
    for (int n = 0; n < textCount; ++n) {
        std::string text;
        if (n % 2 == 0) {
            // Free texts over the whole alphabet.
            for (std::uint32_t length = pick(13); length > 0; --length)
                text += alphabet[pick(static_cast<std::uint32_t>(alphabet.size()))];
        } else {
            // Number-shaped texts, sometimes with one character changed.
            text.append(pick(4) == 0 ? pick(3) : 0, ' ');
            const char* signs[] = {"", "", "+", "-"};
            const char* prefixes[] = {"", "", "", "", "$", "x", "0x", "0X"};
            text += pick(2) == 0 ? signs[pick(4)] : prefixes[pick(8)];
            text += digitRun(11);
            if (pick(3) == 0)
                text += (pick(2) == 0 ? "," : ".") + digitRun(6);
            if (pick(4) == 0) {
                text += pick(2) == 0 ? "e" : "E";
                text += signs[pick(4)];
                text += digitRun(4);
            }
            if (!text.empty() && pick(5) == 0)
                text[pick(static_cast<std::uint32_t>(text.size()))] = alphabet[pick(static_cast<std::uint32_t>(alphabet.size()))];
        }
        const QString qtext = QString::fromLatin1(text);

        const TExpectation fixedExpected = ExpectFixedPoint(text);
        if (fixedExpected.ErrorPos < 0)
            QFAIL(qPrintable(QStringLiteral("strtod reads \"%1\" differently").arg(qtext)));
        const TExpectation fixedActual = Actual(qtext, FixedPoint);
        if (!Same(fixedActual, fixedExpected))
            QFAIL(qPrintable(QStringLiteral("fixed point \"%1\": %2, expected %3")
                                 .arg(qtext, Describe(fixedActual), Describe(fixedExpected))));
        fixedAccepted += fixedActual.MathError.isEmpty() && fixedActual.ErrorPos == 0;
        mathErrors += !fixedActual.MathError.isEmpty();

        const TExpectation integerExpected = ExpectInteger(ReplaceFirstComma(text));
        const TExpectation integerActual = Actual(qtext, IntegerMode);
        if (!Same(integerActual, integerExpected))
            QFAIL(qPrintable(QStringLiteral("integer \"%1\": %2, expected %3")
                                 .arg(qtext, Describe(integerActual), Describe(integerExpected))));
        integerAccepted += integerActual.ErrorPos == 0;

        const TExpectation hexExpected = ExpectHex(text);
        const TExpectation hexActual = Actual(qtext, HexMode);
        if (!Same(hexActual, hexExpected))
            QFAIL(qPrintable(QStringLiteral("hex \"%1\": %2, expected %3")
                                 .arg(qtext, Describe(hexActual), Describe(hexExpected))));
        hexAccepted += hexActual.ErrorPos == 0;

        const TExpectation strToIntExpected = ExpectInteger(text);
        try {
            const std::int32_t value = StrToInt(qtext);
            if (strToIntExpected.ErrorPos != 0 || value != strToIntExpected.Value)
                QFAIL(qPrintable(QStringLiteral("StrToInt \"%1\": %2, expected %3")
                                     .arg(qtext).arg(value).arg(Describe(strToIntExpected))));
            ++strToIntAccepted;
        } catch (const EConvertError&) {
            if (strToIntExpected.ErrorPos == 0)
                QFAIL(qPrintable(QStringLiteral("StrToInt \"%1\": error, expected %2")
                                     .arg(qtext, Describe(strToIntExpected))));
        }
    }
    qInfo("accepted: fixed point %d (floating-point errors %d), integer %d, hex %d, StrToInt %d of %d texts",
          fixedAccepted, mathErrors, integerAccepted, hexAccepted, strToIntAccepted, textCount);
    // The run is only worth something if every branch was reached often.
    QVERIFY(fixedAccepted > textCount / 10);
    QVERIFY(mathErrors > 100);
    QVERIFY(integerAccepted > textCount / 10);
    QVERIFY(hexAccepted > textCount / 20);
    QVERIFY(strToIntAccepted > textCount / 10);
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "test_numbers.moc"
