#include "cli/PictureCommand.h"

#include "cli/CommandFailure.h"
#include "cli/Commands.h"
#include "diagram/Zoom.h"
#include "picture/DiagramPicture.h"
#include "picture/PictureFormat.h"
#include "values/IoError.h"
#include "values/WholeFile.h"

#include <QGuiApplication>
#include <QPalette>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

const QString StandardOutput = QStringLiteral("-");

struct TModeName {
    const char* Name;
    TNumberMode Mode;
};

constexpr TModeName ModeNames[] = {{"festkomma", FixedPoint}, {"ganzzahl", IntegerMode}, {"hex", HexMode}};

// Standard error carries the command's own messages for scripts; Qt's notes
// about the platform it was made to use (a missing runtime folder, say) are
// no concern of theirs.
void KeepQtNotesQuiet(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fputs((message + u'\n').toLocal8Bit().constData(), stderr);
}

}  // namespace

std::unique_ptr<QCoreApplication> CommandApplication(int& argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "bild") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(KeepQtNotesQuiet);
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

TNumberMode PictureModeNamed(const QString& name)
{
    for (const TModeName& entry : ModeNames)
        if (name == QLatin1String(entry.Name))
            return entry.Mode;
    throw UsageFailure(QStringLiteral("Die Darstellung '%1' ist unbekannt: festkomma, ganzzahl oder hex").arg(name));
}

int PictureZoomSteps(const QString& text)
{
    bool number = false;
    const int steps = text.toInt(&number);
    if (!number || !ZoomedHeight(steps))
        throw UsageFailure(QStringLiteral("--zoom zählt die Schritte von \"+\": 0 bis %1").arg(ZoomInSteps()));
    return steps;
}

void CheckPictureRequest(const TRequest& request)
{
    if (request.Inputs.size() != 1)
        throw UsageFailure(QStringLiteral("bild liest genau eine Wertedatei"));
    if (request.Output != StandardOutput && !PictureFormatOf(request.Output))
        throw UsageFailure(QStringLiteral("Die Ausgabe endet auf .png, .svg oder .pdf, oder ist - für PNG"));
}

void RunPicture(const TRequest& request)
{
    const TValueBuffer values = ReadValueFile(request.Inputs.front());
    const bool toStandardOutput = request.Output == StandardOutput;
    const QByteArray bytes =
        EncodeStartupPicture(values, request.Mode, request.ZoomSteps, QGuiApplication::palette().color(QPalette::Window),
                             toStandardOutput ? TPictureFormat::Png : *PictureFormatOf(request.Output));
    try {
        if (toStandardOutput)
            WriteToStandardOutput(bytes);
        else
            WriteWholeFile(request.Output, bytes);
    } catch (const EKoravError&) {
        RethrowAsFailure(request.Output);
    }
}

void WriteToStandardOutput(const QByteArray& bytes)
{
    errno = 0;
    const std::size_t written = std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    if (std::fflush(stdout) != 0 || written != std::size_t(bytes.size()))
        ThrowIoError(errno != 0 ? errno : EIO, StandardOutput);
}
