#include "app/MenuTable.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

bool IsEnabled(TEnabledWhen when, const TMenuState& state)
{
    switch (when) {
    case TEnabledWhen::Always: return true;
    case TEnabledWhen::Loaded: return state.Loaded;
    case TEnabledWhen::Selection: return state.Loaded && state.Selection;
    case TEnabledWhen::CanUndo: return state.Loaded && state.CanUndo;
    case TEnabledWhen::CanRedo: return state.Loaded && state.CanRedo;
    case TEnabledWhen::Comparison: return state.Loaded && state.Comparison;
    }
    return false;
}

QList<QKeySequence> StandardKeys(QKeySequence::StandardKey key, QKeyCombination fallback)
{
    const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    return keys.isEmpty() ? QList<QKeySequence>{QKeySequence(fallback)} : keys;
}

TMenuTable::TMenuTable(QMenuBar& bar, const std::vector<TMenu>& menus)
{
    for (const TMenu& menu : menus) {
        QMenu* built = bar.addMenu(menu.Title);
        built->setObjectName(QLatin1String(menu.Name));
        for (const TMenuItem& item : menu.Items)
            AddItem(*built, item);
    }
    Update({});
}

void TMenuTable::AddItem(QMenu& menu, const TMenuItem& item)
{
    if (!item.Name) {
        menu.addSeparator();
        return;
    }
    QAction* action = menu.addAction(item.Caption);
    action->setObjectName(QLatin1String(item.Name));
    action->setShortcuts(item.Keys);
    // Qt inverts the check mark of a checkable item before its handler runs.
    action->setCheckable(item.Checkable);
    QObject::connect(action, &QAction::triggered, action, item.Handler);
    items_[action->objectName()] = {action, item.Caption, item.When};
}

const TMenuTable::TBuiltItem& TMenuTable::Built(const char* name) const
{
    const auto found = items_.find(QLatin1String(name));
    if (found == items_.end())
        qFatal("The menus have no item named %s", name);
    return found->second;
}

QAction& TMenuTable::Item(const char* name) const
{
    return *Built(name).Action;
}

QString TMenuTable::Caption(const char* name) const
{
    return Built(name).Caption;
}

bool TMenuTable::IsChecked(const char* name) const
{
    return Item(name).isChecked();
}

void TMenuTable::Update(const TMenuState& state)
{
    for (const auto& [name, item] : items_)
        item.Action->setEnabled(IsEnabled(item.When, state));
}
