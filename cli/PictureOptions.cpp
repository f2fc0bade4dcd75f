#include "cli/PictureOptions.h"

#include "cli/CommandFailure.h"
#include "cli/CommandOutput.h"
#include "surface/HorizontalZoom.h"
#include "surface/PictureFormat.h"
#include "surface/Zoom.h"

#include <optional>

namespace {

struct TModeName {
    const char* Name;
    TNumberMode Mode;
};

constexpr TModeName ModeNames[] = {{"festkomma", FixedPoint}, {"ganzzahl", IntegerMode}, {"hex", HexMode}};

// From a report's column up to a poster.
constexpr int MaxPictureWidth = 20000;

// Read as every number of the command is, so "$A" and "0xA" are 10.
std::optional<int> OptionNumber(const QString& text)
{
    try {
        return StrToInt(text);
    } catch (const EKoravError&) {
        return std::nullopt;
    }
}

} // namespace

TNumberMode PictureModeNamed(const QString& name)
{
    for (const TModeName& entry : ModeNames)
        if (name == QLatin1String(entry.Name))
            return entry.Mode;
    throw UsageFailure(QStringLiteral("Die Darstellung '%1' ist unbekannt: festkomma, ganzzahl oder hex").arg(name));
}

int PictureZoomSteps(const QString& text)
{
    const std::optional<int> steps = OptionNumber(text);
    if (!steps || !ZoomedHeight(*steps))
        throw UsageFailure(QStringLiteral("--zoom zählt die Schritte von \"+\": 0 bis %1").arg(ZoomInSteps()));
    return *steps;
}

int PictureWidth(const QString& text)
{
    const std::optional<int> width = OptionNumber(text);
    if (!width || *width < MinSurfaceWidth || *width > MaxPictureWidth)
        throw UsageFailure(QStringLiteral("--breite ist die Breite des Bildes in Punkten: %1 bis %2")
                               .arg(MinSurfaceWidth)
                               .arg(MaxPictureWidth));
    return *width;
}

void CheckPictureRequest(const TRequest& request)
{
    if (request.Inputs.size() != 1)
        throw UsageFailure(QStringLiteral("bild liest genau eine Wertedatei"));
    if (request.Output != StandardOutputName && !PictureFormatOf(request.Output))
        throw UsageFailure(QStringLiteral("Die Ausgabe endet auf .png, .svg oder .pdf, oder ist - für PNG"));
}
