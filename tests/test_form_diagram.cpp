#include "app/DiagramPane.h"
#include "support/FormFixture.h"

#include "controls/ListBox.h"
#include "controls/PaintBox.h"
#include "diagram/TDiagram.h"
#include "kurven/KurvenDlg.h"

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

class TestFormDiagram : public QObject {
    Q_OBJECT

private:
    static std::unique_ptr<TFormFixture> OpenDocument(int first = 0, int step = 1)
    {
        auto f = std::make_unique<TFormFixture>();
        f->Open(f->WriteValueFile("a.kos", first, step));
        return f;
    }

    // The paint box under the real pointer: a press scrolls its point into
    // view first, later moves and the release follow the press's grab.
    static void Mouse(TFormFixture& f, QEvent::Type type, int x, Qt::MouseButton button)
    {
        QWidget* box = f.Ui.PaintBox1;
        const QPoint at(x, 60);
        if (type == QEvent::MouseButtonPress) {
            f.Ui.ScrollBox1->ensureVisible(x, at.y(), 1, 1);
            QTest::mousePress(box, button, {}, at);
        } else if (type == QEvent::MouseMove) {
            QTest::mouseMove(box, at);
        } else {
            QTest::mouseRelease(box, button, {}, at);
        }
    }

    static void Drag(TFormFixture& f, int from, const QList<int>& moves)
    {
        const TDiagram& diagram = f.Form->Diagram();
        Mouse(f, QEvent::MouseButtonPress, diagram.ColumnOf(from), Qt::LeftButton);
        for (int index : moves)
            Mouse(f, QEvent::MouseMove, diagram.ColumnOf(index), Qt::NoButton);
        Mouse(f, QEvent::MouseButtonRelease, diagram.ColumnOf(moves.isEmpty() ? from : moves.back()),
              Qt::LeftButton);
    }

    static std::vector<int> Range(int first, int last)
    {
        std::vector<int> lines;
        for (int i = first; i <= last; ++i)
            lines.push_back(i);
        return lines;
    }

    static QImage Paint(const TFormFixture& f)
    {
        QImage image(f.Ui.PaintBox1->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        f.Ui.PaintBox1->render(&image);
        return image;
    }

    // The wheel over pixel column `x` of the surface, through the window.
    static void Wheel(const TFormFixture& f, int x, double notches, Qt::KeyboardModifiers modifiers)
    {
        const QPointF at = f.Ui.PaintBox1->mapTo(f.Form.get(), QPointF(x, 60));
        QWheelEvent event(at, f.Form->mapToGlobal(at), {}, QPoint(0, int(120 * notches)), {}, modifiers, {}, false);
        QCoreApplication::sendEvent(f.Form->windowHandle(), &event);
    }

    // Answers the curve dialog with colour item `item`, OK or Cancel.
    static void AnswerCurveDialog(const TFormFixture& f, int item, bool ok)
    {
        TKurvenDlg* dialog = f.Ui.KurvenDlg;
        QTimer::singleShot(0, dialog, [dialog, item, ok] {
            dialog->ComboBox1->setCurrentIndex(item);
            (ok ? dialog->OKBtn : dialog->CancelBtn)->click();
        });
        f.Ui.Kurvendarstellung->trigger();
    }

private slots:
    void dragSelects_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QList<int>>("moves");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("to the right leaves out the end") << 100 << QList<int>{102, 105} << 100 << 104;
        QTest::newRow("to the left takes both ends") << 100 << QList<int>{97, 95} << 95 << 100;
        QTest::newRow("shared column rounds back") << 5 << QList<int>{8, 11} << 5 << 9;
        QTest::newRow("press without move") << 42 << QList<int>{} << 42 << 42;
    }

    void dragSelects()
    {
        QFETCH(int, from);
        QFETCH(QList<int>, moves);
        QFETCH(int, first);
        QFETCH(int, last);
        auto f = OpenDocument();
        QCOMPARE(f->Form->Diagram().XScale, 0.9538);
        Drag(*f, from, moves);
        QCOMPARE(f->Form->SelectedLines(), Range(first, last));
        QCOMPARE(f->RunLines(), Range(first, last));
        QCOMPARE(f->Form->focusWidget(), f->Ui.Edit1);
        QVERIFY(!f->Form->DiagramPane().Dragging());
    }

    void pressOutsideTheDataSelectsTheEnds_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("top");
        QTest::newRow("left of the data") << 0 << 0 << 0;
        QTest::newRow("inside") << 145 << 100 << 97;
        QTest::newRow("right of the data") << 2590 << 2499 << -1;
    }

    void pressOutsideTheDataSelectsTheEnds()
    {
        QFETCH(int, x);
        QFETCH(int, index);
        QFETCH(int, top);
        auto f = OpenDocument();
        Mouse(*f, QEvent::MouseButtonPress, x, Qt::LeftButton);
        QCOMPARE(f->Form->SelectedLines(), std::vector<int>{index});
        QCOMPARE(f->Form->ItemIndex(), index);
        if (top >= 0)
            QCOMPARE(f->Form->TopIndex(), top);
    }

    void releaseOfAnotherButtonAfterADragSelectsNothing()
    {
        auto f = OpenDocument();
        Drag(*f, 100, {105});
        f->Form->DeselectAll();
        Mouse(*f, QEvent::MouseButtonPress, 300, Qt::RightButton);
        Mouse(*f, QEvent::MouseButtonRelease, 300, Qt::RightButton);
        QVERIFY(f->Form->SelectedLines().empty());
    }

    void pressWithNumberViewOffKeepsFocus()
    {
        auto f = OpenDocument();
        f->Ui.Zahlenwerte1->trigger();
        f->Ui.Mittelwert1->trigger();
        QTest::mouseClick(f->Ui.Edit2, Qt::LeftButton);
        Drag(*f, 10, {});
        QCOMPARE(f->Form->SelectedLines(), std::vector<int>{10});
        QCOMPARE(f->RunLines(), std::vector<int>{10});
        QCOMPARE(f->Form->focusWidget(), f->Ui.Edit2);
        QCOMPARE(f->Ui.Edit3->text(), QStringLiteral("0,009765625"));
    }

    void zoomRunsThroughHeights()
    {
        auto f = OpenDocument();
        const QList<int> up{355, 532, 798, 1197, 1795, 2692, 4038, 6057, 9085, 13627, 13627};
        for (int height : up) {
            f->Ui.SpeedButton1->click();
            QCOMPARE(f->Ui.PaintBox1->height(), height);
        }
        QCOMPARE(f->Form->Diagram().YStep, 2400.0 / 13627);
        const QList<int> down{9084, 6056, 4037, 2691, 1794, 1196, 797, 531, 354, 237, 237};
        for (int height : down) {
            f->Ui.SpeedButton2->click();
            QCOMPARE(f->Ui.PaintBox1->height(), height);
        }
        QCOMPARE(f->Form->Diagram().YStep, 10.0);
    }

    void zoomKeepsTheViewCentre()
    {
        auto f = OpenDocument();
        for (int i = 0; i < 4; ++i)
            f->Ui.SpeedButton1->click();
        QScrollBar* bar = f->Ui.ScrollBox1->verticalScrollBar();
        const int view = f->Ui.ScrollBox1->viewport()->height();
        const double centre = (bar->value() + view / 2.0) / f->Ui.PaintBox1->height();
        QVERIFY2(std::abs(centre - 0.5) < 0.02, qPrintable(QString::number(centre)));
    }

    // Showing a pane is no resize by the user: zoom and scroll position stay.
    void statusBarKeepsTheZoom()
    {
        auto f = OpenDocument();
        for (int i = 0; i < 2; ++i)
            QTest::mouseClick(f->Ui.SpeedButton1, Qt::LeftButton);
        QScrollBar* bar = f->Ui.ScrollBox1->verticalScrollBar();
        const int zoomed = f->Ui.PaintBox1->height();
        const int scrolled = bar->value();
        for (const bool shown : {true, false}) {
            f->Play("Alt+A S");
            QCOMPARE(f->Ui.StatusBar1->isVisible(), shown);
            QCOMPARE(f->Ui.PaintBox1->height(), zoomed);
            QCOMPARE(bar->value(), scrolled);
        }
        f->Form->resize(f->Form->width() + 10, f->Form->height() + 10);
        QCOMPARE(f->Ui.PaintBox1->height(), f->Ui.ScrollBox1->height() - 20);
    }

    // Shift extends from the line the program selected last, not from the
    // line clicked before.
    void shiftExtendsFromTheLineSelectedLast()
    {
        auto f = OpenDocument();
        f->ClickLine(5);
        f->ClickDiagram(272);
        QCOMPARE(f->Form->SelectedLines(), Range(272, 272));
        f->Key(Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(f->Form->SelectedLines(), Range(273, 273));
        f->Key(Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(f->Form->SelectedLines(), Range(273, 274));
    }

    // What a print shows across the page: the view, from its first value to
    // the value after its last, or the whole surface at "Originalgröße".
    void horizontalZoomItems_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<double>("notches");
        QTest::addColumn<int>("grow");
        QTest::addColumn<QList<int>>("printed");
        QTest::addColumn<bool>("scrolls");
        const QList<int> all{0, 2499};
        QTest::newRow("Ganze Kurve") << "Alt+A A" << 0.0 << 0 << all << false;
        QTest::newRow("Auf Auswahl zoomen") << "Alt+A W" << 0.0 << 0 << QList<int>{100, 200} << true;
        QTest::newRow("Originalgröße") << "Alt+A W Ctrl+0" << 0.0 << 0 << all << true;
        QTest::newRow("whole curve in a wider window") << "Alt+A A" << 0.0 << 300 << all << false;
        QTest::newRow("Ctrl+wheel out to the whole curve") << "" << -30.0 << 300 << all << false;
    }

    void horizontalZoomItems()
    {
        QFETCH(QString, keys);
        QFETCH(double, notches);
        QFETCH(int, grow);
        auto f = OpenDocument();
        f->ClickLine(100);
        f->ClickLine(199, Qt::LeftButton, Qt::ShiftModifier);
        f->Play(keys);
        if (notches != 0)
            Wheel(*f, 300, notches, Qt::ControlModifier);
        f->Form->resize(f->Form->width() + grow, f->Form->height());
        const QRect printed = f->Form->DiagramPane().PrintedColumns();
        QTEST((QList<int>{f->Form->Diagram().IndexAt(printed.left()), f->Form->Diagram().IndexAt(printed.right() + 1)}), "printed");
        QTEST(f->Ui.ScrollBox1->horizontalScrollBar()->maximum() > 0, "scrolls");
        // The scroll bars go once the window has laid the scroll box out.
        if (f->Ui.ScrollBox1->horizontalScrollBar()->maximum() == 0)
            QTRY_COMPARE(f->Ui.PaintBox1->width(), f->Ui.ScrollBox1->viewport()->width());
    }

    void ctrlWheelZoomsAroundTheValueUnderTheMouse_data()
    {
        QTest::addColumn<double>("notches");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<double>("scale");
        QTest::newRow("in as far as it goes") << 30.0 << int(Qt::ControlModifier) << 8.0;
        QTest::newRow("without Ctrl the wheel scrolls") << 1.0 << int(Qt::NoModifier) << 0.9538;
    }

    // The status bar and its cursor line stay with the value under the mouse.
    void ctrlWheelZoomsAroundTheValueUnderTheMouse()
    {
        QFETCH(double, notches);
        QFETCH(int, modifiers);
        auto f = OpenDocument();
        f->Play("Alt+A S");
        const int x = f->Form->Diagram().ColumnOf(1200);
        f->Ui.ScrollBox1->ensureVisible(x, 60, 1, 1);
        // A move to where the mouse already is would be no move.
        for (const int at : {x + 1, x})
            Mouse(*f, QEvent::MouseMove, at, Qt::NoButton);
        QScrollBar* bar = f->Ui.ScrollBox1->horizontalScrollBar();
        const int viewX = x - bar->value();
        Wheel(*f, x, notches, Qt::KeyboardModifiers(modifiers));
        QFETCH(double, scale);
        QVERIFY(std::abs(f->Form->Diagram().XScale - scale) < 0.001);
        QVERIFY(std::abs(f->Form->Diagram().ColumnOf(1200) - bar->value() - viewX) <= 1);
        QCOMPARE(f->Ui.StatusPanel1->text(), QStringLiteral("Wert 1200: 1,172"));
        QCOMPARE(Paint(*f).pixelColor(f->Form->Diagram().ColumnOf(1200), 20), QColor(128, 128, 128));
    }

    // The lines whose columns lie from the one pressed up to the one released.
    void dragAtTheWholeCurveSelectsTheLinesUnderTheMouse()
    {
        auto f = OpenDocument();
        f->Play("Alt+A A");
        for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::MouseButtonRelease})
            Mouse(*f, type, type == QEvent::MouseButtonPress ? 100 : 200, Qt::LeftButton);
        const std::vector<int> lines = f->Form->SelectedLines();
        QCOMPARE(f->Form->Diagram().ColumnOf(lines.front()), 100);
        QCOMPARE(f->Form->Diagram().ColumnOf(lines.back() + 1), 200);
    }

    void curveDialogSetsColourOnlyOnOk()
    {
        auto f = OpenDocument(1024, 0);
        QVERIFY(f->Ui.KurvenDlg->IsDesignText());
        const TDiagram& diagram = f->Form->Diagram();
        const QPoint point(diagram.ColumnOf(10), diagram.OriginY - qRound(diagram.YScale));
        QCOMPARE(Paint(*f).pixelColor(point), QColor(0, 255, 0));

        AnswerCurveDialog(*f, 8, true);
        QCOMPARE(f->Form->CurveColor(), 0x0000FF);
        QCOMPARE(Paint(*f).pixelColor(point), QColor(255, 0, 0));

        AnswerCurveDialog(*f, 0, false);
        QCOMPARE(f->Form->CurveColor(), 0x0000FF);
        QCOMPARE(f->Ui.KurvenDlg->ComboBox1->currentText(), QStringLiteral("Aqua"));
    }

    void firstUseOfCurveDialogShowsLime()
    {
        auto f = OpenDocument();
        QTimer::singleShot(0, f->Form.get(), [&f] {
            QCOMPARE(f->Ui.KurvenDlg->ComboBox1->currentText(), QStringLiteral("Lime"));
            f->Ui.KurvenDlg->CancelBtn->click();
        });
        f->Ui.Kurvendarstellung->trigger();
        QCOMPARE(f->Form->CurveColor(), 0x00FF00);
    }

    void meanMarksLieOnTheCurve()
    {
        auto f = OpenDocument(2048, 0);
        Drag(*f, 20, {30});
        f->Ui.Mittelwert1->trigger();
        const QImage image = Paint(*f);
        const TDiagram& diagram = f->Form->Diagram();
        const int row = diagram.OriginY - qRound(2.0 * diagram.YScale);
        QCOMPARE(image.pixelColor(diagram.ColumnOf(25), row), QColor(255, 255, 0));
        QCOMPARE(image.pixelColor(diagram.ColumnOf(40), row), QColor(0, 255, 0));
    }
};

QTEST_MAIN(TestFormDiagram)
#include "test_form_diagram.moc"
