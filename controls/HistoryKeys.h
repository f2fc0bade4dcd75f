#pragma once

#include <QKeySequence>
#include <QList>

class QKeyEvent;

// The keys of undo and redo: the platform's own, and for redo also Strg+Y,
// which users of every desktop press, while X11's own list has only
// Strg+Umschalt+Z.
[[nodiscard]] QList<QKeySequence> UndoKeys();
[[nodiscard]] QList<QKeySequence> RedoKeys();

[[nodiscard]] bool IsUndoKey(const QKeyEvent& event);
[[nodiscard]] bool IsRedoKey(const QKeyEvent& event);
