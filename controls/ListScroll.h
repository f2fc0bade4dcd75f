#pragma once

#include <algorithm>

// The top line a list shows after the lines of `runs` (blocks with Start and
// Count, ascending) have been selected one by one, each scrolled into view
// in turn, starting from `top` with `visibleLines` whole lines in view.
// Computed instead of done, so that restoring 2500 selected lines scrolls once.
template <typename TRuns> [[nodiscard]] int TopAfterSelectingInTurn(int top, int visibleLines, const TRuns& runs)
{
    const int shown = std::max(visibleLines, 1);
    for (const auto& run : runs) {
        const int last = run.Start + run.Count - 1;
        // Within a run each line lies just below the one before, so only the
        // first can pull the view up and only the last can push it down.
        top = std::min(top, int(run.Start));
        if (last >= top + shown)
            top = last - shown + 1;
    }
    return top;
}
