// The ways into the editor beside "Öffnen...": a file named on the command
// line, a file dropped onto the window, and the help and version texts.
#include "support/FormFixture.h"

#include "app/EditorArguments.h"

#include <QMimeData>
#include <QProcess>
#include <QUrl>

namespace {

using TAction = TEditorArguments::TAction;

// Drags `paths` over `target` and drops them there, as a file manager does;
// true when the drag was accepted.
bool DropFiles(QWidget* target, const QStringList& paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    data.setText(paths.join(u'\n'));
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

}  // namespace

class TestEditorStart : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TFormFixture::InstallGermanTexts(); }

    void argumentsAreRead_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("file");
        QTest::newRow("none") << QStringList{} << int(TAction::Run) << "";
        QTest::newRow("a file") << QStringList{"a.kos"} << int(TAction::Run) << "a.kos";
        QTest::newRow("help") << QStringList{"a.kos", "--help"} << int(TAction::Help) << "";
        QTest::newRow("short help") << QStringList{"-h"} << int(TAction::Help) << "";
        QTest::newRow("version") << QStringList{"--version"} << int(TAction::Version) << "";
        QTest::newRow("unknown option") << QStringList{"--ohne"} << int(TAction::Error) << "";
        QTest::newRow("two files") << QStringList{"a.kos", "b.kos"} << int(TAction::Error) << "";
        QTest::newRow("a name like an option") << QStringList{"--", "-a.kos"} << int(TAction::Run) << "-a.kos";
    }

    void argumentsAreRead()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(QString, file);
        const TEditorArguments parsed = ParseEditorArguments(arguments);
        QCOMPARE(int(parsed.Action), action);
        QCOMPARE(parsed.File, file);
        QCOMPARE(parsed.Message.isEmpty(), action != int(TAction::Error));
    }

    // Help and version need no display: the program ends before it would
    // connect to one.
    void helpAndVersionNeedNoDisplay_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        QTest::newRow("help") << "--help" << 0 << "Aufruf: KoravEditor [DATEI]\n";
        QTest::newRow("version") << "--version" << 0 << "KoravEditor " KORAV_VERSION "\n";
        QTest::newRow("unknown option") << "--ohne" << 1 << "Unbekannte Option: --ohne\n";
    }

    void helpAndVersionNeedNoDisplay()
    {
        QFETCH(QString, argument);
        QFETCH(int, status);
        QFETCH(QString, output);
        QProcess editor;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.remove(QStringLiteral("DISPLAY"));
        editor.setProcessEnvironment(environment);
        editor.start(QStringLiteral(KORAV_EDITOR), {argument});
        QVERIFY(editor.waitForFinished(30000));
        QCOMPARE(editor.exitCode(), status);
        const QByteArray shown = status == 0 ? editor.readAllStandardOutput() : editor.readAllStandardError();
        QVERIFY2(QString::fromUtf8(shown).startsWith(output), shown.constData());
    }

    void fileOpensFromOutside_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QString>("error");
        QTest::newRow("command line") << "command line" << "a.kos" << true << "";
        QTest::newRow("command line, relative name") << "relative" << "a.kos" << true << "";
        QTest::newRow("command line, no such file") << "command line" << "fehlt.kos" << false
                                                    << "Datei nicht gefunden.";
        QTest::newRow("dropped on the window") << "window" << "a.k12" << true << "";
        QTest::newRow("dropped on the entry field") << "Edit1" << "a.koe" << true << "";
        QTest::newRow("dropped on the list") << "ListBox1" << "a.kos" << true << "";
        QTest::newRow("dropped, not a value file") << "window" << "a.txt" << false << "";
        QTest::newRow("dropped, two files") << "window" << "a.kos b.kos" << false << "";
    }

    void fileOpensFromOutside()
    {
        QFETCH(QString, way);
        QFETCH(QString, name);
        QFETCH(bool, opened);
        QFETCH(QString, error);
        TFormFixture f;
        // A document is open, so that the list and the field can take the drop.
        f.Ui.Neu1->trigger();
        QStringList paths;
        for (const QString& file : name.split(u' '))
            paths << (file.startsWith(QLatin1String("fehlt")) ? f.Path(file) : f.WriteValueFile(file, 7));
        if (way == QLatin1String("command line")) {
            f.Form->OpenFile(paths.front());
        } else if (way == QLatin1String("relative")) {
            const QString started = QDir::currentPath();
            QDir::setCurrent(f.Path(QString()));
            f.Form->OpenFile(QStringLiteral("../%1/%2").arg(QFileInfo(f.Dir.path()).fileName(), name));
            QDir::setCurrent(started);
            QCOMPARE(f.Form->windowTitle(), QStringLiteral("KORAV-Editor - ") + paths.front());
        }
        else if (way == QLatin1String("window"))
            QCOMPARE(DropFiles(f.Form.get(), paths), opened);
        else
            QCOMPARE(DropFiles(f.Form->findChild<QWidget*>(way), paths), opened);
        QCOMPARE(f.Form->Document().CurrentFileName(), opened ? paths.front() : TDocument::NewFileName);
        QCOMPARE(f.Form->Document().Value(0), std::int16_t(opened ? 7 : 0));
        QCOMPARE(f.Windows.Errors, error.isEmpty() ? QStringList{} : QStringList{error});
        QCOMPARE(f.Ui.Edit1->text().contains(u'/'), false);
    }

    // A drop asks about unsaved changes first, as "Öffnen..." does.
    void dropOntoAChangedDocumentAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("opened");
        QTest::newRow("Nein") << int(TAnswer::No) << true;
        QTest::newRow("Abbrechen") << int(TAnswer::Cancel) << false;
    }

    void dropOntoAChangedDocumentAsksFirst()
    {
        QFETCH(int, answer);
        QFETCH(bool, opened);
        TFormFixture f;
        f.Ui.Neu1->trigger();
        f.TypeValue(0, QStringLiteral("1"));
        f.Windows.Answers = {TAnswer(answer)};
        QVERIFY(DropFiles(f.Form.get(), {f.WriteValueFile("b.kos", 7)}));
        QCOMPARE(f.Windows.Confirmations, QStringList{"Neue Datei wurde geändert. Änderungen speichern?"});
        QCOMPARE(f.Form->Document().CurrentFileName() == f.Path("b.kos"), opened);
    }
};

QTEST_MAIN(TestEditorStart)
#include "test_editor_start.moc"
