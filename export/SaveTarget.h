#pragma once

#include "winsys/WindowSystem.h"

#include <QString>

#include <optional>

// Shows the save dialog until the chosen file does not exist yet or the user
// answers Yes to replacing it; any other answer shows the dialog again with
// the name just chosen. Nothing when the dialog is cancelled.
[[nodiscard]] std::optional<QString> ChooseSaveTarget(TWindowSystem& windows, TFileDialog& dialog);
