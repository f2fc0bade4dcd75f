#pragma once

// Installs Qt's own German texts (standard dialogs, "Strg+X" in menus) for
// the rest of the program's run. Safe to call more than once.
void InstallGermanQtTexts();
