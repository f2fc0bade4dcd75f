#pragma once

#include "bench/Timing.h"

#include <QString>
#include <QStringList>

#include <vector>

class QTextStream;

// One line of the table, its figures already written out.
struct TRow {
    QString Action;
    QString Runs;
    QString Median;
    QString Max;
    QString Target;
    QString Met;
};

// A user's action, met when even its slowest run stays under the target.
[[nodiscard]] TRow TimedRow(const QString& action, const TTiming& timing, double targetMs);
// A figure that others are compared with, and has no target of its own.
[[nodiscard]] TRow ReferenceRow(const QString& action, const TTiming& timing);
[[nodiscard]] TRow MemoryRow(const QString& what, double megabytes, double targetMegabytes);

// The table in Markdown under a heading with the date and the machine, the
// notes as a list after it.
void PrintReport(QTextStream& out, const std::vector<TRow>& rows, const QStringList& notes);
