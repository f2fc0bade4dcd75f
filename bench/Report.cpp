#include "bench/Report.h"

#include "bench/Machine.h"

#include <QTextStream>

namespace {

QString Milliseconds(double value)
{
    return QString::number(value, 'f', 2) + QStringLiteral(" ms");
}

QString Verdict(bool met)
{
    return met ? QStringLiteral("yes") : QStringLiteral("**no**");
}

void PrintLine(QTextStream& out, const QStringList& cells)
{
    out << "| " << cells.join(QStringLiteral(" | ")) << " |\n";
}

} // namespace

TRow TimedRow(const QString& action, const TTiming& timing, double targetMs)
{
    return {action,
            QString::number(timing.Runs()),
            Milliseconds(timing.Median()),
            Milliseconds(timing.Max()),
            QStringLiteral("< %1 ms").arg(targetMs),
            Verdict(timing.Max() < targetMs)};
}

TRow ReferenceRow(const QString& action, const TTiming& timing)
{
    return {action,
            QString::number(timing.Runs()),
            Milliseconds(timing.Median()),
            Milliseconds(timing.Max()),
            QStringLiteral("reference"),
            QStringLiteral("–")};
}

TRow MemoryRow(const QString& what, double megabytes, double targetMegabytes)
{
    return {what,
            QStringLiteral("–"),
            QString::number(megabytes, 'f', 1) + QStringLiteral(" MB"),
            QStringLiteral("–"),
            QStringLiteral("< %1 MB").arg(targetMegabytes),
            Verdict(megabytes < targetMegabytes)};
}

void PrintReport(QTextStream& out, const std::vector<TRow>& rows, const QStringList& notes)
{
    out << "## Benchmark\n\n" << MachineDescription() << "\n\n";
    PrintLine(out,
              {QStringLiteral("action"), QStringLiteral("runs"), QStringLiteral("median"), QStringLiteral("max"),
               QStringLiteral("target"), QStringLiteral("met")});
    PrintLine(out,
              {QStringLiteral("---"), QStringLiteral("---:"), QStringLiteral("---:"), QStringLiteral("---:"),
               QStringLiteral("---"), QStringLiteral("---")});
    for (const TRow& row : rows)
        PrintLine(out, {row.Action, row.Runs, row.Median, row.Max, row.Target, row.Met});
    out << "\n";
    for (const QString& note : notes)
        out << "- " << note << "\n";
    out.flush();
}
