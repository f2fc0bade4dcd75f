#include "app/TForm1.h"

#include "controls/ListBox.h"
#include "controls/PaintBox.h"
#include "diagram/TDiagram.h"
#include "document/Document.h"
#include "export/SolarEvaluation.h"
#include "values/PosixFile.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QStatusBar>
#include <QStringListModel>
#include <QUndoStack>

QString FileNamePart(const QString& path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

// The views follow the document from here, whichever command changed it.
void TForm1::ConnectDocument()
{
    connect(document_.get(), &TDocument::Presented, this, &TForm1::ResetView);
    connect(document_.get(), &TDocument::NameChanged, this, &TForm1::UpdateTitle);
    connect(document_.get(), &TDocument::ValuesChanged, this, &TForm1::ShowValues);
    // After a new or opened document the evaluation saves offer its name, not
    // the last sibling of an earlier evaluation.
    connect(document_.get(), &TDocument::Presented, this, [this] { solarEvaluation_->DocumentReplaced(); });
}

void TForm1::UpdateTitle()
{
    if (document_->Loaded())
        setWindowTitle(QStringLiteral("KORAV-Editor - ") + document_->CurrentFileName());
}

void TForm1::ShowValues(const std::vector<int>& indices)
{
    for (const int line : indices)
        listModel_->setData(listModel_->index(line), ValueLine(line));
    PaintBox1->update();
    UpdateStatusBar();
}

bool TForm1::ConfirmDiscardChanges()
{
    if (!document_->Loaded() || !document_->Modified())
        return true;
    const QString question =
        FileNamePart(document_->CurrentFileName()) + QStringLiteral(" wurde geändert. Änderungen speichern?");
    switch (windowSystem_.Confirm(question, TButtons::YesNoCancel)) {
    case TAnswer::Yes: return SaveDocument();
    case TAnswer::No: return true;
    case TAnswer::Cancel: return false;
    }
    return false;
}

void TForm1::Neu1Click()
{
    if (ConfirmDiscardChanges())
        document_->New();
}

void TForm1::ffnen1Click()
{
    if (!ConfirmDiscardChanges())
        return;
    if (const std::optional<QString> chosen = ExecuteOpenValueFile())
        document_->Open(*chosen);
}

std::optional<QString> TForm1::ExecuteOpenValueFile()
{
    OpenDialog1.Filter = ValueFileFilter;
    OpenDialog1.DefaultExt = QStringLiteral("*.k*");
    return windowSystem_.ExecuteOpen(OpenDialog1);
}

void TForm1::SpeichernClick()
{
    (void)SaveDocument();
}

bool TForm1::SaveDocument()
{
    if (!document_->HasFile())
        return SaveDocumentAs();
    document_->Save();
    undoStack_->setClean();
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
    SaveDialog1.FileName = document_->HasFile() ? document_->CurrentFileName() : QString();
    for (;;) {
        const std::optional<QString> chosen = windowSystem_.ExecuteSave(SaveDialog1);
        if (!chosen)
            return false;
        const bool asksOverwrite = IsExistingFile(*chosen) && *chosen != document_->CurrentFileName();
        if (asksOverwrite &&
            windowSystem_.Confirm(FileNamePart(*chosen) + QStringLiteral(" existiert bereits. Überschreiben?"),
                                  TButtons::YesNo) != TAnswer::Yes)
            continue;
        document_->SaveAs(*chosen);
        undoStack_->setClean();
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

// The height the panes are laid out for: a shown status bar adds its own
// height to the window and takes none from the panes.
int TForm1::PaneHeight() const
{
    return height() - (IsShown(StatusBar1) ? StatusBar1->height() : 0);
}

void TForm1::FormResize()
{
    const int outerHeight = PaneHeight();
    const int outerWidth = width();
    ListBox1->resize(ListBox1->width(), outerHeight - 67);
    ScrollBox1->resize(outerWidth - 249, outerHeight - 243);
    PaintBox1->resize(PaintBox1->width(), ScrollBox1->height() - 20);
    if (!diagram_)
        return;
    diagram_->UpdateScale(PaintBox1->size());
    SetupAxisForMode();
}

void TForm1::ResetView()
{
    diagram_->ClearRuns();
    PaintBox1->resize(PaintBox1->width(), ScrollBox1->height() - 20);
    diagram_->UpdateScale(PaintBox1->size());
    SetupAxisForMode();
    UpdateMenus();
}

void TForm1::UpdateMenus()
{
    const bool loaded = document_->Loaded();
    for (QAction* item : {Speichern, Speichernunter, GrafikSpeichern, DiagrammalsBildspeichern1, Drucken1,
                          Druckvorschau1, AusListekopieren1, Kurvendarstellung, Vergleichskurveladen1})
        item->setEnabled(loaded);
    for (QAction* item : {Zahlenwerte1, Grafik1}) {
        item->setEnabled(loaded);
        item->setChecked(loaded);
    }
    Mittelwert1->setEnabled(loaded);
    Mittelwert1->setChecked(false);
    RadioGroup1->setVisible(loaded);
    if (Zahlenwerte1->isChecked())
        FillList();
    else
        ListBox1->hide();
    ScrollBox1->setVisible(Grafik1->isChecked());
    Panel1->setVisible(Grafik1->isChecked());
    UpdateEditVisibility();
    Edit3->setVisible(Mittelwert1->isChecked());
    Label3->setVisible(Mittelwert1->isChecked());
    UpdateUndoItems();
    UpdateComparisonItems();
    UpdateSelectionItems();
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
