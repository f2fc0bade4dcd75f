#pragma once

#include <QStringView>

#include <array>
#include <optional>

struct TCurveColor {
    QStringView Text;
    int Color = 0;
};

// The colours offered for the curve, in the order of the colour list,
// as 0x00BBGGRR.
inline constexpr std::array<TCurveColor, 10> CurveColors{{
    {u"Aqua", 0xFFFF00},
    {u"Schwarz", 0x000000},
    {u"Fuchsia", 0xFF00FF},
    {u"Grün", 0x008000},
    {u"Lime", 0x00FF00},
    {u"Braun", 0x000080},
    {u"Olivgrün", 0x008080},
    {u"Purpur", 0x800080},
    {u"Rot", 0x0000FF},
    {u"Weiß", 0xFFFFFF},
}};

inline constexpr int LimeItem = 4;
inline constexpr int RedItem = 8;

// The colour of list item `item`, or nothing for an index outside the list.
[[nodiscard]] std::optional<int> CurveColorOfItem(int item);
