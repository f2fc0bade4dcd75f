// The main window under input that takes the path of a real mouse and
// keyboard: clicks through the window (focus-on-click included) and keys
// through the window to shortcuts, the menu bar, open menus and the focused
// control.
#include "support/FormFixture.h"

#include "controls/ListBox.h"
#include "controls/PaintBox.h"
#include "diagram/TDiagram.h"

#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

namespace {

// An open document in integer mode whose value i is i, its file kept as read.
std::unique_ptr<TFormFixture> OpenDocument()
{
    return TFormFixture::WithDocument(IntegerMode);
}

// Line `row` selected alone by a click, `text` typed without Enter.
void TypeWaiting(TFormFixture& f, int row, const QString& text)
{
    f.ClickLine(row);
    f.Type(text);
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestFormInput : public QObject {
    Q_OBJECT

private slots:
    void pressOnTheDiagramLeavesTheTypedValueWaiting_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("written");
        QTest::newRow("curve") << "curve" << 300;
        QTest::newRow("horizontal scroll bar") << "scroll bar" << 1;
    }

    void pressOnTheDiagramLeavesTheTypedValueWaiting()
    {
        QFETCH(QString, target);
        QFETCH(int, written);
        auto f = OpenDocument();
        TypeWaiting(*f, 1, "555");
        if (target == QLatin1String("curve")) {
            f->ClickDiagram(written);
        } else {
            QScrollBar* bar = f->Ui.ScrollBox1->horizontalScrollBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() / 2));
        }
        QCOMPARE(f->Form->focusWidget(), f->Ui.Edit1);
        QCOMPARE(f->Ui.Edit1->text(), QStringLiteral("555"));
        QCOMPARE(f->Form->Document().Values()[1], std::int16_t(1));
        QVERIFY(!f->Form->Document().Modified());
        f->Key(Qt::Key_Return);
        QCOMPARE(f->Form->Document().Values()[written], std::int16_t(555));
        if (written != 1)
            QCOMPARE(f->Form->Document().Values()[1], std::int16_t(1));
    }

    void menusLeaveTheTypedValueWaiting_data()
    {
        QTest::addColumn<QString>("script");
        QTest::newRow("menu opened by Alt+D, closed by Escape") << "Alt+D Escape Escape";
        QTest::newRow("menu bar by Alt alone") << "Alt Escape";
        QTest::newRow("menu bar by Alt, then a menu") << "Alt D Escape Escape";
        QTest::newRow("menu opened by a click, closed by Escape") << "click:Anzeige Escape Escape";
        QTest::newRow("menu opened by a click, one Escape") << "click:Bearbeiten Escape";
        QTest::newRow("menu opened by Alt+D, one Escape") << "Alt+D Escape";
        QTest::newRow("menu opened by a click, closed by a click on its title") << "click:Bearbeiten click:Bearbeiten";
        QTest::newRow("menu opened by a click, closed by a click elsewhere") << "click:Bearbeiten click:away";
    }

    void menusLeaveTheTypedValueWaiting()
    {
        QFETCH(QString, script);
        auto f = OpenDocument();
        const QByteArray original = FileBytes(f->Path("a.kos"));
        TypeWaiting(*f, 3, "777");
        f->Play(script);
        QTRY_COMPARE(f->Form->focusWidget(), f->Ui.Edit1);
        QCOMPARE(f->Ui.Edit1->text(), QStringLiteral("777"));
        QCOMPARE(f->Form->SelectedLines(), std::vector<int>{3});
        QCOMPARE(f->Form->Document().Values()[3], std::int16_t(3));
        QCOMPARE(FileBytes(f->Path("a.kos")), original);
        f->Key(Qt::Key_Return);
        QCOMPARE(f->Form->Document().Values()[3], std::int16_t(777));
    }

    void focusChangeAfterAMenuCommitsTheTypedValue_data()
    {
        menusLeaveTheTypedValueWaiting_data();
        QTest::newRow("no menu") << "";
    }

    // Keys typed after the menu still reach the field, and a click on another
    // line commits what the field holds, as it would without the menu.
    void focusChangeAfterAMenuCommitsTheTypedValue()
    {
        QFETCH(QString, script);
        auto f = OpenDocument();
        TypeWaiting(*f, 10, "9");
        f->Play(script);
        f->Type("1");
        f->ClickLine(20);
        QCOMPARE(f->Form->Document().Values()[10], std::int16_t(91));
        QCOMPARE(f->Form->SelectedLines(), std::vector<int>{20});
        QCOMPARE(f->Form->focusWidget(), f->Ui.Edit1);
        QCOMPARE(f->Ui.Edit1->text(), QStringLiteral("20"));
    }

    void meanFieldKeepsItsText_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("Strg+X") << "Ctrl+X";
        QTest::newRow("Strg+V") << "Ctrl+V";
        QTest::newRow("Strg+Entf") << "Ctrl+Del";
        QTest::newRow("Ausschneiden") << "Ausschneiden";
        QTest::newRow("Einfügen") << "Einfügen";
        QTest::newRow("Löschen") << "Löschen";
    }

    void meanFieldKeepsItsText()
    {
        QFETCH(QString, command);
        auto f = OpenDocument();
        // The fields' own cut, copy and paste use the desktop's clipboard.
        QGuiApplication::clipboard()->setText(QStringLiteral("99"));
        f->ClickLine(4);
        f->Ui.Mittelwert1->trigger();
        QTest::mouseClick(f->Ui.Edit3, Qt::LeftButton);
        f->Key(Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(f->Ui.Edit3->selectedText(), QStringLiteral("4"));
        if (command.startsWith(QLatin1String("Ctrl"))) {
            f->Play(command);
        } else {
            for (QAction* item : f->Ui.Bearbeiten1->actions())
                if (item->text().remove(u'&') == command)
                    item->trigger();
        }
        QCOMPARE(f->Ui.Edit3->text(), QStringLiteral("4"));
        // Copying still works.
        f->Key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("4"));
    }

    void undoingTypedTextLeavesTheFieldChanged()
    {
        auto f = OpenDocument();
        TypeWaiting(*f, 6, "5");
        f->Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f->Ui.Edit1->text(), QStringLiteral("6"));
        QVERIFY(f->Ui.Edit1->isModified());
        // Enter commits the field as the user left it and keeps the focus.
        f->Key(Qt::Key_Return);
        QCOMPARE(f->Form->focusWidget(), f->Ui.Edit1);
        QVERIFY(f->Form->Document().Modified());
        QCOMPARE(f->Form->SelectedLines(), std::vector<int>{7});
    }

    void rightClickInTheListKeepsTheSelection()
    {
        auto f = OpenDocument();
        f->ClickLine(3);
        f->ClickLine(4, Qt::LeftButton, Qt::ShiftModifier);
        f->Type("99");
        f->ClickLine(7, Qt::RightButton);
        QCOMPARE(f->Form->SelectedLines(), (std::vector<int>{3, 4}));
        QCOMPARE(f->RunLines(), (std::vector<int>{3, 4}));
        QCOMPARE(f->Form->focusWidget(), f->Ui.Edit1);
        QCOMPARE(f->Ui.Edit1->text(), QStringLiteral("99"));
        f->Key(Qt::Key_Return);
        QCOMPARE(f->Form->Document().Values()[3], std::int16_t(99));
        QCOMPARE(f->Form->Document().Values()[4], std::int16_t(99));
        QCOMPARE(f->Form->Document().Values()[7], std::int16_t(7));
    }

    void modeChangeScrollsAsSelectingInTurnWould_data()
    {
        QTest::addColumn<QList<int>>("runs");  // pairs of first and last line
        QTest::addColumn<int>("top");
        QTest::newRow("one run above the view") << QList<int>{5, 10} << 90;
        QTest::newRow("a run above, one below") << QList<int>{5, 10, 2000, 2005} << 90;
        QTest::newRow("a run taller than the view") << QList<int>{100, 400} << 0;
        QTest::newRow("inside the view") << QList<int>{95, 97} << 90;
        QTest::newRow("the last lines") << QList<int>{2490, 2499} << 0;
        QTest::newRow("every line") << QList<int>{0, 2499} << 1000;
    }

    void modeChangeScrollsAsSelectingInTurnWould()
    {
        QFETCH(QList<int>, runs);
        QFETCH(int, top);
        auto f = OpenDocument();
        TListBox* list = f->Ui.ListBox1;
        for (int i = 0; i + 1 < runs.size(); i += 2)
            list->selectionModel()->select(QItemSelection(list->model()->index(runs[i], 0),
                                                          list->model()->index(runs[i + 1], 0)),
                                           QItemSelectionModel::Select);
        f->Form->SyncRunsFromList();
        f->SetTopIndex(top);
        f->ClickMode(HexMode);
        const int shown = f->Form->TopIndex();

        f->SetTopIndex(top);
        for (int i = 0; i + 1 < runs.size(); i += 2)
            for (int line = runs[i]; line <= runs[i + 1]; ++line)
                list->scrollTo(list->model()->index(line, 0));
        QCOMPARE(shown, f->Form->TopIndex());
    }

    void errorOnLeavingByAClickWaitsForTheRelease()
    {
        auto f = OpenDocument();
        f->ClickMode(FixedPoint);
        // Too large for a double: the entry raises an error, not a quiet refusal.
        TypeWaiting(*f, 2, "1e400");
        f->Key(Qt::Key_Return);
        QCOMPARE(f->Windows.Errors.size(), 1);

        TListBox* list = f->Ui.ListBox1;
        const QPoint line6 = list->visualRect(list->model()->index(6, 0)).center();
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, line6);
        // The event loop runs while the button is held, as it does for a user.
        QTest::qWait(100);
        QCOMPARE(f->Windows.Errors.size(), 1);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, line6);
        QTRY_COMPARE(f->Windows.Errors.size(), 2);
        QCOMPARE(f->Windows.Errors[1], f->Windows.Errors[0]);
        QCOMPARE(f->Form->SelectedLines(), std::vector<int>{6});
        QCOMPARE(f->RunLines(), std::vector<int>{6});
        QCOMPARE(f->Ui.Edit1->text(), QStringLiteral("0,006"));
    }
};

QTEST_MAIN(TestFormInput)
#include "test_form_input.moc"
