#pragma once

#include "values/NumberFormat.h"

#include <functional>

class QButtonGroup;
class QGroupBox;
class QWidget;

// "Zahlendarstellung": the three number representations to choose from.
class TNumberModeGroup {
public:
    // `changed` runs when another representation is chosen, not on a click
    // on the chosen one.
    TNumberModeGroup(QWidget* client, const std::function<void()>& changed);

    [[nodiscard]] TNumberMode Mode() const;
    [[nodiscard]] QGroupBox& Box() const { return *box_; }

private:
    QGroupBox* box_;
    QButtonGroup* buttons_;
};
