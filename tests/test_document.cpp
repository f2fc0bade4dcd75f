#include "document/Document.h"
#include "coresupport/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class TestDocument : public QObject {
    Q_OBJECT

private slots:
    // Another process acts on the document's file after it was opened, then
    // the document may save.
    void changedOutside_data()
    {
        QTest::addColumn<QString>("elsewhere");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("changed");
        QTest::newRow("nothing") << "" << false << false;
        QTest::newRow("rewritten in place, same size") << "rewrite" << false << true;
        QTest::newRow("replaced by another file") << "replace" << false << true;
        QTest::newRow("deleted") << "delete" << false << false;
        QTest::newRow("created where the document found none") << "create" << false << true;
        QTest::newRow("rewritten, then saved by the document") << "rewrite" << true << false;
    }

    void changedOutside()
    {
        QFETCH(QString, elsewhere);
        QFETCH(bool, saved);
        QFETCH(bool, changed);
        QTemporaryDir dir;
        const QString path = dir.filePath("werte.kos");
        const QByteArray name = QFile::encodeName(path);
        // A minute old, so that a change now has another time of change even
        // on a file system with coarse times.
        const timespec minuteAgo[2]{{::time(nullptr) - 60, 0}, {::time(nullptr) - 60, 0}};
        if (elsewhere != QLatin1String("create"))
            WriteBytes(path, PatternBytes(ValueFileSize));
        ::utimensat(AT_FDCWD, name.constData(), minuteAgo, 0);
        TDocument document;
        document.Open(path);
        QVERIFY(!document.ChangedOutside());
        QCOMPARE(RunInOtherProcess([&] {
                     if (elsewhere == QLatin1String("replace") || elsewhere == QLatin1String("delete"))
                         ::unlink(name.constData());
                     if (!elsewhere.isEmpty() && elsewhere != QLatin1String("delete"))
                         WriteBytes(path, PatternBytes(ValueFileSize + 1).mid(1));
                     return 0;
                 }),
                 0);
        if (saved)
            document.Save();
        QCOMPARE(document.ChangedOutside(), changed);
    }
};

QTEST_GUILESS_MAIN(TestDocument)
#include "test_document.moc"
