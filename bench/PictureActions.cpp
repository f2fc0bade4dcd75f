#include "bench/PictureActions.h"

#include "bench/BenchForm.h"
#include "bench/CommandStart.h"
#include "bench/Expect.h"
#include "picture/DiagramPicture.h"
#include "surface/Zoom.h"
#include "values/ValueFile.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>

TTiming MeasurePictureSave(TBenchForm& bench, int runs)
{
    const QString path = bench.Path(QStringLiteral("diagramm.png"));
    QAction* item = bench.Form->findChild<QAction*>(QStringLiteral("DiagrammalsBildspeichern1"));
    const TTiming timing = Measure(
        runs, [item] { item->trigger(); },
        [&bench, &path] {
            QFile::remove(path);
            bench.Windows.Paths.push_back(path);
        });
    Expect(QFileInfo(path).size() > 0 && bench.Windows.Errors.isEmpty(), "the picture was written");
    return timing;
}

TTiming MeasurePictureCommand(const QString& input, const QString& output, int width, int runs)
{
    QStringList arguments{QStringLiteral("bild"), QStringLiteral("-o"), output, input};
    if (width != SurfaceWidth)
        arguments << QStringLiteral("--breite") << QString::number(width);
    const TTiming timing = MeasureProcess(QStringLiteral(KORAV_AUSWERTUNG), arguments, runs);
    Expect(QFileInfo(output).size() > 0, "the command wrote its picture");
    return timing;
}

TTiming MeasureStartupPictureRender(const QString& input, int width, int runs)
{
    TValueBuffer values{};
    Expect(LoadValueFile(input, values), "the value file was read");
    const QColor background = QGuiApplication::palette().color(QPalette::Window);
    QByteArray bytes;
    const TTiming timing = Measure(
        runs, [&] { bytes = EncodeStartupPicture(values, FixedPoint, 0, width, background, TPictureFormat::Png); });
    Expect(bytes.startsWith("\x89PNG"), "the picture was drawn");
    return timing;
}

TTiming MeasureBareGuiStart(int runs)
{
    return MeasureProcess(QStringLiteral(KORAV_BARE_GUI_START), {}, runs);
}
