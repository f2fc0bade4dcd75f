#include "cli/PictureProgram.h"
#include "cli/Program.h"
#include "values/StandardOutput.h"

#include <QCoreApplication>

#include <csignal>

// A core application only: no platform plugin is loaded, so the command
// runs without a display whatever QT_QPA_PLATFORM says.
int main(int argc, char* argv[])
{
    KeepStandardStreamsOpen();
    // A write past the file-size limit then fails as a full disk does,
    // instead of ending the command in the middle of its output.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication app(argc, argv);
    return RunCommandLine(QCoreApplication::arguments().mid(1), HandOverToPictureProgram);
}
