#include "cli/Program.h"

#include <QCoreApplication>

// A core application only: no platform plugin is loaded, so the command
// runs without a display whatever QT_QPA_PLATFORM says.
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    return RunCommandLine(QCoreApplication::arguments().mid(1));
}
