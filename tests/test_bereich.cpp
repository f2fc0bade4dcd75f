#include "controls/SpinEdit.h"
#include "bereich/BereichDlg.h"
#include "export/RangeCommand.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>
#include <QWindow>
#include <QtTest>

namespace {

using TBounds = std::pair<int, int>;

TBounds BoundsOf(const TSpinEdit& spinEdit)
{
    return {spinEdit.MinValue(), spinEdit.MaxValue()};
}

void ClickAt(TBereichDlg& dialog, QWidget* target)
{
    QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {}, target->mapTo(&dialog, target->rect().center()));
}

// Plays a user's input into the shown dialog through its window, as the
// keyboard and mouse deliver it: words are keys or clicks, anything else is
// typed character by character into whatever has the focus.
void Play(TBereichDlg& dialog, const QString& script)
{
    QWindow* window = dialog.windowHandle();
    for (const QString& word : script.split(u' ')) {
        if (word == "tab" || word == "backtab")
            QTest::keyClick(window, Qt::Key_Tab, word == "tab" ? Qt::NoModifier : Qt::ShiftModifier);
        else if (word == "enter" || word == "escape")
            QTest::keyClick(window, word == "enter" ? Qt::Key_Return : Qt::Key_Escape);
        else if (word.startsWith("click:"))
            ClickAt(dialog, word == "click:ok" ? static_cast<QWidget*>(dialog.OKBtn) : dialog.SpinEdit1);
        else
            for (QChar c : word)
                QTest::keyClick(window, c.toLatin1());
    }
}

}  // namespace

Q_DECLARE_METATYPE(std::optional<TFirstRun>)

class TestBereich : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QWidget> window_;
    TSpinEdit* spinEdit_ = nullptr;
    QLineEdit* neighbour_ = nullptr;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void init()
    {
        window_ = std::make_unique<QWidget>();
        spinEdit_ = new TSpinEdit(window_.get());
        neighbour_ = new QLineEdit(window_.get());
        neighbour_->move(0, 40);
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        spinEdit_->setFocus();
    }

    void clampsOnSetStepAndFocusLoss_data()
    {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("result");
        QTest::newRow("set above") << 0 << 10 << "5" << "set 15" << "10";
        QTest::newRow("set with equal bounds") << 5 << 5 << "5" << "set 99" << "99";
        QTest::newRow("up at maximum") << 0 << 10 << "10" << "up" << "10";
        QTest::newRow("ctrl+up steps one") << 0 << 10 << "5" << "ctrl+up" << "6";
        QTest::newRow("down from far above") << 0 << 10 << "30" << "down" << "10";
        QTest::newRow("up from no integer") << 3 << 10 << "abc" << "up" << "4";
        QTest::newRow("up button") << 0 << 10 << "5" << "button" << "6";
        QTest::newRow("focus loss above") << 0 << 2500 << "3000" << "leave" << "2500";
        QTest::newRow("focus loss with equal bounds") << 9 << 9 << "3000" << "leave" << "3000";
        QTest::newRow("focus loss keeps no integer") << 0 << 10 << "-" << "leave" << "-";
    }

    void clampsOnSetStepAndFocusLoss()
    {
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(QString, text);
        QFETCH(QString, action);
        QFETCH(QString, result);
        spinEdit_->SetMinValue(min);
        spinEdit_->SetMaxValue(max);
        spinEdit_->SetText(text);
        if (action.startsWith("set"))
            spinEdit_->SetValue(action.mid(4).toInt());
        else if (action == "up" || action == "down")
            QTest::keyClick(spinEdit_, action == "up" ? Qt::Key_Up : Qt::Key_Down);
        else if (action == "ctrl+up")
            QTest::keyClick(spinEdit_, Qt::Key_Up, Qt::ControlModifier);
        else if (action == "button")
            QTest::mouseClick(spinEdit_, Qt::LeftButton, {}, QPoint(spinEdit_->width() - 4, 4));
        else
            neighbour_->setFocus();
        QCOMPARE(spinEdit_->Text(), result);
    }

    void typing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("changes");
        QTest::newRow("digits") << "12" << "12" << 2;
        QTest::newRow("signs and separator") << "-+1,5" << "-+1,5" << 5;
        QTest::newRow("others refused") << "1a.x 2" << "12" << 2;
    }

    void typing()
    {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, changes);
        spinEdit_->SetText("");
        QSignalSpy changed(spinEdit_, &TSpinEdit::Changed);
        QTest::keyClicks(spinEdit_, typed);
        QCOMPARE(spinEdit_->Text(), text);
        QCOMPARE(changed.count(), changes);
    }

    void initialFieldsAndBounds()
    {
        TBereichDlg dialog;
        QCOMPARE(dialog.SpinEdit1->Text(), QStringLiteral("0"));
        QCOMPARE(BoundsOf(*dialog.SpinEdit1), (TBounds{0, 2500}));
        QCOMPARE(dialog.SpinEdit2->Text(), QStringLiteral("1199"));
        QCOMPARE(BoundsOf(*dialog.SpinEdit2), (TBounds{0, 1199}));
    }

    void coupling_data()
    {
        QTest::addColumn<bool>("firstField");
        QTest::addColumn<QString>("text");
        QTest::addColumn<TBounds>("otherBounds");
        QTest::newRow("first 1300") << true << "1300" << TBounds{1300, 2499};
        QTest::newRow("first 2000") << true << "2000" << TBounds{2000, 2500};
        QTest::newRow("first no integer") << true << "x" << TBounds{0, 1199};
        QTest::newRow("last 1100") << false << "1100" << TBounds{0, 1100};
        QTest::newRow("last 1200") << false << "1200" << TBounds{1, 1200};
        QTest::newRow("last 2000") << false << "2000" << TBounds{801, 2000};
    }

    void coupling()
    {
        QFETCH(bool, firstField);
        QFETCH(QString, text);
        QFETCH(TBounds, otherBounds);
        TBereichDlg dialog;
        TSpinEdit* changed = firstField ? dialog.SpinEdit1 : dialog.SpinEdit2;
        TSpinEdit* other = firstField ? dialog.SpinEdit2 : dialog.SpinEdit1;
        const QString otherText = other->Text();
        changed->SetText(text);
        QCOMPARE(BoundsOf(*other), otherBounds);
        QCOMPARE(other->Text(), otherText);
    }

    void presetPassesThroughPreviousBounds_data()
    {
        QTest::addColumn<std::optional<TFirstRun>>("previous");
        QTest::addColumn<std::optional<TFirstRun>>("run");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("first use") << std::optional<TFirstRun>() << std::optional(TFirstRun{10, 10}) << 10 << 19;
        QTest::newRow("after 900 to 2000") << std::optional(TFirstRun{900, 1101})
                                           << std::optional(TFirstRun{100, 5}) << 801 << 801;
        QTest::newRow("no selection keeps fields") << std::optional(TFirstRun{900, 1101})
                                                   << std::optional<TFirstRun>() << 900 << 2000;
    }

    void presetPassesThroughPreviousBounds()
    {
        QFETCH(std::optional<TFirstRun>, previous);
        QFETCH(std::optional<TFirstRun>, run);
        QFETCH(int, first);
        QFETCH(int, last);
        TBereichDlg dialog;
        PresetRange(dialog, previous);
        PresetRange(dialog, run);
        QCOMPARE(dialog.First(), first);
        QCOMPARE(dialog.Last(), last);
    }

    // The focus starts on OK; three tabs reach "Letzter Wert" through
    // "Abbrechen" and "Erster Wert". Closing the dialog is no leaving of the
    // field, so what the user typed stays as typed.
    void closingKeepsTypedValues_data()
    {
        QTest::addColumn<int>("presetFirst");
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("last below first") << 0 << "tab tab tab 900 backtab 1000 enter" << true << "1000" << "900";
        QTest::newRow("below bounds, escape") << 100 << "tab tab tab 50 escape" << false << "100" << "50";
        QTest::newRow("above bounds, enter") << 0 << "tab tab tab 1500 enter" << true << "0" << "1500";
        QTest::newRow("above bounds, click on OK") << 0 << "tab tab tab 1500 click:ok" << true << "0" << "1500";
        QTest::newRow("left by tab") << 0 << "tab tab tab 1500 tab enter" << true << "0" << "1199";
        QTest::newRow("left by click") << 0 << "tab tab tab 1500 click:first enter" << true << "0" << "1199";
    }

    void closingKeepsTypedValues()
    {
        QFETCH(int, presetFirst);
        QFETCH(QString, script);
        QFETCH(bool, accepted);
        QFETCH(QString, first);
        QFETCH(QString, last);
        TBereichDlg dialog;
        dialog.SetFirst(presetFirst);
        bool closedByScript = false;
        QTimer::singleShot(0, &dialog, [&] {
            if (QTest::qWaitForWindowActive(&dialog))
                Play(dialog, script);
            closedByScript = !dialog.isVisible();
            if (!closedByScript)
                dialog.reject();
        });
        QCOMPARE(dialog.Execute(), accepted);
        QVERIFY(closedByScript);
        QCOMPARE(dialog.SpinEdit1->Text(), first);
        QCOMPARE(dialog.SpinEdit2->Text(), last);
    }

    void executeAnswersByKeyInField_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("enter") << int(Qt::Key_Return) << true;
        QTest::newRow("escape") << int(Qt::Key_Escape) << false;
    }

    void executeAnswersByKeyInField()
    {
        QFETCH(int, key);
        QFETCH(bool, accepted);
        TBereichDlg dialog;
        QTimer::singleShot(0, &dialog, [&dialog, key] {
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            dialog.SpinEdit1->setFocus();
            QTest::keyClick(dialog.SpinEdit1, Qt::Key(key));
        });
        QCOMPARE(dialog.Execute(), accepted);
    }
};

QTEST_MAIN(TestBereich)
#include "test_bereich.moc"
