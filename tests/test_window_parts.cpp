#include "app/DiagramPane.h"
#include "app/MenuTable.h"
#include "app/ValueListModel.h"
#include "controls/PaintBox.h"
#include "document/Document.h"

#include <QAction>
#include <QMenuBar>
#include <QSignalSpy>
#include <QWidget>
#include <QtTest>

// The window's parts, each built alone.
class TestWindowParts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void menuItemsFollowTheState_data()
    {
        QTest::addColumn<TEnabledWhen>("when");
        QTest::addColumn<TMenuState>("state");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("always, nothing loaded") << TEnabledWhen::Always << TMenuState{} << true;
        QTest::newRow("loaded") << TEnabledWhen::Loaded << TMenuState{true} << true;
        QTest::newRow("not loaded") << TEnabledWhen::Loaded << TMenuState{} << false;
        QTest::newRow("selection without document") << TEnabledWhen::Selection << TMenuState{false, true} << false;
        QTest::newRow("selection") << TEnabledWhen::Selection << TMenuState{true, true} << true;
        QTest::newRow("undo") << TEnabledWhen::CanUndo << TMenuState{true, false, true} << true;
        QTest::newRow("redo when only undo") << TEnabledWhen::CanRedo << TMenuState{true, false, true} << false;
        QTest::newRow("comparison") << TEnabledWhen::Comparison << TMenuState{true, false, false, false, true} << true;
    }

    void menuItemsFollowTheState()
    {
        QFETCH(TEnabledWhen, when);
        QFETCH(TMenuState, state);
        QFETCH(bool, enabled);
        QMenuBar bar;
        int runs = 0;
        TMenuTable menus(bar, {{"Menu1", QStringLiteral("&Menü"),
                                {Separator(), {"Item1", QStringLiteral("&Eintrag"), [&runs] { ++runs; },
                                               {QKeySequence(Qt::CTRL | Qt::Key_E)}, when, true}}}});
        QAction& item = menus.Item("Item1");
        QCOMPARE(bar.findChild<QMenu*>(QStringLiteral("Menu1"))->actions().size(), 2);
        QCOMPARE(item.shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
        QVERIFY(item.isCheckable());
        menus.Update(state);
        QCOMPARE(item.isEnabled(), enabled);
        item.trigger();
        QCOMPARE(runs, enabled ? 1 : 0);
    }

    void listLinesComeFromTheDocument()
    {
        TDocument document;
        document.New();
        TValueListModel model(document);
        QCOMPARE(model.rowCount(), 0);
        model.Fill(HexMode);
        document.SetValues({7, 3}, std::int16_t(-1));
        QCOMPARE(model.rowCount(), ValueCount);
        QCOMPARE(model.index(3).data().toString(), QStringLiteral("3    FFFF"));
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        document.SetValues({9, 1200}, std::int16_t(1536));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0][0].toModelIndex().row(), 9);
        QCOMPARE(changed[0][1].toModelIndex().row(), 1200);
        model.Fill(FixedPoint);
        QCOMPARE(model.Line(1200), QStringLiteral("1200    1,500"));
    }

    // Only a resize by the user drops the zoom, and only when the scroll box
    // changes size.
    void relayoutKeepsTheZoomUnlessTheUserResized_data()
    {
        QTest::addColumn<bool>("zoomed");
        QTest::addColumn<TRelayout>("cause");
        QTest::addColumn<int>("heightChange");
        QTest::addColumn<bool>("keeps");
        QTest::newRow("user, zoomed") << true << TRelayout::ByUser << 30 << false;
        QTest::newRow("user, same size") << true << TRelayout::ByUser << 0 << true;
        QTest::newRow("pane, zoomed") << true << TRelayout::PaneToggled << -22 << true;
        QTest::newRow("pane, unzoomed follows") << false << TRelayout::PaneToggled << -22 << false;
    }

    void relayoutKeepsTheZoomUnlessTheUserResized()
    {
        QFETCH(bool, zoomed);
        QFETCH(TRelayout, cause);
        QFETCH(int, heightChange);
        QFETCH(bool, keeps);
        QWidget client;
        TDiagramPane pane(&client);
        if (zoomed)
            pane.ZoomIn(FixedPoint);
        const int before = pane.PaintBox().height();
        pane.Relayout(QSize(401, 257 + heightChange), FixedPoint, cause);
        QCOMPARE(pane.PaintBox().height(), keeps ? before : 237 + heightChange);
    }
};

QTEST_MAIN(TestWindowParts)
#include "test_window_parts.moc"
