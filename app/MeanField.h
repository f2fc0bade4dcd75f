#pragma once

#include "values/NumberFormat.h"

class QLabel;
class QLineEdit;
class QWidget;

// "Mittelwert": the mean of the selected values in a read-only field, and the
// value the diagram marks over the selected indices.
class TMeanField {
public:
    explicit TMeanField(QWidget* client);

    [[nodiscard]] QLineEdit& Field() const { return *edit_; }
    [[nodiscard]] double Value() const { return value_; }

    void SetVisible(bool visible);
    void Show(double mean, TNumberMode mode);
    void Clear();

private:
    QLabel* label_;
    QLineEdit* edit_;
    double value_ = 0.0;
};
