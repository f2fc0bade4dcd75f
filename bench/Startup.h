#pragma once

#include "bench/Timing.h"

#include <QString>

// The argument that makes korav-bench start like the editor and report
// once its window is shown, instead of running the benchmarks.
inline const QString StartupChildArgument = QStringLiteral("--show-window-once");

// The editor's start: translations, the main window with the real
// window-system layer, shown and painted; then "shown" on standard output.
int ShowWindowOnce();

// Wall time from starting a child process that runs ShowWindowOnce until it
// reports its window shown: loading, Qt's start, the window's construction
// and its first paint, as a user waits for them.
[[nodiscard]] TTiming MeasureStartup(int runs);
