#pragma once

#include <QChar>
#include <QString>

// The general decimal form of the mean and the axis labels: at most 15
// significant digits, no trailing zeros, E notation below 0.0001 ("3,90625E-7"),
// with `decimalSeparator` in place of the point.
[[nodiscard]] QString FormatGeneral(double value, QChar decimalSeparator);

// The decimal separator of the user's locale settings.
[[nodiscard]] QChar UserDecimalSeparator();
