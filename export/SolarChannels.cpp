#include "export/SolarChannels.h"

#include <QtGlobal>

#include <cmath>
#include <numeric>

namespace {

constexpr double ChannelDivisor = 9600.0;
constexpr std::uint64_t CellScale = 1000;
constexpr int MantissaBits = 53;

// value * 2^-shift rounded to the nearest integer, an exact half to even.
std::uint64_t ShiftRoundedHalfEven(std::uint64_t value, int shift)
{
    Q_ASSERT(shift > 0);
    if (shift >= 64)
        return 0; // value < 2^63, so the quotient stays below one half
    const std::uint64_t whole = value >> shift;
    const std::uint64_t rest = value & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    const bool up = rest > half || (rest == half && (whole & 1) != 0);
    return up ? whole + 1 : whole;
}

} // namespace

std::int32_t ChannelSum(const TValueBuffer& values, const TChannel& channel)
{
    const auto first = values.begin() + channel.First;
    return std::accumulate(first, first + ChannelLength, std::int32_t{0});
}

std::int32_t ChannelCell(std::int32_t sum)
{
    const double quotient = static_cast<double>(sum) / ChannelDivisor;
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(quotient), &exponent);
    // |quotient| = mantissa * 2^(exponent - 53) exactly; mantissa * 1000 stays
    // below 2^63, so the product is exact in 64-bit integers.
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, MantissaBits));
    const auto magnitude =
        static_cast<std::int32_t>(ShiftRoundedHalfEven(mantissa * CellScale, MantissaBits - exponent));
    return sum < 0 ? -magnitude : magnitude;
}
