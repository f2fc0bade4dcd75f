#include "support/FormFixture.h"

#include "controls/ListBox.h"
#include "controls/PaintBox.h"

#include <QAction>
#include <QGroupBox>
#include <QToolButton>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>

namespace {

enum class TCommand { New, Open, Close };

const QString NewTitle = QStringLiteral("KORAV-Editor - Neue Datei");

}  // namespace

class TestFormDocument : public QObject {
    Q_OBJECT

private:
    static QList<bool> EnabledStates(const TFormControls& ui)
    {
        QList<bool> states;
        for (QAction* item : {ui.Speichern, ui.Speichernunter, ui.GrafikSpeichern, ui.AusListekopieren1,
                              ui.Zahlenwerte1, ui.Grafik1, ui.Mittelwert1, ui.Kurvendarstellung})
            states << item->isEnabled();
        return states;
    }

    static void Run(TFormFixture& f, TCommand command, const QString& openPath)
    {
        switch (command) {
        case TCommand::New: f.Ui.Neu1->trigger(); break;
        case TCommand::Open: f.Open(openPath); break;
        case TCommand::Close: f.Ui.Beenden1->trigger(); break;
        }
    }

private slots:
    void initTestCase() { TFormFixture::InstallGermanTexts(); }

    void startsWithoutDocument()
    {
        TFormFixture f;
        QCOMPARE(f.Form->windowTitle(), QStringLiteral("KORAV-Editor"));
        QCOMPARE(f.Form->geometry().topLeft(), QPoint(190, 141));
        QCOMPARE(f.Form->size(), QSize(650, 500));
        QCOMPARE(f.Form->minimumSize(), QSize(650, 500));
        QCOMPARE(EnabledStates(f.Ui), QList<bool>(8, false));
        QVERIFY(f.Ui.Neu1->isEnabled() && f.Ui.ffnen1->isEnabled() && f.Ui.Beenden1->isEnabled());
        for (QWidget* hidden : std::initializer_list<QWidget*>{f.Ui.ListBox1, f.Ui.Edit1, f.Ui.ScrollBox1,
                                                               f.Ui.RadioGroup1, f.Ui.Panel1, f.Ui.Edit3})
            QVERIFY(hidden->isHidden());
        QVERIFY(f.Ui.Label1->isVisible() && f.Ui.Edit2->isVisible());
        QCOMPARE(f.Ui.Edit2->text(), QStringLiteral("1"));
        QVERIFY(!f.Form->Document().Loaded() && !f.Form->Document().Modified());
    }

    void shortcutsReadInGerman_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("text");
        QTest::newRow("cut") << 0 << "Strg+X";
        QTest::newRow("copy") << 1 << "Strg+C";
        QTest::newRow("copy list") << 2 << "Strg+L";
        QTest::newRow("paste") << 3 << "Strg+V";
        QTest::newRow("delete") << 4 << "Strg+Entf";
    }

    void shortcutsReadInGerman()
    {
        QFETCH(int, item);
        QFETCH(QString, text);
        TFormFixture f;
        const QList<QAction*> items{f.Ui.Ausschneiden1, f.Ui.Kopieren1, f.Ui.AusListekopieren1,
                                    f.Ui.Einfgen1, f.Ui.Lschen1};
        QCOMPARE(items[item]->shortcut().toString(QKeySequence::NativeText), text);
    }

    void newPresentsZeroDocument()
    {
        TFormFixture f;
        f.Ui.Neu1->trigger();
        QCOMPARE(f.Form->windowTitle(), NewTitle);
        QVERIFY(f.Form->Document().Loaded() && !f.Form->Document().Modified());
        QCOMPARE(EnabledStates(f.Ui), QList<bool>({true, true, true, true, true, true, true, true}));
        QVERIFY(f.Ui.Zahlenwerte1->isChecked() && f.Ui.Grafik1->isChecked());
        QVERIFY(!f.Ui.Mittelwert1->isChecked());
        QCOMPARE(f.Ui.ListBox1->model()->rowCount(), ValueCount);
        QCOMPARE(f.Ui.ListBox1->model()->index(2499, 0).data().toString(), QStringLiteral("2499    0,000"));
        QVERIFY(f.Ui.ListBox1->isVisible() && f.Ui.Edit1->isVisible() && f.Ui.ScrollBox1->isVisible());
        QVERIFY(f.Ui.RadioGroup1->isVisible() && f.Ui.Edit3->isHidden());
    }

    void openShowsFileAndResetsView()
    {
        TFormFixture f;
        const QString path = f.WriteValueFile("a.kos", -3);
        f.Open(path);
        QCOMPARE(f.Form->windowTitle(), QStringLiteral("KORAV-Editor - ") + path);
        QCOMPARE(f.Form->Document().CurrentFileName(), path);
        QCOMPARE(f.Form->Document().Values()[0], std::int16_t(-3));
        QCOMPARE(f.Ui.ListBox1->model()->index(3, 0).data().toString(), QStringLiteral("3    0,000"));
        QCOMPARE(f.Windows.Dialogs.back().Filter,
                 QStringLiteral("Sim-Dateien (*.kos)|*.k*|Echtzeit-Dateien (*.koe)|*.k*"));
    }

    // A second document starts as the first did: mean view off, no runs
    // left over from the selection of the one before.
    void secondDocumentStartsAfresh_data()
    {
        QTest::addColumn<bool>("open");
        QTest::newRow("Neu...") << false;
        QTest::newRow("Öffnen...") << true;
    }

    void secondDocumentStartsAfresh()
    {
        QFETCH(bool, open);
        TFormFixture f;
        f.Open(f.WriteValueFile("a.kos"));
        f.ClickLine(3);
        f.ClickLine(5, Qt::LeftButton, Qt::ShiftModifier);
        f.Ui.Mittelwert1->trigger();
        QVERIFY(!f.Form->Diagram().Runs().empty() && f.Ui.Edit3->isVisible());
        if (open)
            f.Open(f.WriteValueFile("b.kos"));
        else
            f.Ui.Neu1->trigger();
        QVERIFY(f.Form->Diagram().Runs().empty());
        QVERIFY(!f.Ui.Mittelwert1->isChecked());
        QVERIFY(f.Ui.Edit3->isHidden() && f.Ui.Label3->isHidden());
        QVERIFY(f.Form->SelectedLines().empty());
        QCOMPARE(f.Form->windowTitle(), open ? QStringLiteral("KORAV-Editor - ") + f.Path("b.kos") : NewTitle);
    }

    void saveAsRenamesTheDocument()
    {
        TFormFixture f;
        f.Ui.Neu1->trigger();
        f.TypeValue(0, "1");
        f.Windows.Paths = {f.Path("neu.kos")};
        f.Ui.Speichernunter->trigger();
        QCOMPARE(f.Form->windowTitle(), QStringLiteral("KORAV-Editor - ") + f.Path("neu.kos"));
        QCOMPARE(f.Form->Document().CurrentFileName(), f.Path("neu.kos"));
        QVERIFY(!f.Form->Document().Modified());
        QCOMPARE(ReadBytes(f.Path("neu.kos")).left(2), QByteArray::fromHex("0004"));
    }

    void openOfMissingNameKeepsValuesUnderNewName()
    {
        TFormFixture f;
        f.Open(f.WriteValueFile("a.kos", 7));
        f.TypeValue(0, "1");
        QVERIFY(f.Form->Document().Modified());
        f.Windows.Answers.push_back(TAnswer::No);
        f.Open(f.Path("neu.kos"));
        QCOMPARE(f.Form->windowTitle(), QStringLiteral("KORAV-Editor - ") + f.Path("neu.kos"));
        QVERIFY(!f.Form->Document().Modified());
        QCOMPARE(f.Form->Document().Values()[0], std::int16_t(1024));
        f.Ui.Speichern->trigger();
        QCOMPARE(ReadBytes(f.Path("neu.kos")).size(), ValueFileSize);
    }

    void openOfMissingNameWithoutDocumentShowsNothing()
    {
        TFormFixture f;
        f.Open(f.Path("nothing.kos"));
        QCOMPARE(f.Form->windowTitle(), QStringLiteral("KORAV-Editor"));
        QVERIFY(!f.Form->Document().Loaded());
        QVERIFY(f.Ui.ListBox1->isHidden());
    }

    void failedOpenChangesNothing_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << 0 << false << "Versuch hinter dem Dateiende zu lesen.";
        QTest::newRow("short") << 4999 << false << "Versuch hinter dem Dateiende zu lesen.";
        QTest::newRow("read-only") << 5000 << true << "Dateizugriff verweigert.";
    }

    void failedOpenChangesNothing()
    {
        QFETCH(int, size);
        QFETCH(bool, readOnly);
        QFETCH(QString, message);
        TFormFixture f;
        const QString good = f.WriteValueFile("good.kos", 5);
        f.Open(good);
        f.TypeValue(1, "2");
        const TValueBuffer before = f.Form->Document().Values();
        WriteBytes(f.Path("bad.kos"), PatternBytes(size));
        if (readOnly)
            MakeReadOnly(f.Path("bad.kos"));
        f.Windows.Answers.push_back(TAnswer::No);
        f.Open(f.Path("bad.kos"));
        QCOMPARE(f.Windows.Errors, QStringList{message});
        QVERIFY(f.Form->Document().Values() == before);
        QCOMPARE(f.Form->Document().CurrentFileName(), good);
        QCOMPARE(f.Form->windowTitle(), QStringLiteral("KORAV-Editor - ") + good);
        QVERIFY(f.Form->Document().Loaded() && f.Form->Document().Modified());
        QCOMPARE(f.Ui.ListBox1->model()->index(1, 0).data().toString(), QStringLiteral("1    2,000"));
    }

    void changePrompt_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("goesOn");
        const auto yes = int(TAnswer::Yes);
        const auto no = int(TAnswer::No);
        const auto cancel = int(TAnswer::Cancel);
        for (const auto& [command, name] : {std::pair{TCommand::New, "new"}, std::pair{TCommand::Open, "open"},
                                            std::pair{TCommand::Close, "close"}}) {
            const int c = int(command);
            QTest::addRow("%s yes", name) << c << "a.kos" << QList<int>{yes} << true << true;
            QTest::addRow("%s no", name) << c << "a.kos" << QList<int>{no} << false << true;
            QTest::addRow("%s cancel", name) << c << "a.kos" << QList<int>{cancel} << false << false;
            // Asked to keep the changes, the user then cancels the save dialog:
            // the command must not throw them away.
            QTest::addRow("%s yes, save dialog cancelled", name) << c << "" << QList<int>{yes} << false << false;
            QTest::addRow("%s yes, saved as", name) << c << "" << QList<int>{yes} << true << true;
        }
    }

    void changePrompt()
    {
        QFETCH(int, command);
        QFETCH(QString, document);
        QFETCH(QList<int>, answers);
        QFETCH(bool, saved);
        QFETCH(bool, goesOn);
        TFormFixture f;
        const QString other = f.WriteValueFile("other.kos", 100);
        const QString target = document.isEmpty() ? f.Path("saved-as.kos") : f.WriteValueFile(document);
        if (document.isEmpty())
            f.Ui.Neu1->trigger();
        else
            f.Open(target);
        f.TypeValue(0, "9");
        const QString title = f.Form->windowTitle();
        for (int answer : answers)
            f.Windows.Answers.push_back(TAnswer(answer));
        if (document.isEmpty())
            f.Windows.Paths.push_back(saved ? std::optional<QString>(target) : std::nullopt);
        Run(f, TCommand(command), other);

        const QString expectedQuestion = (document.isEmpty() ? QStringLiteral("Neue Datei") : document) +
                                         QStringLiteral(" wurde geändert. Änderungen speichern?");
        QCOMPARE(f.Windows.Confirmations, QStringList{expectedQuestion});
        QCOMPARE(ReadBytes(target).left(2) == QByteArray::fromHex("0024"), saved);
        QCOMPARE(f.Form->isVisible(), !(goesOn && TCommand(command) == TCommand::Close));
        if (!goesOn) {
            QVERIFY(f.Form->Document().Modified());
            QCOMPARE(f.Form->windowTitle(), title);
            QCOMPARE(f.Form->Document().Values()[0], std::int16_t(9 * 1024));
        } else if (TCommand(command) != TCommand::Close) {
            QVERIFY(!f.Form->Document().Modified());
            const QString expectedTitle = TCommand(command) == TCommand::New
                                              ? NewTitle
                                              : QStringLiteral("KORAV-Editor - ") + other;
            QCOMPARE(f.Form->windowTitle(), expectedTitle);
        }
    }

    void noPromptWithoutChanges_data()
    {
        QTest::addColumn<bool>("loaded");
        QTest::newRow("no document") << false;
        QTest::newRow("unchanged document") << true;
    }

    void noPromptWithoutChanges()
    {
        QFETCH(bool, loaded);
        TFormFixture f;
        if (loaded)
            f.Ui.Neu1->trigger();
        f.Ui.Beenden1->trigger();
        QVERIFY(f.Windows.Confirmations.isEmpty());
        QVERIFY(!f.Form->isVisible());
    }

    void failingSaveAtCloseKeepsWindowOpen()
    {
        TFormFixture f;
        const QString path = f.WriteValueFile("a.kos");
        f.Open(path);
        f.TypeValue(0, "1");
        MakeReadOnly(path);
        f.Windows.Answers = {TAnswer::Yes, TAnswer::Yes};
        f.Ui.Beenden1->trigger();
        QVERIFY(f.Form->isVisible());
        QVERIFY(f.Form->Document().Modified());
        QCOMPARE(f.Windows.Errors, QStringList{"Dateizugriff verweigert."});
        f.Ui.Beenden1->trigger();
        QCOMPARE(f.Windows.Confirmations.size(), 2);
    }

    void saveOfNewDocumentAsksForName()
    {
        TFormFixture f;
        f.Ui.Neu1->trigger();
        f.Ui.Speichern->trigger();
        QCOMPARE(f.Windows.Dialogs.size(), 1u);
        QVERIFY(f.Windows.Dialogs.front().Save);
        QCOMPARE(f.Windows.Dialogs.front().FileName, QString());
        QCOMPARE(f.Form->windowTitle(), NewTitle);
    }

    void saveAsAsksBeforeOverwritingAnotherFile()
    {
        TFormFixture f;
        const QString own = f.WriteValueFile("own.kos");
        const QString other = f.WriteValueFile("other.kos", 50);
        f.Open(own);
        f.TypeValue(0, "1");
        f.Windows.Paths = {other, own};
        f.Windows.Answers = {TAnswer::No};
        f.Ui.Speichernunter->trigger();
        QCOMPARE(f.Windows.Confirmations, QStringList{"other.kos existiert bereits. Überschreiben?"});
        QCOMPARE(f.Windows.ConfirmationButtons.front(), TButtons::YesNo);
        QCOMPARE(f.Windows.Dialogs.size(), 3u);
        QCOMPARE(f.Windows.Dialogs[1].FileName, own);
        QCOMPARE(f.Windows.Dialogs[2].FileName, other);
        QVERIFY(!f.Form->Document().Modified());
        QCOMPARE(ReadBytes(own).left(2), QByteArray::fromHex("0004"));
        QCOMPARE(ReadBytes(other).left(2), QByteArray::fromHex("3200"));
    }

    void failedSaveAsKeepsName_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing folder") << "nowhere/x.kos" << "Ungültiger Dateiname.";
        QTest::newRow("full disk") << "/dev/full" << "Zu wenig Speicherplatz.";
    }

    void failedSaveAsKeepsName()
    {
        QFETCH(QString, target);
        QFETCH(QString, message);
        TFormFixture f;
        const QString own = f.WriteValueFile("own.kos");
        f.Open(own);
        f.TypeValue(0, "1");
        f.Windows.Paths = {target.startsWith(u'/') ? target : f.Path(target)};
        f.Windows.Answers = {TAnswer::Yes};
        f.Ui.Speichernunter->trigger();
        QCOMPARE(f.Windows.Errors, QStringList{message});
        QCOMPARE(f.Form->Document().CurrentFileName(), own);
        QCOMPARE(f.Form->windowTitle(), QStringLiteral("KORAV-Editor - ") + own);
        QVERIFY(f.Form->Document().Modified());
    }

    // A value typed without Enter goes into the file, and nothing is left to ask.
    void typedValueIsCommittedBeforeSaveAndClose_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("questions");
        QTest::newRow("Speichern") << "Ctrl+S" << "a.kos" << QStringList{};
        QTest::newRow("save from the keyboard") << "Alt+D S" << "a.kos" << QStringList{};
        QTest::newRow("Speichern unter") << "Ctrl+Shift+S" << "b.kos" << QStringList{};
        QTest::newRow("Beenden") << "Ctrl+Q" << "a.kos"
                                 << QStringList{"a.kos wurde geändert. Änderungen speichern?"};
    }

    void typedValueIsCommittedBeforeSaveAndClose()
    {
        QFETCH(QString, keys);
        QFETCH(QString, file);
        auto f = TFormFixture::WithDocument(FixedPoint);
        f->Windows.Paths.push_back(f->Path(file));
        f->Windows.Answers.push_back(TAnswer::Yes);
        f->ClickLine(7);
        f->Type("6");
        f->Play(keys);
        QTEST(f->Windows.Confirmations, "questions");
        QCOMPARE(ReadBytes(f->Path(file)).mid(14, 2), QByteArray("\x00\x18", 2));
        QVERIFY(!f->Form->Document().Modified());
        f->Play("Tab");
        QVERIFY(!f->Form->Document().Modified());
    }

    void saveAsksWhenAnotherProgramChangedTheFile_data()
    {
        QTest::addColumn<TAnswer>("answer");
        QTest::addColumn<QByteArray>("kept");
        QTest::newRow("Ja saves") << TAnswer::Yes << QByteArray("\x05\x00", 2);
        QTest::newRow("Nein keeps the other program's file") << TAnswer::No << QByteArray("\x07\x07", 2);
    }

    // A second writer's change is not undone without a question.
    void saveAsksWhenAnotherProgramChangedTheFile()
    {
        QFETCH(TAnswer, answer);
        auto f = TFormFixture::WithDocument(IntegerMode);
        f->TypeValue(1, QStringLiteral("5"));
        WriteBytes(f->Path("a.kos"), QByteArray(ValueFileSize + 2, '\7'));
        f->Windows.Answers.push_back(answer);
        f->Key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f->Windows.Confirmations,
                 QStringList{"a.kos wurde außerhalb des Editors geändert. Trotzdem speichern?"});
        QTEST(ReadBytes(f->Path("a.kos")).mid(2, 2), "kept");
        QCOMPARE(f->Form->Document().Modified(), answer == TAnswer::No);
    }

    void resizeFitsPanes_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("listHeight");
        QTest::addColumn<QSize>("scrollBox");
        QTest::newRow("minimum") << QSize(650, 500) << 433 << QSize(401, 257);
        QTest::newRow("larger") << QSize(800, 600) << 533 << QSize(551, 357);
    }

    void resizeFitsPanes()
    {
        QFETCH(QSize, size);
        QFETCH(int, listHeight);
        QFETCH(QSize, scrollBox);
        TFormFixture f;
        f.Ui.Neu1->trigger();
        f.Form->resize(size + QSize(10, 10));
        f.Ui.SpeedButton1->click();
        f.Form->resize(size);
        QCOMPARE(f.Ui.ListBox1->height(), listHeight);
        QCOMPARE(f.Ui.ScrollBox1->size(), scrollBox);
        QCOMPARE(f.Ui.PaintBox1->size(), QSize(2600, scrollBox.height() - 20));
    }

    void viewTogglesShowAndHidePanes()
    {
        TFormFixture f;
        f.Ui.Neu1->trigger();
        f.Ui.Zahlenwerte1->trigger();
        QVERIFY(f.Ui.ListBox1->isHidden() && f.Ui.Edit1->isHidden() && f.Ui.Label2->isHidden());
        QCOMPARE(f.Ui.ListBox1->model()->rowCount(), ValueCount);
        f.Ui.Grafik1->trigger();
        QVERIFY(f.Ui.ScrollBox1->isHidden() && f.Ui.Panel1->isHidden());
        f.Ui.Zahlenwerte1->trigger();
        QVERIFY(f.Ui.ListBox1->isVisible() && f.Ui.Edit1->isVisible());
    }
};

QTEST_MAIN(TestFormDocument)
#include "test_form_document.moc"
