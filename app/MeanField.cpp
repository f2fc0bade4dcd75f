#include "app/MeanField.h"

#include "app/Place.h"
#include "document/SelectionStatistics.h"
#include "values/GeneralFormat.h"

#include <QLabel>
#include <QLineEdit>

TMeanField::TMeanField(QWidget* client)
    : label_(Place(new QLabel(QStringLiteral("Mittelwert"), client), "Label3", 200, 104, 45, 13)),
      edit_(Place(new QLineEdit(client), "Edit3", 200, 120, 121, 21))
{
    // Sized to its text, whatever face the font falls back to.
    label_->adjustSize();
    edit_->setReadOnly(true);
    SetVisible(false);
}

void TMeanField::SetVisible(bool visible)
{
    edit_->setVisible(visible);
    label_->setVisible(visible);
}

void TMeanField::Show(double mean, TNumberMode mode)
{
    value_ = mean;
    edit_->setText(MeanText(mean, mode, UserDecimalSeparator()));
}

void TMeanField::Clear()
{
    edit_->clear();
}
