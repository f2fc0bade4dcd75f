#include "cli/PictureOptions.h"

#include "cli/CommandFailure.h"
#include "cli/CommandOutput.h"
#include "diagram/HorizontalZoom.h"
#include "diagram/Zoom.h"
#include "picture/PictureFormat.h"

namespace {

struct TModeName {
    const char* Name;
    TNumberMode Mode;
};

constexpr TModeName ModeNames[] = {{"festkomma", FixedPoint}, {"ganzzahl", IntegerMode}, {"hex", HexMode}};

// From a report's column up to a poster.
constexpr int MaxPictureWidth = 20000;

}  // namespace

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

// A number read as the editor reads one, so "$640" is as good as "1600".
int PictureWidth(const QString& text)
{
    const TIntegerReading width = ReadInteger(text);
    if (width.ErrorPos != 0 || width.Value < MinSurfaceWidth || width.Value > MaxPictureWidth)
        throw UsageFailure(QStringLiteral("--breite ist die Breite des Bildes in Punkten: %1 bis %2")
                               .arg(MinSurfaceWidth)
                               .arg(MaxPictureWidth));
    return width.Value;
}

void CheckPictureRequest(const TRequest& request)
{
    if (request.Inputs.size() != 1)
        throw UsageFailure(QStringLiteral("bild liest genau eine Wertedatei"));
    if (request.Output != StandardOutputName && !PictureFormatOf(request.Output))
        throw UsageFailure(QStringLiteral("Die Ausgabe endet auf .png, .svg oder .pdf, oder ist - für PNG"));
}
