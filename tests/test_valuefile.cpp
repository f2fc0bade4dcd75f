#include "coresupport/TestFiles.h"
#include "values/FileReplacement.h"
#include "values/IoError.h"
#include "values/PosixFile.h"
#include "values/ValueFile.h"
#include "values/WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <thread>

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

    // A load that finds no file, and the message of a command that needs one.
    void loadOfNoFileChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        const QString notFound = QStringLiteral("Datei nicht gefunden");
        QTest::newRow("missing file") << path("missing.kos") << notFound;
        QTest::newRow("folder") << dir_.path() << QFileInfo(dir_.path()).fileName() + " ist ein Ordner, keine Datei";
        QTest::newRow("missing folder") << path("nowhere/x.kos") << notFound;
        QTest::newRow("empty name") << QString() << notFound;
        QTest::newRow("NUL in name") << path(QStringLiteral("a%1b").arg(QChar(u'\0'))) << notFound;
    }

    void loadOfNoFileChangesNothing()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        TValueBuffer buffer = filled(5);
        QVERIFY(!LoadValueFile(name, buffer));
        QVERIFY(buffer == filled(5));
        QCOMPARE(NoFileError(name).Text(), message);
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
        // Nobody reads the pipe: the save says so at once instead of waiting.
        const QString pipe = fifo("pipe.kos");
        QTest::newRow("pipe") << pipe << IoCodeFromErrno(ENXIO, pipe);
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

    // Writes stop at 4096 bytes, as on a disk with that much room; or the
    // save is killed once its new content is on the disk, before that takes
    // the file's place.
    void failedSaveKeepsEveryOldByte_data()
    {
        QTest::addColumn<int>("existingSize");
        QTest::addColumn<bool>("killed");
        QTest::newRow("new name") << -1 << false;
        QTest::newRow("100 bytes") << 100 << false;
        QTest::newRow("5000 bytes") << 5000 << false;
        QTest::newRow("6000 bytes, the tail kept") << 6000 << false;
        QTest::newRow("killed, new name") << -1 << true;
        QTest::newRow("killed, 6000 bytes") << 6000 << true;
    }

    void failedSaveKeepsEveryOldByte()
    {
        QFETCH(int, existingSize);
        QFETCH(bool, killed);
        QTemporaryDir folder;
        if (killed && ::close(::open(QFile::encodeName(folder.path()).constData(), O_TMPFILE | O_WRONLY, 0600)) != 0)
            QSKIP("the test folder's file system has no unnamed files");
        const QString name = folder.filePath("werte.kos");
        const QByteArray old = PatternBytes(std::max(existingSize, 0));
        if (existingSize >= 0)
            WriteBytes(name, old);
        const QStringList before = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
        const auto save = [&] { return errorCode([&] { SaveValueFile(name, filled(9)); }); };
        const auto kill = [&] { SetBeforeReplacingHook(+[] { ::raise(SIGKILL); }); return save(); };
        QCOMPARE(killed ? RunInOtherProcess(kill) : RunWithFileSizeLimit(4096, save), killed ? -1 : 101);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), before);
        QCOMPARE(ReadBytes(name), old);
    }

    // A name of 254 bytes in characters of two: the temporary name beside it
    // must keep within the 255 bytes a name may have too.
    void saveUnderANameLongInBytes()
    {
        const QString name = path(QString(125, u'ä') + ".kos");
        WriteBytes(name, PatternBytes(5200));
        SaveValueFile(name, filled(2));
        TValueBuffer back{};
        QVERIFY(LoadValueFile(name, back) && back == filled(2));
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

    // Another user than root saves: where a replacement would not keep owner
    // and group, or the folder takes no new file, the file is written in
    // place and stays the same file; one the user may not write is refused.
    void saveAsAnotherUser_data()
    {
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<QList<int>>("fileOwnerGroupMode");
        QTest::addColumn<int>("code");
        const int nobody = int(NobodyId);
        QTest::newRow("own file, the folder takes no new file") << 0755 << QList{nobody, nobody, 0644} << 0;
        QTest::newRow("root's file for the group") << 0775 << QList{0, nobody, 0664} << 0;
        QTest::newRow("world-writable file, sticky folder") << 01777 << QList{0, 0, 0666} << 0;
        QTest::newRow("root's file the user may not write") << 0777 << QList{0, 0, 0644} << 5;
    }

    void saveAsAnotherUser()
    {
        QFETCH(int, folderMode);
        QFETCH(QList<int>, fileOwnerGroupMode);
        QFETCH(int, code);
        if (::geteuid() != 0)
            QSKIP("needs root to hand the files to other users");
        QTemporaryDir folder;
        const QString name = folder.filePath("werte.kos");
        WriteBytes(name, PatternBytes(6000));
        SetOwnerAndMode(name, fileOwnerGroupMode[0], fileOwnerGroupMode[1], fileOwnerGroupMode[2]);
        // The folder is root's and belongs to the file's group.
        SetOwnerAndMode(folder.path(), 0, fileOwnerGroupMode[1], folderMode);
        struct stat before {}, after {};
        ::stat(QFile::encodeName(name).constData(), &before);
        QCOMPARE(RunInOtherProcess([&] { return BecomeNobody() ? errorCode([&] { SaveValueFile(name, filled(4)); }) : 99; }),
                 code);
        ::stat(QFile::encodeName(name).constData(), &after);
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(QList({after.st_uid, after.st_gid}), QList({before.st_uid, before.st_gid}));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"werte.kos"});
        QCOMPARE(ReadBytes(name).mid(ValueFileSize), PatternBytes(6000).mid(ValueFileSize));
        TValueBuffer back{};
        QVERIFY(LoadValueFile(name, back));
        QCOMPARE(back == filled(4), code == 0);
    }

    // Nothing waits for a reader; one that leaves or takes nothing ends the
    // write, not the program. `reader`: the bytes the reader takes before it
    // leaves; -1: there is none, -2: a socket instead of a pipe.
    void specialTargets_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<int>("reader");
        QTest::addColumn<QString>("message");
        const QString noReader = QStringLiteral("Aus ziel.kos liest niemand");
        QTest::newRow("save into a pipe") << true << ValueFileSize << "";
        QTest::newRow("save into a pipe nobody reads") << true << -1 << noReader;
        QTest::newRow("save into a socket") << true << -2 << "ziel.kos ist ein Socket; in ihn kann nicht geschrieben werden";
        QTest::newRow("a megabyte into a pipe") << false << (1 << 20) << "";
        QTest::newRow("a megabyte, the reader leaves") << false << 1000 << noReader;
        QTest::newRow("a megabyte, the reader stalls") << false << 0 << noReader;
    }

    void specialTargets()
    {
        QFETCH(bool, save);
        QFETCH(int, reader);
        QFETCH(QString, message);
        QTemporaryDir folder;
        const QString target = folder.filePath("ziel.kos");
        const QByteArray name = QFile::encodeName(target);
        const int socket = reader == -2 ? ::socket(AF_UNIX, SOCK_STREAM, 0) : -1;
        sockaddr_un address{AF_UNIX, {}};
        std::copy_n(name.constData(), name.size(), address.sun_path);
        QVERIFY(socket >= 0 ? ::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
                            : ::mkfifo(name.constData(), 0644) == 0);
        // Open before the write, and for writing too, so that its reads wait.
        const int end = reader >= 0 ? ::open(name.constData(), O_RDWR) : socket;
        QByteArray received(std::max(reader, 0), '\0');
        std::thread reading([&] {
            for (ssize_t done = 0, n = 1; done < received.size() && n > 0; done += std::max<ssize_t>(n, 0))
                n = ::read(end, received.data() + done, std::size_t(received.size() - done));
            if (reader > 0)
                ::close(end);
        });
        WriteValues(folder.filePath("muster.kos"), filled(6));
        const QByteArray bytes = save ? ReadBytes(folder.filePath("muster.kos")) : PatternBytes(1 << 20);
        QString error;
        try {
            save ? void(SaveValueFile(target, filled(6))) : WriteWholeFile(target, bytes);
        } catch (const EInOutError& failure) {
            error = failure.Text();
        }
        QCOMPARE(error, message);
        reading.join();
        if (reader <= 0)
            ::close(end);
        if (message.isEmpty())
            QCOMPARE(received, bytes);
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
