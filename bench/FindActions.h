#pragma once

#include "bench/Report.h"

#include <vector>

class TBenchForm;

// Finding bad values, in the window and in scripts, with their targets: a
// condition's selection shown within a frame; pruefen over a thousand
// recordings at most half as long again as cat reading them; verbinden of
// one recording at most half as long again as a bare start of the command.
// The reference rows come with them.
[[nodiscard]] std::vector<TRow> MeasureFinding(TBenchForm& bench, int actionRuns, int processRuns);
