#include "cli/Console.h"

#include "cli/CommandOutput.h"

#include <cstdio>

void PrintOutput(const QString& text)
{
    TCommandOutput(StandardOutputName).Write((text + u'\n').toUtf8());
}

// Nowhere is left to report a failure of standard error itself.
void PrintError(const QString& text)
{
    std::fputs((QStringLiteral("korav-auswertung: ") + text + u'\n').toUtf8().constData(), stderr);
    std::fflush(stderr);
}
