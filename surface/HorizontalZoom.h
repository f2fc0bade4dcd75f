#pragma once

// The horizontal zoom draws at most this many pixel columns per value.
inline constexpr double MaxColumnsPerValue = 8.0;
// However narrow the window, the surface keeps room for its frame and a
// few labels.
inline constexpr int MinSurfaceWidth = 200;
// The x labels lie at least this far apart, in pixels: room for "2500" in
// the editor's 11-pixel font and a gap to the next.
inline constexpr double XLabelSpacing = 40.0;

// The smallest step of 1, 2 or 5 times a power of ten, and at least 1 (the
// x unit is a value index), whose ticks lie XLabelSpacing pixels apart at
// `xScale` pixels per value. At the design width, 0.9538, that is 50.
[[nodiscard]] double XLabelStep(double xScale);

// `xScale` pixels per value, kept between `lowest` (the whole curve) and
// MaxColumnsPerValue.
[[nodiscard]] double ClampedScale(double xScale, double lowest);

// The pixels per value after the wheel turned by `notches` (positive zooms
// in), clamped.
[[nodiscard]] double WheelZoomScale(double xScale, double notches, double lowest);

// The pixels per value that put `count` values across `visibleWidth`,
// clamped.
[[nodiscard]] double ScaleForValues(int count, int visibleWidth, double lowest);
