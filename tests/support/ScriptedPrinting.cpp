#include "support/ScriptedPrinting.h"

#include <QPrinter>

bool TScriptedPrinting::PrintToNextFile(QPrinter& printer)
{
    if (PrintFiles.empty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(PrintFiles.front());
    PrintFiles.pop_front();
    return true;
}

bool TScriptedPrinting::ExecutePrint(QPrinter& printer)
{
    ++PrintDialogs;
    PrintOutputFiles << printer.outputFileName();
    return PrintToNextFile(printer);
}

void TScriptedPrinting::ExecutePrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint)
{
    ++PrintPreviews;
    if (PrintToNextFile(printer))
        paint(printer);
}
