#include "controls/SpinEdit.h"

#include "controls/FocusReason.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>
#include <limits>

TSpinEdit::TSpinEdit(QWidget* parent) : QAbstractSpinBox(parent)
{
    // The text is the value; Qt's own reading of it on every keystroke would
    // only get in the way.
    setKeyboardTracking(false);
    lineEdit()->setText(QStringLiteral("0"));
    connect(lineEdit(), &QLineEdit::textChanged, this, &TSpinEdit::Changed);
}

int TSpinEdit::Value() const
{
    bool isInteger = false;
    const int value = Text().toInt(&isInteger);
    return isInteger ? value : minValue_;
}

void TSpinEdit::SetValue(int value)
{
    SetText(QString::number(Clamped(value)));
}

QString TSpinEdit::Text() const
{
    return lineEdit()->text();
}

void TSpinEdit::SetText(const QString& text)
{
    lineEdit()->setText(text);
}

void TSpinEdit::stepBy(int steps)
{
    if (steps == 0)
        return;
    const std::int64_t stepped = Clamped(std::int64_t{Value()} + (steps > 0 ? 1 : -1));
    SetValue(static_cast<int>(
        std::clamp<std::int64_t>(stepped, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())));
}

// Stepping stays possible at the bounds; the step is clamped instead.
QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const
{
    return StepUpEnabled | StepDownEnabled;
}

void TSpinEdit::keyPressEvent(QKeyEvent* event)
{
    if (IsRefused(event->text())) {
        QApplication::beep();
        event->accept();
        return;
    }
    QAbstractSpinBox::keyPressEvent(event);
}

void TSpinEdit::focusOutEvent(QFocusEvent* event)
{
    const int value = Value();
    if (IsMoveToAnotherControl(event->reason()) && Clamped(value) != value)
        SetValue(value);
    QAbstractSpinBox::focusOutEvent(event);
}

std::int64_t TSpinEdit::Clamped(std::int64_t value) const
{
    if (minValue_ == maxValue_)
        return value;
    // Bounds the coupling has crossed (minimum above maximum) give the
    // minimum below it and the maximum above it, never undefined behaviour.
    if (value < minValue_)
        return minValue_;
    if (value > maxValue_)
        return maxValue_;
    return value;
}

// Control characters (Backspace, Delete, Enter, the Ctrl shortcuts) pass;
// printable text must be digits, signs or the decimal separator.
bool TSpinEdit::IsRefused(const QString& typed)
{
    const QString decimalPoint = QLocale().decimalPoint();
    return std::any_of(typed.begin(), typed.end(), [&decimalPoint](QChar c) {
        const bool accepted = (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || decimalPoint.contains(c);
        return c.isPrint() && !accepted;
    });
}
