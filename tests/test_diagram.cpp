#include "diagram/AxisSetup.h"
#include "diagram/Canvas.h"
#include "diagram/DiagramScene.h"
#include "diagram/DragRectangle.h"
#include "diagram/DragSelection.h"
#include "diagram/TDiagram.h"
#include "surface/Zoom.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>

#include <functional>
#include <set>

namespace {

constexpr int Red = 0x0000FF;
constexpr int Blue = 0xFF0000;
constexpr int Yellow = 0x00FFFF;
constexpr int White = 0xFFFFFF;
constexpr int Black = 0x000000;

// A diagram on a surface of `size`, with the axis of `mode` set up: on
// 2600 x 237 in fixed point the origin is (50, 118), XScale 0.9538.
struct TSetup {
    explicit TSetup(TNumberMode mode, QSize surface = {2600, 237})
        : size(surface), diagram(surface)
    {
        SetupAxis(diagram, mode, size);
    }
    QSize size;
    TDiagram diagram;
};

QImage Render(QSize size, const std::function<void(TCanvas&)>& draw, QRect clip = {},
              QImage::Format format = QImage::Format_RGB32)
{
    QImage image(size, format);
    image.fill(Qt::white);
    QPainter painter(&image);
    TCanvas canvas(painter, TRect::FromQRect(clip.isNull() ? image.rect() : clip));
    draw(canvas);
    return image;
}

QImage RenderFrame(TSetup& setup)
{
    return Render(setup.size, [&](TCanvas& canvas) { setup.diagram.DrawFrame(canvas); });
}

// The curve as the paint handler draws it in `mode`, one pixel wide, over
// the canvas's clip.
void DrawRedCurve(const TDiagram& diagram, TCanvas& canvas, const TValueBuffer& values, TNumberMode mode)
{
    const TVisibleRange visible = diagram.VisibleRange(canvas.ClipRect());
    if (mode == HexMode)
        diagram.DrawCurveUnsigned(canvas, visible, values, Red, 1);
    else
        diagram.DrawCurve(canvas, visible, values, mode == FixedPoint ? 1024.0 : 1.0, Red, 1);
}

int Bgr(const QImage& image, int x, int y)
{
    const QRgb pixel = image.pixel(x, y);
    return qRed(pixel) | qGreen(pixel) << 8 | qBlue(pixel) << 16;
}

int CountColor(const QImage& image, const QRect& area, int color)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += Bgr(image, x, y) == color;
    return count;
}

int Ink(const QImage& image, const QRect& area)
{
    return area.width() * area.height() - CountColor(image, area, White);
}

QString RunsText(const TDiagram& diagram)
{
    QStringList parts;
    for (const TSelectionRun& run : diagram.Runs())
        parts << QStringLiteral("%1+%2").arg(run.Start).arg(run.Count);
    return parts.join(u' ');
}

// The maximal blocks of consecutive indices, in RunsText's form.
QString BlocksText(const std::set<int>& indices)
{
    QStringList parts;
    for (auto it = indices.begin(); it != indices.end();) {
        const int start = *it;
        int count = 1;
        while (++it != indices.end() && *it == start + count)
            ++count;
        parts << QStringLiteral("%1+%2").arg(start).arg(count);
    }
    return parts.join(u' ');
}

// The x labels: runs of inked columns below the axis, less than five apart.
int XLabelCount(const QImage& image, const TDiagram& diagram)
{
    int labels = 0;
    for (int x = diagram.OriginX + 3, gap = 5; x < image.width(); ++x, ++gap)
        if (Ink(image, QRect(x, diagram.OriginY + 3, 1, 11)) > 0)
            labels += std::exchange(gap, 0) > 4;
    return labels;
}

}

class TestDiagram : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void addIndex_data()
    {
        QTest::addColumn<QList<int>>("added");
        QTest::addColumn<QString>("runs");
        QTest::newRow("gap closed") << QList{5, 7, 6} << "5+3";
        QTest::newRow("first run grows down") << QList{5, 6, 7, 4} << "4+4";
        QTest::newRow("last run grows up, twice") << QList{5, 6, 7, 4, 8, 8} << "4+5";
        QTest::newRow("both ends") << QList{2499, 0} << "0+1 2499+1";
        QTest::newRow("joins two runs") << QList{5, 6, 7, 9, 10, 8} << "5+6";
        QTest::newRow("inner run grows down") << QList{5, 6, 7, 11, 12, 10} << "5+3 10+3";
        QTest::newRow("inner run grows up") << QList{5, 6, 7, 11, 12, 8, 6} << "5+4 11+2";
        QTest::newRow("new inner run") << QList{3, 7, 5} << "3+1 5+1 7+1";
    }

    void addIndex()
    {
        QFETCH(QList<int>, added);
        TDiagram diagram{QSize()};
        for (const int index : added)
            diagram.AddIndex(index);
        QTEST(RunsText(diagram), "runs");
    }

    void runsMatchRandomSets()
    {
        QRandomGenerator random(4711);
        TDiagram diagram{QSize()};
        for (int round = 0; round < 200; ++round) {
            std::set<int> indices;
            diagram.ClearRuns();
            QVERIFY(!diagram.ContainsIndex(0));
            for (int n = 0; n < 40; ++n) {
                const int index = int(random.bounded(60));
                indices.insert(index);
                diagram.AddIndex(index);
                QCOMPARE(RunsText(diagram), BlocksText(indices));
            }
            for (int index = -1; index <= 61; ++index)
                QCOMPARE(diagram.ContainsIndex(index), indices.count(index) == 1);
        }
    }

    void updateScale_data()
    {
        QTest::addColumn<bool>("update");
        QTest::addColumn<double>("yMax");
        QTest::addColumn<double>("yMin");
        QTest::addColumn<double>("xScale");
        QTest::addColumn<double>("yScale");
        QTest::addColumn<int>("originX");
        QTest::addColumn<int>("originY");
        QTest::newRow("fixed point") << true << 32.0 << -32.0 << 0.9538 << 207.0 / 64 * 0.95 << 50 << 118;
        QTest::newRow("hexadecimal") << true << 64000.0 << 0.0 << 0.9538 << 207.0 / 64000 * 0.95 << 50 << 222;
        QTest::newRow("empty range") << true << 5.0 << 5.0 << 1.0 << 3.0 << 30 << 0;
        QTest::newRow("as created") << false << 32.0 << -32.0 << 1.0 << 3.0 << 30 << 0;
    }

    void updateScale()
    {
        QFETCH(bool, update);
        const QSize surface(2600, 237);
        TDiagram diagram(surface);
        QFETCH(double, yMax);
        QFETCH(double, yMin);
        diagram.YMax = yMax;
        diagram.YMin = yMin;
        if (update)
            diagram.UpdateScale(surface);
        QCOMPARE(diagram.FrameRight, 2560);
        QCOMPARE(diagram.FrameBottom, 222);
        QTEST(diagram.XScale, "xScale");
        QTEST(diagram.YScale, "yScale");
        QTEST(diagram.OriginX, "originX");
        QTEST(diagram.OriginY, "originY");
    }

    void yStepRule_data()
    {
        QTest::addColumn<TNumberMode>("mode");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("step");
        QTest::newRow("fixed 237") << FixedPoint << 237 << 10.0;
        QTest::newRow("hex 355") << HexMode << 355 << 7000.0;
        QTest::newRow("fixed 2692") << FixedPoint << 2692 << 0.8915304606240714;
        QTest::newRow("integer 2692") << IntegerMode << 2692 << 892.0;
        QTest::newRow("hex 4800") << HexMode << 4800 << 500.0;
        QTest::newRow("fixed half to even") << FixedPoint << 960 << 2.0;
        QTest::newRow("integer half to even") << IntegerMode << 7680 << 312.0;
        QTest::newRow("other mode") << TNumberMode(3) << 237 << 123.0;
        QTest::newRow("no height") << FixedPoint << 0 << 123.0;
    }

    void yStepRule()
    {
        QFETCH(TNumberMode, mode);
        QFETCH(int, height);
        TDiagram diagram{QSize()};
        diagram.YStep = 123.0;
        ApplyYStepRule(diagram, mode, height);
        QTEST(diagram.YStep, "step");
    }

    void framePixels_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<int>("color");
        QTest::newRow("x arrow back") << QPoint(2560, 120) << Black;
        QTest::newRow("x arrow filled") << QPoint(2561, 118) << Black;
        QTest::newRow("x arrow tip") << QPoint(2565, 118) << Black;
        QTest::newRow("y axis start") << QPoint(50, 222) << Black;
        QTest::newRow("below y axis") << QPoint(50, 223) << White;
        QTest::newRow("y axis one wide") << QPoint(51, 100) << White;
        QTest::newRow("y arrow back") << QPoint(48, 15) << Black;
        QTest::newRow("y arrow tip") << QPoint(50, 10) << Black;
        QTest::newRow("one-index run") << QPoint(145, 15) << Blue;
        QTest::newRow("one-index run ends") << QPoint(145, 222) << White;
        QTest::newRow("one-index run on a shared column") << QPoint(60, 60) << Blue;
        QTest::newRow("run right column") << QPoint(245, 221) << Blue;
        QTest::newRow("run right edge excluded") << QPoint(246, 60) << White;
        QTest::newRow("run bottom excluded") << QPoint(243, 222) << White;
        // The tick of 10 on the y axis covers row 87 from column 48 to 51.
        QTest::newRow("y tick left end") << QPoint(48, 87) << Black;
        QTest::newRow("left of y tick") << QPoint(47, 87) << White;
        QTest::newRow("y tick right end") << QPoint(51, 87) << Black;
        QTest::newRow("right of y tick") << QPoint(52, 87) << White;
    }

    // Runs (10, 1), (100, 1) and (200, 5).
    void framePixels()
    {
        TSetup setup(FixedPoint);
        for (const int index : {10, 100, 200, 201, 202, 203, 204})
            setup.diagram.AddIndex(index);
        QFETCH(QPoint, pixel);
        QTEST(Bgr(RenderFrame(setup), pixel.x(), pixel.y()), "color");
    }

    void noTickOnFrameEdge_data()
    {
        QTest::addColumn<bool>("xAxis");
        QTest::addColumn<int>("originX");
        QTest::addColumn<double>("step");
        QTest::addColumn<int>("edge");
        QTest::addColumn<int>("inside");
        // At the other edges an arrow head or the y axis would hide the tick itself.
        QTest::newRow("frame bottom, tick visible") << false << 50 << 52.0 << 222 << 170;
        QTest::newRow("frame top") << false << 50 << 51.5 << 15 << 66;
        QTest::newRow("frame right") << true << 50 << 251.0 << 2560 << 2309;
    }

    // Scale 1 on both axes puts the ticks on chosen pixels.
    void noTickOnFrameEdge()
    {
        QFETCH(bool, xAxis);
        QFETCH(int, originX);
        QFETCH(int, edge);
        QFETCH(int, inside);
        TSetup setup(FixedPoint);
        TDiagram& diagram = setup.diagram;
        diagram.XScale = diagram.YScale = 1.0;
        diagram.OriginX = originX;
        diagram.XMin = diagram.YMin = -1000.0;
        diagram.YMax = 1000.0;
        QFETCH(double, step);
        (xAxis ? diagram.XStep : diagram.YStep) = step;
        const QImage image = RenderFrame(setup);
        const auto labelArea = [&](int at) {
            return xAxis ? QRect(at - 15, diagram.OriginY + 3, 30, 12) : QRect(0, at - 5, originX - 3, 11);
        };
        QVERIFY(Ink(image, labelArea(inside)) > 0);
        QCOMPARE(Ink(image, labelArea(edge)), 0);
        if (!xAxis && edge == diagram.FrameBottom)
            QCOMPARE(Bgr(image, originX - 2, edge), White);
    }

    void labelPlacement_data()
    {
        QTest::addColumn<TNumberMode>("mode");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("tick");
        QTest::addColumn<QString>("label");
        QTest::newRow("cut to 7 characters") << FixedPoint << 2600 << 1 << "0,92307";
        QTest::newRow("15 significant digits") << FixedPoint << 6000 << 3 << "1,2";
        QTest::newRow("hexadecimal") << HexMode << 237 << 6 << "EA60";
    }

    // The band left of the y axis must look exactly like the label drawn
    // alone, right-aligned 3 pixels left of the axis and centred on the tick.
    void labelPlacement()
    {
        QFETCH(TNumberMode, mode);
        QFETCH(int, height);
        QFETCH(int, tick);
        QFETCH(QString, label);
        TSetup setup(mode, {200, height});
        const TDiagram& diagram = setup.diagram;
        const int py = diagram.OriginY - int(std::nearbyint(tick * diagram.YStep * diagram.YScale));
        const QImage expected = Render(setup.size, [&](TCanvas& canvas) {
            canvas.SetBrushStyle(TBrushStyle::Clear);
            canvas.TextOut(diagram.OriginX - 3 - canvas.TextWidth(label), py - canvas.TextHeight(label) / 2, label);
        });
        const int textHeight = QFontMetrics(QGuiApplication::font()).height();
        const QRect band(0, py - textHeight / 2, diagram.OriginX - 2, textHeight);
        QVERIFY(Ink(expected, band) > 0);
        QCOMPARE(RenderFrame(setup).copy(band), expected.copy(band));
    }

    void curvePoints_data()
    {
        QTest::addColumn<TNumberMode>("mode");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("rise");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("comparison");
        QTest::newRow("fixed 1024") << FixedPoint << 1024 << 3 << 300 << false;
        QTest::newRow("fixed -32768") << FixedPoint << -32768 << -98 << 300 << false;
        QTest::newRow("integer 10000") << IntegerMode << 10000 << 31 << 300 << false;
        QTest::newRow("hex -1") << HexMode << -1 << 201 << 300 << false;
        QTest::newRow("the last value") << FixedPoint << 1024 << 3 << ValueCount - 1 << false;
        QTest::newRow("over the same comparison curve") << FixedPoint << 1024 << 3 << 300 << true;
    }

    // The other values lie on the x axis, three rows away at the least. A
    // comparison curve lies behind the curve: where they meet, the curve shows.
    void curvePoints()
    {
        QFETCH(TNumberMode, mode);
        QFETCH(int, value);
        QFETCH(int, rise);
        QFETCH(int, index);
        QFETCH(bool, comparison);
        TSetup setup(mode);
        TValueBuffer values{};
        values[std::size_t(index)] = std::int16_t(value);
        const TDiagramScene scene{&values, mode, Red, 1, {comparison ? &values : nullptr, Blue}, {}, 0.0};
        const QImage image = Render(setup.size, [&](TCanvas& canvas) { PaintDiagram(canvas, setup.diagram, scene); });
        const int x = setup.diagram.ColumnOf(index);
        const int y = setup.diagram.OriginY - rise;
        QCOMPARE(CountColor(image, QRect(x - 3, y - 2, 7, 5), Red), 1);
        QCOMPARE(Bgr(image, x, y), Red);
    }

    void strokeWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("1") << 1;
        QTest::newRow("4") << 4;
    }

    // A wide curve must leave the pen one pixel wide for the mean marks and the next frame.
    void strokeWidth()
    {
        QFETCH(int, width);
        TSetup setup(FixedPoint);
        TDiagram& diagram = setup.diagram;
        TValueBuffer values{};
        values[1000] = 10 * 1024;
        const QImage image = Render(setup.size, [&](TCanvas& canvas) {
            diagram.DrawFrame(canvas);
            diagram.DrawCurve(canvas, diagram.VisibleRange(canvas.ClipRect()), values, 1024.0, Red, width);
            diagram.DrawMeanMarks(canvas, canvas.ClipRect(), [](int i) { return i == 1000; }, 15.0);
            diagram.DrawFrame(canvas);
        });
        const int x = diagram.ColumnOf(1000);
        QCOMPARE(Bgr(image, x, 118 - 31), Red);
        QCOMPARE(CountColor(image, QRect(x, 118 - 39, 1, 17), Red), width);
        QCOMPARE(CountColor(image, QRect(x - 8, 118 - 54, 17, 17), Yellow), 1);
        QCOMPARE(Bgr(image, x, 118 - 46), Yellow);
        QCOMPARE(Bgr(image, 51, 100), White);
    }

    void meanMarksOnCurveRows_data()
    {
        QTest::addColumn<TNumberMode>("mode");
        QTest::addColumn<int>("value");
        QTest::addColumn<double>("mean");
        QTest::newRow("fixed point") << FixedPoint << 5120 << 5.0;
        QTest::newRow("integer") << IntegerMode << -20000 << -20000.0;
        QTest::newRow("hexadecimal") << HexMode << -1 << 65535.0;
    }

    // Equal values 399 to 410, of which 400 to 409 are selected: a mark
    // covers each selected curve point, the two others keep the curve colour.
    void meanMarksOnCurveRows()
    {
        QFETCH(TNumberMode, mode);
        QFETCH(int, value);
        QFETCH(double, mean);
        TSetup setup(mode);
        TDiagram& diagram = setup.diagram;
        TValueBuffer values{};
        std::fill(values.begin() + 399, values.begin() + 411, std::int16_t(value));
        const QImage image = Render(setup.size, [&](TCanvas& canvas) {
            diagram.DrawFrame(canvas);
            DrawRedCurve(diagram, canvas, values, mode);
            diagram.DrawMeanMarks(canvas, canvas.ClipRect(), [](int i) { return i >= 400 && i < 410; }, mean);
        });
        for (int i = 399; i <= 410; ++i) {
            const QRect column(diagram.ColumnOf(i), 0, 1, 237);
            const bool selected = i >= 400 && i < 410;
            QCOMPARE(CountColor(image, column, Yellow), selected ? 1 : 0);
            QCOMPARE(CountColor(image, column, Red), selected ? 0 : 1);
        }
    }

    // A paint of columns 1000 to 1099 visits only the values drawn there;
    // the curve is drawn unclipped to show which values were visited.
    void visibleRange()
    {
        TSetup setup(FixedPoint);
        TDiagram& diagram = setup.diagram;
        TValueBuffer values;
        values.fill(5120);
        const QSize size = setup.size;
        const TRect clip{1000, 0, 1100, 237};
        const TVisibleRange visible = diagram.VisibleRange(clip);
        const QImage image =
            Render(size, [&](TCanvas& canvas) { diagram.DrawCurve(canvas, visible, values, 1024.0, Red, 1); });
        const int row = 118 - 15;
        QCOMPARE(CountColor(image, QRect(0, row, 2600, 1), Red), CountColor(image, QRect(1000, row, 100, 1), Red));
        QCOMPARE(Bgr(image, 1000, row), Red);
        QCOMPARE(Bgr(image, 1099, row), Red);
        std::set<int> visited;
        Render(size, [&](TCanvas& canvas) {
            diagram.DrawMeanMarks(canvas, clip, [&](int i) {
                visited.insert(i);
                return false;
            }, 0);
        });
        QCOMPARE(int(visited.size()), 1101 - 996 + 1);
        QCOMPARE(*visited.begin(), 996);
    }

    // Views and repainted strips, each painted on its own with its clip,
    // show the curve exactly as a full paint does: a view's last column and
    // the 20-column strips of the scroll bar's arrows at every offset.
    void curveInViewsAsInTheFullPaint_data()
    {
        QTest::addColumn<QList<int>>("views");  // pairs of first column and first column after
        QTest::addColumn<int>("width");
        QTest::newRow("window 1717 wide") << QList<int>{0, 1466} << 1;
        QTest::newRow("scrolled to 1212") << QList<int>{1212, 1611} << 1;
        QTest::newRow("scrolled to 1500") << QList<int>{1500, 1900} << 1;
        QTest::newRow("scrolled to 1564") << QList<int>{1564, 1963} << 1;
        QTest::newRow("scrolled to 1628") << QList<int>{1628, 2027} << 1;
        for (const int width : {1, 4}) {
            for (int offset = 0; offset < 20; ++offset) {
                QList<int> strips;
                for (int left = offset; left < 2600; left += 20)
                    strips << left << left + 20;
                QTest::addRow("strips from %d, width %d", offset, width) << strips << width;
            }
        }
    }

    void curveInViewsAsInTheFullPaint()
    {
        QFETCH(QList<int>, views);
        QFETCH(int, width);
        TSetup setup(FixedPoint);
        const TDiagram& diagram = setup.diagram;
        TValueBuffer values;
        for (int i = 0; i < ValueCount; ++i)
            values[std::size_t(i)] = std::int16_t((i % 37) * 300 - 5000);
        const auto draw = [&](TCanvas& canvas) {
            diagram.DrawCurve(canvas, diagram.VisibleRange(canvas.ClipRect()), values, 1024.0, Red, width);
        };
        const QImage full = Render(setup.size, draw);
        QImage shown(setup.size, QImage::Format_RGB32);
        shown.fill(Qt::white);
        for (int i = 0; i + 1 < views.size(); i += 2) {
            QPainter painter(&shown);
            TCanvas canvas(painter, {views[i], 0, views[i + 1], setup.size.height()});
            draw(canvas);
        }
        for (int i = 0; i + 1 < views.size(); i += 2)
            for (int x = views[i]; x < std::min(views[i + 1], setup.size.width()); ++x)
                QVERIFY2(shown.copy(x, 0, 1, setup.size.height()) == full.copy(x, 0, 1, setup.size.height()),
                         qPrintable(QStringLiteral("column %1 of the view from %2").arg(x).arg(views[i])));
    }

    void canvasLine_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("width");
        QTest::addColumn<QRect>("covered");
        QTest::addColumn<int>("count");
        QTest::newRow("one pixel flat") << QPoint(5, 5) << QPoint(6, 5) << 1 << QRect(5, 5, 1, 1) << 1;
        QTest::newRow("one pixel rising") << QPoint(5, 5) << QPoint(6, 4) << 1 << QRect(5, 5, 1, 1) << 1;
        QTest::newRow("downwards") << QPoint(5, 2) << QPoint(5, 8) << 1 << QRect(5, 2, 1, 6) << 6;
        QTest::newRow("upwards") << QPoint(5, 8) << QPoint(5, 2) << 1 << QRect(5, 3, 1, 6) << 6;
        QTest::newRow("slanted") << QPoint(2, 2) << QPoint(8, 5) << 1 << QRect(2, 2, 6, 3) << 6;
        QTest::newRow("slanted back") << QPoint(8, 5) << QPoint(2, 2) << 1 << QRect(3, 3, 6, 3) << 6;
        QTest::newRow("no length") << QPoint(5, 5) << QPoint(5, 5) << 1 << QRect() << 0;
        QTest::newRow("width 4") << QPoint(5, 5) << QPoint(6, 5) << 4 << QRect(3, 3, 4, 4) << 16;
    }

    void canvasLine()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(int, width);
        QFETCH(QRect, covered);
        const QImage image = Render({12, 12}, [&](TCanvas& canvas) {
            canvas.SetPenWidth(width);
            canvas.MoveTo(from.x(), from.y());
            canvas.LineTo(to.x(), to.y());
        });
        QTEST(CountColor(image, image.rect(), Black), "count");
        QTEST(CountColor(image, covered, Black), "count");
    }

    // The outline of (30, 15)-(300, 222) crosses the y axis at column 50;
    // the format is the one of the widgets' backing store.
    void focusRectangle()
    {
        TSetup setup(FixedPoint);
        const auto inverted = [&](int times) {
            return Render(setup.size, [&](TCanvas& canvas) {
                setup.diagram.DrawFrame(canvas);
                for (int n = 0; n < times; ++n)
                    canvas.DrawFocusRect({30, 15, 300, 222});
            }, {}, QImage::Format_ARGB32_Premultiplied);
        };
        const QImage once = inverted(1);
        QCOMPARE(Bgr(once, 30, 15), Black);
        QCOMPARE(Bgr(once, 50, 221), White);
        QCOMPARE(Bgr(once, 299, 100), Black);
        QCOMPARE(Bgr(once, 300, 100), White);
        QCOMPARE(inverted(2), inverted(0));
    }

    void dragRegion_data()
    {
        QTest::addColumn<QList<int>>("columns");
        QTest::addColumn<int>("lastWidth");
        QTest::newRow("growing right") << QList{300, 305} << 6;
        QTest::newRow("shrinking") << QList{300, 290} << 11;
        QTest::newRow("across the anchor") << QList{300, 100} << 200;
        QTest::newRow("cleared") << QList{300, -1} << 155;
    }

    // Repainting only the changed region must give the picture of a full
    // repaint, and a small move must not repaint the whole band.
    void dragRegion()
    {
        QFETCH(QList<int>, columns);
        TSetup setup(FixedPoint);
        TDragRectangle drag;
        const auto paint = [&] {
            return Render(setup.size, [&](TCanvas& canvas) {
                setup.diagram.DrawFrame(canvas);
                drag.Draw(canvas);
            });
        };
        QImage shown = paint();
        QRegion changed;
        for (const int column : columns) {
            changed = column < 0 ? drag.Clear() : drag.Set(DragBand(setup.diagram, 145, column));
            const QImage fresh = paint();
            QPainter painter(&shown);
            painter.setClipRegion(changed);
            painter.drawImage(0, 0, fresh);
            painter.end();
            QCOMPARE(shown, fresh);
        }
        QTEST(changed.boundingRect().width(), "lastWidth");
    }

    void pixelMaths_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("column");
        QTest::newRow("left of the surface") << -100 << 0 << 50;
        QTest::newRow("column shared by 10 and 11") << 60 << 10 << 60;
        QTest::newRow("index 100") << 145 << 100 << 145;
        QTest::newRow("right of the data") << 2600 << 2499 << 2434;
    }

    // The index under a pixel column, and the column that index is drawn at.
    void pixelMaths()
    {
        QFETCH(int, x);
        QFETCH(int, index);
        TSetup setup(FixedPoint);
        QCOMPARE(setup.diagram.IndexAt(x), index);
        QTEST(setup.diagram.ColumnOf(index), "column");
        QCOMPARE(setup.diagram.ColumnOf(11), 60);
    }

    // A drag selects up to before its end to the right, down to its end to the left.
    void dragRows()
    {
        QCOMPARE(DragRows(100, 103), (std::vector{100, 101, 102}));
        QCOMPARE(DragRows(100, 98), (std::vector{100, 99, 98}));
        QCOMPARE(DragRows(7, 7), (std::vector{7}));
    }

    // Each value's point in its column and no other, the x labels apart and
    // inside the frame, and a run's band (start, count) over its columns.
    void surfaceAtEveryWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<double>("step");
        QTest::addColumn<QList<int>>("band");
        QTest::newRow("narrowest surface") << 200 << 1000.0 << QList<int>{100, 2, 54, 55};
        QTest::newRow("whole curve in the smallest view") << 399 << 500.0 << QList<int>{100, 2, 62, 63};
        QTest::newRow("design width") << 2600 << 50.0 << QList<int>{200, 5, 241, 246};
        QTest::newRow("twice the design") << 5400 << 20.0 << QList<int>{20, 3, 90, 96};
        QTest::newRow("one value eight columns wide") << 21143 << 5.0 << QList<int>{10, 1, 130, 138};
    }

    void surfaceAtEveryWidth()
    {
        QFETCH(int, width);
        QFETCH(QList<int>, band);
        TSetup setup(FixedPoint, {width, 237});
        TDiagram& diagram = setup.diagram;
        QTEST(diagram.XStep, "step");
        QCOMPARE(XLabelCount(RenderFrame(setup), diagram), int(std::nearbyint(2500 / diagram.XStep)));
        for (int i = band[0]; i < band[0] + band[1]; ++i)
            diagram.AddIndex(i);
        const QImage frame = RenderFrame(setup);
        QCOMPARE(CountColor(frame, QRect(0, 30, width, 1), Blue), band[3] - band[2]);
        QCOMPARE(Bgr(frame, band[2], 30), Blue);
        TValueBuffer values{};
        std::set<std::pair<int, int>> points;
        for (int i = 0; i < ValueCount; ++i) {
            values[std::size_t(i)] = std::int16_t(i * 37 % 100 * 64);
            points.insert({diagram.ColumnOf(i), diagram.OriginY - int(std::nearbyint(values[std::size_t(i)] * diagram.YScale / 1024))});
        }
        const QImage curve = Render(setup.size, [&](TCanvas& canvas) { DrawRedCurve(diagram, canvas, values, FixedPoint); });
        for (const auto& [x, y] : points)
            QCOMPARE(Bgr(curve, x, y), Red);
        QCOMPARE(CountColor(curve, curve.rect(), Red), int(points.size()));
    }

    // Scroll box 257 pixels high.
    void zoomSequences()
    {
        QList<int> up{237};
        while (const std::optional<int> next = ZoomInHeight(up.back()))
            up << *next;
        QCOMPARE(up, (QList{237, 355, 532, 798, 1197, 1795, 2692, 4038, 6057, 9085, 13627}));
        QList<int> down{up.back()};
        while (down.back() > 237)
            down << ZoomOutHeight(down.back(), 257);
        QCOMPARE(down, (QList{13627, 9084, 6056, 4037, 2691, 1794, 1196, 797, 531, 354, 237}));
        QCOMPARE(ZoomInHeight(9999), 14998);
        QCOMPARE(ZoomInHeight(10000), std::nullopt);
        QCOMPARE(ZoomOutHeight(237, 257), 237);
        QCOMPARE(ZoomOutHeight(100, 257), 237);
        // The middle of a 237-pixel view at position 100 of 1000 stays in the middle.
        QCOMPARE(CentredScrollPosition(ViewCentre(237, 100, 1000), 1500, 237), 209);
        QCOMPARE(CentredScrollPosition(ViewCentre(236, 0, 236), 357, 236), 60);
    }

};

QTEST_MAIN(TestDiagram)
#include "test_diagram.moc"
