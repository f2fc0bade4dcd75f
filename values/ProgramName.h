#pragma once

#include <QString>

// The program's name as the window's title, the print jobs and the pictures'
// creator show it.
inline const QString ProgramName = QStringLiteral("KORAV-Editor");
