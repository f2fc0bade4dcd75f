#include "controls/HistoryKeys.h"

#include <QKeyEvent>

namespace {

bool IsAmong(const QKeyEvent& event, const QList<QKeySequence>& keys)
{
    return keys.contains(QKeySequence(event.keyCombination()));
}

} // namespace

QList<QKeySequence> UndoKeys()
{
    return QKeySequence::keyBindings(QKeySequence::Undo);
}

QList<QKeySequence> RedoKeys()
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Redo);
    const QKeySequence ctrlY(Qt::CTRL | Qt::Key_Y);
    if (!keys.contains(ctrlY))
        keys.append(ctrlY);
    return keys;
}

bool IsUndoKey(const QKeyEvent& event)
{
    return IsAmong(event, UndoKeys());
}

bool IsRedoKey(const QKeyEvent& event)
{
    return IsAmong(event, RedoKeys());
}
