#include "cli/PictureCommand.h"

#include "cli/CommandFailure.h"
#include "cli/CommandOutput.h"
#include "cli/Commands.h"
#include "cli/SameFile.h"
#include "diagram/Zoom.h"
#include "picture/DiagramPicture.h"
#include "picture/PictureFormat.h"

#include <QGuiApplication>
#include <QPalette>

#include <cstdio>
#include <cstring>

namespace {

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
    if (request.Output != StandardOutputName && !PictureFormatOf(request.Output))
        throw UsageFailure(QStringLiteral("Die Ausgabe endet auf .png, .svg oder .pdf, oder ist - für PNG"));
}

void RunPicture(const TRequest& request)
{
    RefuseOutputAmongInputs(request.Output, request.Inputs);
    const TValueBuffer values = ReadValueFile(request.Inputs.front());
    const bool toStandardOutput = request.Output == StandardOutputName;
    const QByteArray bytes =
        EncodeStartupPicture(values, request.Mode, request.ZoomSteps, QGuiApplication::palette().color(QPalette::Window),
                             toStandardOutput ? TPictureFormat::Png : *PictureFormatOf(request.Output));
    WriteCommandOutput(request.Output, bytes);
}
