#pragma once

#include "coresupport/ScriptedWindowSystem.h"

#include <QString>
#include <QStringList>

#include <deque>

// The scripted window system with printers, for the window's tests: the
// print dialogs print into files the caller names.
class TScriptedPrinting : public TScriptedWindowSystem {
public:
    // A print dialog answered with a name prints into that PDF file; an
    // empty queue cancels it. A preview paints into the next name, if any.
    std::deque<QString> PrintFiles;
    int PrintDialogs = 0;
    int PrintPreviews = 0;
    // The output file of the printer as each print dialog found it.
    QStringList PrintOutputFiles;

    bool ExecutePrint(QPrinter& printer) override;
    void ExecutePrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;

private:
    // Points `printer` at the next print file; false when there is none.
    bool PrintToNextFile(QPrinter& printer);
};
