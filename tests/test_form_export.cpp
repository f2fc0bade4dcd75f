#include "support/FormFixture.h"

#include "controls/SpinEdit.h"
#include "controls/ListBox.h"
#include "bereich/BereichDlg.h"
#include "export/SiblingName.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

class TestFormExport : public QObject {
    Q_OBJECT

private:
    static void SelectLines(TFormFixture& f, int first, int last)
    {
        QAbstractItemModel* model = f.Ui.ListBox1->model();
        f.Ui.ListBox1->selectionModel()->select(QItemSelection(model->index(first, 0), model->index(last, 0)),
                                                   QItemSelectionModel::Select);
        f.Form->SyncRunsFromList();
    }

private slots:
    void rangeExportWritesSelectedRange()
    {
        TFormFixture f;
        f.Open(f.WriteValueFile("a.kos", 0, 1));
        SelectLines(f, 100, 104);
        int shownFirst = -1;
        int shownLast = -1;
        QTimer::singleShot(0, f.Form.get(), [&] {
            shownFirst = f.Ui.BereichDlg->First();
            shownLast = f.Ui.BereichDlg->Last();
            f.Ui.BereichDlg->OKBtn->click();
        });
        f.Windows.Paths.push_back(f.Path("out.b1"));
        f.Ui.GrafikSpeichern->trigger();
        QCOMPARE(shownFirst, 100);
        QCOMPARE(shownLast, 104);
        const QList<QByteArray> lines = ReadBytes(f.Path("out.b1")).split('\n');
        QCOMPARE(lines.size(), 1202);
        QCOMPARE(lines[1], QByteArray("   0.09766 \r"));
        QCOMPARE(lines[5], QByteArray("   0.10156 \r"));
        QCOMPARE(lines[6], QByteArray("   0.00000 \r"));
        QVERIFY(f.Windows.Errors.isEmpty());
    }

    void evaluationLeavesDocumentUntouched()
    {
        TFormFixture f;
        const QString document = f.WriteValueFile("doc.kos", 3);
        const QString base = f.WriteValueFile("rec.koe", 9600, 0);
        for (int k = 1; k <= 99; ++k)
            f.WriteValueFile(QStringLiteral("rec.k%1").arg(k), k, 0);
        f.Open(document);
        f.TypeValue(4, "1");
        const TValueBuffer values = f.Form->Document().Values();
        const QString title = f.Form->windowTitle();
        const QString line4 = f.Ui.ListBox1->model()->index(4, 0).data().toString();

        f.Windows.Paths.push_back(base);
        f.Ui.Temperaturen1->trigger();
        QVERIFY(f.Windows.Errors.isEmpty());
        QVERIFY(f.Form->Document().Values() == values);
        QCOMPARE(f.Form->Document().CurrentFileName(), document);
        QCOMPARE(f.Form->windowTitle(), title);
        QVERIFY(f.Form->Document().Loaded() && f.Form->Document().Modified());
        QCOMPARE(f.Ui.ListBox1->model()->index(4, 0).data().toString(), line4);

        f.Windows.Paths.push_back(f.Path("temp.txt"));
        f.Ui.Speichernunter1->trigger();
        QCOMPARE(f.Windows.Dialogs.back().FileName, f.Path("rec.k99"));
        const QList<QByteArray> lines = ReadBytes(f.Path("temp.txt")).split('\n');
        QCOMPARE(lines[0], QByteArray("SO1 SU1 SO2 SU2 SO3 SU3 AF SWFB \r"));
        QVERIFY(lines[1].startsWith("   0.00977    0.00977 "));
        f.Ui.Speichern->trigger();
        QCOMPARE(ReadBytes(document).mid(8, 2), QByteArray::fromHex("0004"));
    }

    void newDocumentEndsEvaluationPreset_data()
    {
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("preset");
        QTest::newRow("new") << QString() << "Neue Datei";
        QTest::newRow("open") << "F.kos" << "F.kos";
    }

    void newDocumentEndsEvaluationPreset()
    {
        QFETCH(QString, opened);
        QFETCH(QString, preset);
        TFormFixture f;
        f.Windows.Paths.push_back(f.WriteValueFile("D.kos"));
        f.Ui.Temperaturen1->trigger();
        if (opened.isEmpty())
            f.Ui.Neu1->trigger();
        else
            f.Open(f.WriteValueFile(opened));
        f.Ui.Energie1speichernunter1->trigger();
        QCOMPARE(f.Windows.Dialogs.back().FileName, opened.isEmpty() ? preset : f.Path(preset));
        QVERIFY(f.Windows.Errors.isEmpty());
    }

    void badFileCountIsShownAndChangesNothing_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a number") << "abc" << "'abc' ist kein gültiger Integerwert.";
        QTest::newRow("empty") << "" << "'' ist kein gültiger Integerwert.";
        QTest::newRow("too many") << "13" << "Die Solarauswertung fasst höchstens 12 Dateien.";
    }

    void badFileCountIsShownAndChangesNothing()
    {
        QFETCH(QString, count);
        QFETCH(QString, message);
        TFormFixture f;
        f.Ui.Edit2->setText(count);
        f.Ui.Energie1->trigger();
        QCOMPARE(f.Windows.Errors, QStringList{message});
        QVERIFY(f.Windows.Dialogs.empty());
    }
};

QTEST_MAIN(TestFormExport)
#include "test_form_export.moc"
