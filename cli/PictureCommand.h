#pragma once

#include "cli/Arguments.h"
#include "values/NumberFormat.h"

#include <QByteArray>
#include <QCoreApplication>

#include <memory>

// The application the call needs: "bild" draws and gets a GUI application on
// the offscreen platform, so it runs without a display and with the fonts
// the window uses; every other command a core application.
[[nodiscard]] std::unique_ptr<QCoreApplication> CommandApplication(int& argc, char* argv[]);

// The values of --darstellung and --zoom; throw ECommandFailure for others.
[[nodiscard]] TNumberMode PictureModeNamed(const QString& name);
[[nodiscard]] int PictureZoomSteps(const QString& text);
// Throws ECommandFailure unless the request names one value file and an
// output whose extension says its format, or "-".
void CheckPictureRequest(const TRequest& request);

// Writes the picture of the request's value file. Throws ECommandFailure;
// an output file is then as it was before.
void RunPicture(const TRequest& request);
