#pragma once

#include "export/RangeDialog.h"

// The range dialog of the command: the fields hold what --von and --bis
// said, and the dialog is confirmed at once.
class TFixedRange : public TRangeDialog {
public:
    TFixedRange(int first, int last) : first_(first), last_(last) {}

    void SetFirst(int value) override { first_ = value; }
    void SetLast(int value) override { last_ = value; }
    [[nodiscard]] int First() const override { return first_; }
    [[nodiscard]] int Last() const override { return last_; }
    [[nodiscard]] bool Execute() override { return true; }

private:
    int first_;
    int last_;
};
