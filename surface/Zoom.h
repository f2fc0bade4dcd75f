#pragma once

#include <optional>

// The diagram surface is always this wide; zoom changes only its height.
inline constexpr int SurfaceWidth = 2600;
// The surface's height in the window at its design size, before any zoom.
inline constexpr int StartupSurfaceHeight = 237;
// Surfaces this high or higher are not enlarged any further.
inline constexpr int ZoomInLimit = 10000;
// Space the surface leaves below itself inside the scroll box at its lowest.
inline constexpr int ZoomOutMargin = 20;

// The surface height after "+", or nothing when it is already at the limit.
[[nodiscard]] std::optional<int> ZoomInHeight(int height);
// The surface height after "-": two thirds, but never below the scroll box's
// height less the margin; a lower surface is raised to that.
[[nodiscard]] int ZoomOutHeight(int height, int scrollBoxHeight);

// The relative height (0 to 1) of the middle of the view, `view` pixels high
// and scrolled to `position` within a content of `range` pixels.
[[nodiscard]] double ViewCentre(int view, int position, int range);
// The scroll position that puts the relative height `centre` of a content of
// `range` pixels into the middle of the view; the scroll box clamps it.
[[nodiscard]] int CentredScrollPosition(double centre, int range, int view);

// How often "+" enlarges the surface from its start-up height before the limit.
[[nodiscard]] int ZoomInSteps();
// The height after `steps` presses of "+" from the start-up height, or
// nothing beyond the limit.
[[nodiscard]] std::optional<int> ZoomedHeight(int steps);
