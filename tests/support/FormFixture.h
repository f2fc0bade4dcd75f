#pragma once

#include "app/GermanTexts.h"
#include "controls/ListBox.h"
#include "app/TForm1.h"
#include "support/ScriptedWindowSystem.h"
#include "diagram/TDiagram.h"
#include "support/TestFiles.h"

#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// A shown main window driven through the scripted window-system layer, with
// a German locale and Qt's German texts, as a user of the program has them.
class TFormFixture {
public:
    TFormFixture()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Form = std::make_unique<TForm1>(Windows);
        Form->show();
        Active = QTest::qWaitForWindowActive(Form.get());
    }

    static void InstallGermanTexts() { InstallGermanQtTexts(); }

    [[nodiscard]] QString Path(const QString& name) const { return Dir.filePath(name); }

    // Writes a value file whose value i is first + step * i.
    QString WriteValueFile(const QString& name, int first = 0, int step = 1) const
    {
        QByteArray bytes(ValueFileSize, '\0');
        for (int i = 0; i < ValueCount; ++i) {
            const auto value = static_cast<std::uint16_t>(first + step * i);
            bytes[2 * i] = static_cast<char>(value & 0xFF);
            bytes[2 * i + 1] = static_cast<char>(value >> 8);
        }
        WriteBytes(Path(name), bytes);
        return Path(name);
    }

    void Open(const QString& path)
    {
        Windows.Paths.push_back(path);
        Form->ffnen1->trigger();
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

    // A click on list line `row`, scrolled into view first, as the user does.
    void ClickLine(int row, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers modifiers = {}) const
    {
        TListBox* list = Form->ListBox1;
        const QModelIndex index = list->model()->index(row, 0);
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), button, modifiers, list->visualRect(index).center());
    }

    // Selects `line` alone, types `text` into the entry field and presses Enter.
    void TypeValue(int line, const QString& text)
    {
        TListBox* list = Form->ListBox1;
        list->selectionModel()->clearSelection();
        list->selectionModel()->setCurrentIndex(list->model()->index(line, 0), QItemSelectionModel::Select);
        QTest::keyClicks(Form->Edit1, text);
        QTest::keyClick(Form->Edit1, Qt::Key_Return);
    }

    // The indices the diagram's selection runs hold, in ascending order.
    [[nodiscard]] std::vector<int> RunLines() const
    {
        std::vector<int> lines;
        for (const TSelectionRun& run : Form->Diagram->Runs())
            for (int i = run.Start; i < run.Start + run.Count; ++i)
                lines.push_back(i);
        return lines;
    }

    TScriptedWindowSystem Windows;
    QTemporaryDir Dir;
    std::unique_ptr<TForm1> Form;
    bool Active = false;
};
