#include "app/TForm1.h"

#include "diagram/PaintBox.h"
#include "document/Document.h"
#include "values/GeneralFormat.h"
#include "values/NumberFormat.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

void TForm1::UpdateMean()
{
    const std::vector<int> lines = SelectedLines();
    if (lines.empty()) {
        Edit3->clear();
        return;
    }
    double sum = 0.0;
    if (NumberMode() == HexMode) {
        for (const int line : lines)
            sum += static_cast<std::uint16_t>(document_->Value(line));
        meanValue_ = sum / static_cast<double>(lines.size());
        const auto truncated = static_cast<unsigned>(std::trunc(meanValue_));
        Edit3->setText(QStringLiteral("%1").arg(truncated, 4, 16, QLatin1Char('0')).toUpper());
    } else {
        const double divisor = NumberMode() == FixedPoint ? 1024.0 : 1.0;
        for (const int line : lines)
            sum += document_->Value(line) / divisor;
        meanValue_ = sum / static_cast<double>(lines.size());
        Edit3->setText(FormatGeneral(meanValue_, UserDecimalSeparator()));
    }
    PaintBox1->update();
}

// Every trigger of the mean goes through here, so none forgets the check.
void TForm1::UpdateMeanIfShown()
{
    if (Mittelwert1->isChecked())
        UpdateMean();
}

void TForm1::Mittelwert1Click()
{
    const bool on = Mittelwert1->isChecked();
    Edit3->setVisible(on);
    Label3->setVisible(on);
    if (on)
        UpdateMean();
    else
        PaintBox1->update();
}
