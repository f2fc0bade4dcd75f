#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

#include <functional>
#include <map>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

// When an item can be chosen.
enum class TEnabledWhen { Always, Loaded, Selection, CanUndo, CanRedo, Comparison };

// What the items' enabled state depends on.
struct TMenuState {
    bool Loaded = false;
    bool Selection = false;
    bool CanUndo = false;
    bool CanRedo = false;
    bool Comparison = false;
};

[[nodiscard]] bool IsEnabled(TEnabledWhen when, const TMenuState& state);

// One line of a menu: an item, or a separator where it has no name.
struct TMenuItem {
    const char* Name = nullptr;
    QString Caption;
    std::function<void()> Handler;
    QList<QKeySequence> Keys;
    TEnabledWhen When = TEnabledWhen::Always;
    bool Checkable = false;
};

struct TMenu {
    const char* Name = nullptr;
    QString Title;
    std::vector<TMenuItem> Items;
};

[[nodiscard]] inline TMenuItem Separator()
{
    return {};
}

// Qt's standard key of the platform, or `fallback` where the platform's
// theme knows none (X11 without a desktop has no "save as").
[[nodiscard]] QList<QKeySequence> StandardKeys(QKeySequence::StandardKey key, QKeyCombination fallback);

// The window's menus, built from one table: each item's name, caption, keys,
// handler and the state it is enabled in.
class TMenuTable {
public:
    TMenuTable(QMenuBar& bar, const std::vector<TMenu>& menus);

    // The item named `name`; an unknown name is a fault of the program.
    [[nodiscard]] QAction& Item(const char* name) const;
    [[nodiscard]] bool IsChecked(const char* name) const;
    // The caption the table gives the item, whatever it shows now.
    [[nodiscard]] QString Caption(const char* name) const;
    void Update(const TMenuState& state);

private:
    struct TBuiltItem {
        QAction* Action = nullptr;
        QString Caption;
        TEnabledWhen When = TEnabledWhen::Always;
    };

    void AddItem(QMenu& menu, const TMenuItem& item);
    [[nodiscard]] const TBuiltItem& Built(const char* name) const;

    std::map<QString, TBuiltItem> items_;
};
