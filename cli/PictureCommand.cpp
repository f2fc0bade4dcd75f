#include "cli/PictureCommand.h"

#include "cli/CommandFailure.h"
#include "cli/CommandOutput.h"
#include "cli/Commands.h"
#include "cli/SameFile.h"
#include "picture/DiagramPicture.h"
#include "surface/PictureFormat.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

// A picture that cannot be drawn (too little memory for its pixels) is
// reported for the output it would have become; nothing is written.
[[nodiscard]] QByteArray PictureBytes(const TRequest& request, const TValueBuffer& values, const TCommandOutput& output)
{
    const bool toStandardOutput = request.Output == StandardOutputName;
    try {
        return EncodeStartupPicture(values, request.Mode, request.ZoomSteps, request.Width,
                                    QGuiApplication::palette().color(QPalette::Window),
                                    toStandardOutput ? TPictureFormat::Png : *PictureFormatOf(request.Output));
    } catch (const EKoravError& error) {
        throw FileFailure(output.DisplayName(), error);
    }
}

} // namespace

void RunPicture(const TRequest& request)
{
    const TCommandOutput output(request.Output);
    RefuseOutputAmongInputs(output, request.Inputs);
    output.Write(PictureBytes(request, ReadValueFile(request.Inputs.front()), output));
}
