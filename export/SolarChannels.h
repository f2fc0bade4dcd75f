#pragma once

#include "export/ExportState.h"
#include "values/ValueFile.h"

#include <array>
#include <cstdint>

// A channel is the run of ChannelLength values from First on.
struct TChannel {
    const char* Name;
    int First;
};

constexpr int ChannelLength = 95;

// One channel per export column, in column order.
using TChannelTable = std::array<TChannel, MaxColumnCount>;

inline constexpr TChannelTable TemperatureChannels{{
    {"SO1", 402},
    {"SU1", 504},
    {"SO2", 606},
    {"SU2", 708},
    {"SO3", 810},
    {"SU3", 912},
    {"AF", 1014},
    {"SWFB", 1116},
}};

// Column 1 lies beyond the other seven on purpose: the recorder stores it there.
inline constexpr TChannelTable EnergyChannels{{
    {"L2WE", 2238},
    {"LES2", 1422},
    {"LES1", 1524},
    {"LEHZ", 1626},
    {"LES3", 1728},
    {"L1WE", 1830},
    {"LEWA", 1932},
    {"LEGK", 2034},
}};

[[nodiscard]] std::int32_t ChannelSum(const TValueBuffer& values, const TChannel& channel);

// sum / 9600 as the nearest double q, then q * 1000 rounded half to even on
// the exact product. The double quotient decides the ties, so 24 gives 3
// although 24000 / 9600 is exactly 2.5.
[[nodiscard]] std::int32_t ChannelCell(std::int32_t sum);
