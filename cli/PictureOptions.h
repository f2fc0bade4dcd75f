#pragma once

#include "cli/Arguments.h"
#include "values/NumberFormat.h"

#include <QString>

// The values of --darstellung, --zoom and --breite; throw ECommandFailure
// for others.
[[nodiscard]] TNumberMode PictureModeNamed(const QString& name);
[[nodiscard]] int PictureZoomSteps(const QString& text);
[[nodiscard]] int PictureWidth(const QString& text);
// Throws ECommandFailure unless the request names one value file and an
// output whose extension says its format, or "-".
void CheckPictureRequest(const TRequest& request);
