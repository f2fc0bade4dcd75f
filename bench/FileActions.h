#pragma once

#include "bench/Timing.h"

#include <QString>
#include <QStringList>

class TBenchForm;

// Recordings for the solar evaluation: base files, each with all 99 siblings.
struct TRecordings {
    QStringList BaseFiles;
    QStringList Siblings;
};

// Writes `count` recordings into `folder`.
[[nodiscard]] TRecordings WriteRecordings(const QString& folder, int count);

// A full column table, 8 columns of 1200 rows, written into `folder`.
[[nodiscard]] TTiming MeasureColumnFileWrite(const QString& folder, int runs);
// "Temperaturen" over all `recordings`, the open dialog answered per pass.
[[nodiscard]] TTiming MeasureEvaluation(TBenchForm& bench, const TRecordings& recordings, int runs);
// Every sibling of `recordings` read once, and nothing else.
[[nodiscard]] TTiming MeasurePlainRead(const TRecordings& recordings, int runs);
