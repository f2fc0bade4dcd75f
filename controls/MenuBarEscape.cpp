#include "controls/MenuBarEscape.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace {

class TMenuBarEscape : public QObject {
public:
    explicit TMenuBarEscape(QMenuBar& bar) : QObject(&bar), bar_(bar) { }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Escape || key->modifiers() != Qt::NoModifier)
            return false;
        // The menu closes itself and hands the focus to the bar; the bar's
        // own Escape then ends its keyboard mode and gives the focus back.
        watched->event(event);
        if (bar_.hasFocus()) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(&bar_, &escape);
        }
        return true;
    }

private:
    QMenuBar& bar_;
};

} // namespace

void LeaveMenuBarOnEscape(QMenuBar& bar)
{
    auto* filter = new TMenuBarEscape(bar);
    for (QAction* item : bar.actions())
        if (QMenu* menu = item->menu())
            menu->installEventFilter(filter);
}
