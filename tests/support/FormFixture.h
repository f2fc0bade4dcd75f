#pragma once

#include "app/TForm1.h"
#include "controls/ListBox.h"
#include "controls/PaintBox.h"
#include "coresupport/TestFiles.h"
#include "desktop/GermanTexts.h"
#include "diagram/TDiagram.h"
#include "document/Document.h"
#include "support/FormControls.h"
#include "support/ScriptedPrinting.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// A shown main window driven through the scripted window-system layer, with
// a German locale and Qt's German texts, as a user of the program has them.
class TFormFixture {
public:
    TFormFixture() : Form(GermanForm(Windows)), Ui(*Form)
    {
        Form->show();
        Active = QTest::qWaitForWindowActive(Form.get());
    }

    // A main window under a German locale, as the program's users have it.
    static std::unique_ptr<TForm1> GermanForm(TWindowSystem& windows)
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        return std::make_unique<TForm1>(windows);
    }

    static void InstallGermanTexts() { InstallGermanQtTexts(); }

    [[nodiscard]] QString Path(const QString& name) const { return Dir.filePath(name); }

    // Writes a value file whose value i is first + step * i, or the value
    // `values` gives for i.
    QString WriteValueFile(const QString& name, int first = 0, int step = 1, const QMap<int, int>& values = {}) const
    {
        QByteArray bytes(ValueFileSize, '\0');
        for (int i = 0; i < ValueCount; ++i) {
            const auto value = static_cast<std::uint16_t>(values.value(i, first + step * i));
            bytes[2 * i] = static_cast<char>(value & 0xFF);
            bytes[2 * i + 1] = static_cast<char>(value >> 8);
        }
        WriteBytes(Path(name), bytes);
        return Path(name);
    }

    // A fixture with "a.kos" open, value i being i, shown in `mode`.
    static std::unique_ptr<TFormFixture> WithDocument(TNumberMode mode)
    {
        auto f = std::make_unique<TFormFixture>();
        f->Open(f->WriteValueFile("a.kos"));
        if (mode != FixedPoint)
            f->ClickMode(mode);
        return f;
    }

    void Open(const QString& path)
    {
        Windows.Paths.push_back(path);
        Ui.ffnen1->trigger();
    }

    // Keys as the keyboard sends them: to the window, which hands them to the
    // shortcuts, the menu bar, an open menu or the focused control.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::keyClick(Form->windowHandle(), key, modifiers);
    }

    void Type(const QString& text) const
    {
        for (const QChar c : text)
            QTest::keyClick(Form->windowHandle(), c.toLatin1());
    }

    // Plays a script of space-separated steps: "Alt" (pressed and released
    // alone), "click:<menu title>", "click:away" (on the window where no
    // control is), or a key sequence such as "Alt+D", "Escape", "Shift+Tab".
    void Play(const QString& script) const
    {
        QWindow* window = Form->windowHandle();
        for (const QString& step : script.split(u' ', Qt::SkipEmptyParts)) {
            if (step == QLatin1String("Alt")) {
                QTest::keyPress(window, Qt::Key_Alt, Qt::AltModifier);
                QTest::keyRelease(window, Qt::Key_Alt, Qt::NoModifier);
            } else if (step == QLatin1String("click:away")) {
                QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(Form->width() - 5, Form->height() - 5));
            } else if (step.startsWith(QLatin1String("click:"))) {
                ClickMenuTitle(step.mid(6));
            } else {
                const QKeyCombination key = QKeySequence(step)[0];
                Key(key.key(), key.keyboardModifiers());
            }
        }
    }

    void ClickMenuTitle(const QString& title) const
    {
        QMenuBar* bar = Form->menuBar();
        for (QAction* menu : bar->actions())
            if (menu->text().remove(u'&') == title)
                QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu).center());
    }

    // A press and release of the left button on the diagram over `index`,
    // scrolled into view first.
    void ClickDiagram(int index) const
    {
        const QPoint at(Form->Diagram().ColumnOf(index), 60);
        Ui.ScrollBox1->ensureVisible(at.x(), at.y(), 1, 1);
        QTest::mouseClick(Ui.PaintBox1, Qt::LeftButton, {}, at);
    }

    void ClickMode(TNumberMode mode) const
    {
        QRadioButton* item = Ui.RadioGroup1->findChildren<QRadioButton*>().at(mode);
        QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(5, item->height() / 2));
    }

    // A click on list line `row`, scrolled into view first, as the user does.
    void ClickLine(int row, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers modifiers = {}) const
    {
        TListBox* list = Ui.ListBox1;
        const QModelIndex index = list->model()->index(row, 0);
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), button, modifiers, list->visualRect(index).center());
    }

    // Selects `line` alone, types `text` into the entry field and presses Enter.
    void TypeValue(int line, const QString& text) const { TypeValue(Ui, line, text); }

    static void TypeValue(const TFormControls& ui, int line, const QString& text)
    {
        TListBox* list = ui.ListBox1;
        list->selectionModel()->clearSelection();
        list->selectionModel()->setCurrentIndex(list->model()->index(line, 0), QItemSelectionModel::Select);
        QTest::keyClicks(ui.Edit1, text);
        QTest::keyClick(ui.Edit1, Qt::Key_Return);
    }

    // The indices the diagram's selection runs hold, in ascending order.
    [[nodiscard]] std::vector<int> RunLines() const
    {
        std::vector<int> lines;
        for (const TSelectionRun& run : Form->Diagram().Runs())
            for (int i = run.Start; i < run.Start + run.Count; ++i)
                lines.push_back(i);
        return lines;
    }

    void SetTopIndex(int line) const { Ui.ListBox1->verticalScrollBar()->setValue(line); }

    TScriptedPrinting Windows;
    QTemporaryDir Dir;
    std::unique_ptr<TForm1> Form;
    TFormControls Ui;
    bool Active = false;
};
