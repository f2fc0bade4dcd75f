#include "cli/Console.h"

#include <cstdio>

namespace {

void PrintLine(std::FILE* stream, const QString& text)
{
    std::fputs((text + u'\n').toUtf8().constData(), stream);
    std::fflush(stream);
}

}  // namespace

void PrintOutput(const QString& text)
{
    PrintLine(stdout, text);
}

void PrintError(const QString& text)
{
    PrintLine(stderr, QStringLiteral("korav-auswertung: ") + text);
}
