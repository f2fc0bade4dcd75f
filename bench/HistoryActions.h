#pragma once

#include "bench/Timing.h"

class TBenchForm;

// "Rückgängig" of a commit into all 2500 lines: the values, the list lines,
// the diagram and the mean follow.
[[nodiscard]] TTiming MeasureUndo(TBenchForm& bench, int runs);
// The heap the history takes for `steps` commits into all 2500 lines, in MB.
[[nodiscard]] double MeasureHistoryMemory(TBenchForm& bench, int steps);
