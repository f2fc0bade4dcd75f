#include "kurven/CurveColors.h"
#include "kurven/KurvenDlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QtTest>

class TestKurven : public QObject {
    Q_OBJECT

private slots:
    void layout()
    {
        TKurvenDlg dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Kurvendarstellung"));
        QCOMPARE(dialog.size(), QSize(313, 214));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QCOMPARE(dialog.OKBtn->text(), QStringLiteral("OK"));
        QVERIFY(dialog.OKBtn->isDefault());
        QCOMPARE(dialog.CancelBtn->text(), QStringLiteral("Abbrechen"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.frameGeometry().center(), dialog.screen()->availableGeometry().center());
    }

    void colors_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("color");
        QTest::newRow("Aqua") << 0 << "Aqua" << 0xFFFF00;
        QTest::newRow("Schwarz") << 1 << "Schwarz" << 0x000000;
        QTest::newRow("Fuchsia") << 2 << "Fuchsia" << 0xFF00FF;
        QTest::newRow("Grün") << 3 << "Grün" << 0x008000;
        QTest::newRow("Lime") << 4 << "Lime" << 0x00FF00;
        QTest::newRow("Braun") << 5 << "Braun" << 0x000080;
        QTest::newRow("Olivgrün") << 6 << "Olivgrün" << 0x008080;
        QTest::newRow("Purpur") << 7 << "Purpur" << 0x800080;
        QTest::newRow("Rot") << 8 << "Rot" << 0x0000FF;
        QTest::newRow("Weiß") << 9 << "Weiß" << 0xFFFFFF;
    }

    void colors()
    {
        QFETCH(int, item);
        QFETCH(int, color);
        TKurvenDlg dialog;
        QCOMPARE(dialog.ComboBox1->count(), 10);
        QTEST(dialog.ComboBox1->itemText(item), "text");
        dialog.ComboBox1->setCurrentIndex(item);
        QCOMPARE(dialog.ChosenColor(), std::optional<int>(color));
        QVERIFY(!dialog.IsDesignText());
    }

    void designTextUntilChosen()
    {
        TKurvenDlg dialog;
        QVERIFY(dialog.IsDesignText());
        QCOMPARE(dialog.ComboBox1->placeholderText(), QStringLiteral("ComboBox1"));
        QCOMPARE(dialog.ChosenColor(), std::nullopt);
        QCOMPARE(CurveColorOfItem(10), std::nullopt);
        dialog.PresetLime();
        QCOMPARE(dialog.ComboBox1->currentText(), QStringLiteral("Lime"));
        QCOMPARE(dialog.ChosenColor(), std::optional<int>(0x00FF00));
    }

    void widthOnlyStepped()
    {
        TKurvenDlg dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.SpinEdit1->setFocus();
        QCOMPARE(dialog.CurveWidth(), 1);
        QTest::keyClick(dialog.SpinEdit1, Qt::Key_End);
        QTest::keyClick(dialog.SpinEdit1, Qt::Key_Backspace);
        QTest::keyClicks(dialog.SpinEdit1, QStringLiteral("3"));
        QCOMPARE(dialog.SpinEdit1->text(), QStringLiteral("1"));
        QCOMPARE(dialog.CurveWidth(), 1);
        for (int n = 0; n < 5; ++n)
            QTest::keyClick(dialog.SpinEdit1, Qt::Key_Up);
        QCOMPARE(dialog.CurveWidth(), 4);
        QTest::keyClick(dialog.SpinEdit1, Qt::Key_Down);
        QCOMPARE(dialog.CurveWidth(), 3);
    }

    void result_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("result");
        QTest::newRow("OK") << "OK" << int(QDialog::Accepted);
        QTest::newRow("Enter") << "Enter" << int(QDialog::Accepted);
        QTest::newRow("Abbrechen") << "Abbrechen" << int(QDialog::Rejected);
        QTest::newRow("Escape") << "Escape" << int(QDialog::Rejected);
    }

    void result()
    {
        QFETCH(QString, action);
        TKurvenDlg dialog;
        dialog.setResult(-1);
        dialog.open();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.SpinEdit1->setFocus();
        if (action == u"OK")
            QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
        else if (action == u"Abbrechen")
            QTest::mouseClick(dialog.CancelBtn, Qt::LeftButton);
        else
            QTest::keyClick(dialog.SpinEdit1, action == u"Enter" ? Qt::Key_Return : Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QTEST(dialog.result(), "result");
    }
};

QTEST_MAIN(TestKurven)
#include "test_kurven.moc"
