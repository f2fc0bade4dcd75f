#pragma once

#include "diagram/SelectionRuns.h"

#include <vector>

// The top line a list shows after its lines `runs` (ascending) have been
// selected one by one, each scrolled into view in turn, starting from `top`
// with `visibleLines` whole lines in view. Computed instead of done, so that
// restoring 2500 selected lines scrolls once.
[[nodiscard]] int TopAfterSelectingInTurn(int top, int visibleLines, const std::vector<TSelectionRun>& runs);
