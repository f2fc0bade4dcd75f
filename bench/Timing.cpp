#include "bench/Timing.h"

#include <QElapsedTimer>

#include <algorithm>
#include <stdexcept>
#include <utility>

TTiming::TTiming(std::vector<double> milliseconds) : milliseconds_(std::move(milliseconds))
{
    if (milliseconds_.empty())
        throw std::invalid_argument("a timing needs at least one run");
    std::sort(milliseconds_.begin(), milliseconds_.end());
}

double TTiming::Median() const
{
    const std::size_t middle = milliseconds_.size() / 2;
    if (milliseconds_.size() % 2 == 1)
        return milliseconds_[middle];
    return (milliseconds_[middle - 1] + milliseconds_[middle]) / 2.0;
}

double TTiming::Max() const
{
    return milliseconds_.back();
}

TTiming Measure(int runs, const std::function<void()>& action, const std::function<void()>& prepare)
{
    std::vector<double> milliseconds;
    milliseconds.reserve(static_cast<std::size_t>(std::max(runs, 0)));
    for (int run = 0; run < runs; ++run) {
        if (prepare)
            prepare();
        QElapsedTimer clock;
        clock.start();
        action();
        milliseconds.push_back(static_cast<double>(clock.nsecsElapsed()) / 1.0e6);
    }
    return TTiming(std::move(milliseconds));
}
