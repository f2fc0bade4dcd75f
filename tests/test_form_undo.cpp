// The history of value edits: "Rückgängig" and "Wiederherstellen" in the
// "Bearbeiten" menu, and how Strg+Z shares itself with the entry field.
#include "support/FormFixture.h"

#include <QAction>

namespace {

std::unique_ptr<TFormFixture> OpenDocument()
{
    return TFormFixture::WithDocument(IntegerMode);
}

// Selects the lines of `script`: "3" one line, "3-9" a run, "3,7" two lines,
// "all" every line.
std::vector<int> SelectByScript(TFormFixture& f, const QString& script)
{
    if (script == QLatin1String("all")) {
        f.ClickLine(0);
        f.ClickLine(ValueCount - 1, Qt::LeftButton, Qt::ShiftModifier);
    } else if (script.contains(u'-')) {
        f.ClickLine(script.section(u'-', 0, 0).toInt());
        f.ClickLine(script.section(u'-', 1, 1).toInt(), Qt::LeftButton, Qt::ShiftModifier);
    } else {
        const QStringList lines = script.split(u',');
        f.ClickLine(lines.front().toInt());
        for (const QString& line : lines.mid(1))
            f.ClickLine(line.toInt(), Qt::LeftButton, Qt::ControlModifier);
    }
    return f.Form->SelectedLines();
}

bool AllHold(const TFormFixture& f, const std::vector<int>& lines, bool original, int value)
{
    for (const int line : lines)
        if (f.Form->Document().Value(line) != (original ? line : value))
            return false;
    return true;
}

}  // namespace

class TestFormUndo : public QObject {
    Q_OBJECT

private slots:
    void undoAndRedoACommit_data()
    {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("caption");
        QTest::newRow("one line") << "3" << "Wert 77 in 1 Zeile";
        QTest::newRow("a run") << "3-9" << "Wert 77 in 7 Zeilen";
        QTest::newRow("two lines apart") << "3,7" << "Wert 77 in 2 Zeilen";
        QTest::newRow("all lines") << "all" << "Wert 77 in 2500 Zeilen";
    }

    void undoAndRedoACommit()
    {
        QFETCH(QString, selection);
        QFETCH(QString, caption);
        auto f = OpenDocument();
        f->Ui.Mittelwert1->trigger();
        const std::vector<int> lines = SelectByScript(*f, selection);
        const QString mean = f->Ui.Edit3->text();
        QVERIFY(!f->Ui.Rckgngig1->isEnabled());
        f->Type("77");
        f->Key(Qt::Key_Return);
        QVERIFY(AllHold(*f, lines, false, 77));
        QCOMPARE(f->Ui.Rckgngig1->text(), QStringLiteral("&Rückgängig: ") + caption);
        QVERIFY(f->Ui.Rckgngig1->isEnabled() && !f->Ui.Wiederherstellen1->isEnabled());

        f->Ui.Rckgngig1->trigger();
        QVERIFY(AllHold(*f, lines, true, 77));
        QCOMPARE(f->Form->SelectedLines(), lines);
        QCOMPARE(f->RunLines(), lines);
        QCOMPARE(f->Ui.Edit3->text(), mean);
        QCOMPARE(f->Ui.ListBox1->model()->index(lines.back(), 0).data().toString(),
                 QStringLiteral("%1    %1").arg(lines.back()));
        QCOMPARE(f->Ui.Edit1->text(), QString::number(lines.back()));
        QCOMPARE(f->Ui.Wiederherstellen1->text(), QStringLiteral("&Wiederherstellen: ") + caption);
        QVERIFY(!f->Ui.Rckgngig1->isEnabled() && f->Ui.Wiederherstellen1->isEnabled());

        f->Ui.Wiederherstellen1->trigger();
        QVERIFY(AllHold(*f, lines, false, 77));
        QCOMPARE(f->Form->SelectedLines(), lines);
        QCOMPARE(f->Ui.Edit3->text(), QStringLiteral("77"));
    }

    void captionsFollowTheRepresentation()
    {
        auto f = OpenDocument();
        f->TypeValue(5, QStringLiteral("1536"));
        f->ClickMode(FixedPoint);
        QCOMPARE(f->Ui.Rckgngig1->text(), QStringLiteral("&Rückgängig: Wert 1,500 in 1 Zeile"));
        f->Ui.Rckgngig1->trigger();
        QCOMPARE(f->Ui.ListBox1->model()->index(5, 0).data().toString(), QStringLiteral("5    0,005"));
    }

    // The changed flag follows the history: a document back at the state of
    // its file asks nothing when it is closed.
    void undoToTheSavedStateClearsTheChangedFlag()
    {
        auto f = OpenDocument();
        f->TypeValue(1, QStringLiteral("11"));
        f->Ui.Speichern->trigger();
        QVERIFY(!f->Form->Document().Modified());
        f->TypeValue(2, QStringLiteral("22"));
        QVERIFY(f->Form->Document().Modified());
        f->Ui.Rckgngig1->trigger();
        QVERIFY(!f->Form->Document().Modified());
        f->Ui.Rckgngig1->trigger();
        QVERIFY(f->Form->Document().Modified());
        f->Ui.Wiederherstellen1->trigger();
        QVERIFY(!f->Form->Document().Modified());
        f->Ui.Beenden1->trigger();
        QVERIFY(f->Windows.Confirmations.isEmpty());
        QVERIFY(!f->Form->isVisible());
    }

    void newDocumentEndsTheHistory_data()
    {
        QTest::addColumn<bool>("open");
        QTest::newRow("Neu...") << false;
        QTest::newRow("Öffnen...") << true;
    }

    void newDocumentEndsTheHistory()
    {
        QFETCH(bool, open);
        auto f = OpenDocument();
        f->TypeValue(1, QStringLiteral("11"));
        f->Windows.Answers = {TAnswer::No};
        if (open)
            f->Open(f->Path("a.kos"));
        else
            f->Ui.Neu1->trigger();
        QVERIFY(!f->Ui.Rckgngig1->isEnabled());
        QCOMPARE(f->Ui.Rckgngig1->text(), QStringLiteral("&Rückgängig"));
        f->Key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!f->Form->Document().Modified());
    }

    void undoKeysShareTheEntryField_data()
    {
        QTest::addColumn<QString>("redo");
        QTest::newRow("Strg+Y") << "Ctrl+Y";
        QTest::newRow("Strg+Umschalt+Z") << "Ctrl+Shift+Z";
    }

    // Typed text is the field's own to undo; only without it does Strg+Z
    // reach the document.
    void undoKeysShareTheEntryField()
    {
        QFETCH(QString, redo);
        auto f = OpenDocument();
        f->TypeValue(3, QStringLiteral("33"));
        f->ClickLine(5);
        f->Type("9");
        f->Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f->Ui.Edit1->text(), QStringLiteral("5"));
        QCOMPARE(f->Form->Document().Value(3), std::int16_t(33));
        f->Play(redo);
        QCOMPARE(f->Ui.Edit1->text(), QStringLiteral("9"));
        QCOMPARE(f->Form->Document().Value(3), std::int16_t(33));

        // Leaving the field commits the 9; the field then holds no typed text.
        f->ClickLine(6);
        QCOMPARE(f->Form->Document().Value(5), std::int16_t(9));
        f->Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f->Form->Document().Value(5), std::int16_t(5));
        f->Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f->Form->Document().Value(3), std::int16_t(3));
        f->Play(redo);
        QCOMPARE(f->Form->Document().Value(3), std::int16_t(33));
    }

    void commitAfterUndoDropsTheRedoStep_data()
    {
        QTest::addColumn<int>("commits");
        QTest::newRow("one step") << 1;
        QTest::newRow("two steps, the second undone") << 2;
    }

    // A new commit after an undo starts a new branch: the undone step is gone.
    void commitAfterUndoDropsTheRedoStep()
    {
        QFETCH(int, commits);
        auto f = OpenDocument();
        for (int k = 0; k < commits; ++k)
            f->TypeValue(3 + 2 * k, QString::number(33 + 22 * k));
        f->Ui.Rckgngig1->trigger();
        f->TypeValue(4, QStringLiteral("44"));
        QVERIFY(!f->Ui.Wiederherstellen1->isEnabled());
        QCOMPARE(f->Ui.Wiederherstellen1->text(), QStringLiteral("&Wiederherstellen"));
        f->Key(Qt::Key_Y, Qt::ControlModifier);
        const int undone = 3 + 2 * (commits - 1);
        QCOMPARE(f->Form->Document().Value(undone), std::int16_t(undone));
        for (int k = 0; k < commits; ++k)
            f->Ui.Rckgngig1->trigger();
        QCOMPARE(f->Form->Document().Value(4), std::int16_t(4));
        QCOMPARE(f->Form->Document().Value(3), std::int16_t(3));
        QVERIFY(!f->Ui.Rckgngig1->isEnabled());
        QVERIFY(!f->Form->Document().Modified());
    }
};

QTEST_MAIN(TestFormUndo)
#include "test_form_undo.moc"
