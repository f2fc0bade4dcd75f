#pragma once

#include "values/NumberFormat.h"
#include "values/ValueFile.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// What a value must do to be found.
enum class TConditionKind {
    // Lies below the lower or above the upper bound; both bounds are allowed.
    Outside,
    // Differs from the value before it by more than the number; index 0 never does.
    Jump,
    // Equals the number, such as a recorder's error value.
    Equal,
};

struct TValueCondition {
    TConditionKind Kind = TConditionKind::Equal;
    // The lower bound, the largest step that is no jump, or the value sought.
    std::int16_t Number = 0;
    // The upper bound of Outside.
    std::int16_t Upper = 0;
    // Values and numbers count as their 16-bit patterns, 0 to FFFF, as the
    // hexadecimal representation lists and draws them.
    bool Unsigned = false;
};

// The indices whose values meet `condition`, ascending.
[[nodiscard]] std::vector<int> MatchingIndices(const TValueBuffer& values, const TValueCondition& condition);

// First to Last, both included.
struct TIndexRun {
    int First = 0;
    int Last = 0;
};

// Ascending indices as runs of neighbours.
[[nodiscard]] std::vector<TIndexRun> IndexRuns(const std::vector<int>& indices);

// A condition read from the numbers as the user typed them, or why it
// cannot be read.
struct TConditionReading {
    TValueCondition Condition;
    QString Error;
};

// How many numbers a condition of `kind` takes: two bounds, or one.
[[nodiscard]] int ConditionNumberCount(TConditionKind kind);

// Reads `numbers` (two for Outside, one otherwise) in `mode` as a typed value
// is read, each within the range of a value. The window's dialog and the
// command say the same; `decimalSeparator` writes the fixed-point range.
[[nodiscard]] TConditionReading ReadCondition(TConditionKind kind, const QStringList& numbers, TNumberMode mode,
                                              QChar decimalSeparator);
