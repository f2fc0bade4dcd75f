#pragma once

#include "bench/FileActions.h"
#include "bench/Timing.h"

#include <QString>
#include <QStringList>

// korav-auswertung temperaturen over all `recordings`, writing `output`:
// the whole process from its start until it has ended, as a script waits
// for it.
[[nodiscard]] TTiming MeasureEvaluationCommand(const TRecordings& recordings, const QString& output, int runs);
// `program` with `arguments`, from its start until it has ended cleanly.
[[nodiscard]] TTiming MeasureProcess(const QString& program, const QStringList& arguments, int runs);
// The same for a Qt core program that does nothing, started the same way.
[[nodiscard]] TTiming MeasureBareStart(int runs);
