#pragma once

#include <stdexcept>
#include <string>

// A benchmark whose action silently did nothing would time nothing; every
// set-up and every action is checked, and a failed check ends the run.
inline void Expect(bool condition, const std::string& what)
{
    if (!condition)
        throw std::runtime_error("benchmark check failed: " + what);
}
