#pragma once

#include <QFont>

// The font of the editor's window. The diagram's tick labels are drawn with
// it, on screen and in every picture of the diagram.
[[nodiscard]] QFont EditorFont();
