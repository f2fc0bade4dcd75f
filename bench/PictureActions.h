#pragma once

#include "bench/Timing.h"

#include <QString>

class TBenchForm;

// "Diagramm als Bild speichern..." into a PNG at the diagram's present zoom,
// from the menu item until the file is written.
[[nodiscard]] TTiming MeasurePictureSave(TBenchForm& bench, int runs);
// korav-auswertung bild of `input` into a PNG `width` pixels wide (the
// default without --breite), as a whole process; and the same picture drawn
// and encoded alone, in this process.
[[nodiscard]] TTiming MeasurePictureCommand(const QString& input, const QString& output, int width, int runs);
[[nodiscard]] TTiming MeasureStartupPictureRender(const QString& input, int width, int runs);
// A Qt GUI program on the offscreen platform that only starts and ends.
[[nodiscard]] TTiming MeasureBareGuiStart(int runs);
