#pragma once

#include <QString>

// The date, the processor model with its core count, and the Qt in use, so
// that a table can be told apart from one made elsewhere.
[[nodiscard]] QString MachineDescription();
