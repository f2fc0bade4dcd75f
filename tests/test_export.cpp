#include "coresupport/ScriptedWindowSystem.h"
#include "coresupport/TestFiles.h"
#include "export/ColumnFile.h"
#include "export/RangeCommand.h"
#include "export/RangeExport.h"
#include "values/IoError.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

const QByteArray ZeroField = "   0.00000 ";
const QByteArray ZeroLine = ZeroField + "\r\n";

struct TCellSetting {
    int Row;
    int Column;
    std::int32_t Value;
};

TValueBuffer DistinctValues()
{
    TValueBuffer values{};
    for (int i = 0; i < ValueCount; ++i)
        values[i] = static_cast<std::int16_t>(13 * i - 16000);
    return values;
}

// Records the preset and answers as told, without a window.
class TScriptedRangeDialog : public TRangeDialog {
public:
    void SetFirst(int value) override { Settings << QStringLiteral("first %1").arg(FirstValue = value); }
    void SetLast(int value) override { Settings << QStringLiteral("last %1").arg(LastValue = value); }
    [[nodiscard]] int First() const override { return FirstValue; }
    [[nodiscard]] int Last() const override { return LastValue; }
    [[nodiscard]] bool Execute() override { return Accepts; }

    int FirstValue = 0;
    int LastValue = 1199;
    bool Accepts = true;
    QStringList Settings;
};

// The code of the EInOutError the write throws, 0 if none.
int WriteErrorCode(const TExportState& state)
{
    try {
        WriteColumnFile(state);
    } catch (const EInOutError& error) {
        return error.Code();
    }
    return 0;
}

}  // namespace

Q_DECLARE_METATYPE(TCellSetting)
Q_DECLARE_METATYPE(TAnswer)

class TestExport : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<TScriptedWindowSystem> windows_;
    TFileDialog saveDialog_;
    std::unique_ptr<TExportState> state_;
    std::unique_ptr<TScriptedRangeDialog> rangeDialog_;

    [[nodiscard]] QString path(const QString& name) const { return dir_->filePath(name); }

    void runRangeExport(const std::optional<TFirstRun>& firstRun = std::nullopt)
    {
        RunRangeExport({*windows_, saveDialog_, *state_}, *rangeDialog_, DistinctValues(), firstRun);
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        windows_ = std::make_unique<TScriptedWindowSystem>();
        saveDialog_ = {"old filter", "kos", "old.kos", false};
        state_ = std::make_unique<TExportState>();
        rangeDialog_ = std::make_unique<TScriptedRangeDialog>();
    }

    void cellFormat_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("zero") << 0 << QByteArray("   0.00000");
        QTest::newRow("smallest step") << 1 << QByteArray("   0.00098");
        QTest::newRow("half away from zero") << 16 << QByteArray("   0.01563");
        QTest::newRow("negative half") << -16 << QByteArray("  -0.01563");
        QTest::newRow("largest value") << 32767 << QByteArray("  31.99902");
        QTest::newRow("smallest value") << -32768 << QByteArray(" -32.00000");
        QTest::newRow("wider than the field") << 10000 * 1024 << QByteArray("10000.00000");
        QTest::newRow("32-bit minimum") << std::numeric_limits<int>::min() << QByteArray("-2097152.00000");
    }

    void cellFormat()
    {
        QFETCH(int, cell);
        QFETCH(QByteArray, text);
        QCOMPARE(FormatColumnCell(cell), text);
    }

    void writesHeaderAndAllRows_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<TCellSetting>>("cells");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("one column")
            << QStringList{"KORAV"} << QList<TCellSetting>{{1, 1, 1024}, {2, 1, -512}, {3, 1, 16}, {4, 1, 1}}
            << "KORAV \r\n   1.00000 \r\n  -0.50000 \r\n   0.01563 \r\n   0.00098 \r\n" + ZeroLine.repeated(1196);
        QTest::newRow("eight columns")
            << QStringList{"SO1", "SU1", "SO2", "SU2", "SO3", "SU3", "AF", "SWFB"}
            << QList<TCellSetting>{{1, 8, -16}, {1200, 1, 10000 * 1024}}
            << "SO1 SU1 SO2 SU2 SO3 SU3 AF SWFB \r\n" + ZeroField.repeated(7) + "  -0.01563 \r\n"
                   + QByteArray(ZeroField.repeated(8) + "\r\n").repeated(1198) + "10000.00000 "
                   + ZeroField.repeated(7) + "\r\n";
    }

    void writesHeaderAndAllRows()
    {
        QFETCH(QStringList, names);
        QFETCH(QList<TCellSetting>, cells);
        QFETCH(QByteArray, expected);
        for (const TCellSetting& cell : cells)
            state_->ColumnTable.SetCell(cell.Row, cell.Column, cell.Value);
        state_->ColumnCount = int(names.size());
        std::copy(names.begin(), names.end(), state_->ColumnNames.begin());
        state_->ExportFileName = path("table.b1");
        WriteBytes(state_->ExportFileName, QByteArray(200000, 'x'));
        WriteColumnFile(*state_);
        QCOMPARE(ReadBytes(state_->ExportFileName), expected);
    }

    void failedWriteKeepsOldFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<long>("fileSizeLimit");
        QTest::addColumn<int>("code");
        QTest::newRow("write-protected file") << "old.b1" << true << 0L << 105;
        QTest::newRow("missing folder") << "nowhere/new.b1" << false << 0L << 3;
        QTest::newRow("full disk") << "old.b1" << false << 4096L << 101;
    }

    void failedWriteKeepsOldFile()
    {
        QFETCH(QString, target);
        QFETCH(bool, readOnly);
        QFETCH(long, fileSizeLimit);
        QFETCH(int, code);
        const QByteArray old = "old contents\r\n";
        WriteBytes(path("old.b1"), old);
        if (readOnly)
            MakeReadOnly(path("old.b1"));
        state_->ColumnCount = 1;
        state_->ExportFileName = path(target);
        const auto write = [this] { return WriteErrorCode(*state_); };
        QCOMPARE(fileSizeLimit > 0 ? RunWithFileSizeLimit(fileSizeLimit, write) : write(), code);
        QCOMPARE(ReadBytes(path("old.b1")), old);
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.b1"});
    }

    // Written as a shell's redirection writes them; the node stays what it is.
    void specialTargetIsWrittenNotReplaced_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("code");
        QTest::newRow("named pipe") << "pipe" << 0;
        QTest::newRow("device that takes everything") << "null" << 0;
        QTest::newRow("device that is always full") << "full" << 101;
    }

    void specialTargetIsWrittenNotReplaced()
    {
        QFETCH(QString, kind);
        QFETCH(int, code);
        const QString target = path("ziel.b1");
        const QByteArray name = QFile::encodeName(target);
        if (kind == QLatin1String("pipe")) {
            QVERIFY(::mkfifo(name.constData(), 0644) == 0);
        } else {
            if (::geteuid() != 0)
                QSKIP("device nodes need root");
            QVERIFY(::mknod(name.constData(), S_IFCHR | 0666, makedev(1, kind == QLatin1String("null") ? 3 : 7)) == 0);
        }
        // One column fits into the pipe's buffer, so the write ends before
        // the reader reads.
        const int reader = kind == QLatin1String("pipe") ? ::open(name.constData(), O_RDONLY | O_NONBLOCK) : -1;
        state_->ColumnCount = 1;
        state_->ColumnNames[0] = QStringLiteral("KORAV");
        state_->ExportFileName = target;
        QCOMPARE(WriteErrorCode(*state_), code);
        struct stat info {};
        QVERIFY(::lstat(name.constData(), &info) == 0);
        QVERIFY(kind == QLatin1String("pipe") ? S_ISFIFO(info.st_mode) : S_ISCHR(info.st_mode));
        QCOMPARE(QDir(dir_->path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"ziel.b1"});
        if (reader < 0)
            return;
        QByteArray received(200000, '\0');
        const ssize_t count = ::read(reader, received.data(), static_cast<std::size_t>(received.size()));
        ::close(reader);
        QCOMPARE(received.left(std::max<ssize_t>(count, 0)), ColumnFileBytes(*state_));
    }

    void rangeCopied_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("count");
        QTest::newRow("ten values") << 10 << 19 << 10 << 10;
        QTest::newRow("one value") << 7 << 7 << 7 << 1;
        QTest::newRow("last below first beyond the buffer") << 2600 << 2550 << 0 << 0;
        QTest::newRow("reaching 2500") << 2000 << 2500 << 2000 << 500;
        QTest::newRow("negative first") << -3 << 4 << 0 << 5;
        QTest::newRow("more than 1200") << 100 << 2400 << 100 << 1200;
    }

    // The fields' values as the dialog gives them, through to the file:
    // `count` values from index `from` in rows 1 on, zeros below.
    void rangeCopied()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, from);
        QFETCH(int, count);
        state_->ColumnTable.SetCell(1200, 8, 77);
        rangeDialog_->FirstValue = first;
        rangeDialog_->LastValue = last;
        windows_->Paths.push_back(path("range.b1"));
        runRangeExport();
        QCOMPARE(state_->ColumnCount, 1);
        QCOMPARE(state_->ColumnNames[0], QStringLiteral("KORAV"));
        const TValueBuffer values = DistinctValues();
        QByteArray expected = "KORAV \r\n";
        for (int row = 1; row <= ColumnRowCount; ++row) {
            const std::int32_t cell = row <= count ? values[from + row - 1] : 0;
            QCOMPARE(state_->ColumnTable.Cell(row, 1), cell);
            expected += FormatColumnCell(cell) + " \r\n";
        }
        QCOMPARE(state_->ColumnTable.Cell(1200, 8), 0);
        QCOMPARE(ReadBytes(path("range.b1")), expected);
    }

    void cancelledRangeDialogChangesNothing()
    {
        rangeDialog_->Accepts = false;
        state_->ColumnTable.SetCell(5, 3, 77);
        runRangeExport(TFirstRun{10, 10});
        QCOMPARE(rangeDialog_->Settings, (QStringList{"first 10", "last 19"}));
        QCOMPARE(state_->ColumnCount, 0);
        QCOMPARE(state_->ColumnTable.Cell(5, 3), 77);
        QVERIFY(windows_->Dialogs.empty());
    }

    void cancelledSaveDialogLeavesStateFilled()
    {
        rangeDialog_->FirstValue = 10;
        runRangeExport();
        QVERIFY(rangeDialog_->Settings.isEmpty());
        QCOMPARE(windows_->Dialogs.size(), size_t(1));
        QCOMPARE(windows_->Dialogs[0].Filter, QStringLiteral("Bild-Dateien (*.b*)|*.b*|Alle Dateien (*.*)|*.*"));
        QCOMPARE(windows_->Dialogs[0].DefaultExt, QStringLiteral("kos"));
        QCOMPARE(windows_->Dialogs[0].FileName, QString());
        QCOMPARE(state_->ColumnTable.Cell(1, 1), DistinctValues()[10]);
        QVERIFY(state_->ExportFileName.isEmpty());
    }

    void overwriteQuestion_data()
    {
        QTest::addColumn<QList<TAnswer>>("answers");
        QTest::addColumn<bool>("written");
        QTest::newRow("yes") << QList<TAnswer>{TAnswer::Yes} << true;
        QTest::newRow("no, then yes") << QList<TAnswer>{TAnswer::No, TAnswer::Yes} << true;
        QTest::newRow("no, then cancel") << QList<TAnswer>{TAnswer::No} << false;
    }

    // The range 5 to 4 is empty, so a written file holds only zeros.
    void overwriteQuestion()
    {
        QFETCH(QList<TAnswer>, answers);
        QFETCH(bool, written);
        const QString target = path("range.b1");
        WriteBytes(target, "old");
        rangeDialog_->FirstValue = 5;
        rangeDialog_->LastValue = 4;
        windows_->Answers.assign(answers.begin(), answers.end());
        windows_->Paths.assign(answers.size(), target);
        runRangeExport();
        QCOMPARE(windows_->Confirmations, QStringList(answers.size(), "range.b1 existiert bereits. Überschreiben?"));
        QCOMPARE(windows_->ConfirmationButtons.back(), TButtons::YesNo);
        QCOMPARE(windows_->Dialogs.size(), size_t(answers.size() + (written ? 0 : 1)));
        QCOMPARE(ReadBytes(target), written ? "KORAV \r\n" + ZeroLine.repeated(1200) : QByteArray("old"));
    }
};

QTEST_GUILESS_MAIN(TestExport)
#include "test_export.moc"
