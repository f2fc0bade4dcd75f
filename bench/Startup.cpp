#include "bench/Startup.h"

#include "desktop/GermanTexts.h"
#include "app/TForm1.h"
#include "desktop/QtWindowSystem.h"
#include "bench/Expect.h"
#include "bench/PaintWatcher.h"

#include <QApplication>
#include <QProcess>

#include <cstdio>
#include <memory>

namespace {

constexpr int StartupTimeoutMs = 10000;
const QByteArray ShownLine = QByteArrayLiteral("shown\n");

void StartUntilShown(QProcess& child)
{
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {StartupChildArgument});
    QByteArray output;
    while (!output.contains(ShownLine) && child.waitForReadyRead(StartupTimeoutMs))
        output += child.readAllStandardOutput();
    Expect(output.contains(ShownLine), "the start-up child shows its window");
}

void Finish(QProcess& child)
{
    Expect(child.waitForFinished(StartupTimeoutMs) && child.exitCode() == 0, "the start-up child ends cleanly");
}

} // namespace

int ShowWindowOnce()
{
    InstallGermanQtTexts();
    TQtWindowSystem windowSystem;
    TForm1 form(windowSystem);
    windowSystem.SetParent(&form);
    TPaintWatcher watcher(form.centralWidget());
    form.show();
    if (!watcher.WaitForPaint(StartupTimeoutMs))
        return 1;
    std::fputs(ShownLine.constData(), stdout);
    std::fflush(stdout);
    return 0;
}

TTiming MeasureStartup(int runs)
{
    // A child's clean-up after its report is not part of the start: it is
    // awaited before the next start, outside the clock.
    std::unique_ptr<QProcess> child;
    const auto finishPrevious = [&child] {
        if (child)
            Finish(*child);
        child = std::make_unique<QProcess>();
    };
    const TTiming timing = Measure(
        runs, [&child] { StartUntilShown(*child); }, finishPrevious);
    Finish(*child);
    return timing;
}
