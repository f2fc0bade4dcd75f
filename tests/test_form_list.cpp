#include "support/FormFixture.h"

#include "controls/KeyCodes.h"
#include "controls/ListBox.h"
#include "diagram/TDiagram.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QGroupBox>

class TestFormList : public QObject {
    Q_OBJECT

private:
    // An open document whose value i is `first` + `step` * i, or what
    // `values` gives for i, in `mode`.
    static std::unique_ptr<TFormFixture> OpenDocument(int mode = 0, int first = 0, int step = 1,
                                                  const QMap<int, int>& values = {})
    {
        auto f = std::make_unique<TFormFixture>();
        f->Open(f->WriteValueFile("a.kos", first, step, values));
        SetMode(*f, mode);
        return f;
    }

    static void SetMode(TFormFixture& f, int mode)
    {
        if (f.Form->NumberMode() != mode)
            f.ClickMode(TNumberMode(mode));
    }

    static QString Line(const TFormFixture& f, int row)
    {
        return f.Ui.ListBox1->model()->index(row, 0).data().toString();
    }


private slots:
    void typedValueGoesIntoEverySelectedLine()
    {
        auto f = OpenDocument(0);
        f->ClickLine(3);
        f->ClickLine(5, Qt::LeftButton, Qt::ControlModifier);
        f->ClickLine(7, Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(f->Form->focusWidget(), f->Ui.Edit1);
        QCOMPARE(f->Ui.Edit1->text(), QStringLiteral("0,007"));
        QTest::keyClicks(f->Ui.Edit1, "1,5");
        QTest::keyClick(f->Ui.Edit1, Qt::Key_Return);
        for (int row : {3, 5, 7})
            QCOMPARE(f->Form->Document().Values()[row], std::int16_t(1536));
        QCOMPARE(f->Form->Document().Values()[4], std::int16_t(4));
        QCOMPARE(Line(*f, 5), QStringLiteral("5    1,500"));
        QCOMPARE(f->Form->SelectedLines(), std::vector<int>{8});
        QCOMPARE(f->Form->ItemIndex(), 8);
        QCOMPARE(f->Ui.Edit1->text(), QStringLiteral("0,008"));
        QCOMPARE(f->Ui.Edit1->selectedText(), QStringLiteral("0,008"));
        QVERIFY(!f->Ui.Edit1->isModified());
        QVERIFY(f->Form->Document().Modified());
        QCOMPARE(f->Form->focusWidget(), f->Ui.Edit1);
        // The key went up in the entry field, so the runs still show the click.
        QCOMPARE(f->RunLines(), (std::vector<int>{3, 5, 7}));
    }

    void movesAtTheEnds_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("selected");
        QTest::newRow("enter on last line") << 2499 << int(Qt::Key_Return) << "5" << 2499;
        QTest::newRow("down on last line") << 2499 << int(Qt::Key_Down) << "" << 2499;
        QTest::newRow("up on first line") << 0 << int(Qt::Key_Up) << "" << 0;
        QTest::newRow("up in the middle") << 10 << int(Qt::Key_Up) << "5" << 9;
        QTest::newRow("enter without typing") << 10 << int(Qt::Key_Return) << "" << 11;
        QTest::newRow("keypad enter") << 10 << int(Qt::Key_Enter) << "5" << 11;
    }

    void movesAtTheEnds()
    {
        QFETCH(int, row);
        QFETCH(int, key);
        QFETCH(QString, typed);
        QFETCH(int, selected);
        auto f = OpenDocument(1);
        f->ClickLine(row);
        f->Type(typed);
        f->Key(Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(f->Form->SelectedLines(), std::vector<int>{selected});
        QCOMPARE(f->Form->ItemIndex(), selected);
        const int shown = typed.isEmpty() || selected != row ? selected : row;
        QCOMPARE(f->Ui.Edit1->text(), QString::number(f->Form->Document().Values()[shown]));
        if (!typed.isEmpty())
            QCOMPARE(f->Form->Document().Values()[row], std::int16_t(typed.toInt()));
        // Without a typed value the list takes the focus for the next key.
        QCOMPARE(f->Form->focusWidget() == f->Ui.ListBox1, typed.isEmpty());
    }

    void rejectedEntriesChangeNothing_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("typed");
        QTest::newRow("unparsable") << 1 << "abc";
        QTest::newRow("above range") << 1 << "32768";
        QTest::newRow("below range") << 1 << "-32769";
        QTest::newRow("fixed point 32") << 0 << "32";
        QTest::newRow("hex beyond 16 bits") << 2 << "18000";
        QTest::newRow("trailing blank") << 0 << "2 ";
        QTest::newRow("second comma") << 0 << "1,2,3";
    }

    void rejectedEntriesChangeNothing()
    {
        QFETCH(int, mode);
        QFETCH(QString, typed);
        auto f = OpenDocument(mode, 100);
        f->ClickLine(3);
        f->ClickLine(4, Qt::LeftButton, Qt::ShiftModifier);
        const TValueBuffer before = f->Form->Document().Values();
        QTest::keyClicks(f->Ui.Edit1, typed);
        QTest::keyClick(f->Ui.Edit1, Qt::Key_Return);
        QVERIFY(f->Form->Document().Values() == before);
        QVERIFY(!f->Form->Document().Modified());
        QCOMPARE(f->Form->SelectedLines(), std::vector<int>{5});
    }

    void entryFieldHoldsTenCharacters()
    {
        auto f = OpenDocument(1, 100);
        f->ClickLine(2);
        QTest::keyClicks(f->Ui.Edit1, "00000000001");
        QCOMPARE(f->Ui.Edit1->text(), QStringLiteral("0000000000"));
        QTest::keyClick(f->Ui.Edit1, Qt::Key_Return);
        QCOMPARE(f->Form->Document().Values()[2], std::int16_t(0));
    }

    void boundsAreAccepted_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("value");
        QTest::newRow("lowest") << "-32768" << -32768;
        QTest::newRow("highest") << "32767" << 32767;
        QTest::newRow("hex prefix") << "$7FFF" << 32767;
    }

    void boundsAreAccepted()
    {
        QFETCH(QString, typed);
        QFETCH(int, value);
        auto f = OpenDocument(1);
        f->ClickLine(6);
        QTest::keyClicks(f->Ui.Edit1, typed);
        QTest::keyClick(f->Ui.Edit1, Qt::Key_Down);
        QCOMPARE(f->Form->Document().Values()[6], std::int16_t(value));
        QCOMPARE(Line(*f, 6), QStringLiteral("6    ") + QString::number(value));
    }

    void leavingTheFieldCommits()
    {
        auto f = OpenDocument(1);
        f->ClickLine(6);
        QTest::keyClicks(f->Ui.Edit1, "77");
        f->ClickLine(9);
        QCOMPARE(f->Form->Document().Values()[6], std::int16_t(77));
        QCOMPARE(f->Ui.Edit1->text(), QStringLiteral("9"));
    }

    void listKeysShowNeighbourValue_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("shown");
        QTest::newRow("down") << 10 << int(Qt::Key_Down) << "11";
        QTest::newRow("up") << 10 << int(Qt::Key_Up) << "9";
        QTest::newRow("down on last line") << 2499 << int(Qt::Key_Down) << "2499";
        QTest::newRow("up on first line") << 0 << int(Qt::Key_Up) << "0";
    }

    void listKeysShowNeighbourValue()
    {
        QFETCH(int, row);
        QFETCH(int, key);
        QFETCH(QString, shown);
        auto f = OpenDocument(1);
        f->ClickLine(row);
        f->Ui.ListBox1->setFocus();
        QTest::keyClick(f->Ui.ListBox1, Qt::Key(key));
        QCOMPARE(f->Ui.Edit1->text(), shown);
        QCOMPARE(f->Form->focusWidget(), f->Ui.ListBox1);
        QCOMPARE(f->RunLines(), f->Form->SelectedLines());
        QTest::keyClick(f->Ui.ListBox1, Qt::Key_Return);
        QCOMPARE(f->Form->focusWidget(), f->Ui.Edit1);
    }

    void mean_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<QString>("text");
        QTest::newRow("hex -1 and 1") << 2 << QList<int>{-1, 1} << "8000";
        QTest::newRow("integer -1 and 1") << 1 << QList<int>{-1, 1} << "0";
        QTest::newRow("hex 1 and 2") << 2 << QList<int>{1, 2} << "0001";
        QTest::newRow("integer 1 and 2") << 1 << QList<int>{1, 2} << "1,5";
        QTest::newRow("fixed 512 and 1024") << 0 << QList<int>{512, 1024} << "0,75";
        QTest::newRow("fixed single 1") << 0 << QList<int>{1} << "0,0009765625";
        QTest::newRow("fixed negative") << 0 << QList<int>{-2048, -1024} << "-1,5";
        // Fifteen significant digits, the last one rounded.
        QTest::newRow("integer thirds") << 1 << QList<int>{1, 1, 2} << "1,33333333333333";
        QTest::newRow("integer thirds, five whole digits") << 1 << QList<int>{20000, 20000, 20001} << "20000,3333333333";
        QTest::newRow("fixed thirds") << 0 << QList<int>{1, 1, 2} << "0,00130208333333333";
        QTest::newRow("integer two thirds") << 1 << QList<int>{1, 2, 2} << "1,66666666666667";
    }

    void mean()
    {
        QFETCH(int, mode);
        QFETCH(QList<int>, values);
        QFETCH(QString, text);
        QMap<int, int> given;
        for (int i = 0; i < values.size(); ++i)
            given[i] = values[i];
        auto f = OpenDocument(mode, 0, 1, given);
        f->ClickLine(0);
        f->ClickLine(int(values.size()) - 1, Qt::LeftButton, Qt::ShiftModifier);
        f->Ui.Mittelwert1->trigger();
        QVERIFY(f->Ui.Edit3->isVisible());
        QCOMPARE(f->Ui.Edit3->text(), text);
    }

    // With the mean view on, every action that changes the selection or the
    // representation shows the new mean at once. Values are 2 * i, line 1
    // selected at the start (mean 2).
    void meanFollowsEveryTrigger_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("mean");
        QTest::newRow("representation changed") << "hex" << "0002";
        QTest::newRow("key released in the list") << "Shift+Tab Down" << "4";
        QTest::newRow("Enter in the entry field") << "Return" << "4";
        QTest::newRow("keypad Enter in the entry field") << "Enter" << "4";
        QTest::newRow("Up in the entry field") << "Up" << "0";
        QTest::newRow("Down in the entry field") << "Down" << "4";
        QTest::newRow("value typed, Enter") << "7 Return" << "4";
        QTest::newRow("click in the list") << "line 5" << "10";
        QTest::newRow("press on the diagram") << "diagram 7" << "14";
    }

    void meanFollowsEveryTrigger()
    {
        QFETCH(QString, action);
        QFETCH(QString, mean);
        auto f = OpenDocument(1, 0, 2);
        f->ClickLine(1);
        f->Ui.Mittelwert1->trigger();
        QCOMPARE(f->Ui.Edit3->text(), QStringLiteral("2"));
        if (action == QLatin1String("hex"))
            f->ClickMode(HexMode);
        else if (action.startsWith(QLatin1String("line ")))
            f->ClickLine(action.mid(5).toInt());
        else if (action.startsWith(QLatin1String("diagram ")))
            f->ClickDiagram(action.mid(8).toInt());
        else if (action == QLatin1String("Enter"))
            f->Key(Qt::Key_Enter, Qt::KeypadModifier);
        else
            f->Play(action);
        QCOMPARE(f->Ui.Edit3->text(), mean);
    }

    void meanOfOneAmongAll()
    {
        auto f = OpenDocument(0, 0, 0, {{1234, 1}});
        f->Ui.Mittelwert1->trigger();
        f->ClickLine(0);
        f->ClickLine(2499, Qt::LeftButton, Qt::ShiftModifier);
        QCOMPARE(f->Ui.Edit3->text(), QStringLiteral("3,90625E-7"));
    }

    void meanWithoutSelectionKeepsLastValue()
    {
        auto f = OpenDocument(1, 10);
        f->ClickLine(0);
        f->Ui.Mittelwert1->trigger();
        QCOMPARE(f->Form->MeanValue(), 10.0);
        f->Ui.Mittelwert1->trigger();
        f->Form->DeselectAll();
        f->Ui.Mittelwert1->trigger();
        QCOMPARE(f->Ui.Edit3->text(), QString());
        QCOMPARE(f->Form->MeanValue(), 10.0);
    }

    void modeChangeRestoresSyncedSelection()
    {
        auto f = OpenDocument(1);
        f->SetTopIndex(40);
        f->ClickLine(50);
        f->ClickLine(52, Qt::LeftButton, Qt::ShiftModifier);
        QTest::keyClicks(f->Ui.Edit1, "1");
        QTest::keyClick(f->Ui.Edit1, Qt::Key_Return);
        QCOMPARE(f->Form->SelectedLines(), std::vector<int>{53});
        const int top = f->Form->TopIndex();
        SetMode(*f, 2);
        QCOMPARE(f->Form->SelectedLines(), (std::vector<int>{50, 51, 52}));
        QCOMPARE(f->Form->ItemIndex(), 52);
        QCOMPARE(f->Form->TopIndex(), top);
        QCOMPARE(f->Ui.Edit1->text(), QStringLiteral("0001"));
        QCOMPARE(Line(*f, 51), QStringLiteral("51    0001"));
        QCOMPARE(f->Form->focusWidget(), f->Ui.Edit1);
    }

    void clickOnTheChosenModeChangesNothing()
    {
        auto f = OpenDocument(1);
        f->ClickLine(30);
        QTest::keyClicks(f->Ui.Edit1, "4");
        QTest::keyClick(f->Ui.Edit1, Qt::Key_Return);
        f->ClickMode(IntegerMode);
        QCOMPARE(f->Form->SelectedLines(), std::vector<int>{31});
    }

    void modeChangeWithoutRunsGoesToFirstLine()
    {
        auto f = OpenDocument(1, 5);
        SetMode(*f, 0);
        QVERIFY(f->Form->SelectedLines().empty());
        QCOMPARE(f->Form->ItemIndex(), 0);
        QCOMPARE(f->Ui.Edit1->text(), QStringLiteral("0,005"));
    }

    void copyListPutsSelectedLines()
    {
        auto f = OpenDocument(1, 0, 0, {{3, 7}, {5, -2}});
        f->ClickLine(3);
        f->ClickLine(5, Qt::LeftButton, Qt::ControlModifier);
        f->Ui.AusListekopieren1->trigger();
        QCOMPARE(f->Windows.Clipboard, QStringLiteral("3    7\r\n5    -2\r\n"));
        QCOMPARE(f->Windows.ClipboardWrites, 1);
    }

    void copyWithoutSelectionKeepsClipboard()
    {
        auto f = OpenDocument(1);
        f->Windows.Clipboard = QStringLiteral("old");
        f->Ui.AusListekopieren1->trigger();
        QCOMPARE(f->Windows.Clipboard, QStringLiteral("old"));
        QCOMPARE(f->Windows.ClipboardWrites, 0);
    }

    void ctrlCCopiesWhatHasTheFocus()
    {
        auto f = OpenDocument(1);
        f->ClickLine(4);
        QTest::keyClick(f->Ui.Edit1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("4"));
        QCOMPARE(f->Windows.ClipboardWrites, 0);
        f->Ui.ListBox1->setFocus();
        QTest::keyClick(f->Ui.ListBox1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(f->Windows.Clipboard, QStringLiteral("4    4\r\n"));
    }

    void editCommandsWorkInTheActiveField()
    {
        auto f = OpenDocument(1);
        f->ClickLine(12);
        f->Ui.Ausschneiden1->trigger();
        QCOMPARE(f->Ui.Edit1->text(), QString());
        QVERIFY(f->Ui.Edit1->isModified());
        f->Ui.Einfgen1->trigger();
        QCOMPARE(f->Ui.Edit1->text(), QStringLiteral("12"));
        QTest::keyClick(f->Ui.Edit1, Qt::Key_Home);
        f->Ui.Lschen1->trigger();
        QCOMPARE(f->Ui.Edit1->text(), QStringLiteral("12"));
        f->Ui.Edit1->selectAll();
        QTest::keyClick(f->Ui.Edit1, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(f->Ui.Edit1->text(), QString());
    }

    void followScrollsDiagram_data()
    {
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("position");
        QTest::newRow("top line 50") << 50 << 0;
        QTest::newRow("top line 1000") << 1000 << 900;
    }

    void followScrollsDiagram()
    {
        QFETCH(int, top);
        QFETCH(int, position);
        auto f = OpenDocument(1);
        f->SetTopIndex(top);
        f->Ui.ListBox1->setFocus();
        QTest::keyClick(f->Ui.ListBox1, Qt::Key_Shift);
        QCOMPARE(f->Ui.ScrollBox1->horizontalScrollBar()->value(), position);
    }

    // Qt gives a window that is not active no focus events; the enter and
    // leave handlers must still run inside the handler that moves the focus.
    void focusMovesRunHandlersInAnInactiveWindow()
    {
        TScriptedWindowSystem windows;
        TForm1 form(windows);
        const TFormControls ui(form);
        ui.Neu1->trigger();
        QVERIFY(!form.isActiveWindow());
        ui.ListBox1->selectionModel()->setCurrentIndex(ui.ListBox1->model()->index(3, 0), QItemSelectionModel::Select);
        form.ListBox1KeyDown(VirtualKey::Return);
        QCOMPARE(form.focusWidget(), ui.Edit1);
        QCOMPARE(ui.Edit1->text(), QStringLiteral("0,000"));
        ui.Edit1->insert(QStringLiteral("2"));
        form.Edit1KeyDown(VirtualKey::Up);
        QCOMPARE(form.Document().Value(3), std::int16_t(2048));
        QCOMPARE(form.SelectedLines(), std::vector<int>{2});
        form.Edit1KeyDown(VirtualKey::Down);
        QCOMPARE(form.focusWidget(), ui.ListBox1);
        QCOMPARE(form.SelectedLines(), std::vector<int>{3});
    }

    void numberViewOffSkipsOnlyTheFocus()
    {
        auto f = OpenDocument(1);
        f->Ui.Zahlenwerte1->trigger();
        SetMode(*f, 2);
        QVERIFY(f->Ui.ListBox1->isVisible());
        QVERIFY(f->Ui.Edit1->isHidden());
        QVERIFY(!f->Ui.Zahlenwerte1->isChecked());
        QVERIFY(f->Form->focusWidget() != f->Ui.Edit1);
        QCOMPARE(f->Form->Diagram().YMax, 64000.0);
    }
};

QTEST_MAIN(TestFormList)
#include "test_form_list.moc"
