#include "coresupport/ScriptedWindowSystem.h"
#include "coresupport/TestFiles.h"
#include "export/ColumnFile.h"
#include "export/SiblingName.h"
#include "export/SolarCommands.h"
#include "values/IoError.h"
#include "values/NumberFormat.h"

#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <numeric>

namespace {

constexpr int SiblingCount = TSolarEvaluation::SiblingCount;
constexpr int DocumentId = 250;
constexpr std::int16_t Outside = 7777;

// The channels' first indices in column order, written out independently of
// the tables under test.
constexpr std::array<int, 8> TemperatureFirsts{402, 504, 606, 708, 810, 912, 1014, 1116};
constexpr std::array<int, 8> EnergyFirsts{2238, 1422, 1524, 1626, 1728, 1830, 1932, 2034};

// Spreads `sum` over the 95 values from `first` on; every value outside a
// channel holds Outside, so a channel one index too long or too early shows.
void SetChannelSum(TValueBuffer& values, int first, std::int32_t sum)
{
    for (int i = first; i < first + 95; ++i) {
        values[i] = static_cast<std::int16_t>(std::clamp(sum, -32768, 32767));
        sum -= values[i];
    }
}

TValueBuffer ValuesWithSums(const std::function<std::int32_t(int column)>& sumOfColumn)
{
    TValueBuffer values;
    values.fill(Outside);
    for (const auto* firsts : {&TemperatureFirsts, &EnergyFirsts})
        for (int c = 0; c < MaxColumnCount; ++c)
            SetChannelSum(values, (*firsts)[c], sumOfColumn(c + 1));
    return values;
}

// A file with id k gives the cell 1000 * (k + c) in column c of either table.
TValueBuffer IdentifiedValues(int id)
{
    return ValuesWithSums([id](int column) { return 9600 * (id + column); });
}

QList<int> Ids(int from, int count)
{
    QList<int> list(count);
    std::iota(list.begin(), list.end(), from);
    return list;
}

}  // namespace

Q_DECLARE_METATYPE(const TChannelTable*)
Q_DECLARE_METATYPE(TAnswer)

class TestSolar : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<TScriptedWindowSystem> windows_;
    TFileDialog openDialog_;
    TFileDialog saveDialog_;
    std::unique_ptr<TExportState> state_;
    std::unique_ptr<TSolarEvaluation> solar_;

    [[nodiscard]] QString path(const QString& name) const { return dir_->filePath(name); }

    // Recording A holds ids 0 (base) to 99, recording B ids 100 to 199.
    void writeRecordings() const
    {
        for (int n = 0; n <= SiblingCount; ++n) {
            WriteValues(path(n == 0 ? "A.kos" : QStringLiteral("A.k%1").arg(n)), IdentifiedValues(n));
            WriteValues(path(n == 0 ? "B.koe" : QStringLiteral("B.k%1").arg(n)), IdentifiedValues(100 + n));
        }
    }

    void evaluate(const TChannelTable& channels, const QString& countText)
    {
        RunSolarEvaluation(*solar_, channels, countText, {*windows_, openDialog_, *state_}, path("doc.kos"),
                           IdentifiedValues(DocumentId));
    }

    [[nodiscard]] QList<int> rowIds(int rows) const
    {
        QList<int> list;
        for (int row = 1; row <= rows; ++row)
            list << state_->ColumnTable.Cell(row, 1) / 1000 - 1;
        return list;
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        windows_ = std::make_unique<TScriptedWindowSystem>();
        openDialog_ = saveDialog_ = TFileDialog{};
        state_ = std::make_unique<TExportState>();
        solar_ = std::make_unique<TSolarEvaluation>();
    }

    void channelCell_data()
    {
        QTest::addColumn<int>("sum");
        QTest::addColumn<int>("cell");
        const QList<std::pair<int, int>> cases{{24, 3},       {72, 7},     {120, 13},       {600, 62},
                                               {1800, 188},   {-600, -62}, {9600, 1000},    {12345, 1286},
                                               {97280, 10133}, {0, 0},     {-3112960, -324267}};
        for (const auto& [sum, cell] : cases)
            QTest::addRow("%d", sum) << sum << cell;
    }

    void channelCell()
    {
        QFETCH(int, sum);
        QFETCH(int, cell);
        SaveValueFile(path("base.k1"), ValuesWithSums([sum](int) { return sum; }));
        for (const TChannelTable* channels : {&TemperatureChannels, &EnergyChannels}) {
            state_->ColumnTable.Clear();
            windows_->Paths = {path("base.kos")};
            evaluate(*channels, "1");
            for (int c = 1; c <= MaxColumnCount; ++c)
                QCOMPARE(state_->ColumnTable.Cell(1, c), cell);
        }
    }

    void siblingName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("sibling");
        QTest::newRow("sibling extension replaced") << "/daten/juni.k9" << 10 << "/daten/juni.k10";
        QTest::newRow("last dot only") << "/daten/a.b.kos" << 99 << "/daten/a.b.k99";
        QTest::newRow("dot in folder only") << "/da.ten/juni" << 3 << "/da.ten/juni.k3";
    }

    void siblingName()
    {
        QFETCH(QString, name);
        QFETCH(int, number);
        QFETCH(QString, sibling);
        QCOMPARE(SiblingFileName(name, number), sibling);
    }

    void passesReadSiblings_data()
    {
        QTest::addColumn<QString>("countText");
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QStringList>("missing");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("two recordings") << "2" << QStringList{"A.kos", "B.koe"} << QStringList{}
                                        << Ids(1, 99) + Ids(101, 99);
        QTest::newRow("second dialog cancelled") << "2" << QStringList{"A.kos", ""} << QStringList{}
                                                 << Ids(1, 99) + Ids(1, 99);
        QTest::newRow("missing sibling") << "1" << QStringList{"A.kos"} << QStringList{"A.k5"}
                                         << Ids(1, 4) + QList<int>{4} + Ids(6, 94);
        QTest::newRow("missing first sibling") << "1" << QStringList{"A.kos"} << QStringList{"A.k1"}
                                               << QList<int>{0} + Ids(2, 98);
        QTest::newRow("chosen file missing") << "1" << QStringList{"C.kos"} << QStringList{}
                                             << QList<int>(99, DocumentId);
        QTest::newRow("first dialog cancelled") << "1" << QStringList{""} << QStringList{}
                                                << QList<int>(99, DocumentId);
    }

    void passesReadSiblings()
    {
        QFETCH(QString, countText);
        QFETCH(QStringList, chosen);
        QFETCH(QStringList, missing);
        QFETCH(QList<int>, expected);
        writeRecordings();
        for (const QString& name : missing)
            QFile::remove(path(name));
        for (const QString& name : chosen)
            windows_->Paths.push_back(name.isEmpty() ? std::optional<QString>{} : path(name));
        state_->ColumnTable.SetCell(ColumnRowCount, 1, 123);
        evaluate(TemperatureChannels, countText);
        QCOMPARE(rowIds(int(expected.size())), expected);
        QCOMPARE(state_->ColumnTable.Cell(ColumnRowCount, 1), 123);
        QCOMPARE(solar_->RowOffset(), int(expected.size()));
        QCOMPARE(windows_->Dialogs.back().Filter, QStringLiteral("Sim-Dateien (*.kos)|*.k*|Echtzeit-Dateien (*.koe)|*.k*"));
        QCOMPARE(windows_->Dialogs.back().DefaultExt, QStringLiteral("*.k*"));
    }

    void fileCount_data()
    {
        QTest::addColumn<QString>("countText");
        QTest::addColumn<int>("passes");
        QTest::addColumn<QString>("error");
        const QString notInteger = QStringLiteral("'%1' ist kein gültiger Integerwert");
        QTest::newRow("empty") << "" << 0 << notInteger.arg("");
        QTest::newRow("letters") << "abc" << 0 << notInteger.arg("abc");
        QTest::newRow("fraction") << "1.5" << 0 << notInteger.arg("1.5");
        QTest::newRow("thirteen") << "13" << 0 << "Die Solarauswertung fasst höchstens 12 Dateien.";
        QTest::newRow("zero") << "0" << 0 << "";
        QTest::newRow("negative") << "-1" << 0 << "";
        QTest::newRow("dollar hex") << "$c" << 12 << "";
    }

    void fileCount()
    {
        QFETCH(QString, countText);
        QFETCH(int, passes);
        QFETCH(QString, error);
        state_->ColumnTable.SetCell(1, 1, 123);
        QString thrown;
        try {
            evaluate(TemperatureChannels, countText);
        } catch (const EKoravError& caught) {
            thrown = caught.Text();
        }
        QCOMPARE(thrown, error);
        QCOMPARE(int(windows_->Dialogs.size()), passes);
        QCOMPARE(solar_->RowOffset(), passes * SiblingCount);
        QCOMPARE(solar_->EvaluationFileCount(), error.isEmpty() ? StrToInt(countText) : 1);
        QCOMPARE(solar_->WorkingFileName().has_value(), error.isEmpty());
        QCOMPARE(state_->ColumnTable.Cell(1, 1) == 123, passes == 0);
    }

    void unreadableSiblingEndsEvaluation()
    {
        writeRecordings();
        WriteBytes(path("A.k3"), "short");
        windows_->Paths = {path("A.kos"), path("B.koe")};
        state_->ColumnTable.SetCell(3, 1, 123);
        QVERIFY_THROWS_EXCEPTION(EInOutError, evaluate(TemperatureChannels, "2"));
        QCOMPARE(rowIds(2), Ids(1, 2));
        QCOMPARE(state_->ColumnTable.Cell(3, 1), 123);
        QCOMPARE(windows_->Dialogs.size(), size_t(1));
        QCOMPARE(solar_->WorkingFileName(), path("A.k3"));
    }

    void saveWritesTable_data()
    {
        QTest::addColumn<const TChannelTable*>("channels");
        QTest::addColumn<QByteArray>("header");
        QTest::newRow("temperatures") << &TemperatureChannels << QByteArray("SO1 SU1 SO2 SU2 SO3 SU3 AF SWFB \r\n");
        QTest::newRow("energy") << &EnergyChannels << QByteArray("L2WE LES2 LES1 LEHZ LES3 L1WE LEWA LEGK \r\n");
    }

    void saveWritesTable()
    {
        QFETCH(const TChannelTable*, channels);
        QFETCH(QByteArray, header);
        TScriptedWindowSystem& windows = *windows_;
        SaveSolarEvaluation(*solar_, *channels, {windows, saveDialog_, *state_}, path("doc.kos"));
        QCOMPARE(windows.Dialogs.back().FileName, path("doc.kos"));
        writeRecordings();
        windows.Paths = {path("A.kos"), path("out.txt")};
        windows.Answers = {TAnswer::Yes};
        WriteBytes(path("out.txt"), QByteArray(200000, 'x'));
        evaluate(*channels, "1");
        SaveSolarEvaluation(*solar_, *channels, {windows, saveDialog_, *state_}, path("doc.kos"));
        QCOMPARE(windows.Dialogs.back().FileName, path("A.k99"));
        QByteArray expected = header;
        for (int id = 1; id <= SiblingCount; ++id) {
            for (int c = 1; c <= MaxColumnCount; ++c)
                expected += FormatColumnCell(1000 * (id + c)) + ' ';
            expected += "\r\n";
        }
        expected += QByteArray("   0.00000 ").repeated(MaxColumnCount).append("\r\n").repeated(1101);
        const QByteArray written = ReadBytes(path("out.txt"));
        QCOMPARE(written.mid(header.size(), 90), "   1.95313    2.92969    3.90625    4.88281    5.85938    6.83594 "
                                                  "   7.81250    8.78906 \r\n");
        QCOMPARE(written, expected);
    }

    void saveAsksBeforeReplacing_data()
    {
        QTest::addColumn<QList<TAnswer>>("answers");
        QTest::addColumn<bool>("written");
        QTest::newRow("yes") << QList<TAnswer>{TAnswer::Yes} << true;
        QTest::newRow("no, then cancel") << QList<TAnswer>{TAnswer::No} << false;
    }

    // The dialog comes preset with the document, a value file, so Enter alone
    // must not turn it into a column file.
    void saveAsksBeforeReplacing()
    {
        QFETCH(QList<TAnswer>, answers);
        QFETCH(bool, written);
        const QString document = path("doc.kos");
        SaveValueFile(document, IdentifiedValues(DocumentId));
        const QByteArray old = ReadBytes(document);
        windows_->Answers.assign(answers.begin(), answers.end());
        windows_->Paths.assign(answers.size(), document);
        SaveSolarEvaluation(*solar_, EnergyChannels, {*windows_, saveDialog_, *state_}, document);
        QCOMPARE(windows_->Confirmations, QStringList(answers.size(), "doc.kos existiert bereits. Überschreiben?"));
        QCOMPARE(windows_->ConfirmationButtons.back(), TButtons::YesNo);
        QCOMPARE(windows_->Dialogs.size(), size_t(answers.size() + (written ? 0 : 1)));
        for (const TScriptedWindowSystem::TShownDialog& shown : windows_->Dialogs)
            QCOMPARE(shown.FileName, document);
        QCOMPARE(ReadBytes(document).startsWith("L2WE "), written);
        QCOMPARE(ReadBytes(document) == old, !written);
    }
};

QTEST_GUILESS_MAIN(TestSolar)
#include "test_solar.moc"
