#pragma once

#include "diagram/DiagramScene.h"
#include "document/Comparison.h"

#include <memory>

// How the curves look, and the comparison curve while one is loaded.
struct TCurves {
    int CurveColor = StartCurveColor;
    int ComparisonColor = 0;
    std::unique_ptr<TComparison> Comparison;
};
