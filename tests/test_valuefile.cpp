#include "coresupport/TestFiles.h"
#include "values/IoError.h"
#include "values/ValueFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

class TestValueFile : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    [[nodiscard]] QString path(const QString& name) const { return dir_.filePath(name); }

    // A named pipe in the test's folder.
    [[nodiscard]] QString fifo(const QString& name) const
    {
        ::mkfifo(QFile::encodeName(path(name)).constData(), 0644);
        return path(name);
    }

    static TValueBuffer filled(std::int16_t first)
    {
        TValueBuffer buffer{};
        for (int i = 0; i < ValueCount; ++i)
            buffer[i] = static_cast<std::int16_t>(first + 7 * i);
        return buffer;
    }

    // Runs `operation`, which must throw EInOutError; returns its code.
    template <typename Operation>
    static int errorCode(Operation operation)
    {
        try {
            operation();
        } catch (const EInOutError& error) {
            return error.Code();
        }
        return 0;
    }

private slots:
    void loadDecodesLittleEndianSignedValues()
    {
        QByteArray bytes = PatternBytes(ValueFileSize);
        bytes.replace(0, 8, QByteArray::fromHex("01 00 FF 7F 00 80 FF FF"));
        WriteBytes(path("a.kos"), bytes);
        TValueBuffer buffer{};
        QVERIFY(LoadValueFile(path("a.kos"), buffer));
        QCOMPARE(buffer[0], std::int16_t(1));
        QCOMPARE(buffer[1], std::int16_t(32767));
        QCOMPARE(buffer[2], std::int16_t(-32768));
        QCOMPARE(buffer[3], std::int16_t(-1));
        QCOMPARE(buffer[2499], std::int16_t(static_cast<std::uint8_t>(4998 & 0xFF) | (4999 & 0xFF) << 8));
    }

    void loadFailures_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<int>("code");
        QTest::newRow("empty file") << 0 << false << 100;
        QTest::newRow("one byte short") << 4999 << false << 100;
        QTest::newRow("read-only file") << 5000 << true << 5;
    }

    void loadFailures()
    {
        QFETCH(int, size);
        QFETCH(bool, readOnly);
        QFETCH(int, code);
        const QString name = path(QStringLiteral("bad%1.kos").arg(QTest::currentDataTag()));
        WriteBytes(name, PatternBytes(size));
        if (readOnly)
            MakeReadOnly(name);
        TValueBuffer buffer = filled(3);
        const TValueBuffer before = buffer;
        QCOMPARE(errorCode([&] { (void)LoadValueFile(name, buffer); }), code);
        QVERIFY(buffer == before);
    }

    void loadOfNoFileChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing file") << path("missing.kos");
        QTest::newRow("folder") << dir_.path();
        QTest::newRow("missing folder") << path("nowhere/x.kos");
        QTest::newRow("empty name") << QString();
        QTest::newRow("NUL in name") << path(QStringLiteral("a%1b").arg(QChar(u'\0')));
    }

    void loadOfNoFileChangesNothing()
    {
        QFETCH(QString, name);
        TValueBuffer buffer = filled(5);
        QVERIFY(!LoadValueFile(name, buffer));
        QVERIFY(buffer == filled(5));
    }

    void saveKeepsTailAndGrowsShortFiles_data()
    {
        QTest::addColumn<int>("existingSize");
        QTest::addColumn<int>("savedSize");
        QTest::newRow("new file") << -1 << 5000;
        QTest::newRow("short file grows") << 100 << 5000;
        QTest::newRow("exact size") << 5000 << 5000;
        QTest::newRow("longer file keeps its tail") << 6000 << 6000;
    }

    void saveKeepsTailAndGrowsShortFiles()
    {
        QFETCH(int, existingSize);
        QFETCH(int, savedSize);
        const QString name = path(QStringLiteral("save%1.kos").arg(existingSize));
        const QByteArray old = existingSize >= 0 ? PatternBytes(existingSize) : QByteArray();
        if (existingSize >= 0)
            WriteBytes(name, old);
        SaveValueFile(name, filled(-100));
        const QByteArray saved = ReadBytes(name);
        QCOMPARE(saved.size(), savedSize);
        QCOMPARE(saved.mid(ValueFileSize), old.mid(ValueFileSize));
        TValueBuffer back{};
        QVERIFY(LoadValueFile(name, back));
        QVERIFY(back == filled(-100));
    }

    void loadThenSaveReproducesTheFile()
    {
        const QByteArray original = PatternBytes(5200);
        WriteBytes(path("round.kos"), original);
        TValueBuffer buffer{};
        QVERIFY(LoadValueFile(path("round.kos"), buffer));
        SaveValueFile(path("round.kos"), buffer);
        QCOMPARE(ReadBytes(path("round.kos")), original);
    }

    void saveFailures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("code");
        QTest::newRow("missing folder") << path("nowhere/x.kos") << 3;
        QTest::newRow("folder as file") << dir_.path() << 5;
        QTest::newRow("NUL in name") << path(QStringLiteral("a%1b").arg(QChar(u'\0'))) << 3;
        QTest::newRow("full disk") << QStringLiteral("/dev/full") << 101;
        // A pipe cannot be written at an offset: the write itself fails with
        // a system error, which is no full disk.
        const QString pipe = fifo("pipe.kos");
        QTest::newRow("pipe") << pipe << IoCodeFromErrno(ESPIPE, pipe);
    }

    void saveFailures()
    {
        QFETCH(QString, name);
        QFETCH(int, code);
        QCOMPARE(errorCode([&] { SaveValueFile(name, filled(1)); }), code);
    }

    void saveRefusesReadOnlyFileWithoutTouchingIt()
    {
        const QString name = path("protected.kos");
        const QByteArray old = PatternBytes(6000);
        WriteBytes(name, old);
        MakeReadOnly(name);
        QCOMPARE(errorCode([&] { SaveValueFile(name, filled(1)); }), 5);
        QCOMPARE(ReadBytes(name), old);
    }

    void shortWriteIsDiskFull()
    {
        const QString name = path("limited.kos");
        const int status = RunWithFileSizeLimit(1000, [&] {
            return errorCode([&] { SaveValueFile(name, filled(1)); });
        });
        QCOMPARE(status, 101);
    }

    // Writes stop at 4096 bytes, as on a disk with that much room.
    void failedSaveKeepsEveryOldByte_data()
    {
        QTest::addColumn<int>("existingSize");
        QTest::newRow("new name") << -1;
        QTest::newRow("100 bytes") << 100;
        QTest::newRow("5000 bytes") << 5000;
        QTest::newRow("6000 bytes, the tail kept") << 6000;
    }

    void failedSaveKeepsEveryOldByte()
    {
        QFETCH(int, existingSize);
        QTemporaryDir folder;
        const QString name = folder.filePath("werte.kos");
        const QByteArray old = PatternBytes(std::max(existingSize, 0));
        if (existingSize >= 0)
            WriteBytes(name, old);
        const QStringList before = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
        const int status = RunWithFileSizeLimit(4096, [&] {
            return errorCode([&] { SaveValueFile(name, filled(9)); });
        });
        QCOMPARE(status, 101);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), before);
        QCOMPARE(ReadBytes(name), old);
    }

    // Every name that showed the file shows the saved values, and a link
    // stays a link.
    void saveKeepsLinksAndAttributes_data()
    {
        QTest::addColumn<QString>("link");
        QTest::newRow("plain file") << "";
        QTest::newRow("symbolic link") << "symbolic";
        QTest::newRow("symbolic link, relative") << "relative";
        QTest::newRow("hard link") << "hard";
    }

    void saveKeepsLinksAndAttributes()
    {
        QFETCH(QString, link);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("daten"));
        const QString file = folder.filePath("daten/werte.kos");
        WriteBytes(file, PatternBytes(5200));
        QVERIFY(::chmod(QFile::encodeName(file).constData(), 0640) == 0);
        const bool root = ::geteuid() == 0;
        if (root)
            QVERIFY(::chown(QFile::encodeName(file).constData(), 1234, 4321) == 0);
        const QByteArray other = QFile::encodeName(folder.filePath("name.kos"));
        if (link == QLatin1String("symbolic"))
            QVERIFY(::symlink(QFile::encodeName(file).constData(), other.constData()) == 0);
        else if (link == QLatin1String("relative"))
            QVERIFY(::symlink("daten/werte.kos", other.constData()) == 0);
        else if (link == QLatin1String("hard"))
            QVERIFY(::link(QFile::encodeName(file).constData(), other.constData()) == 0);
        const QString saved = link.isEmpty() ? file : folder.filePath("name.kos");

        SaveValueFile(saved, filled(-3));

        QCOMPARE(QFileInfo(saved).isSymLink(), link == QLatin1String("symbolic") || link == QLatin1String("relative"));
        QByteArray expected = ReadBytes(file);
        TValueBuffer back{};
        QVERIFY(LoadValueFile(file, back));
        QVERIFY(back == filled(-3));
        QCOMPARE(expected.mid(ValueFileSize), PatternBytes(5200).mid(ValueFileSize));
        QCOMPARE(ReadBytes(saved), expected);
        struct stat info {};
        QVERIFY(::stat(QFile::encodeName(file).constData(), &info) == 0);
        QCOMPARE(info.st_mode & 07777, mode_t{0640});
        if (root) {
            QCOMPARE(info.st_uid, uid_t{1234});
            QCOMPARE(info.st_gid, gid_t{4321});
        }
        QCOMPARE(QDir(folder.path() + "/daten").entryList(QDir::Files | QDir::Hidden), QStringList{"werte.kos"});
    }

    // A user may write the file but not its folder: the save goes in place.
    void saveWhereTheFolderTakesNoNewFile()
    {
        if (::geteuid() != 0)
            QSKIP("needs root to hand the file to another user");
        QTemporaryDir folder;
        const QByteArray path = QFile::encodeName(folder.path());
        QVERIFY(::chmod(path.constData(), 0755) == 0);
        const QString name = folder.filePath("werte.kos");
        WriteBytes(name, PatternBytes(6000));
        constexpr uid_t Nobody = 65534;
        QVERIFY(::chown(QFile::encodeName(name).constData(), Nobody, Nobody) == 0);
        const pid_t child = ::fork();
        if (child == 0) {
            if (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)
                ::_exit(99);
            ::_exit(errorCode([&] { SaveValueFile(name, filled(4)); }));
        }
        int status = -1;
        ::waitpid(child, &status, 0);
        QCOMPARE(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0);
        TValueBuffer back{};
        QVERIFY(LoadValueFile(name, back));
        QVERIFY(back == filled(4));
        QCOMPARE(ReadBytes(name).mid(ValueFileSize), PatternBytes(6000).mid(ValueFileSize));
    }

    void messages_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("2") << 2 << "Datei nicht gefunden";
        QTest::newRow("3") << 3 << "Ungültiger Dateiname";
        QTest::newRow("4") << 4 << "Zu viele geöffnete Dateien";
        QTest::newRow("5") << 5 << "Dateizugriff verweigert";
        QTest::newRow("32") << 32 << "E/A-Fehler 32";
        QTest::newRow("100") << 100 << "Versuch hinter dem Dateiende zu lesen";
        QTest::newRow("101") << 101 << "Zu wenig Speicherplatz";
        QTest::newRow("105") << 105 << "E/A-Fehler 105";
    }

    void messages()
    {
        QFETCH(int, code);
        QFETCH(QString, message);
        QCOMPARE(EInOutError(code).Text(), message);
    }

    void systemErrorsMapOntoCodes_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("code");
        QTest::newRow("missing file") << ENOENT << path("x") << 2;
        QTest::newRow("missing folder") << ENOENT << path("no/x") << 3;
        QTest::newRow("name too long") << ENAMETOOLONG << path("x") << 3;
        QTest::newRow("too many files") << EMFILE << path("x") << 4;
        QTest::newRow("permission") << EACCES << path("x") << 5;
        QTest::newRow("read-only file system") << EROFS << path("x") << 5;
        QTest::newRow("busy") << ETXTBSY << path("x") << 32;
        QTest::newRow("no space") << ENOSPC << path("x") << 101;
        QTest::newRow("not open for writing") << EBADF << path("x") << 105;
        QTest::newRow("other") << EIO << path("x") << IoCode::OtherBase + EIO;
    }

    void systemErrorsMapOntoCodes()
    {
        QFETCH(int, error);
        QFETCH(QString, name);
        QFETCH(int, code);
        QCOMPARE(IoCodeFromErrno(error, name), code);
    }

    // The names a drop or the file manager may bring: the edges of the
    // numbered siblings and names that only look alike.
    void valueFileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow(".kos") << "/daten/juni.kos" << true;
        QTest::newRow(".KOE") << "juni.KOE" << true;
        QTest::newRow(".k1") << "juni.k1" << true;
        QTest::newRow(".k9") << "juni.k9" << true;
        QTest::newRow(".k10") << "juni.k10" << true;
        QTest::newRow(".k99") << "juni.k99" << true;
        QTest::newRow(".k0") << "juni.k0" << false;
        QTest::newRow(".k00") << "juni.k00" << false;
        QTest::newRow(".k01") << "juni.k01" << false;
        QTest::newRow(".k100") << "juni.k100" << false;
        QTest::newRow(".k") << "juni.k" << false;
        QTest::newRow(".kosx") << "juni.kosx" << false;
        QTest::newRow(".k1.txt") << "juni.k1.txt" << false;
        QTest::newRow("kos without a dot") << "juni_kos" << false;
    }

    void valueFileNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        QCOMPARE(IsValueFileName(name), accepted);
    }
};

QTEST_GUILESS_MAIN(TestValueFile)
#include "test_valuefile.moc"
