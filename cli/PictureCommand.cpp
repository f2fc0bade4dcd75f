#include "cli/PictureCommand.h"

#include "cli/CommandOutput.h"
#include "cli/Commands.h"
#include "cli/SameFile.h"
#include "picture/DiagramPicture.h"
#include "picture/PictureFormat.h"

#include <QGuiApplication>
#include <QPalette>

void RunPicture(const TRequest& request)
{
    RefuseOutputAmongInputs(request.Output, request.Inputs);
    const TValueBuffer values = ReadValueFile(request.Inputs.front());
    const bool toStandardOutput = request.Output == StandardOutputName;
    const QByteArray bytes =
        EncodeStartupPicture(values, request.Mode, request.ZoomSteps, request.Width,
                             QGuiApplication::palette().color(QPalette::Window),
                             toStandardOutput ? TPictureFormat::Png : *PictureFormatOf(request.Output));
    WriteCommandOutput(request.Output, bytes);
}
