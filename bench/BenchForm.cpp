#include "bench/BenchForm.h"

#include "controls/ListBox.h"
#include "bench/Expect.h"
#include "controls/PaintBox.h"
#include "values/ValueFile.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

TBenchForm::TBenchForm() : Form(std::make_unique<TForm1>(Windows)), Ui(*Form)
{
    Expect(Dir.isValid(), "a temporary folder");
    Form->show();
    Expect(QTest::qWaitForWindowActive(Form.get()), "the main window becomes active");
}

QString TBenchForm::WriteValueFile(const QString& name, int first, int step) const
{
    TValueBuffer values{};
    for (int i = 0; i < ValueCount; ++i)
        values[i] = static_cast<std::int16_t>(first + step * i);
    SaveValueFile(Path(name), values);
    return Path(name);
}

void TBenchForm::Open(const QString& path)
{
    Windows.Paths.push_back(path);
    Ui.ffnen1->trigger();
    Settle();
}

void TBenchForm::SelectAllLines()
{
    QTest::keyClick(Ui.ListBox1, Qt::Key_A, Qt::ControlModifier);
    Settle();
}

void TBenchForm::ClickMode(int mode)
{
    QRadioButton* item = Ui.RadioGroup1->findChildren<QRadioButton*>().at(mode);
    QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(5, item->height() / 2));
    Settle();
}

void TBenchForm::TypeIntoAllLines(const QString& text)
{
    SelectAllLines();
    Ui.Edit1->setFocus();
    Ui.Edit1->selectAll();
    QTest::keyClicks(Ui.Edit1, text);
}

void TBenchForm::PressEnterInEdit1()
{
    QTest::keyClick(Ui.Edit1, Qt::Key_Return);
    Settle();
}

void TBenchForm::ZoomUntilSteady(QToolButton* button)
{
    for (int before = -1; before != Ui.PaintBox1->height();) {
        before = Ui.PaintBox1->height();
        button->click();
    }
    Settle();
}

void TBenchForm::Settle()
{
    // Qt lays the list out on a zero timer and posts the requests to paint;
    // delivering both here makes the paints part of the action's time.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
}
