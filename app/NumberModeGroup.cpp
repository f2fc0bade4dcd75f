#include "app/NumberModeGroup.h"

#include "app/Place.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>

TNumberModeGroup::TNumberModeGroup(QWidget* client, const std::function<void()>& changed)
    : box_(Place(new QGroupBox(QStringLiteral("Zahlendarstellung"), client), "RadioGroup1", 408, 56, 129, 89)),
      buttons_(new QButtonGroup(box_))
{
    for (const TNumberMode i : {FixedPoint, IntegerMode, HexMode}) {
        auto* item = new QRadioButton(NumberModeCaption(i), box_);
        item->setGeometry(8, 16 + 22 * i, 113, 20);
        buttons_->addButton(item, i);
    }
    buttons_->button(FixedPoint)->setChecked(true);
    QObject::connect(buttons_, &QButtonGroup::idToggled, box_, [changed](int, bool checked) {
        if (checked)
            changed();
    });
    box_->hide();
}

TNumberMode TNumberModeGroup::Mode() const
{
    return static_cast<TNumberMode>(buttons_->checkedId());
}
