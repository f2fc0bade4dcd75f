#include "app/TForm1.h"

#include "app/DiagramPane.h"
#include "values/ProgramName.h"
#include "app/ListSelection.h"
#include "app/MeanField.h"
#include "app/MenuTable.h"
#include "app/NumberModeGroup.h"
#include "app/StatusBarPane.h"
#include "controls/ListBox.h"
#include "document/Document.h"
#include "export/SaveTarget.h"
#include "export/SolarEvaluation.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QUndoStack>

QString FileNamePart(const QString& path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

// The views follow the document from here, whichever command changed it.
void TForm1::ConnectDocument()
{
    // A new or opened document starts without history.
    connect(document_.get(), &TDocument::Presented, undoStack_, &QUndoStack::clear);
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
        setWindowTitle(ProgramName + QStringLiteral(" - ") + document_->CurrentFileName());
}

// The list's lines follow the document through its model.
void TForm1::ShowValues()
{
    pane_->Repaint();
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
    CommitTypedValue();
    (void)SaveDocument();
}

bool TForm1::SaveDocument()
{
    if (!document_->HasFile())
        return SaveDocumentAs();
    if (!ConfirmOverwriteOfOutsideChange())
        return false;
    document_->Save();
    return true;
}

// Another program, or another editor, wrote the document's file since it
// was read or saved here: a save would silently undo that.
bool TForm1::ConfirmOverwriteOfOutsideChange()
{
    if (!document_->ChangedOutside())
        return true;
    const QString question = FileNamePart(document_->CurrentFileName()) +
        QStringLiteral(" wurde außerhalb des Editors geändert. Trotzdem speichern?");
    return windowSystem_.Confirm(question, TButtons::YesNo) == TAnswer::Yes;
}

void TForm1::SpeichernunterClick()
{
    CommitTypedValue();
    (void)SaveDocumentAs();
}

// The document's own file is no other file to ask about.
bool TForm1::SaveDocumentAs()
{
    SaveDialog1.Filter = ValueFileFilter;
    SaveDialog1.DefaultExt.clear();
    SaveDialog1.FileName = document_->HasFile() ? document_->CurrentFileName() : QString();
    const std::optional<QString> chosen =
        ChooseSaveTarget(windowSystem_, SaveDialog1, {}, document_->CurrentFileName());
    if (!chosen || (*chosen == document_->CurrentFileName() && !ConfirmOverwriteOfOutsideChange()))
        return false;
    document_->SaveAs(*chosen);
    return true;
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
    CommitTypedValue();
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
    LayoutPanes(height(), TRelayout::ByUser);
}

// A shown status bar adds its own height to the window and takes none from
// the panes.
void TForm1::LayoutPanes(int windowHeight, TRelayout cause)
{
    const int outerHeight = windowHeight - (statusBar_->IsShown() ? statusBar_->Height() : 0);
    ListBox1->resize(ListBox1->width(), outerHeight - 67);
    pane_->Relayout(QSize(width() - 249, outerHeight - 243), NumberMode(), cause);
}

void TForm1::ResetView()
{
    pane_->Reset(NumberMode());
    UpdateViewItems();
    UpdateMenus();
    UpdateUndoItems();
    UpdateComparisonItems();
}

// A new or opened document shows the list and the diagram, not the mean.
void TForm1::UpdateViewItems()
{
    const bool loaded = document_->Loaded();
    menus_->Item("Zahlenwerte1").setChecked(loaded);
    menus_->Item("Grafik1").setChecked(loaded);
    menus_->Item("Mittelwert1").setChecked(false);
    numberModes_->Box().setVisible(loaded);
    if (menus_->IsChecked("Zahlenwerte1"))
        FillList();
    else
        ListBox1->hide();
    pane_->SetVisible(menus_->IsChecked("Grafik1"));
    UpdateEditVisibility();
    mean_->SetVisible(false);
}

void TForm1::UpdateEditVisibility()
{
    Edit1->setVisible(menus_->IsChecked("Zahlenwerte1"));
    Label2->setVisible(menus_->IsChecked("Zahlenwerte1"));
}

void TForm1::Zahlenwerte1Click()
{
    ListBox1->setVisible(menus_->IsChecked("Zahlenwerte1"));
    UpdateEditVisibility();
}

void TForm1::Grafik1Click()
{
    pane_->SetVisible(menus_->IsChecked("Grafik1"));
    UpdateEditVisibility();
}
