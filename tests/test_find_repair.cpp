// Finding bad values: the condition dialog, the keys through what was
// found, "Gehe zu Zeile...", and pruefen and verbinden of the command.
#include "support/FormFixture.h"

#include "bedingung/BedingungDlg.h"

#include <QApplication>
#include <QtEndian>
#include <QInputDialog>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>

using TValueMap = QMap<int, int>;

namespace {

enum TKind { Outside, Jump, Equal };

// "0-9 2490-2499": ascending lines as runs.
QString Runs(const std::vector<int>& lines)
{
    QStringList runs;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int first = lines[i];
        while (i + 1 < lines.size() && lines[i + 1] == lines[i] + 1)
            ++i;
        runs << QStringLiteral("%1-%2").arg(first).arg(lines[i]);
    }
    return runs.join(u' ');
}

// Runs `act` on the modal dialog once one is shown, inside its event loop;
// the input that opens it may let the event loop run before.
void WhenModal(QObject* owner, const std::function<void(QWidget*)>& act)
{
    auto* poll = new QTimer(owner);
    QObject::connect(poll, &QTimer::timeout, owner, [poll, act] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            poll->deleteLater();
            poll->stop();
            act(dialog);
        }
    });
    poll->start(0);
}

// "Auswahl nach Bedingung..." from the menu, the numbers typed into the
// fields of `kind`. Returns what the dialog said when it stayed open, and
// then cancels it.
QString SelectByCondition(TFormFixture& f, int kind, const QStringList& numbers, bool add = false)
{
    auto* dialog = f.Form->findChild<TBedingungDlg*>("BedingungDlg");
    QString said;
    WhenModal(dialog, [&](QWidget*) {
        const QList<QList<QLineEdit*>> fields{{dialog->Edit1, dialog->Edit2}, {dialog->Edit3}, {dialog->Edit4}};
        for (int i = 0; i < numbers.size(); ++i) {
            fields[kind][i]->clear();
            QTest::keyClicks(fields[kind][i], numbers[i]);
        }
        (add ? dialog->RadioButton5 : dialog->RadioButton4)->click();
        dialog->OKBtn->click();
        if (dialog->isVisible()) {
            said = dialog->Label2->text();
            dialog->CancelBtn->click();
        }
    });
    f.Play("click:Bearbeiten B");
    // A window manager activates the window again after a dialog; the
    // offscreen platform leaves that to the program.
    QApplication::setActiveWindow(f.Form.get());
    return QTest::qWaitForWindowActive(f.Form.get()) ? said : QStringLiteral("no active window");
}

// The current line in view, and the diagram scrolled as the list makes it.
void VerifyFollowed(const TFormFixture& f, int line)
{
    QCOMPARE(f.Form->ItemIndex(), line);
    TListBox* list = f.Ui.ListBox1;
    QVERIFY(list->viewport()->rect().contains(list->visualRect(list->model()->index(line, 0))));
    const QScrollBar* scroll = f.Ui.ScrollBox1->horizontalScrollBar();
    QCOMPARE(scroll->value(), std::clamp(f.Form->TopIndex() - 100, 0, scroll->maximum()));
}

QByteArray Recording(const TValueMap& values, const QByteArray& rest)
{
    QByteArray bytes(ValueFileSize, '\0');
    for (int i = 0; i < ValueCount; ++i)
        qToLittleEndian<std::int16_t>(std::int16_t(values.value(i, (i * i * 7) % 3001 - 1500)), bytes.data() + 2 * i);
    return bytes + rest;
}

struct TCommandRun {
    int ExitCode = -1;
    QString Output;
    QString Errors;
};

TCommandRun RunCommand(const QStringList& arguments, const QString& folder = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(KORAV_AUSWERTUNG), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace

class TestFindRepair : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TFormFixture::InstallGermanTexts(); }

    void conditionSelects_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<bool>("add");
        QTest::addColumn<TValueMap>("values");
        QTest::addColumn<QString>("found");
        QTest::addColumn<QString>("said");
        QTest::addColumn<int>("current");
        QTest::newRow("outside, bounds allowed") << int(IntegerMode) << int(Outside) << QStringList{"10", "2489"} << false
                                                 << TValueMap{} << "0-9 2490-2499" << "" << 0;
        QTest::newRow("jump equal to the step") << int(IntegerMode) << int(Jump) << QStringList{"19"} << false
                                                << TValueMap{{0, -3000}, {500, 520}} << "1-1 500-500" << "" << 1;
        QTest::newRow("hex as typed") << int(HexMode) << int(Equal) << QStringList{"8000"} << false
                                      << TValueMap{{7, -32768}, {2499, -32768}} << "7-7 2499-2499" << "" << 7;
        QTest::newRow("hex bounds unsigned") << int(HexMode) << int(Outside) << QStringList{"0000", "0FFF"} << false
                                             << TValueMap{{3, -1}} << "3-3" << "" << 3;
        QTest::newRow("negative fixed point") << int(FixedPoint) << int(Outside) << QStringList{"-1,5", "31,999"}
                                              << false << TValueMap{{20, -1536}, {21, -1537}} << "21-21" << "" << 21;
        QTest::newRow("added") << int(IntegerMode) << int(Equal) << QStringList{"100"} << true << TValueMap{}
                               << "5-5 100-100" << "" << 100;
        QTest::newRow("no match") << int(IntegerMode) << int(Equal) << QStringList{"-7"} << false << TValueMap{} << "5-5"
                                  << "Kein Wert erfüllt die Bedingung." << 5;
        QTest::newRow("no number") << int(IntegerMode) << int(Equal) << QStringList{"12a"} << false << TValueMap{}
                                   << "5-5" << "'12a' ist keine gültige Ganzzahl." << 5;
        QTest::newRow("out of range") << int(FixedPoint) << int(Jump) << QStringList{"32"} << false << TValueMap{}
                                      << "5-5" << "'32' liegt außerhalb von -32,000 bis 31,999." << 5;
    }

    void conditionSelects()
    {
        QFETCH(int, mode);
        QFETCH(int, kind);
        QFETCH(QStringList, numbers);
        QFETCH(bool, add);
        QFETCH(TValueMap, values);
        QFETCH(QString, found);
        QFETCH(int, current);
        TFormFixture f;
        f.Open(f.WriteValueFile("a.kos", 0, 1, values));
        f.ClickMode(TNumberMode(mode));
        f.Play("Alt+A M Alt+A S");
        f.ClickLine(5);
        const QString mean = f.Ui.Edit3->text();
        QTEST(SelectByCondition(f, kind, numbers, add), "said");
        QCOMPARE(Runs(f.Form->SelectedLines()), found);
        QCOMPARE(Runs(f.RunLines()), found);
        QCOMPARE(f.Ui.Edit3->text() == mean, found == u"5-5");
        QVERIFY(f.Ui.StatusPanel1->text().startsWith(QString::number(f.Form->SelectedLines().size()) + " Zeile"));
        QCOMPARE(f.Ui.Edit1->text(), f.Ui.ListBox1->model()->index(current, 0).data().toString().section("    ", 1));
        VerifyFollowed(f, current);
    }

    void keysGoThroughRuns_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QList<int>>("lines");
        QTest::newRow("F3 goes round") << "F3" << QList<int>{10, 50, 2400, 10};
        QTest::newRow("Shift+F3 goes round") << "Shift+F3" << QList<int>{2400, 50, 10, 2400};
    }

    void keysGoThroughRuns()
    {
        QFETCH(QString, key);
        QFETCH(QList<int>, lines);
        auto f = TFormFixture::WithDocument(IntegerMode);
        f->ClickLine(10);
        f->ClickLine(12, Qt::LeftButton, Qt::ShiftModifier);
        f->ClickLine(50, Qt::LeftButton, Qt::ControlModifier);
        f->ClickLine(2400, Qt::LeftButton, Qt::ControlModifier);
        f->ClickLine(2410, Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier);
        const std::vector<int> selected = f->Form->SelectedLines();
        for (const int line : lines) {
            f->Play(key);
            VerifyFollowed(*f, line);
            QCOMPARE(f->Ui.Edit1->text(), QString::number(line));
            QCOMPARE(f->Form->SelectedLines(), selected);
        }
    }

    void goToLine_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("selected");
        QTest::newRow("first") << "0" << Qt::Key_Return << "0-0";
        QTest::newRow("last") << "2499" << Qt::Key_Enter << "2499-2499";
        QTest::newRow("cancelled") << "1234" << Qt::Key_Escape << "10-12";
    }

    void goToLine()
    {
        QFETCH(QString, typed);
        QFETCH(Qt::Key, key);
        auto f = TFormFixture::WithDocument(IntegerMode);
        f->ClickLine(10);
        f->ClickLine(12, Qt::LeftButton, Qt::ShiftModifier);
        WhenModal(f->Form.get(), [&](QWidget* dialog) {
            auto* spin = qobject_cast<QInputDialog*>(dialog)->findChild<QSpinBox*>();
            spin->selectAll();
            QTest::keyClicks(spin, typed);
            QTest::keyClick(spin, key);
        });
        f->Play("Ctrl+G");
        QTEST(Runs(f->Form->SelectedLines()), "selected");
        QCOMPARE(Runs(f->RunLines()), Runs(f->Form->SelectedLines()));
        VerifyFollowed(*f, key == Qt::Key_Escape ? 12 : typed.toInt());
        QCOMPARE(f->Form->focusWidget(), f->Ui.Edit1);
    }

    void bridgeIsTheWindows_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("error value at both ends") << int(IntegerMode) << int(Equal) << QStringList{"-32768"};
        QTest::newRow("jumps in fixed point") << int(FixedPoint) << int(Jump) << QStringList{"2,5"};
        QTest::newRow("outside in hex") << int(HexMode) << int(Outside) << QStringList{"0100", "7FFF"};
    }

    // The window opens a recording, selects by the condition, bridges and
    // saves it over itself; the command does the same to a copy.
    void bridgeIsTheWindows()
    {
        QFETCH(int, mode);
        QFETCH(int, kind);
        QFETCH(QStringList, numbers);
        TFormFixture f;
        const QByteArray recorded = Recording({{0, -32768}, {1, -32768}, {900, -32768}, {2499, -32768}}, "Rest\1\2");
        WriteBytes(f.Path("fenster.kos"), recorded);
        f.Open(f.Path("fenster.kos"));
        f.ClickMode(TNumberMode(mode));
        QCOMPARE(SelectByCondition(f, kind, numbers), QString());
        f.Play("click:Bearbeiten V Ctrl+S");
        QVERIFY(ReadBytes(f.Path("fenster.kos")) != recorded);

        const QStringList names{"--ausserhalb", "--sprung", "--gleich"};
        const QStringList condition = QStringList{"--darstellung", QStringList{"festkomma", "ganzzahl", "hex"}[mode],
                                                  names[kind]} + numbers;
        WriteBytes(f.Path("befehl.kos"), recorded);
        const TCommandRun run = RunCommand(QStringList{"verbinden"} + condition + QStringList{"-o", f.Path("aus.kos"), f.Path("befehl.kos")});
        QCOMPARE(run.Errors, QString());
        QCOMPARE(run.ExitCode, 0);
        QVERIFY(ReadBytes(f.Path("aus.kos")) == ReadBytes(f.Path("fenster.kos")));
        QVERIFY(ReadBytes(f.Path("befehl.kos")) == recorded);
        QCOMPARE(RunCommand(QStringList{"verbinden", "--ersetzen"} + condition + QStringList{f.Path("befehl.kos")}).ExitCode, 0);
        QVERIFY(ReadBytes(f.Path("befehl.kos")) == ReadBytes(f.Path("fenster.kos")));
    }

    void commandAnswers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");
        const QStringList check{"pruefen", "--darstellung", "ganzzahl"};
        const QStringList equal{"--gleich", "-32768"};
        QTest::newRow("nothing found") << check + equal + QStringList{"c.kos"} << 0 << "" << "";
        QTest::newRow("runs of two files") << check + equal + QStringList{"a.kos", "c.kos", "b.kos"} << 3
                                           << "a.kos: 0-0\na.kos: 7-9\nb.kos: 2499-2499\n" << "";
        QTest::newRow("hex as typed") << QStringList{"pruefen", "--gleich", "8000", "--darstellung", "hex", "b.kos"}
                                      << 3 << "b.kos: 2499-2499\n" << "";
        QTest::newRow("a file short") << check + equal + QStringList{"kurz.kos", "b.kos"} << 2
                                      << "b.kos: 2499-2499\n" << "kurz.kos: Versuch hinter dem Dateiende zu lesen.";
        QTest::newRow("no number") << check + QStringList{"--gleich", "12a", "a.kos"} << 1 << ""
                                   << "--gleich: '12a' ist keine gültige Ganzzahl.";
        QTest::newRow("fixed point by default") << QStringList{"pruefen"} + equal + QStringList{"a.kos"} << 1 << ""
                                                << "--gleich: '-32768' liegt außerhalb von -32,000 bis 31,999.";
        QTest::newRow("two conditions") << check + equal + QStringList{"--sprung", "5", "a.kos"} << 1 << ""
                                        << "Es gilt nur eine Bedingung: --gleich oder --sprung.";
        QTest::newRow("bounds reversed") << check + QStringList{"--ausserhalb", "5", "-5", "a.kos"} << 1 << ""
                                         << "--ausserhalb: Die untere Grenze 5 liegt über der oberen -5.";
        QTest::newRow("no condition") << QStringList{"verbinden", "-o", "x.kos", "a.kos"} << 1 << ""
                                      << "verbinden braucht eine Bedingung: --ausserhalb A B, --sprung D oder --gleich X.";
        QTest::newRow("output is the input") << QStringList{"verbinden", "--gleich", "0", "-o", "a.kos", "a.kos"}
                                             << 2 << "" << "a.kos: Die Ausgabe ist dieselbe Datei wie die Eingabe a.kos; "
                                                           "es wurde nichts geschrieben.";
        QTest::newRow("pruefen writes nothing") << check + equal + QStringList{"--ersetzen", "a.kos"} << 1 << ""
                                                << "Die Option '--ersetzen' gilt nur für verbinden.";
    }

    // In the folder of the files, as a script over a folder calls it.
    void commandAnswers()
    {
        QFETCH(QStringList, arguments);
        QTemporaryDir dir;
        const QByteArray a = Recording({{0, -32768}, {7, -32768}, {8, -32768}, {9, -32768}}, {});
        WriteBytes(dir.filePath("a.kos"), a);
        WriteBytes(dir.filePath("b.kos"), Recording({{2499, -32768}}, "Rest"));
        WriteBytes(dir.filePath("c.kos"), Recording({}, {}));
        WriteBytes(dir.filePath("kurz.kos"), QByteArray(ValueFileSize - 1, '\0'));
        const TCommandRun run = RunCommand(arguments, dir.path());
        QTEST(run.ExitCode, "exitCode");
        QTEST(run.Output, "output");
        QTEST(run.Errors.section(u'\n', 0, 0).remove(QStringLiteral("korav-auswertung: ")), "error");
        QVERIFY(ReadBytes(dir.filePath("a.kos")) == a);
    }
};

QTEST_MAIN(TestFindRepair)
#include "test_find_repair.moc"
