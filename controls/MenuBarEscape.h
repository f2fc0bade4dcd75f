#pragma once

class QMenuBar;

// Makes Escape in a menu of `bar` close the menu and leave the menu bar, so
// that the keyboard focus goes back to the control that had it. Qt would
// leave the bar in its keyboard mode, holding the focus: the next keys would
// pick menus by their letters and the control's typed text would wait for a
// focus change that never comes. Covers the menus `bar` holds now.
void LeaveMenuBarOnEscape(QMenuBar& bar);
