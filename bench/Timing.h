#pragma once

#include <functional>
#include <vector>

// The times of repeated runs of one action, in milliseconds.
class TTiming {
public:
    explicit TTiming(std::vector<double> milliseconds);

    [[nodiscard]] int Runs() const { return static_cast<int>(milliseconds_.size()); }
    [[nodiscard]] double Median() const;
    [[nodiscard]] double Max() const;

private:
    std::vector<double> milliseconds_;
};

// Runs `prepare` untimed and then `action` timed, `runs` times over. The
// first run is kept: a user meets the cold case too, and the maximum shows it.
[[nodiscard]] TTiming Measure(int runs, const std::function<void()>& action, const std::function<void()>& prepare = {});
