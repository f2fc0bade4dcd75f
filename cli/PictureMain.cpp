#include "cli/PictureCommand.h"
#include "cli/Program.h"
#include "values/StandardOutput.h"

#include <QGuiApplication>

#include <csignal>
#include <cstdio>

namespace {

// Standard error carries the command's own messages for scripts; Qt's notes
// about the platform it was made to use (a missing runtime folder, say) are
// no concern of theirs.
void KeepQtNotesQuiet(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fputs((message + u'\n').toLocal8Bit().constData(), stderr);
}

} // namespace

// "korav-auswertung bild": drawing needs a GUI application, on the offscreen
// platform so that it runs without a display and with the window's fonts.
int main(int argc, char* argv[])
{
    KeepStandardStreamsOpen();
    std::signal(SIGXFSZ, SIG_IGN);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(KeepQtNotesQuiet);
    QGuiApplication app(argc, argv);
    return RunCommandLine(QCoreApplication::arguments().mid(1), RunPicture);
}
