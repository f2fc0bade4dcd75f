#include "support/FormFixture.h"

#include "bereich/BereichDlg.h"
#include "export/ExportState.h"
#include "values/ValueFile.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#include <sys/resource.h>

namespace {

struct TCommandRun {
    int ExitCode = -1;
    QByteArray Output;
    QByteArray Errors;
};

// What runs in the child before the command: a limit, a standard output of
// its own, another user.
using TChildSetup = std::function<void()>;

TChildSetup Limit(int resource, rlim_t value)
{
    const rlimit limit{value, value};
    return [resource, limit] { ::setrlimit(resource, &limit); };
}

// A file to append to, or "closed"; the lowest free number is 1 then.
TChildSetup StandardOutputTo(const QString& output)
{
    const QByteArray file = QFile::encodeName(output);
    return [file] {
        ::close(STDOUT_FILENO);
        if (file != "closed")
            ::open(file.constData(), O_WRONLY | O_APPEND);
    };
}

// The command as a script starts it, on a machine without a display: a
// platform plugin that cannot start would end it before it wrote a byte.
TCommandRun RunCommand(const QStringList& arguments, const TChildSetup& setUp = [] {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(environment);
    // SIGXFSZ keeps its default action, which ends the process: the command
    // itself must turn a write beyond the limit into a full disk.
    process.setChildProcessModifier([setUp] {
        std::signal(SIGXFSZ, SIG_DFL);
        setUp();
    });
    process.start(QStringLiteral(KORAV_AUSWERTUNG), arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

[[nodiscard]] QString FirstLine(const QByteArray& text)
{
    return QString::fromUtf8(text.left(text.indexOf('\n')));
}

struct TRecordingFile {
    const char* Name;
    int First;
    int Step;
};

// Three recordings with gaps: a.k3 is missing and repeats a.k2, b.k1 to
// b.k49 are missing and repeat the base file, c ends after c.k3.
constexpr TRecordingFile RecordingFiles[] = {
    {"a.kos", 100, 3}, {"a.k1", -20, 5}, {"a.k2", 900, -2}, {"a.k4", 32000, 1}, {"a.k99", -32768, 11},
    {"b.koe", -500, 7}, {"b.k50", 64, 0},
    {"c.kos", 2000, -1}, {"c.k1", 1, 1}, {"c.k2", 7, 13}, {"c.k3", -3, -9},
};

void WriteRecordings(const TFormFixture& f)
{
    for (const TRecordingFile& file : RecordingFiles)
        f.WriteValueFile(QString::fromLatin1(file.Name), file.First, file.Step);
}

// "Temperaturen" or "Energie 1" over `inputs`, then its save, in a fresh window.
void EvaluateInWindow(TFormFixture& f, const QString& command, const QStringList& inputs, const QString& output)
{
    const bool temperatures = command == QLatin1String("temperaturen");
    f.Ui.Edit2->setText(QString::number(inputs.size()));
    for (const QString& input : inputs)
        f.Windows.Paths.push_back(input);
    (temperatures ? f.Ui.Temperaturen1 : f.Ui.Energie1)->trigger();
    f.Windows.Paths.push_back(output);
    (temperatures ? f.Ui.Speichernunter1 : f.Ui.Energie1speichernunter1)->trigger();
}

// "Grafik speichern..." of the opened file with the range typed into the dialog.
void ExportRangeInWindow(TFormFixture& f, const QString& input, int first, int last, const QString& output)
{
    f.Open(input);
    QTimer::singleShot(0, f.Form.get(), [&f, first, last] {
        f.Ui.BereichDlg->SetFirst(first);
        f.Ui.BereichDlg->SetLast(last);
        f.Ui.BereichDlg->accept();
    });
    f.Windows.Paths.push_back(output);
    f.Ui.GrafikSpeichern->trigger();
}

QStringList FixturePaths(const TFormFixture& f, const QStringList& names)
{
    QStringList result;
    for (const QString& name : names)
        result << f.Path(name);
    return result;
}

// Value files for the calls that fail: a good one, one a byte short, and a
// recording whose third sibling is a byte short.
void WriteFailingInputs(const QString& folder)
{
    const QDir dir(folder);
    for (const char* name : {"gut.kos", "gut.k1", "rec.kos", "rec.k1", "rec.k2"})
        WriteBytes(dir.filePath(QString::fromLatin1(name)), PatternBytes(ValueFileSize));
    ::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.kos"))).constData(), 0644);
    WriteBytes(dir.filePath(QStringLiteral("kurz.kos")), PatternBytes(ValueFileSize - 1));
    WriteBytes(dir.filePath(QStringLiteral("rec.k3")), PatternBytes(ValueFileSize - 1));
}

const QString StandardOutput = QStringLiteral("-");

QStringList InFolder(QStringList arguments, const QString& folder)
{
    return arguments.replaceInStrings(QStringLiteral("{dir}"), folder);
}

}  // namespace

class TestCli : public QObject {
    Q_OBJECT

private slots:
    void sameBytesAsTheWindow_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        const QStringList three{"a.kos", "b.koe", "c.kos"};
        QTest::newRow("temperaturen, three recordings") << "temperaturen" << three << 0 << 0;
        QTest::newRow("energie, three recordings") << "energie" << three << 0 << 0;
        QTest::newRow("energie, twelve recordings") << "energie" << (three + three + three + three) << 0 << 0;
        QTest::newRow("bereich, the first 1200") << "bereich" << QStringList{"a.kos"} << 0 << 1199;
        QTest::newRow("bereich, up to the last value") << "bereich" << QStringList{"c.kos"} << 1300 << 2499;
        QTest::newRow("bereich, one value") << "bereich" << QStringList{"b.koe"} << 7 << 7;
    }

    void sameBytesAsTheWindow()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, inputs);
        QFETCH(int, first);
        QFETCH(int, last);
        TFormFixture f;
        WriteRecordings(f);
        const bool range = command == QLatin1String("bereich");
        if (range)
            ExportRangeInWindow(f, f.Path(inputs.front()), first, last, f.Path("fenster.txt"));
        else
            EvaluateInWindow(f, command, FixturePaths(f, inputs), f.Path("fenster.txt"));
        QVERIFY(f.Windows.Errors.isEmpty());
        const QByteArray expected = ReadBytes(f.Path("fenster.txt"));
        QCOMPARE(expected.count('\n'), qsizetype{ColumnRowCount + 1});

        // An older, longer output is replaced whole, and its second name
        // shows the new output too.
        WriteBytes(f.Path("befehl.txt"), QByteArray(2 * expected.size(), 'x'));
        QVERIFY(::link(QFile::encodeName(f.Path("befehl.txt")).constData(), QFile::encodeName(f.Path("zwei.txt")).constData()) == 0);
        QStringList arguments{command, "-o", f.Path("befehl.txt")};
        if (range)
            arguments << "--von" << QString::number(first) << "--bis" << QString::number(last);
        const TCommandRun run = RunCommand(arguments + FixturePaths(f, inputs));
        QCOMPARE(run.Errors, QByteArray());
        QCOMPARE(run.ExitCode, 0);
        QVERIFY(ReadBytes(f.Path("befehl.txt")) == expected && ReadBytes(f.Path("zwei.txt")) == expected);

        arguments.replace(arguments.indexOf(f.Path("befehl.txt")), StandardOutput);
        const TCommandRun piped = RunCommand(arguments + FixturePaths(f, inputs));
        QCOMPARE(piped.ExitCode, 0);
        QVERIFY(piped.Output == expected);
    }

    void callsAndTheirAnswers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        // Of standard output on success, of standard error otherwise.
        QTest::addColumn<QString>("answer");
        const QStringList out{"-o", "{dir}/aus.txt"};
        const QString good = QStringLiteral("{dir}/gut.kos");
        const QStringList range = QStringList{"bereich"} + out;
        QTest::newRow("help") << QStringList{"temperaturen", "--help"} << 0 << "Aufruf:";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "korav-auswertung " KORAV_VERSION;
        QTest::newRow("no command") << QStringList{} << 1
                                    << "korav-auswertung: Es fehlt der Befehl: temperaturen, energie, bereich, bild, pruefen oder verbinden.";
        QTest::newRow("unknown command") << QStringList{"summe", "-o", "x", good} << 1
                                         << "korav-auswertung: Der Befehl 'summe' ist unbekannt.";
        QTest::newRow("no output") << QStringList{"temperaturen", good} << 1
                                   << "korav-auswertung: Es fehlt die Ausgabedatei: -o AUSGABE.";
        QTest::newRow("-o without its value") << QStringList{"energie", good, "-o"} << 1
                                              << "korav-auswertung: Nach '-o' fehlt der Wert.";
        QTest::newRow("-o twice") << QStringList{"energie", good} + out + out << 1
                                  << "korav-auswertung: Die Option '-o' steht doppelt.";
        QTest::newRow("unknown option") << QStringList{"energie", "-x", good} + out << 1
                                        << "korav-auswertung: Die Option '-x' ist unbekannt.";
        QTest::newRow("range option to an evaluation") << QStringList{"energie", "--von", "1", good} + out << 1
                                                       << "korav-auswertung: Die Option '--von' gilt nur für bereich.";
        QTest::newRow("no base file") << QStringList{"temperaturen"} + out << 1
                                      << "korav-auswertung: Es fehlt mindestens eine Basisdatei.";
        QTest::newRow("thirteen base files") << QStringList{"temperaturen"} + out + QStringList(13, good) << 1
                                             << "korav-auswertung: Die Solarauswertung fasst höchstens 12 Dateien.";
        QTest::newRow("--von not a number") << range + QStringList{"--von", "1a", "--bis", "5", good} << 1
                                            << "korav-auswertung: '1a' ist kein gültiger Integerwert.";
        QTest::newRow("--bis missing") << range + QStringList{"--von", "0", good} << 1
                                       << "korav-auswertung: bereich braucht --von N und --bis M.";
        QTest::newRow("range of 1201 values") << range + QStringList{"--von", "$10", "--bis", "1216", good} << 1
                                              << "korav-auswertung: Ein Bereich umfasst höchstens 1200 Werte.";
        QTest::newRow("range beyond the values") << range + QStringList{"--von", "2000", "--bis", "2500", good} << 1
                                                 << "korav-auswertung: Die Werte einer Datei sind von 0 bis 2499 "
                                                    "nummeriert.";
        QTest::newRow("range backwards") << range + QStringList{"--von", "10", "--bis", "9", good} << 1
                                         << "korav-auswertung: Der letzte Wert liegt vor dem ersten: --bis ist kleiner als "
                                            "--von.";
        QTest::newRow("range of two files") << range + QStringList{"--von", "0", "--bis", "9", good, good} << 1
                                            << "korav-auswertung: bereich liest genau eine Wertedatei.";
        QTest::newRow("base file missing") << QStringList{"temperaturen"} + out + QStringList{good, "{dir}/fehlt.kos"}
                                           << 2 << "korav-auswertung: {dir}/fehlt.kos: Datei nicht gefunden.";
        QTest::newRow("sibling too short") << QStringList{"energie"} + out + QStringList{"{dir}/rec.kos"} << 2
                                           << "korav-auswertung: {dir}/rec.k3: Versuch hinter dem Dateiende zu lesen.";
        QTest::newRow("value file too short") << range + QStringList{"--von", "0", "--bis", "9", "{dir}/kurz.kos"}
                                              << 2
                                              << "korav-auswertung: {dir}/kurz.kos: Versuch hinter dem Dateiende "
                                                 "zu lesen.";
        QTest::newRow("base file a pipe") << QStringList{"temperaturen"} + out + QStringList{"{dir}/pipe.kos"} << 2
                                          << "korav-auswertung: {dir}/pipe.kos: Das ist keine gewöhnliche Datei, "
                                             "sondern eine Pipe oder ein Gerät, und lässt sich nicht als Wertedatei "
                                             "lesen.";
        QTest::newRow("value file in no folder") << range + QStringList{"--von", "0", "--bis", "9", "{dir}/x/a.kos"}
                                                 << 2 << "korav-auswertung: {dir}/x/a.kos: Den Ordner {dir}/x gibt es "
                                                         "nicht.";
        QTest::newRow("value file missing") << range + QStringList{"--von", "0", "--bis", "9", "{dir}/fehlt.kos"}
                                            << 2 << "korav-auswertung: {dir}/fehlt.kos: Datei nicht gefunden.";
        const QStringList picture{"bild", "-o", "{dir}/aus.png"};
        QTest::newRow("bild of two files") << picture + QStringList{good, good} << 1
                                           << "korav-auswertung: bild liest genau eine Wertedatei.";
        QTest::newRow("bild beyond the largest zoom") << picture + QStringList{"--zoom", "11", good} << 1
                                                      << "korav-auswertung: --zoom zählt die Schritte von \"+\": 0 "
                                                         "bis 10.";
        QTest::newRow("bild zoom not a number") << picture + QStringList{"--zoom", "2x", good} << 1
                                                << "korav-auswertung: --zoom zählt die Schritte von \"+\": 0 bis 10.";
        QTest::newRow("bild narrower than 200") << picture + QStringList{"--breite", "199", good} << 1
                                                << "korav-auswertung: --breite ist die Breite des Bildes in Punkten: 200 bis 20000.";
        QTest::newRow("bild in an unknown representation")
            << picture + QStringList{"--darstellung", "dezimal", good} << 1
            << "korav-auswertung: Die Darstellung 'dezimal' ist unbekannt: festkomma, ganzzahl oder hex.";
        QTest::newRow("bild into an unknown format") << QStringList{"bild", "-o", "{dir}/aus.jpg", good} << 1
                                                     << "korav-auswertung: Die Ausgabe endet auf .png, .svg oder "
                                                        ".pdf, oder ist - für PNG.";
        QTest::newRow("picture option to an evaluation") << QStringList{"energie", "--zoom", "1", good} + out << 1
                                                         << "korav-auswertung: Die Option '--zoom' gilt nur für bild.";
        QTest::newRow("bild of a missing file") << picture + QStringList{"{dir}/fehlt.kos"} << 2
                                                << "korav-auswertung: {dir}/fehlt.kos: Datei nicht gefunden.";
        QTest::newRow("bild into a missing folder") << QStringList{"bild", "-o", "{dir}/fehlt/aus.png", good} << 2
                                                    << "korav-auswertung: {dir}/fehlt/aus.png: Den Ordner {dir}/fehlt gibt es nicht.";
    }

    void callsAndTheirAnswers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, answer);
        QTemporaryDir dir;
        WriteFailingInputs(dir.path());
        const TCommandRun run = RunCommand(InFolder(arguments, dir.path()));
        QCOMPARE(run.ExitCode, exitCode);
        const bool success = exitCode == 0;
        QCOMPARE(FirstLine(success ? run.Output : run.Errors), answer.replace(QStringLiteral("{dir}"), dir.path()));
        QCOMPARE(success ? run.Errors : run.Output, QByteArray());
        QVERIFY(!QFile::exists(dir.filePath("aus.txt")));
        QVERIFY(!QFile::exists(dir.filePath("aus.png")));
    }

    void pictureIsTheWindows_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("zoomSteps");
        QTest::addColumn<QString>("output");
        QTest::newRow("defaults") << QStringList{} << int(FixedPoint) << 0 << "befehl.png";
        QTest::newRow("defaults to standard output") << QStringList{} << int(FixedPoint) << 0 << "-";
        QTest::newRow("ganzzahl, zoomed") << QStringList{"--darstellung", "ganzzahl", "--zoom", "3"} << int(IntegerMode)
                                          << 3 << "befehl.png";
        QTest::newRow("hex, largest zoom") << QStringList{"--zoom", "10", "--darstellung", "hex"} << int(HexMode) << 10
                                           << "befehl.png";
        QTest::newRow("festkomma as svg") << QStringList{"--darstellung", "festkomma"} << int(FixedPoint) << 0
                                          << "befehl.svg";
        QTest::newRow("zoom in hexadecimal") << QStringList{"--zoom", "0x3"} << int(FixedPoint) << 3 << "befehl.png";
        // "{whole}" is the width "Ganze Kurve" gives the window's diagram.
        QTest::newRow("the whole curve's width") << QStringList{"--breite", "{whole}", "--zoom", "1"} << int(FixedPoint)
                                                 << 1 << "befehl.png";
    }

    // The window as it starts, the file opened, the representation chosen
    // and "+" pressed; then "Diagramm als Bild speichern...".
    void pictureIsTheWindows()
    {
        QFETCH(QStringList, options);
        QFETCH(int, mode);
        QFETCH(int, zoomSteps);
        QFETCH(QString, output);
        TFormFixture f;
        QMap<int, int> values;
        for (int i = 0; i < ValueCount; ++i)
            values[i] = (i * 211) % 65536 - 32768;
        const QString input = f.WriteValueFile("k.kos", 0, 0, values);
        f.Open(input);
        if (mode != FixedPoint)
            f.ClickMode(TNumberMode(mode));
        for (int i = 0; i < zoomSteps; ++i)
            QTest::mouseClick(f.Ui.SpeedButton1, Qt::LeftButton);
        if (options.contains(QStringLiteral("{whole}"))) {
            f.Play("Alt+A A");
            options.replaceInStrings(QStringLiteral("{whole}"), QString::number(f.Ui.PaintBox1->width()));
        }
        const QString suffix = output == QLatin1String("-") ? QStringLiteral("png") : QFileInfo(output).suffix();
        f.Windows.Paths.push_back(f.Path("fenster." + suffix));
        f.Form->findChild<QAction*>("DiagrammalsBildspeichern1")->trigger();
        const QString target = output == QLatin1String("-") ? output : f.Path(output);
        const TCommandRun run = RunCommand(QStringList{"bild"} + options + QStringList{"-o", target, input});
        QCOMPARE(run.Errors, QByteArray());
        QCOMPARE(run.ExitCode, 0);
        const QByteArray picture = target == QLatin1String("-") ? run.Output : ReadBytes(target);
        QVERIFY(!picture.isEmpty());
        QVERIFY(picture == ReadBytes(f.Path("fenster." + suffix)));
    }

    void failedOutputLeavesNoHalfFile_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<int>("fileSizeLimit");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("asNobody");
        QTest::newRow("folder missing") << "fehlt/aus.txt" << false << 0 << "Den Ordner {dir}/fehlt gibt es nicht." << false;
        QTest::newRow("read-only output") << "aus.txt" << true << 0 << "Die Datei ist schreibgeschützt." << false;
        QTest::newRow("output a folder") << "ordner" << false << 0 << "Das ist ein Ordner, keine Datei." << false;
        QTest::newRow("disk full half way") << "aus.txt" << false << 50000 << "Zu wenig Speicherplatz." << false;
        // Another user, where root may write anything.
        QTest::newRow("new file, the user may not write the folder")
            << "neu.txt" << false << 0 << "In den Ordner {dir} darf nicht geschrieben werden." << true;
        QTest::newRow("root's file the user may not write") << "aus.txt" << false << 0
                                                            << "Die Datei darf nicht geschrieben werden." << true;
    }

    void failedOutputLeavesNoHalfFile()
    {
        QFETCH(QString, output);
        QFETCH(bool, readOnly);
        QFETCH(int, fileSizeLimit);
        QFETCH(QString, message);
        QFETCH(bool, asNobody);
        if (asNobody && ::geteuid() != 0)
            QSKIP("needs root to run the command as another user");
        QTemporaryDir dir;
        WriteFailingInputs(dir.path());
        const QByteArray old("SO1 \r\n   1.00000 \r\n");
        WriteBytes(dir.filePath("aus.txt"), old);
        // Value files are opened for reading and writing, as in the window.
        for (const char* input : {"gut.kos", "gut.k1", "."})
            if (asNobody)
                SetOwnerAndMode(dir.filePath(input), *input == '.' ? 0 : NobodyId, 0, 0755);
        QVERIFY(QDir(dir.path()).mkdir("ordner"));
        if (readOnly)
            MakeReadOnly(dir.filePath("aus.txt"));
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

        const QString target = dir.filePath(output);
        const TCommandRun run = RunCommand({"temperaturen", "-o", target, dir.filePath("gut.kos")}, [=] {
            Limit(RLIMIT_FSIZE, fileSizeLimit > 0 ? rlim_t(fileSizeLimit) : RLIM_INFINITY)();
            if (asNobody && !BecomeNobody())
                ::_exit(99);
        });
        QCOMPARE(run.ExitCode, 2);
        QCOMPARE(FirstLine(run.Errors),
                 QStringLiteral("korav-auswertung: %1: %2").arg(target, message.replace("{dir}", dir.path())));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
        QCOMPARE(ReadBytes(dir.filePath("aus.txt")), old);
    }

    // The output is compared with the inputs as files, not as names.
    void outputIsNeverAnInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("input");
        const QStringList range{"bereich", "--von", "0", "--bis", "9"};
        QTest::newRow("the base file") << QStringList{"temperaturen", "{dir}/rec.kos"} << "{dir}/rec.kos"
                                       << "{dir}/rec.kos";
        QTest::newRow("a sibling") << QStringList{"energie", "{dir}/gut.kos", "{dir}/rec.kos"} << "{dir}/rec.k2"
                                   << "{dir}/rec.k2";
        QTest::newRow("the base file by another path") << QStringList{"energie", "{dir}/rec.kos"}
                                                       << "{dir}/./../{name}/rec.kos" << "{dir}/rec.kos";
        QTest::newRow("a symbolic link to a sibling") << QStringList{"temperaturen", "{dir}/rec.kos"}
                                                      << "{dir}/verweis.txt" << "{dir}/rec.k1";
        QTest::newRow("a hard link to the range's input") << range + QStringList{"{dir}/gut.kos"}
                                                          << "{dir}/zweiter-name.txt" << "{dir}/gut.kos";
        // "-o -" with standard output appended to the input itself.
        QTest::newRow("standard output into the range's input") << range + QStringList{"{dir}/gut.kos"} << "-"
                                                                << "{dir}/gut.kos";
    }

    void outputIsNeverAnInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, output);
        QFETCH(QString, input);
        QTemporaryDir dir;
        WriteFailingInputs(dir.path());
        const auto inFolder = [&dir](QString text) {
            return text.replace("{dir}", dir.path()).replace("{name}", QFileInfo(dir.path()).fileName());
        };
        const QByteArray rec1 = QFile::encodeName(dir.filePath("rec.k1"));
        QVERIFY(::symlink(rec1.constData(), QFile::encodeName(dir.filePath("verweis.txt")).constData()) == 0);
        QVERIFY(::link(QFile::encodeName(dir.filePath("gut.kos")).constData(),
                       QFile::encodeName(dir.filePath("zweiter-name.txt")).constData()) == 0);
        const QByteArray old = ReadBytes(inFolder(input));

        arguments.insert(1, "-o");
        arguments.insert(2, output);
        const bool standardOutput = output == StandardOutput;
        const TCommandRun run = RunCommand(
            InFolder(arguments, dir.path()).replaceInStrings("{name}", QFileInfo(dir.path()).fileName()),
            standardOutput ? StandardOutputTo(inFolder(input)) : [] {});
        QCOMPARE(run.ExitCode, 2);
        QCOMPARE(FirstLine(run.Errors),
                 QStringLiteral("korav-auswertung: %1: Die Ausgabe ist dieselbe Datei wie die Eingabe %2; es wurde "
                                "nichts geschrieben.")
                     .arg(standardOutput ? QStringLiteral("Standardausgabe") : inFolder(output), inFolder(input)));
        QCOMPARE(ReadBytes(inFolder(input)), old);
        QVERIFY(QFileInfo(dir.filePath("verweis.txt")).isSymLink());
    }

    // A reader at the other end gets the whole output; the pipe stays.
    void outputIntoAPipe()
    {
        QTemporaryDir dir;
        WriteFailingInputs(dir.path());
        const QByteArray pipe = QFile::encodeName(dir.filePath("ausgabe"));
        QVERIFY(::mkfifo(pipe.constData(), 0644) == 0);
        // One column fits into the pipe's buffer, so the command ends before
        // the reader reads.
        const int reader = ::open(pipe.constData(), O_RDONLY | O_NONBLOCK);
        const QStringList range{"--von", "0", "--bis", "1199", dir.filePath("gut.kos")};
        const TCommandRun run = RunCommand(QStringList{"bereich", "-o", dir.filePath("ausgabe")} + range);
        QByteArray received(200000, '\0');
        const ssize_t count = ::read(reader, received.data(), static_cast<std::size_t>(received.size()));
        ::close(reader);
        QCOMPARE(run.ExitCode, 0);
        QVERIFY(!QFileInfo(dir.filePath("ausgabe")).isFile());
        const TCommandRun piped = RunCommand(QStringList{"bereich", "-o", StandardOutput} + range);
        QCOMPARE(received.left(std::max<ssize_t>(count, 0)), piped.Output);
    }

    // What a full device, a closed standard output or too little memory for
    // a picture's pixels does not take whole is a failure that writes nothing.
    void outputsThatFail_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("standardOutput");  // or "memory": 150 MB, amid what zoom 0 and 10 need
        QTest::addColumn<QString>("message");
        const QStringList range{"bereich", "--von", "0", "--bis", "9", "-o", "-", "{dir}/gut.kos"};
        const QStringList picture{"bild", "{dir}/gut.kos", "--zoom"};
        const QString full = "/dev/full", fullDisk = QStringLiteral("Standardausgabe: Zu wenig Speicherplatz.");
        const QString closed = QStringLiteral("Standardausgabe: Die Standardausgabe ist geschlossen.");
        const QString memory = QStringLiteral(": Zu wenig Arbeitsspeicher für das Bild.");
        QTest::newRow("help into a full device") << QStringList{"--help"} << full << fullDisk;
        QTest::newRow("version into a full device") << QStringList{"--version"} << full << fullDisk;
        QTest::newRow("a range into a full device") << range << full << fullDisk;
        QTest::newRow("version to a closed standard output") << QStringList{"--version"} << "closed" << closed;
        QTest::newRow("a range to a closed standard output") << range << "closed" << closed;
        QTest::newRow("largest zoom into a file") << picture + QStringList{"10", "-o", "{dir}/alt.png"} << "memory"
                                                  << "{dir}/alt.png" + memory;
        QTest::newRow("largest zoom to standard output") << picture + QStringList{"10", "-o", "-"} << "memory"
                                                         << "Standardausgabe" + memory;
        QTest::newRow("the start's picture") << picture + QStringList{"0", "-o", "{dir}/alt.png"} << "memory" << "";
    }

    void outputsThatFail()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, standardOutput);
        QFETCH(QString, message);
        const bool memory = standardOutput == QLatin1String("memory");
#ifdef __SANITIZE_ADDRESS__
        if (memory)
            QSKIP("the address sanitizer reserves more address space than the limit");
#endif
        QTemporaryDir dir;
        WriteFailingInputs(dir.path());
        WriteBytes(dir.filePath("alt.png"), "alt");
        const TCommandRun run = RunCommand(InFolder(arguments, dir.path()),
                                           memory ? Limit(RLIMIT_AS, 150'000'000) : StandardOutputTo(standardOutput));
        QCOMPARE(run.ExitCode, message.isEmpty() ? 0 : 2);
        QCOMPARE(QString::fromUtf8(run.Errors),
                 message.isEmpty() ? QString() : "korav-auswertung: " + message.replace("{dir}", dir.path()) + '\n');
        QCOMPARE(ReadBytes(dir.filePath("alt.png")).startsWith("\x89PNG"), message.isEmpty());
        QCOMPARE(run.Output, QByteArray());
    }

    void warnsOfABaseFileWithoutSiblings()
    {
        QTemporaryDir dir;
        WriteBytes(dir.filePath("allein.kos"), PatternBytes(ValueFileSize));
        const TCommandRun run = RunCommand({"temperaturen", "-o", dir.filePath("aus.txt"), dir.filePath("allein.kos")});
        QCOMPARE(run.ExitCode, 0);
        QCOMPARE(QString::fromUtf8(run.Errors),
                 QStringLiteral("korav-auswertung: Warnung: %1: Keine der Dateien .k1 bis .k99 gibt es; ihre 99 "
                                "Zeilen wiederholen die Werte der Basisdatei.\n")
                     .arg(dir.filePath("allein.kos")));
        QCOMPARE(ReadBytes(dir.filePath("aus.txt")).count('\n'), qsizetype{ColumnRowCount + 1});
    }
};

QTEST_MAIN(TestCli)
#include "test_cli.moc"
