#include "bench/FileActions.h"

#include "bench/BenchForm.h"
#include "bench/Expect.h"
#include "coresupport/TestFiles.h"
#include "export/ColumnFile.h"
#include "export/ExportState.h"
#include "export/SiblingName.h"
#include "export/SolarEvaluation.h"
#include "values/ValueFile.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

namespace {

// Values that differ from file to file, so that no two rows come out alike.
TValueBuffer RecordingValues(int seed)
{
    TValueBuffer values{};
    for (int i = 0; i < ValueCount; ++i)
        values[i] = static_cast<std::int16_t>((seed * 131 + i * 17) % 4096 - 2048);
    return values;
}

TExportState FullColumnTable(const QString& folder)
{
    TExportState state;
    state.ColumnCount = MaxColumnCount;
    for (int column = 1; column <= MaxColumnCount; ++column) {
        state.ColumnNames[column - 1] = QStringLiteral("Spalte%1").arg(column);
        for (int row = 1; row <= ColumnRowCount; ++row)
            state.ColumnTable.SetCell(row, column, (row * 977 + column * 13) % 40000 - 20000);
    }
    state.ExportFileName = QDir(folder).filePath(QStringLiteral("spalten.txt"));
    return state;
}

} // namespace

TRecordings WriteRecordings(const QString& folder, int count)
{
    TRecordings recordings;
    for (int file = 1; file <= count; ++file) {
        const QString base = QDir(folder).filePath(QStringLiteral("aufnahme%1.kos").arg(file));
        WriteValues(base, RecordingValues(file * 100));
        recordings.BaseFiles << base;
        for (int n = 1; n <= TSolarEvaluation::SiblingCount; ++n) {
            recordings.Siblings << SiblingFileName(base, n);
            WriteValues(recordings.Siblings.back(), RecordingValues(file * 100 + n));
        }
    }
    return recordings;
}

TTiming MeasureColumnFileWrite(const QString& folder, int runs)
{
    const TExportState state = FullColumnTable(folder);
    const TTiming timing = Measure(runs, [&state] { WriteColumnFile(state); });
    Expect(QFileInfo(state.ExportFileName).size() > ColumnRowCount * MaxColumnCount * 10, "the column file is written");
    return timing;
}

TTiming MeasureEvaluation(TBenchForm& bench, const TRecordings& recordings, int runs)
{
    const auto answerDialogs = [&bench, &recordings] {
        bench.Ui.Edit2->setText(QString::number(recordings.BaseFiles.size()));
        bench.Windows.Paths.assign(recordings.BaseFiles.cbegin(), recordings.BaseFiles.cend());
    };
    const TTiming timing = Measure(
        runs, [&bench] { bench.Ui.Temperaturen1->trigger(); }, answerDialogs);
    Expect(bench.Windows.Errors.isEmpty() && bench.Windows.Paths.empty(), "the evaluation ran without an error");
    Expect(bench.Form->SolarEvaluation().RowOffset() == recordings.Siblings.size(), "every sibling was evaluated");
    return timing;
}

TTiming MeasurePlainRead(const TRecordings& recordings, int runs)
{
    TValueBuffer values{};
    bool allRead = true;
    const TTiming timing = Measure(runs, [&recordings, &values, &allRead] {
        for (const QString& sibling : recordings.Siblings)
            allRead = LoadValueFile(sibling, values) && allRead;
    });
    Expect(allRead, "every sibling was read");
    return timing;
}
