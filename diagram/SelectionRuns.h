#pragma once

#include <vector>

// A block of consecutive selected indices.
struct TSelectionRun {
    int Start = 0;
    int Count = 1;

    bool operator==(const TSelectionRun&) const = default;
};

// The selected indices as maximal blocks: ordered by Start, every Count at
// least 1, and between two runs at least one index that is not selected.
class TSelectionRuns {
public:
    // Adds one index, merging it with the neighbouring runs it touches. When
    // the storage cannot grow, throws std::bad_alloc with the runs unchanged.
    void AddIndex(int index);
    void Clear() { runs_.clear(); }
    [[nodiscard]] bool Contains(int index) const;
    [[nodiscard]] bool IsEmpty() const { return runs_.empty(); }
    [[nodiscard]] const std::vector<TSelectionRun>& Runs() const { return runs_; }

private:
    std::vector<TSelectionRun> runs_;
};
