#pragma once

#include <QRect>

// A rectangle in the canvas convention: Left and Top belong to it, Right and
// Bottom are the first column and row outside. QRect counts right() and
// bottom() inclusively, so every conversion goes through the two helpers.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    [[nodiscard]] bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    [[nodiscard]] QRect ToQRect() const { return {Left, Top, Right - Left, Bottom - Top}; }
    [[nodiscard]] static TRect FromQRect(const QRect& rect)
    {
        return {rect.x(), rect.y(), rect.x() + rect.width(), rect.y() + rect.height()};
    }
    bool operator==(const TRect&) const = default;
};
