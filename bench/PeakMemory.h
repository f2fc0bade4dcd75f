#pragma once

// The most memory this process has held at once so far (its peak resident
// set), in megabytes of 2^20 bytes.
[[nodiscard]] double PeakMemoryMegabytes();
