#include "cli/PictureOptions.h"

#include "cli/CommandFailure.h"
#include "cli/CommandOutput.h"
#include "surface/PictureFormat.h"
#include "surface/Zoom.h"

#include <optional>

namespace {

struct TModeName {
    const char* Name;
    TNumberMode Mode;
};

constexpr TModeName ModeNames[] = {{"festkomma", FixedPoint}, {"ganzzahl", IntegerMode}, {"hex", HexMode}};

} // namespace

TNumberMode PictureModeNamed(const QString& name)
{
    for (const TModeName& entry : ModeNames)
        if (name == QLatin1String(entry.Name))
            return entry.Mode;
    throw UsageFailure(QStringLiteral("Die Darstellung '%1' ist unbekannt: festkomma, ganzzahl oder hex").arg(name));
}

// Read as every number of the command is, so "$A" and "0xA" are 10.
int PictureZoomSteps(const QString& text)
{
    std::optional<int> steps;
    try {
        steps = StrToInt(text);
    } catch (const EKoravError&) {
    }
    if (!steps || !ZoomedHeight(*steps))
        throw UsageFailure(QStringLiteral("--zoom zählt die Schritte von \"+\": 0 bis %1").arg(ZoomInSteps()));
    return *steps;
}

void CheckPictureRequest(const TRequest& request)
{
    if (request.Inputs.size() != 1)
        throw UsageFailure(QStringLiteral("bild liest genau eine Wertedatei"));
    if (request.Output != StandardOutputName && !PictureFormatOf(request.Output))
        throw UsageFailure(QStringLiteral("Die Ausgabe endet auf .png, .svg oder .pdf, oder ist - für PNG"));
}
