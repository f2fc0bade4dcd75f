#include "document/LinearBridge.h"

#include <cstddef>

namespace {

// numerator / denominator for a positive denominator, the half away from zero.
std::int64_t RoundedQuotient(std::int64_t numerator, std::int64_t denominator)
{
    if (numerator >= 0)
        return (2 * numerator + denominator) / (2 * denominator);
    return -((-2 * numerator + denominator) / (2 * denominator));
}

// Appends the values of the run first..last.
void BridgeRun(const TValueBuffer& values, int first, int last, std::vector<std::int16_t>& bridged)
{
    const bool atStart = first == 0;
    const bool atEnd = last == ValueCount - 1;
    if (atStart && atEnd) {
        bridged.insert(bridged.end(), values.begin(), values.end());
        return;
    }
    const std::int64_t a = values[std::size_t(atStart ? last + 1 : first - 1)];
    const std::int64_t b = values[std::size_t(atEnd ? first - 1 : last + 1)];
    // The exact line a + (b - a) * step / steps, computed in integers so that
    // a half is a half and not a binary fraction near it.
    const std::int64_t steps = last - first + 2;
    for (int index = first; index <= last; ++index) {
        const std::int64_t step = index - first + 1;
        bridged.push_back(static_cast<std::int16_t>(RoundedQuotient(a * steps + (b - a) * step, steps)));
    }
}

} // namespace

std::vector<std::int16_t> BridgedValues(const TValueBuffer& values, const std::vector<int>& indices)
{
    std::vector<std::int16_t> bridged;
    bridged.reserve(indices.size());
    for (std::size_t first = 0, last = 0; first < indices.size(); first = last + 1) {
        last = first;
        while (last + 1 < indices.size() && indices[last + 1] == indices[last] + 1)
            ++last;
        BridgeRun(values, indices[first], indices[last], bridged);
    }
    return bridged;
}
