#pragma once

#include <QAbstractSpinBox>

#include <cstdint>

// An integer field that keeps whatever is typed: Value() reads the text
// without clamping, and only setting, stepping and leaving the field for
// another control clamp it into MinValue to MaxValue, and only while the two
// differ.
class TSpinEdit : public QAbstractSpinBox {
    Q_OBJECT

public:
    explicit TSpinEdit(QWidget* parent = nullptr);

    [[nodiscard]] int MinValue() const { return minValue_; }
    [[nodiscard]] int MaxValue() const { return maxValue_; }
    // New bounds take effect at the next setting, step or loss of focus.
    void SetMinValue(int value) { minValue_ = value; }
    void SetMaxValue(int value) { maxValue_ = value; }

    // The text's integer, or MinValue when the text is no integer.
    [[nodiscard]] int Value() const;
    void SetValue(int value);
    [[nodiscard]] QString Text() const;
    void SetText(const QString& text);

    // Steps by one in the direction of `steps`, whatever the modifiers.
    void stepBy(int steps) override;

signals:
    // Every change of the text, typed, stepped or set, at once.
    void Changed();

protected:
    [[nodiscard]] StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    [[nodiscard]] std::int64_t Clamped(std::int64_t value) const;
    [[nodiscard]] static bool IsRefused(const QString& typed);

    int minValue_ = 0;
    int maxValue_ = 0;
};
