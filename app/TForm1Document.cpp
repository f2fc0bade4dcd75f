#include "app/TForm1.h"

#include "controls/ListBox.h"
#include "diagram/PaintBox.h"
#include "diagram/TDiagram.h"
#include "export/SolarEvaluation.h"
#include "values/Errors.h"
#include "values/PosixFile.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScrollArea>
#include <QScrollBar>

namespace {

const QString NewFileName = QStringLiteral("Neue Datei");

}  // namespace

QString FileNamePart(const QString& path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

namespace {

// Runs the handler; the text the error display shows for the error it
// raised, or nothing.
std::optional<QString> ErrorOf(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const EKoravError& error) {
        return ErrorDisplayText(error.Text());
    } catch (const std::bad_alloc&) {
        return ErrorDisplayText(QStringLiteral("Zu wenig Arbeitsspeicher"));
    } catch (const std::exception& error) {
        return ErrorDisplayText(QString::fromUtf8(error.what()));
    }
    return std::nullopt;
}

}  // namespace

void TForm1::Guard(const std::function<void()>& handler)
{
    if (const std::optional<QString> error = ErrorOf(handler))
        windowSystem_.ShowError(*error);
}

void TForm1::GuardFocusChange(const std::function<void()>& handler)
{
    if (const std::optional<QString> error = ErrorOf(handler)) {
        pendingError_ = *error;
        ShowPendingErrorAfterClick();
    }
}

// A modal box opened while a mouse button is down would swallow its
// release, and the click would never finish; the box waits for the release.
void TForm1::ShowPendingErrorAfterClick()
{
    const bool clicking = QGuiApplication::mouseButtons() != Qt::NoButton;
    QTimer::singleShot(clicking ? 10 : 0, this, [this] {
        if (QGuiApplication::mouseButtons() != Qt::NoButton) {
            ShowPendingErrorAfterClick();
            return;
        }
        if (const std::optional<QString> error = std::exchange(pendingError_, std::nullopt))
            windowSystem_.ShowError(*error);
    });
}

void TForm1::SetTitle(const QString& fileName)
{
    setWindowTitle(QStringLiteral("KORAV-Editor - ") + fileName);
}

bool TForm1::ConfirmDiscardChanges()
{
    if (!Loaded || !Modified)
        return true;
    const QString question = FileNamePart(CurrentFileName) + QStringLiteral(" wurde geändert. Änderungen speichern?");
    switch (windowSystem_.Confirm(question, TButtons::YesNoCancel)) {
    case TAnswer::Yes: return SaveDocument();
    case TAnswer::No: return true;
    case TAnswer::Cancel: return false;
    }
    return false;
}

void TForm1::Neu1Click()
{
    if (!ConfirmDiscardChanges())
        return;
    ValueBuffer->fill(0);
    Loaded = true;
    ResetView();
    CurrentFileName = NewFileName;
    SolarEvaluation->DocumentReplaced();
    SetTitle(NewFileName);
}

void TForm1::ffnen1Click()
{
    if (!ConfirmDiscardChanges())
        return;
    OpenDialog1.Filter = ValueFileFilter;
    OpenDialog1.DefaultExt = QStringLiteral("*.k*");
    const std::optional<QString> chosen = windowSystem_.ExecuteOpen(OpenDialog1);
    if (!chosen)
        return;
    // A failed load throws before the name changes, so a later save can
    // never write this document into the file that failed to load.
    if (LoadValueFile(*chosen, *ValueBuffer))
        Loaded = true;
    CurrentFileName = *chosen;
    SolarEvaluation->DocumentReplaced();
    if (!Loaded)
        return;
    ResetView();
    SetTitle(CurrentFileName);
}

void TForm1::SpeichernClick()
{
    (void)SaveDocument();
}

bool TForm1::SaveDocument()
{
    if (CurrentFileName == NewFileName)
        return SaveDocumentAs();
    SaveValueFile(CurrentFileName, *ValueBuffer);
    Modified = false;
    return true;
}

void TForm1::SpeichernunterClick()
{
    (void)SaveDocumentAs();
}

bool TForm1::SaveDocumentAs()
{
    SaveDialog1.Filter = ValueFileFilter;
    SaveDialog1.DefaultExt.clear();
    SaveDialog1.FileName = CurrentFileName == NewFileName ? QString() : CurrentFileName;
    for (;;) {
        const std::optional<QString> chosen = windowSystem_.ExecuteSave(SaveDialog1);
        if (!chosen)
            return false;
        const bool asksOverwrite = IsExistingFile(*chosen) && *chosen != CurrentFileName;
        if (asksOverwrite &&
            windowSystem_.Confirm(FileNamePart(*chosen) + QStringLiteral(" existiert bereits. Überschreiben?"),
                                  TButtons::YesNo) != TAnswer::Yes)
            continue;
        SaveValueFile(*chosen, *ValueBuffer);
        Modified = false;
        CurrentFileName = *chosen;
        SetTitle(CurrentFileName);
        return true;
    }
}

void TForm1::Beenden1Click()
{
    close();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    bool mayClose = false;
    Guard([this, &mayClose] { mayClose = FormClose(); });
    if (mayClose)
        event->accept();
    else
        event->ignore();
}

bool TForm1::FormClose()
{
    // The buffers are released with the window object itself, after the
    // event loop has stopped delivering paints that would read them.
    return ConfirmDiscardChanges();
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TForm1::FormResize()
{
    const int outerHeight = height();
    const int outerWidth = width();
    ListBox1->resize(ListBox1->width(), outerHeight - 67);
    ScrollBox1->resize(outerWidth - 249, outerHeight - 243);
    PaintBox1->resize(PaintBox1->width(), ScrollBox1->height() - 20);
    if (!Diagram)
        return;
    Diagram->UpdateScale();
    SetupAxisForMode();
}

void TForm1::ResetView()
{
    Modified = false;
    Diagram->ClearRuns();
    PaintBox1->resize(PaintBox1->width(), ScrollBox1->height() - 20);
    Diagram->UpdateScale();
    SetupAxisForMode();
    UpdateMenus();
}

void TForm1::UpdateMenus()
{
    for (QAction* item : {Speichern, Speichernunter, GrafikSpeichern, AusListekopieren1, Kurvendarstellung})
        item->setEnabled(Loaded);
    for (QAction* item : {Zahlenwerte1, Grafik1}) {
        item->setEnabled(Loaded);
        item->setChecked(Loaded);
    }
    Mittelwert1->setEnabled(Loaded);
    Mittelwert1->setChecked(false);
    RadioGroup1->setVisible(Loaded);
    if (Zahlenwerte1->isChecked())
        FillList();
    else
        ListBox1->hide();
    ScrollBox1->setVisible(Grafik1->isChecked());
    Panel1->setVisible(Grafik1->isChecked());
    UpdateEditVisibility();
    Edit3->setVisible(Mittelwert1->isChecked());
    Label3->setVisible(Mittelwert1->isChecked());
}

void TForm1::UpdateEditVisibility()
{
    Edit1->setVisible(Zahlenwerte1->isChecked());
    Label2->setVisible(Zahlenwerte1->isChecked());
}

void TForm1::Zahlenwerte1Click()
{
    ListBox1->setVisible(Zahlenwerte1->isChecked());
    UpdateEditVisibility();
}

void TForm1::Grafik1Click()
{
    ScrollBox1->setVisible(Grafik1->isChecked());
    Panel1->setVisible(Grafik1->isChecked());
    UpdateEditVisibility();
}
