#include "diagram/TickLabel.h"

#include "surface/Rounding.h"
#include "values/GeneralFormat.h"

namespace {

QString DecimalText(double value)
{
    return FormatGeneral(value, UserDecimalSeparator());
}

} // namespace

QString TickLabel(int tick, double step, bool hex)
{
    if (tick == 0)
        return {};
    const double value = tick * step;
    const QString text = hex ? QString::number(RoundEven(value), 16).toUpper() : DecimalText(value);
    return text.left(TickLabelLength);
}
