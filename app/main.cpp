#include "app/EditorArguments.h"
#include "app/TForm1.h"
#include "values/Errors.h"
#include "values/StandardOutput.h"
#include "desktop/GermanTexts.h"
#include "desktop/QtWindowSystem.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <csignal>
#include <cstdio>

namespace {

// Read before the application object exists: help and version need no
// display.
TEditorArguments ArgumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return ParseEditorArguments(arguments);
}

int Print(std::FILE* stream, const QString& text, int status)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    return status;
}

// Help and version into a full disk or a closed stream are no success.
int PrintToStandardOutput(const QString& text)
{
    try {
        WriteStandardOutput(text.toLocal8Bit());
    } catch (const EKoravError& error) {
        return Print(stderr, QStringLiteral("KoravEditor: Standardausgabe: ") + ErrorDisplayText(error.Text()) + u'\n',
                     2);
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    KeepStandardStreamsOpen();
    const TEditorArguments arguments = ArgumentsOf(argc, argv);
    switch (arguments.Action) {
    case TEditorArguments::TAction::Help: return PrintToStandardOutput(EditorUsage());
    case TEditorArguments::TAction::Version:
        return PrintToStandardOutput(QStringLiteral("KoravEditor " KORAV_VERSION "\n"));
    case TEditorArguments::TAction::Error: return Print(stderr, arguments.Message + u'\n' + EditorUsage(), 1);
    case TEditorArguments::TAction::Run: break;
    }
    // A save past the file-size limit then fails with "Zu wenig
    // Speicherplatz" and the editor keeps its unsaved values, instead of
    // being ended by the signal.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    // The desktop ties the windows to the menu entry by this name, and shows
    // the installed theme's icon or, before installation, the built-in one.
    QGuiApplication::setDesktopFileName(QStringLiteral("korav-editor"));
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("korav-editor"), QIcon(QStringLiteral(":/icons/korav-editor.svg"))));
    InstallGermanQtTexts();
    TQtWindowSystem windowSystem;
    TForm1 form(windowSystem);
    windowSystem.SetParent(&form);
    form.show();
    // Once the window is up, so that an error's message box has its parent.
    if (!arguments.File.isEmpty())
        QTimer::singleShot(0, &form, [&form, &arguments] { form.OpenFile(arguments.File); });
    return QApplication::exec();
}
