#pragma once

#include "values/NumberFormat.h"
#include "values/ValueFile.h"

#include <QString>

#include <cstdint>
#include <vector>

// What the status bar tells of a selection, in the unit of a number
// representation.
struct TSelectionStatistics {
    int Count = 0;
    std::int16_t Minimum = 0;
    std::int16_t Maximum = 0;
    double Mean = 0.0;
};

// Over the values at `indices`, which must not be empty. Hexadecimal shows
// unsigned 16-bit values, so there they are compared and averaged as such;
// the fixed-point mean is in units of 1/1024.
[[nodiscard]] TSelectionStatistics SelectionStatistics(const TValueBuffer& values, const std::vector<int>& indices,
                                                       TNumberMode mode);

// The mean as "Mittelwert" shows it: the general decimal form, in
// hexadecimal the four digits of its integer part.
[[nodiscard]] QString MeanText(double mean, TNumberMode mode, QChar decimalSeparator);

// "1 Zeile", "120 Zeilen".
[[nodiscard]] QString LineCountText(int count);
