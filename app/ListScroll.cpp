#include "app/ListScroll.h"

#include <algorithm>

int TopAfterSelectingInTurn(int top, int visibleLines, const std::vector<TSelectionRun>& runs)
{
    const int shown = std::max(visibleLines, 1);
    for (const TSelectionRun& run : runs) {
        const int last = run.Start + run.Count - 1;
        // Within a run each line lies just below the one before, so only the
        // first can pull the view up and only the last can push it down.
        if (run.Start < top)
            top = run.Start;
        if (last >= top + shown)
            top = last - shown + 1;
    }
    return top;
}
