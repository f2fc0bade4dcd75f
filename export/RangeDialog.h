#pragma once

// The range dialog as the range export drives it. Setting a field clamps it
// into the bounds in force and re-bounds the other field, as typing would.
class TRangeDialog {
public:
    virtual ~TRangeDialog() = default;

    virtual void SetFirst(int value) = 0;
    virtual void SetLast(int value) = 0;
    [[nodiscard]] virtual int First() const = 0;
    [[nodiscard]] virtual int Last() const = 0;
    // Shows the dialog modally; true when it was closed with OK.
    [[nodiscard]] virtual bool Execute() = 0;
};
