// Repairing a recording: "Linear verbinden", the status bar, the comparison
// curve, and the keys of the "Datei" menu.
#include "support/FormFixture.h"

#include "document/LinearBridge.h"
#include "kurven/KurvenDlg.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolButton>

#include <cmath>

using TValueMap = QMap<int, int>;

namespace {

// The lines of "3", "3-9" or "0-2,7": runs and single lines.
std::vector<int> Lines(const QString& script)
{
    std::vector<int> lines;
    for (const QString& part : script.split(u',')) {
        const int first = part.section(u'-', 0, 0).toInt();
        const int last = part.contains(u'-') ? part.section(u'-', 1, 1).toInt() : first;
        for (int line = first; line <= last; ++line)
            lines.push_back(line);
    }
    return lines;
}

// Selects the lines of `script` by clicks: a click on the first line of
// each part, Shift on its last, Ctrl on the first of every further part.
void ClickLines(TFormFixture& f, const QString& script)
{
    bool first = true;
    for (const QString& part : script.split(u',')) {
        f.ClickLine(part.section(u'-', 0, 0).toInt(), Qt::LeftButton, first ? Qt::NoModifier : Qt::ControlModifier);
        if (part.contains(u'-'))
            f.ClickLine(part.section(u'-', 1, 1).toInt(), Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
        first = false;
    }
}

// A recording that is no straight line anywhere.
std::unique_ptr<TFormFixture> OpenBumpyDocument()
{
    auto f = std::make_unique<TFormFixture>();
    QMap<int, int> values;
    for (int i = 0; i < ValueCount; ++i)
        values[i] = (i * i * 7) % 3001 - 1500;
    f->Open(f->WriteValueFile("a.kos", 0, 1, values));
    f->ClickMode(IntegerMode);
    return f;
}

// The straight line of the formula, in floating point, halves away from zero.
int Bridged(const TValueBuffer& before, int first, int last, int line)
{
    if (first == 0)
        return before[std::size_t(last + 1)];
    if (last == ValueCount - 1)
        return before[std::size_t(first - 1)];
    const double a = before[std::size_t(first - 1)];
    const double b = before[std::size_t(last + 1)];
    return int(std::round(a + (b - a) * (line - first + 1) / (last - first + 2)));
}

QImage Paint(const TFormFixture& f)
{
    QImage image(f.Ui.PaintBox1->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    f.Ui.PaintBox1->render(&image);
    return image;
}

}  // namespace

class TestFormRepair : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TFormFixture::InstallGermanTexts(); }

    void bridgedValues_data()
    {
        QTest::addColumn<TValueMap>("values");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QList<int>>("bridged");
        QTest::newRow("one line") << TValueMap{{4, 10}, {6, 20}} << "5" << QList<int>{15};
        QTest::newRow("half up") << TValueMap{{4, 0}, {6, 1}} << "5" << QList<int>{1};
        QTest::newRow("half down") << TValueMap{{4, 0}, {6, -1}} << "5" << QList<int>{-1};
        QTest::newRow("half below zero") << TValueMap{{4, -5}, {6, -4}} << "5" << QList<int>{-5};
        QTest::newRow("three lines") << TValueMap{{2, 0}, {6, 10}} << "3-5" << QList<int>{3, 5, 8};
        QTest::newRow("whole range") << TValueMap{{4, -32768}, {6, 32767}} << "5" << QList<int>{-1};
        QTest::newRow("two runs") << TValueMap{{1, 0}, {3, 4}, {6, 100}, {9, -100}} << "2,7-8"
                                  << QList<int>{2, 33, -33};
        QTest::newRow("at the start") << TValueMap{{0, 1}, {3, 7}} << "0-2" << QList<int>{7, 7, 7};
        QTest::newRow("at the end") << TValueMap{{2496, -9}, {2499, 1}} << "2497-2499" << QList<int>{-9, -9, -9};
        QTest::newRow("everything") << TValueMap{{0, 5}, {2499, -5}} << "0-2499" << QList<int>{5, -5};
    }

    void bridgedValues()
    {
        QFETCH(TValueMap, values);
        QFETCH(QString, lines);
        QFETCH(QList<int>, bridged);
        TValueBuffer buffer{};
        for (auto value = values.cbegin(); value != values.cend(); ++value)
            buffer[std::size_t(value.key())] = std::int16_t(value.value());
        std::vector<std::int16_t> result = BridgedValues(buffer, Lines(lines));
        if (result.size() == std::size_t(ValueCount))
            result = {result.front(), result.back()};
        QCOMPARE(QList<int>(result.begin(), result.end()), bridged);
    }

    void bridgeThroughTheWindow_data()
    {
        QTest::addColumn<QString>("selection");
        QTest::newRow("in the middle") << "1200-1210";
        QTest::newRow("at the start") << "0-9";
        QTest::newRow("at the end") << "2490-2499";
        QTest::newRow("two runs and a line") << "40,42-44,50-52";
    }

    void bridgeThroughTheWindow()
    {
        QFETCH(QString, selection);
        auto f = OpenBumpyDocument();
        const TValueBuffer before = f->Form->Document().Values();
        f->Ui.Mittelwert1->trigger();
        ClickLines(*f, selection);
        const std::vector<int> lines = f->Form->SelectedLines();
        QCOMPARE(lines, Lines(selection));
        f->Play("click:Bearbeiten V");

        TValueBuffer expected = before;
        double sum = 0;
        for (const QString& part : selection.split(u',')) {
            const std::vector<int> run = Lines(part);
            for (const int line : run) {
                expected[std::size_t(line)] = std::int16_t(Bridged(before, run.front(), run.back(), line));
                sum += expected[std::size_t(line)];
            }
        }
        QCOMPARE(f->Form->Document().Values(), expected);
        QCOMPARE(f->Form->SelectedLines(), lines);
        QCOMPARE(f->RunLines(), lines);
        QCOMPARE(f->Form->MeanValue(), sum / double(lines.size()));
        QCOMPARE(f->Ui.ListBox1->model()->index(lines.back(), 0).data().toString(),
                 QStringLiteral("%1    %2").arg(lines.back()).arg(expected[std::size_t(lines.back())]));
        QCOMPARE(f->Ui.Rckgngig1->text(),
                 QStringLiteral("&Rückgängig: Linear verbinden in %1 Zeilen").arg(lines.size()));

        f->Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f->Form->Document().Values(), before);
        QCOMPARE(f->Form->SelectedLines(), lines);
        f->Ui.Wiederherstellen1->trigger();
        QCOMPARE(f->Form->Document().Values(), expected);
    }

    // Without a selection there is nothing to bridge, and with every line
    // selected no neighbour to bridge between.
    void bridgeNeedsNeighbours()
    {
        auto f = OpenBumpyDocument();
        const TValueBuffer before = f->Form->Document().Values();
        QVERIFY(!f->Ui.Linearverbinden1->isEnabled());
        ClickLines(*f, "0-2499");
        QVERIFY(f->Ui.Linearverbinden1->isEnabled());
        f->Ui.Linearverbinden1->trigger();
        QCOMPARE(f->Form->Document().Values(), before);
        QVERIFY(!f->Ui.Rckgngig1->isEnabled() && !f->Form->Document().Modified());
        QVERIFY(f->Ui.StatusBar1->isVisible() && f->Ui.Statusleiste1->isChecked());
        QCOMPARE(f->Ui.StatusBar1->currentMessage(), "Nichts zu verbinden: Alle Zeilen sind ausgewählt, keine hat einen Nachbarn.");
    }

    void statusBarKeepsEveryPane()
    {
        auto f = OpenBumpyDocument();
        const auto places = [&f] {
            QList<QRect> rects;
            for (QWidget* pane : std::initializer_list<QWidget*>{f->Ui.ListBox1, f->Ui.Edit1, f->Ui.Edit2,
                                                                 f->Ui.ScrollBox1, f->Ui.RadioGroup1, f->Ui.Panel1})
                rects << QRect(pane->mapTo(f->Form.get(), QPoint(0, 0)), pane->size());
            return rects;
        };
        const QList<QRect> before = places();
        QVERIFY(f->Ui.StatusBar1->isHidden() && !f->Ui.Statusleiste1->isChecked());
        f->Play("Alt+A S");
        QVERIFY(f->Ui.StatusBar1->isVisible());
        QVERIFY(f->Ui.StatusBar1->height() > 0);
        QTRY_COMPARE(f->Form->height(), 500 + f->Ui.StatusBar1->height());
        QCOMPARE(places(), before);
        f->Play("Alt+A S");
        QTRY_COMPARE(f->Form->size(), QSize(650, 500));
        QCOMPARE(f->Form->minimumSize(), QSize(650, 500));
        QCOMPARE(places(), before);
    }

    void statusBarReadsTheCurve_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("over");
        QTest::addColumn<QString>("selection");
        // Against a comparison curve of -31296: a difference of 32832, a half in fixed point.
        QTest::addColumn<QString>("both");
        QTest::newRow("Festkommazahl") << int(FixedPoint) << "Wert 1536: 1,500"
                                       << "3 Zeilen: Minimum -0,001, Maximum 1,002, Mittelwert 0,6669921875"
                                       << "Wert 1536: 1,500  Vergleich: -30,563  Differenz: 32,063";
        QTest::newRow("Ganzzahl") << int(IntegerMode) << "Wert 1536: 1536"
                                  << "3 Zeilen: Minimum -1, Maximum 1026, Mittelwert 683"
                                  << "Wert 1536: 1536  Vergleich: -31296  Differenz: 32832";
        QTest::newRow("Hexadezimal") << int(HexMode) << "Wert 1536: 0600"
                                     << "3 Zeilen: Minimum 0400, Maximum FFFF, Mittelwert 5800"
                                     << "Wert 1536: 0600  Vergleich: 85C0  Differenz: -7FC0";
    }

    void statusBarReadsTheCurve()
    {
        QFETCH(int, mode);
        TFormFixture f;
        f.Open(f.WriteValueFile("a.kos", 0, 1, {{1025, -1}}));
        f.ClickMode(TNumberMode(mode));
        f.Play("Alt+A S");
        QCOMPARE(f.Ui.StatusPanel1->text(), QStringLiteral("Keine Zeile ausgewählt"));
        ClickLines(f, "1024-1026");
        QTEST(f.Ui.StatusPanel1->text(), "selection");

        const QPoint over(f.Form->Diagram().ColumnOf(1536), 60);
        f.Ui.ScrollBox1->ensureVisible(over.x(), over.y(), 1, 1);
        QTest::mouseMove(f.Ui.PaintBox1, over);
        QTEST(f.Ui.StatusPanel1->text(), "over");
        QTest::mouseMove(f.Ui.ListBox1, QPoint(5, 5));
        QTEST(f.Ui.StatusPanel1->text(), "selection");
        f.Windows.Paths.push_back(f.WriteValueFile("b.kos", -31296, 0));
        f.Play("Alt+A V");
        QTest::mouseMove(f.Ui.PaintBox1, over);
        QTEST(f.Ui.StatusPanel1->text(), "both");
    }

    // Drawn behind the curve in its own colour; it follows zoom and stays
    // while another document is opened, until it is removed.
    void comparisonCurve_data()
    {
        QTest::addColumn<QString>("then");
        QTest::addColumn<QColor>("color");
        QTest::newRow("loaded") << "" << QColor(255, 0, 0);
        QTest::newRow("another document") << "open" << QColor(255, 0, 0);
        QTest::newRow("zoomed in") << "zoom" << QColor(255, 0, 0);
        QTest::newRow("another colour") << "colour" << QColor(255, 0, 255);
        // The background shows through where the comparison was.
        QTest::newRow("removed") << "remove" << QColor();
    }

    void comparisonCurve()
    {
        QFETCH(QString, then);
        TFormFixture f;
        f.Open(f.WriteValueFile("a.kos", 0, 0));
        f.Windows.Paths.push_back(f.WriteValueFile("b.kos", 1024, 0));
        f.Play("Alt+A V");
        QCOMPARE(f.Windows.Dialogs.back().Filter, ValueFileFilter);
        f.Play("Alt+A S");
        QCOMPARE(f.Ui.StatusPanel2->text(), QStringLiteral("Vergleichskurve: b.kos"));
        if (then == u"open") {
            f.Open(f.WriteValueFile("c.kos", 0, 0));
        } else if (then == u"zoom") {
            QTest::mouseClick(f.Ui.SpeedButton1, Qt::LeftButton);
        } else if (then == u"colour") {
            TKurvenDlg* dialog = f.Ui.KurvenDlg;
            QTimer::singleShot(0, dialog, [dialog] {
                dialog->ComboBox2->setCurrentIndex(2);
                dialog->OKBtn->click();
            });
            f.Ui.Kurvendarstellung->trigger();
        } else if (then == u"remove") {
            f.Play("Alt+A E");
            QCOMPARE(f.Ui.StatusPanel2->text(), QString());
            QVERIFY(!f.Ui.Vergleichskurveentfernen1->isEnabled());
        }
        const TDiagram& diagram = f.Form->Diagram();
        const QImage image = Paint(f);
        QFETCH(QColor, color);
        const int x = diagram.ColumnOf(10);
        const QColor background = image.pixelColor(x, diagram.OriginY - 2 * qRound(diagram.YScale));
        QCOMPARE(image.pixelColor(x, diagram.OriginY - qRound(diagram.YScale)), color.isValid() ? color : background);
        QCOMPARE(image.pixelColor(diagram.ColumnOf(10), diagram.OriginY), QColor(0, 255, 0));
    }

    void comparisonFileErrors_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("error");
        QTest::newRow("no such file") << -1 << "Datei nicht gefunden.";
        QTest::newRow("short file") << 4999 << "Versuch hinter dem Dateiende zu lesen.";
    }

    // The document stays as it was and no comparison is drawn.
    void comparisonFileErrors()
    {
        QFETCH(int, size);
        QFETCH(QString, error);
        auto f = OpenBumpyDocument();
        const TValueBuffer before = f->Form->Document().Values();
        if (size >= 0)
            WriteBytes(f->Path("b.kos"), QByteArray(size, '\1'));
        f->Windows.Paths.push_back(f->Path("b.kos"));
        f->Ui.Vergleichskurveladen1->trigger();
        QCOMPARE(f->Windows.Errors, QStringList{error});
        QCOMPARE(f->Form->ComparisonValues(), nullptr);
        QCOMPARE(f->Form->Document().Values(), before);
        QCOMPARE(f->Form->Document().CurrentFileName(), f->Path("a.kos"));
        QVERIFY(!f->Form->Document().Modified() && !f->Ui.Vergleichskurveentfernen1->isEnabled());
    }

    void standardKeys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("item");
        QTest::newRow("Neu") << "Ctrl+N" << "Strg+N" << "Neu1";
        QTest::newRow("Öffnen") << "Ctrl+O" << "Strg+O" << "ffnen1";
        QTest::newRow("Speichern") << "Ctrl+S" << "Strg+S" << "Speichern";
        QTest::newRow("Speichern unter") << "Ctrl+Shift+S" << "Strg+Umschalt+S" << "Speichernunter";
        QTest::newRow("Beenden") << "Ctrl+Q" << "Strg+Q" << "Beenden1";
        QTest::newRow("Drucken") << "Ctrl+P" << "Strg+P" << "Drucken1";
        QTest::newRow("Originalgröße") << "Ctrl+0" << "Strg+0" << "Originalgre1";
        QTest::newRow("Linear verbinden") << "Ctrl+B" << "Strg+B" << "Linearverbinden1";
    }

    void standardKeys()
    {
        QFETCH(QString, keys);
        QFETCH(QString, item);
        auto f = OpenBumpyDocument();
        auto* action = f->Form->findChild<QAction*>(item);
        QTEST(action->shortcut().toString(QKeySequence::NativeText), "shown");
        QSignalSpy triggered(action, &QAction::triggered);
        f->ClickLine(7);
        QCOMPARE(f->Form->focusWidget(), f->Ui.Edit1);
        f->Play(keys);
        QCOMPARE(triggered.count(), 1);
    }
};

QTEST_MAIN(TestFormRepair)
#include "test_form_repair.moc"
