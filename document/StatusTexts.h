#pragma once

#include "values/NumberFormat.h"
#include "values/ValueFile.h"

#include <QString>

#include <vector>

// "Wert 1234: 1,500": the value at `index` in the unit of `mode`; with a
// comparison curve also "  Vergleich: 1,250  Differenz: 0,250", the
// difference of the values as `mode` shows them.
[[nodiscard]] QString HoverStatusText(const TValueBuffer& values, const TValueBuffer* comparison, int index,
                                      TNumberMode mode);

// "120 Zeilen: Minimum 0,500, Maximum 1,500, Mittelwert 1,0234", or
// "Keine Zeile ausgewählt".
[[nodiscard]] QString SelectionStatusText(const TValueBuffer& values, const std::vector<int>& lines, TNumberMode mode);
