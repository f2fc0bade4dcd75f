#include "app/TForm1.h"

#include "app/MeanField.h"
#include "app/ValueListModel.h"
#include "controls/ListBox.h"

#include <QLineEdit>

QLineEdit* TForm1::ActiveEdit() const
{
    QWidget* active = focusWidget();
    for (QLineEdit* edit : {Edit1, Edit2, &mean_->Field()})
        if (active == edit)
            return edit;
    return nullptr;
}

// QLineEdit's own cut, paste and delete ignore its read-only flag.
QLineEdit* TForm1::WritableActiveEdit() const
{
    QLineEdit* edit = ActiveEdit();
    return edit && !edit->isReadOnly() ? edit : nullptr;
}

void TForm1::Ausschneiden1Click()
{
    if (QLineEdit* edit = WritableActiveEdit())
        edit->cut();
}

void TForm1::Kopieren1Click()
{
    if (focusWidget() == ListBox1)
        AusListekopieren1Click();
    else if (QLineEdit* edit = ActiveEdit())
        edit->copy();
}

void TForm1::AusListekopieren1Click()
{
    const std::vector<int> lines = SelectedLines();
    if (lines.empty())
        return;
    // Formatted from the document, as the list shows the lines.
    QString text;
    for (const int line : lines)
        text += listModel_->Line(line) + QStringLiteral("\r\n");
    windowSystem_.SetClipboardText(text);
}

void TForm1::Einfgen1Click()
{
    if (QLineEdit* edit = WritableActiveEdit())
        edit->paste();
}

void TForm1::Lschen1Click()
{
    QLineEdit* edit = WritableActiveEdit();
    if (edit && edit->hasSelectedText())
        edit->del();
}
