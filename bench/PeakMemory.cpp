#include "bench/PeakMemory.h"

#include <sys/resource.h>

double PeakMemoryMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    // Linux counts ru_maxrss in kilobytes.
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}
