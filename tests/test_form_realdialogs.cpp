#include "support/FormFixture.h"
#include "support/ModalDriver.h"
#include "coresupport/TestFiles.h"

#include "controls/ListBox.h"
#include "app/TForm1.h"
#include "desktop/QtWindowSystem.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QtEndian>

namespace {

const QStringList ValueFileFilters{QStringLiteral("Sim-Dateien (*.kos)"), QStringLiteral("Echtzeit-Dateien (*.koe)")};

// The main window with the window-system layer the program itself runs with.
struct TRealForm {
    TRealForm() : Form(TFormFixture::GermanForm(Windows)), Ui(*Form)
    {
        Windows.SetParent(Form.get());
        Form->show();
        Active = QTest::qWaitForWindowActive(Form.get());
    }

    [[nodiscard]] QString Write(const QString& name, const QByteArray& bytes) const
    {
        WriteBytes(Dir.filePath(name), bytes);
        return Dir.filePath(name);
    }

    // Runs `command` while `driver` answers the dialogs it opens.
    void Run(QAction* command, const TModalDriver& driver) const
    {
        QVERIFY(Active);
        command->trigger();
        QVERIFY2(driver.Finished(), driver.Report().constData());
    }

    // Opens `path` through the open dialog, entered in its file-name field.
    void Open(const QString& path, TShownFileDialog* shown = nullptr)
    {
        TModalDriver driver;
        driver.Then(TModalDriver::EnterFileName(path, shown));
        Run(Ui.ffnen1, driver);
    }

    [[nodiscard]] QByteArray BufferBytes() const
    {
        QByteArray bytes(ValueFileSize, '\0');
        for (int i = 0; i < ValueCount; ++i)
            qToLittleEndian<std::int16_t>(Form->Document().Value(i), bytes.data() + 2 * i);
        return bytes;
    }

    TQtWindowSystem Windows;
    QTemporaryDir Dir;
    std::unique_ptr<TForm1> Form;
    TFormControls Ui;
    bool Active = false;
};

}  // namespace

class TestFormRealDialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TFormFixture::InstallGermanTexts(); }

    void openTakesPathFromNameField_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::newRow("existing file") << true;
        // The dialog must accept a new name: the open command handles it.
        QTest::newRow("name that does not exist") << false;
    }

    void openTakesPathFromNameField()
    {
        QFETCH(bool, exists);
        TRealForm f;
        const QString path = exists ? f.Write(QStringLiteral("a.kos"), PatternBytes(ValueFileSize))
                                    : f.Dir.filePath(QStringLiteral("neu.kos"));
        TShownFileDialog shown;
        f.Open(path, &shown);
        QCOMPARE(shown.Filters, ValueFileFilters);
        QCOMPARE(f.Form->Document().CurrentFileName(), path);
        QCOMPARE(f.Form->Document().Loaded(), exists);
        QCOMPARE(f.Form->windowTitle(), exists ? QStringLiteral("KORAV-Editor - ") + path : QStringLiteral("KORAV-Editor"));
        if (exists)
            QCOMPARE(f.BufferBytes(), PatternBytes(ValueFileSize));
    }

    void openDialogKeepsTheChosenFilter()
    {
        TRealForm f;
        const QString path = f.Write(QStringLiteral("a.koe"), PatternBytes(ValueFileSize));
        {
            TModalDriver first;
            first.Then(TModalDriver::EnterFileName(path, nullptr, 1));
            f.Run(f.Ui.ffnen1, first);
        }
        TShownFileDialog shown;
        f.Open(path, &shown);
        QCOMPARE(shown.SelectedFilter, 1);
    }

    void saveAsAsksBeforeOverwriting()
    {
        TRealForm f;
        const QString source = f.Write(QStringLiteral("a.kos"), PatternBytes(ValueFileSize));
        const QByteArray other(ValueFileSize, '\x11');
        const QString target = f.Write(QStringLiteral("b.kos"), other);
        f.Open(source);

        TShownFileDialog first;
        TShownFileDialog again;
        TShownMessage question;
        QByteArray targetAfterNo;
        TModalDriver driver;
        driver.Then(TModalDriver::EnterFileName(target, &first))
            .Then(TModalDriver::Press(QStringLiteral("&Nein"), &question))
            .Then([&](QWidget* dialog) {
                targetAfterNo = ReadBytes(target);
                return TModalDriver::EnterFileName(target, &again)(dialog);
            })
            .Then(TModalDriver::Press(QStringLiteral("&Ja")));
        f.Run(f.Ui.Speichernunter, driver);

        QCOMPARE(first.PresetName, QStringLiteral("a.kos"));
        QCOMPARE(question.Title, QStringLiteral("Bestätigung"));
        QCOMPARE(question.Text, QStringLiteral("b.kos existiert bereits. Überschreiben?"));
        QCOMPARE(question.Buttons, (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nein")}));
        QCOMPARE(targetAfterNo, other);
        QCOMPARE(again.PresetName, QStringLiteral("b.kos"));
        QCOMPARE(ReadBytes(target), PatternBytes(ValueFileSize));
        QCOMPARE(f.Form->windowTitle(), QStringLiteral("KORAV-Editor - ") + target);
    }

    void errorDisplay_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("text");
        QTest::newRow("short file") << ValueFileSize - 1 << false << "Versuch hinter dem Dateiende zu lesen.";
        QTest::newRow("read-only file") << ValueFileSize << true << "Dateizugriff verweigert.";
    }

    void errorDisplay()
    {
        QFETCH(int, size);
        QFETCH(bool, readOnly);
        QFETCH(QString, text);
        TRealForm f;
        const QString path = f.Write(QStringLiteral("a.kos"), PatternBytes(size));
        if (readOnly)
            MakeReadOnly(path);
        TShownMessage shown;
        TModalDriver driver;
        driver.Then(TModalDriver::EnterFileName(path)).Then(TModalDriver::PressKey(Qt::Key_Return, &shown));
        f.Run(f.Ui.ffnen1, driver);
        QVERIFY(!QApplication::applicationName().isEmpty());
        QCOMPARE(shown.Title, QApplication::applicationName());
        QCOMPARE(shown.Icon, int(QMessageBox::Critical));
        QCOMPARE(shown.Text, text);
        QCOMPARE(shown.Buttons, QStringList{QStringLiteral("OK")});
    }

    void changePromptOnClose_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("closed");
        QTest::newRow("Ja") << "&Ja" << true << true;
        QTest::newRow("Nein") << "&Nein" << false << true;
        QTest::newRow("Abbrechen") << "Abbrechen" << false << false;
        // "&Ja" is the default button: Enter saves.
        QTest::newRow("Enter") << "Enter" << true << true;
        QTest::newRow("Escape") << "Escape" << false << false;
        QTest::newRow("close box") << "close box" << false << false;
    }

    void changePromptOnClose()
    {
        QFETCH(QString, answer);
        QFETCH(bool, saved);
        QFETCH(bool, closed);
        TRealForm f;
        const QString path = f.Write(QStringLiteral("a.kos"), PatternBytes(ValueFileSize));
        f.Open(path);
        QTest::mouseClick(f.Ui.RadioGroup1->findChildren<QRadioButton*>().at(IntegerMode), Qt::LeftButton, {},
                          QPoint(5, 10));
        TFormFixture::TypeValue(f.Ui, 0, QStringLiteral("17185"));
        const QByteArray changed = f.BufferBytes();

        TShownMessage shown;
        TModalDriver driver;
        if (answer == QLatin1String("Escape") || answer == QLatin1String("Enter"))
            driver.Then(TModalDriver::PressKey(QKeySequence(answer)[0].key(), &shown));
        else if (answer == QLatin1String("close box"))
            driver.Then(TModalDriver::CloseBox(&shown));
        else
            driver.Then(TModalDriver::Press(answer, &shown));
        f.Run(f.Ui.Beenden1, driver);

        QCOMPARE(shown.Title, QStringLiteral("Bestätigung"));
        QCOMPARE(shown.Text, QStringLiteral("a.kos wurde geändert. Änderungen speichern?"));
        QCOMPARE(shown.Buttons, (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nein"), QStringLiteral("Abbrechen")}));
        QCOMPARE(ReadBytes(path), saved ? changed : PatternBytes(ValueFileSize));
        QCOMPARE(f.Form->isVisible(), !closed);
        QCOMPARE(f.Form->Document().Modified(), !saved);
    }

    void copyListFillsClipboard_data()
    {
        QTest::addColumn<QList<int>>("lines");
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("two lines") << QList<int>{5, 3} << "3    1,756\r\n5    2,760\r\n";
        QTest::newRow("none keeps the clipboard") << QList<int>{} << "vorher";
    }

    void copyListFillsClipboard()
    {
        QFETCH(QList<int>, lines);
        QFETCH(QString, clipboard);
        TRealForm f;
        f.Open(f.Write(QStringLiteral("a.kos"), PatternBytes(ValueFileSize)));
        QGuiApplication::clipboard()->setText(QStringLiteral("vorher"));
        QItemSelectionModel* selection = f.Ui.ListBox1->selectionModel();
        for (const int line : lines)
            selection->select(f.Ui.ListBox1->model()->index(line, 0), QItemSelectionModel::Select);
        f.Ui.AusListekopieren1->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    }
};

QTEST_MAIN(TestFormRealDialogs)
#include "test_form_realdialogs.moc"
