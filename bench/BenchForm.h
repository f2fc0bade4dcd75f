#pragma once

#include "app/TForm1.h"
#include "coresupport/ScriptedWindowSystem.h"
#include "support/FormControls.h"

#include <QTemporaryDir>

#include <memory>

class QToolButton;

// A shown main window driven through the scripted window-system layer, as
// the tests drive it, with a German locale and a folder of its own.
class TBenchForm {
public:
    TBenchForm();

    [[nodiscard]] QString Path(const QString& name) const { return Dir.filePath(name); }
    // Writes a value file whose value i is first + step * i.
    QString WriteValueFile(const QString& name, int first, int step) const;

    void Open(const QString& path);
    // Ctrl+A in the list; its key release copies the selection into the runs.
    void SelectAllLines();
    void ClickMode(int mode);
    // Selects every line and types `text` into the entry field, without Enter.
    void TypeIntoAllLines(const QString& text);
    void PressEnterInEdit1();
    // Presses `button` until the diagram's height no longer changes.
    void ZoomUntilSteady(QToolButton* button);
    // Delivers what an action left for the event loop: the list's layout and
    // the paints of the regions it invalidated.
    void Settle();

    TScriptedWindowSystem Windows;
    QTemporaryDir Dir;
    std::unique_ptr<TForm1> Form;
    TFormControls Ui;
};
