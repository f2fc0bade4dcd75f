#include "support/FormFixture.h"

#include "controls/ListBox.h"
#include "diagram/PaintBox.h"

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
    static QList<bool> enabledStates(const TForm1& form)
    {
        QList<bool> states;
        for (QAction* item : {form.Speichern, form.Speichernunter, form.GrafikSpeichern, form.AusListekopieren1,
                              form.Zahlenwerte1, form.Grafik1, form.Mittelwert1, form.Kurvendarstellung})
            states << item->isEnabled();
        return states;
    }

    static void run(TFormFixture& f, TCommand command, const QString& openPath)
    {
        switch (command) {
        case TCommand::New: f.Form->Neu1->trigger(); break;
        case TCommand::Open: f.Open(openPath); break;
        case TCommand::Close: f.Form->Beenden1->trigger(); break;
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
        QCOMPARE(enabledStates(*f.Form), QList<bool>(8, false));
        QVERIFY(f.Form->Neu1->isEnabled() && f.Form->ffnen1->isEnabled() && f.Form->Beenden1->isEnabled());
        for (QWidget* hidden : std::initializer_list<QWidget*>{f.Form->ListBox1, f.Form->Edit1, f.Form->ScrollBox1,
                                                               f.Form->RadioGroup1, f.Form->Panel1, f.Form->Edit3})
            QVERIFY(hidden->isHidden());
        QVERIFY(f.Form->Label1->isVisible() && f.Form->Edit2->isVisible());
        QCOMPARE(f.Form->Edit2->text(), QStringLiteral("1"));
        QVERIFY(!f.Form->Loaded && !f.Form->Modified);
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
        const QList<QAction*> items{f.Form->Ausschneiden1, f.Form->Kopieren1, f.Form->AusListekopieren1,
                                    f.Form->Einfgen1, f.Form->Lschen1};
        QCOMPARE(items[item]->shortcut().toString(QKeySequence::NativeText), text);
    }

    void newPresentsZeroDocument()
    {
        TFormFixture f;
        f.Form->Neu1->trigger();
        QCOMPARE(f.Form->windowTitle(), NewTitle);
        QVERIFY(f.Form->Loaded && !f.Form->Modified);
        QCOMPARE(enabledStates(*f.Form), QList<bool>({true, true, true, true, true, true, true, true}));
        QVERIFY(f.Form->Zahlenwerte1->isChecked() && f.Form->Grafik1->isChecked());
        QVERIFY(!f.Form->Mittelwert1->isChecked());
        QCOMPARE(f.Form->ListBox1->model()->rowCount(), ValueCount);
        QCOMPARE(f.Form->ListBox1->model()->index(2499, 0).data().toString(), QStringLiteral("2499    0,000"));
        QVERIFY(f.Form->ListBox1->isVisible() && f.Form->Edit1->isVisible() && f.Form->ScrollBox1->isVisible());
        QVERIFY(f.Form->RadioGroup1->isVisible() && f.Form->Edit3->isHidden());
    }

    void openShowsFileAndResetsView()
    {
        TFormFixture f;
        const QString path = f.WriteValueFile("a.kos", -3);
        f.Open(path);
        QCOMPARE(f.Form->windowTitle(), QStringLiteral("KORAV-Editor - ") + path);
        QCOMPARE(f.Form->CurrentFileName, path);
        QCOMPARE((*f.Form->ValueBuffer)[0], std::int16_t(-3));
        QCOMPARE(f.Form->ListBox1->model()->index(3, 0).data().toString(), QStringLiteral("3    0,000"));
        QCOMPARE(f.Windows.Dialogs.back().Filter,
                 QStringLiteral("Sim-Dateien (*.kos)|*.k*|Echtzeit-Dateien (*.koe)|*.k*"));
    }

    void openOfMissingNameKeepsValuesUnderNewName()
    {
        TFormFixture f;
        f.Open(f.WriteValueFile("a.kos", 7));
        f.TypeValue(0, "1");
        QVERIFY(f.Form->Modified);
        f.Windows.Answers.push_back(TAnswer::No);
        f.Open(f.Path("neu.kos"));
        QCOMPARE(f.Form->windowTitle(), QStringLiteral("KORAV-Editor - ") + f.Path("neu.kos"));
        QVERIFY(!f.Form->Modified);
        QCOMPARE((*f.Form->ValueBuffer)[0], std::int16_t(1024));
        f.Form->Speichern->trigger();
        QCOMPARE(ReadBytes(f.Path("neu.kos")).size(), ValueFileSize);
    }

    void openOfMissingNameWithoutDocumentShowsNothing()
    {
        TFormFixture f;
        f.Open(f.Path("nothing.kos"));
        QCOMPARE(f.Form->windowTitle(), QStringLiteral("KORAV-Editor"));
        QVERIFY(!f.Form->Loaded);
        QVERIFY(f.Form->ListBox1->isHidden());
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
        const TValueBuffer before = *f.Form->ValueBuffer;
        WriteBytes(f.Path("bad.kos"), PatternBytes(size));
        if (readOnly)
            MakeReadOnly(f.Path("bad.kos"));
        f.Windows.Answers.push_back(TAnswer::No);
        f.Open(f.Path("bad.kos"));
        QCOMPARE(f.Windows.Errors, QStringList{message});
        QVERIFY(*f.Form->ValueBuffer == before);
        QCOMPARE(f.Form->CurrentFileName, good);
        QCOMPARE(f.Form->windowTitle(), QStringLiteral("KORAV-Editor - ") + good);
        QVERIFY(f.Form->Loaded && f.Form->Modified);
        QCOMPARE(f.Form->ListBox1->model()->index(1, 0).data().toString(), QStringLiteral("1    2,000"));
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
            f.Form->Neu1->trigger();
        else
            f.Open(target);
        f.TypeValue(0, "9");
        const QString title = f.Form->windowTitle();
        for (int answer : answers)
            f.Windows.Answers.push_back(TAnswer(answer));
        if (document.isEmpty())
            f.Windows.Paths.push_back(saved ? std::optional<QString>(target) : std::nullopt);
        run(f, TCommand(command), other);

        const QString expectedQuestion = (document.isEmpty() ? QStringLiteral("Neue Datei") : document) +
                                         QStringLiteral(" wurde geändert. Änderungen speichern?");
        QCOMPARE(f.Windows.Confirmations, QStringList{expectedQuestion});
        QCOMPARE(ReadBytes(target).left(2) == QByteArray::fromHex("0024"), saved);
        QCOMPARE(f.Form->isVisible(), !(goesOn && TCommand(command) == TCommand::Close));
        if (!goesOn) {
            QVERIFY(f.Form->Modified);
            QCOMPARE(f.Form->windowTitle(), title);
            QCOMPARE((*f.Form->ValueBuffer)[0], std::int16_t(9 * 1024));
        } else if (TCommand(command) != TCommand::Close) {
            QVERIFY(!f.Form->Modified);
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
            f.Form->Neu1->trigger();
        f.Form->Beenden1->trigger();
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
        f.Form->Beenden1->trigger();
        QVERIFY(f.Form->isVisible());
        QVERIFY(f.Form->Modified);
        QCOMPARE(f.Windows.Errors, QStringList{"Dateizugriff verweigert."});
        f.Form->Beenden1->trigger();
        QCOMPARE(f.Windows.Confirmations.size(), 2);
    }

    void saveOfNewDocumentAsksForName()
    {
        TFormFixture f;
        f.Form->Neu1->trigger();
        f.Form->Speichern->trigger();
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
        f.Form->Speichernunter->trigger();
        QCOMPARE(f.Windows.Confirmations, QStringList{"other.kos existiert bereits. Überschreiben?"});
        QCOMPARE(f.Windows.ConfirmationButtons.front(), TButtons::YesNo);
        QCOMPARE(f.Windows.Dialogs.size(), 3u);
        QCOMPARE(f.Windows.Dialogs[1].FileName, own);
        QCOMPARE(f.Windows.Dialogs[2].FileName, other);
        QVERIFY(!f.Form->Modified);
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
        f.Form->Speichernunter->trigger();
        QCOMPARE(f.Windows.Errors, QStringList{message});
        QCOMPARE(f.Form->CurrentFileName, own);
        QCOMPARE(f.Form->windowTitle(), QStringLiteral("KORAV-Editor - ") + own);
        QVERIFY(f.Form->Modified);
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
        f.Form->Neu1->trigger();
        f.Form->resize(size + QSize(10, 10));
        f.Form->SpeedButton1->click();
        f.Form->resize(size);
        QCOMPARE(f.Form->ListBox1->height(), listHeight);
        QCOMPARE(f.Form->ScrollBox1->size(), scrollBox);
        QCOMPARE(f.Form->PaintBox1->size(), QSize(2600, scrollBox.height() - 20));
    }

    void viewTogglesShowAndHidePanes()
    {
        TFormFixture f;
        f.Form->Neu1->trigger();
        f.Form->Zahlenwerte1->trigger();
        QVERIFY(f.Form->ListBox1->isHidden() && f.Form->Edit1->isHidden() && f.Form->Label2->isHidden());
        QCOMPARE(f.Form->ListBox1->model()->rowCount(), ValueCount);
        f.Form->Grafik1->trigger();
        QVERIFY(f.Form->ScrollBox1->isHidden() && f.Form->Panel1->isHidden());
        f.Form->Zahlenwerte1->trigger();
        QVERIFY(f.Form->ListBox1->isVisible() && f.Form->Edit1->isVisible());
    }
};

QTEST_MAIN(TestFormDocument)
#include "test_form_document.moc"
