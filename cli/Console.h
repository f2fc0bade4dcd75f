#pragma once

#include <QString>

// Text for the user of a terminal, in UTF-8, each call one or more whole lines.
void PrintOutput(const QString& text);
// "korav-auswertung: " and the text, on standard error.
void PrintError(const QString& text);
