#include "cli/PictureCommand.h"
#include "cli/Program.h"

// A core application except for "bild": no platform plugin is loaded, so the
// command runs without a display whatever QT_QPA_PLATFORM says.
int main(int argc, char* argv[])
{
    const std::unique_ptr<QCoreApplication> app = CommandApplication(argc, argv);
    return RunCommandLine(QCoreApplication::arguments().mid(1));
}
