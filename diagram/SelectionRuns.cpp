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

} // namespace

void TSelectionRuns::AddIndex(int index)
{
    const auto next = FirstAfter(runs_, index);
    const bool joinsNext = next != runs_.end() && next->Start == index + 1;
    if (next != runs_.begin()) {
        const auto cur = std::prev(next);
        const int end = cur->Start + cur->Count;
        if (index < end)
            return;
        if (index == end) {
            cur->Count += 1;
            if (joinsNext) {
                cur->Count += next->Count;
                runs_.erase(next);
            }
            return;
        }
    }
    if (joinsNext) {
        next->Start -= 1;
        next->Count += 1;
        return;
    }
    runs_.insert(next, TSelectionRun{index, 1});
}

bool TSelectionRuns::Contains(int index) const
{
    const auto next = FirstAfter(runs_, index);
    if (next == runs_.begin())
        return false;
    const TSelectionRun& cur = *std::prev(next);
    return index < cur.Start + cur.Count;
}
