#pragma once

#include <QString>

// Text for the user of a terminal, in UTF-8, each call one or more whole
// lines. Throws ECommandFailure when standard output does not take it all
// (closed, a full disk): a script must not take a lost help text or version
// for a printed one.
void PrintOutput(const QString& text);
// "korav-auswertung: " and the text, on standard error.
void PrintError(const QString& text);
