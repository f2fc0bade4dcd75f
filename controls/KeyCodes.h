#pragma once

class QKeyEvent;

// The key handlers speak in virtual key codes; Qt's keys are mapped onto
// them here and nowhere else.
namespace VirtualKey {
constexpr int Return = 13;
constexpr int Up = 38;
constexpr int Down = 40;
} // namespace VirtualKey

// Return and the keypad's Enter both give VirtualKey::Return; keys without
// a code of their own give 0.
[[nodiscard]] int VirtualKeyCode(const QKeyEvent& event);
