#include "diagram/SelectionRuns.h"

#include <algorithm>
#include <iterator>

namespace {

// The first run that starts after `index`.
auto FirstAfter(auto& runs, int index)
{
    return std::upper_bound(runs.begin(), runs.end(), index,
                            [](int i, const TSelectionRun& run) { return i < run.Start; });
}

}

void TSelectionRuns::AddIndex(int index)
{
    const auto next = FirstAfter(FRuns, index);
    const bool joinsNext = next != FRuns.end() && next->Start == index + 1;
    if (next != FRuns.begin()) {
        const auto cur = std::prev(next);
        const int end = cur->Start + cur->Count;
        if (index < end)
            return;
        if (index == end) {
            cur->Count += 1;
            if (joinsNext) {
                cur->Count += next->Count;
                FRuns.erase(next);
            }
            return;
        }
    }
    if (joinsNext) {
        next->Start -= 1;
        next->Count += 1;
        return;
    }
    FRuns.insert(next, TSelectionRun{index, 1});
}

bool TSelectionRuns::Contains(int index) const
{
    const auto next = FirstAfter(FRuns, index);
    if (next == FRuns.begin())
        return false;
    const TSelectionRun& cur = *std::prev(next);
    return index < cur.Start + cur.Count;
}
