#include "support/FormFixture.h"

#include "diagram/AxisSetup.h"
#include "diagram/EditorFont.h"
#include "picture/PngFile.h"
#include "picture/PrintPages.h"
#include "surface/Zoom.h"

#include <QAction>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QToolButton>

namespace {

// A curve with slopes, extremes and a value at each end, so that a wrong
// scale or a missing stroke shows.
QMap<int, int> CurveValues()
{
    QMap<int, int> values;
    for (int i = 0; i < ValueCount; ++i)
        values[i] = (i * 97) % 65536 - 32768;
    return values;
}

QAction* Item(const TFormFixture& f, const char* name)
{
    return f.Form->findChild<QAction*>(QLatin1String(name));
}

// The paint box as the window shows it, every pixel of it.
QImage Grabbed(const TFormFixture& f)
{
    return f.Ui.PaintBox1->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void ZoomIn(const TFormFixture& f, int steps)
{
    for (int i = 0; i < steps; ++i)
        QTest::mouseClick(f.Ui.SpeedButton1, Qt::LeftButton);
}

// "Diagramm als Bild speichern..." answered with `name` and file type `filter`.
void SavePicture(TFormFixture& f, const QString& name, int filter = 1)
{
    f.Windows.Paths.push_back(f.Path(name));
    f.Windows.FilterIndices.push_back(filter);
    Item(f, "DiagrammalsBildspeichern1")->trigger();
}

int PdfPageCount(const QByteArray& pdf)
{
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page>") +
               pdf.count("/Type /Page "));
}

// The first page's size in points, from its media box.
QSizeF PdfPageSize(const QByteArray& pdf)
{
    const QRegularExpressionMatch box =
        QRegularExpression(QStringLiteral("/MediaBox \\[\\s*0 0 ([0-9.]+) ([0-9.]+)\\s*\\]")).match(QString::fromLatin1(pdf));
    return box.hasMatch() ? QSizeF(box.captured(1).toDouble(), box.captured(2).toDouble()) : QSizeF();
}

}  // namespace

class TestPicture : public QObject {
    Q_OBJECT

private:
    static std::unique_ptr<TFormFixture> OpenCurve()
    {
        auto f = std::make_unique<TFormFixture>();
        f->Open(f->WriteValueFile("kurve.kos", 0, 0, CurveValues()));
        f->Windows.Dialogs.clear();
        return f;
    }

private slots:
    void initTestCase()
    {
        TFormFixture::InstallGermanTexts();
        // The largest zoom's picture is larger than Qt reads by default.
        QImageReader::setAllocationLimit(512);
    }

    void pngIsThePaintedSurface_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("zoomSteps");
        QTest::addColumn<bool>("selectionAndMean");
        QTest::addColumn<bool>("comparison");
        QTest::newRow("fixed point at the start") << int(FixedPoint) << 0 << false << false;
        QTest::newRow("integer, zoomed, selection and mean") << int(IntegerMode) << 2 << true << false;
        QTest::newRow("hexadecimal at the largest zoom") << int(HexMode) << ZoomInSteps() << true << false;
        QTest::newRow("comparison curve behind the curve") << int(FixedPoint) << 1 << false << true;
    }

    void pngIsThePaintedSurface()
    {
        QFETCH(int, mode);
        QFETCH(int, zoomSteps);
        QFETCH(bool, selectionAndMean);
        QFETCH(bool, comparison);
        auto f = OpenCurve();
        if (comparison) {
            f->Windows.Paths.push_back(f->WriteValueFile("vergleich.kos", -8000, 7));
            f->Play("Alt+A V");
            QVERIFY(f->Form->ComparisonValues());
        }
        if (mode != FixedPoint)
            f->ClickMode(TNumberMode(mode));
        ZoomIn(*f, zoomSteps);
        if (selectionAndMean) {
            f->ClickLine(300);
            f->ClickLine(900, Qt::LeftButton, Qt::ShiftModifier);
            f->Ui.Mittelwert1->trigger();
        }
        SavePicture(*f, QStringLiteral("bild.png"));
        QCOMPARE(f->Windows.Errors, QStringList());
        const QImage picture(f->Path("bild.png"), "PNG");
        QCOMPARE(picture.size(), QSize(SurfaceWidth, *ZoomedHeight(zoomSteps)));
        QVERIFY(picture.convertToFormat(QImage::Format_RGB32) == Grabbed(*f));
    }

    void nameOrFileTypeChoosesTheFormat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("magic");
        QTest::newRow("png by its name") << "b.png" << 2 << "b.png" << QByteArray("\x89PNG");
        QTest::newRow("svg by the file type") << "b" << 2 << "b.svg" << QByteArray("<?xml");
        QTest::newRow("pdf by its name in capitals") << "b.PDF" << 1 << "b.PDF" << QByteArray("%PDF-");
        QTest::newRow("other extension is refused") << "b.v2" << 3 << "" << QByteArray();
        QTest::newRow("jpg is refused") << "b.jpg" << 1 << "" << QByteArray();
    }

    void nameOrFileTypeChoosesTheFormat()
    {
        QFETCH(QString, name);
        QFETCH(int, filter);
        QFETCH(QString, written);
        QFETCH(QByteArray, magic);
        auto f = OpenCurve();
        SavePicture(*f, name, filter);
        const QStringList refusal{name + " endet nicht auf .png, .svg oder .pdf."};
        QCOMPARE(f->Windows.Errors, written.isEmpty() ? refusal : QStringList());
        QCOMPARE(QDir(f->Dir.path()).entryList({"b*"}, QDir::Files), written.isEmpty() ? QStringList() : QStringList{written});
        QVERIFY(ReadBytes(f->Path(written)).startsWith(magic));
        QCOMPARE(f->Windows.Dialogs.front().FileName, f->Path("kurve.png"));
    }

    void vectorPicturesHaveTheSurfacesSize()
    {
        auto f = OpenCurve();
        ZoomIn(*f, 1);
        const QSize surface = f->Ui.PaintBox1->size();
        SavePicture(*f, QStringLiteral("b.svg"));
        SavePicture(*f, QStringLiteral("b.pdf"));
        QSvgRenderer svg(f->Path("b.svg"));
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox(), QRect(QPoint(0, 0), surface));
        const QByteArray pdf = ReadBytes(f->Path("b.pdf"));
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(PdfPageCount(pdf), 1);
        QCOMPARE(PdfPageSize(pdf), QSizeF(surface));
    }

    void existingFileReplacedOnlyAfterYes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("yes") << "alt.png" << int(TAnswer::Yes) << true;
        QTest::newRow("no shows the dialog again") << "alt.png" << int(TAnswer::No) << false;
        QTest::newRow("asked about the completed name") << "alt" << int(TAnswer::No) << false;
    }

    void existingFileReplacedOnlyAfterYes()
    {
        QFETCH(QString, name);
        QFETCH(int, answer);
        QFETCH(bool, replaced);
        auto f = OpenCurve();
        WriteBytes(f->Path("alt.png"), "alt");
        f->Windows.Answers.push_back(TAnswer(answer));
        SavePicture(*f, name);
        QCOMPARE(f->Windows.Confirmations, QStringList{"alt.png existiert bereits. Überschreiben?"});
        QCOMPARE(ReadBytes(f->Path("alt.png")).startsWith("\x89PNG"), replaced);
        QCOMPARE(f->Windows.Dialogs.size(), std::size_t(replaced ? 1 : 2));
        if (!replaced)
            QCOMPARE(f->Windows.Dialogs.back().FileName, f->Path("alt.png"));
    }

    void printsLandscapeScaledToThePageWidth_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::addColumn<int>("zoomSteps");
        QTest::addColumn<int>("pages");
        QTest::newRow("print at the start") << false << 0 << 1;
        QTest::newRow("preview at the start") << true << 0 << 1;
        // 13627 pixels high at 2600 wide, on landscape pages about 1.4 times as wide as high.
        QTest::newRow("print at the largest zoom goes on over pages") << false << ZoomInSteps() << 8;
    }

    void printsLandscapeScaledToThePageWidth()
    {
        QFETCH(bool, preview);
        QFETCH(int, zoomSteps);
        QFETCH(int, pages);
        auto f = OpenCurve();
        ZoomIn(*f, zoomSteps);
        f->Windows.PrintFiles.push_back(f->Path("druck.pdf"));
        Item(*f, preview ? "Druckvorschau1" : "Drucken1")->trigger();
        QCOMPARE(f->Windows.Errors, QStringList());
        QCOMPARE(preview ? f->Windows.PrintPreviews : f->Windows.PrintDialogs, 1);
        const QByteArray pdf = ReadBytes(f->Path("druck.pdf"));
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(PdfPageCount(pdf), pages);
        const QSizeF page = PdfPageSize(pdf);
        QVERIFY2(page.width() > page.height(), qPrintable(QStringLiteral("%1 x %2").arg(page.width()).arg(page.height())));
    }

    // 400 columns on pages 800 x 560 below a header 20 high: the y axis runs
    // from near the top of every page to near its bottom.
    void printedPagesAreFull_data()
    {
        QTest::addColumn<int>("zoomSteps");
        QTest::addColumn<int>("pages");
        QTest::newRow("at the start, one page filled") << 0 << 1;
        QTest::newRow("one step past a page") << 1 << 2;
    }

    void printedPagesAreFull()
    {
        QFETCH(int, zoomSteps);
        const QSize surface(SurfaceWidth, *ZoomedHeight(zoomSteps));
        TDiagram diagram(surface);
        SetupAxis(diagram, FixedPoint, surface);
        const TValueBuffer values{};
        TDiagramScene scene;
        scene.Values = &values;
        const TPrintedDiagram printed({&diagram, scene, surface, Qt::white, EditorFont()}, {0, 0, 400, 1}, {800, 560}, 20);
        QTEST(printed.PageCount(), "pages");
        for (int page = 0; page < printed.PageCount(); ++page) {
            QImage image(800, 560, QImage::Format_RGB32);
            QPainter painter(&image);
            printed.PaintPage(painter, page);
            QCOMPARE(image.pixelColor(100, 20 + 32), QColor(Qt::black));
            QCOMPARE(image.pixelColor(100, 560 - 32), QColor(Qt::black));
        }
    }

    // The printer keeps its settings from the print before; the file it
    // printed into gives way to the document's name with ".pdf".
    void cancelledPrintPrintsNothing()
    {
        auto f = OpenCurve();
        f->Windows.PrintFiles.push_back(f->Path("druck.pdf"));
        Item(*f, "Drucken1")->trigger();
        QVERIFY(QFile::remove(f->Path("druck.pdf")));
        Item(*f, "Drucken1")->trigger();
        QCOMPARE(f->Windows.PrintDialogs, 2);
        QCOMPARE(f->Windows.Errors, QStringList());
        QVERIFY(!QFile::exists(f->Path("druck.pdf")));
        QCOMPARE(f->Windows.PrintOutputFiles, (QStringList{QString(), f->Path("kurve.pdf")}));
    }

    void pngKeepsEveryPixel_data()
    {
        QTest::addColumn<int>("colors");
        QTest::addColumn<int>("repeatedRows");
        QTest::newRow("one colour") << 1 << 1;
        QTest::newRow("257 colours in every channel") << 257 << 1;
        QTest::newRow("rows repeating the one above") << 300 << 7;
        QTest::newRow("every colour a different one") << 40 * 30 << 1;
    }

    void pngKeepsEveryPixel()
    {
        QFETCH(int, colors);
        QFETCH(int, repeatedRows);
        QImage image(40, 30, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int i = (y / repeatedRows * image.width() + x) % colors;
                image.setPixel(x, y, qRgb(i % 256, (i * 7) % 256, 255 - i % 256));
            }
        const QImage read = QImage::fromData(EncodePng(image), "PNG");
        QCOMPARE(read.size(), image.size());
        QVERIFY(read.convertToFormat(QImage::Format_RGB32) == image);
    }

    // "B" in "Datei" still quits; the picture has a letter of its own.
    void keyboardReachesThePictureItem()
    {
        auto f = OpenCurve();
        f->Windows.Paths.push_back(f->Path("tasten.png"));
        f->Play(QStringLiteral("Alt+D I"));
        QTRY_VERIFY(QFile::exists(f->Path("tasten.png")));
        QVERIFY(f->Form->isVisible());
    }

    void itemsNeedADocument()
    {
        TFormFixture f;
        const auto enabled = [&f](const char* name) { return Item(f, name)->isEnabled(); };
        const std::initializer_list<const char*> items{"DiagrammalsBildspeichern1", "Drucken1", "Druckvorschau1"};
        QVERIFY(std::none_of(items.begin(), items.end(), enabled));
        f.Open(f.WriteValueFile("a.kos"));
        QVERIFY(std::all_of(items.begin(), items.end(), enabled));
    }
};

QTEST_MAIN(TestPicture)
#include "test_picture.moc"
