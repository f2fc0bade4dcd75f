#pragma once

#include <Qt>

// Whether a control losing the focus for `reason` has been left by the user
// for another control. A window losing the activation (a dialog closing
// included), a popup or the menu bar take the focus only for a while: what
// the user typed keeps waiting and stays as typed.
[[nodiscard]] inline bool IsMoveToAnotherControl(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason;
}
