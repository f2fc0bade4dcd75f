#include "controls/KeyCodes.h"

#include <QKeyEvent>

int VirtualKeyCode(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return VirtualKey::Return;
    case Qt::Key_Up: return VirtualKey::Up;
    case Qt::Key_Down: return VirtualKey::Down;
    default: return 0;
    }
}
