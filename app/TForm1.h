#pragma once

#include "diagram/DragRectangle.h"
#include "values/NumberFormat.h"
#include "values/ValueFile.h"
#include "winsys/WindowSystem.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QButtonGroup;
class QFrame;
class QGroupBox;
class QItemSelection;
class QLabel;
class QLineEdit;
class QMenu;
class QMouseEvent;
class QPrinter;
class QScrollArea;
class QStatusBar;
class QStringListModel;
class QToolButton;
class QUndoStack;
class TBereichDlg;
class TCanvas;
struct TComparison;
class TDiagram;
class TDocument;
class TKurvenDlg;
class TListBox;
class TPaintBox;
class TSolarEvaluation;
struct TDiagramPicture;
struct TDiagramScene;
struct TExportState;
struct TSelectionRun;

// The editor's only document window: layout, menus, document lifecycle, the
// value list with editing, and the diagram's handlers. Its parts live in
// several source files, one per concern.
//
// Its controls and menu items carry their names as object names, so tests
// find them with findChild; the window itself exposes only its handlers and
// read-only views of its state.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(TWindowSystem& windowSystem, QWidget* parent = nullptr);
    ~TForm1() override;

    [[nodiscard]] const TDocument& Document() const { return *document_; }
    [[nodiscard]] const TDiagram& Diagram() const { return *diagram_; }
    [[nodiscard]] const TSolarEvaluation& SolarEvaluation() const { return *solarEvaluation_; }
    [[nodiscard]] double MeanValue() const { return meanValue_; }
    [[nodiscard]] int CurveColor() const { return curveColor_; }
    [[nodiscard]] int ComparisonColor() const { return comparisonColor_; }
    // The values of the comparison curve, or null while none is loaded.
    [[nodiscard]] const TValueBuffer* ComparisonValues() const;
    [[nodiscard]] TNumberMode NumberMode() const;
    [[nodiscard]] int ItemIndex() const;
    [[nodiscard]] int TopIndex() const;
    [[nodiscard]] std::vector<int> SelectedLines() const;

    // Opens `path` as "Öffnen..." does, after the change prompt; for a file
    // named on the command line or dropped onto the window. A name of no
    // file is an error here: the user pointed at a file.
    void OpenFile(const QString& name);

    // File commands.
    void Neu1Click();
    void ffnen1Click();
    void SpeichernClick();
    void SpeichernunterClick();
    void Beenden1Click();
    void Zahlenwerte1Click();
    void Grafik1Click();

    // Value list, editing, selection and mean.
    void FillList();
    void CommitEdit();
    void DeselectAll();
    void SyncRunsFromList();
    void UpdateMean();
    void Edit1Enter();
    void Edit1Exit();
    void Edit1KeyDown(int key);
    void ListBox1KeyDown(int key);
    void ListBox1KeyUp(int key);
    void ListBox1MouseUp();
    void RadioGroup1Click();
    void Mittelwert1Click();
    void Ausschneiden1Click();
    void Kopieren1Click();
    void AusListekopieren1Click();
    void Einfgen1Click();
    void Lschen1Click();
    void Linearverbinden1Click();

    // Diagram.
    void SetupAxisForMode();
    void PaintBox1Paint(TCanvas& canvas);
    // What the diagram shows now, for the screen and for a picture of it.
    [[nodiscard]] TDiagramScene Scene() const;
    void PaintBox1MouseDown(const QMouseEvent& event);
    void PaintBox1MouseMove(const QMouseEvent& event);
    void PaintBox1MouseUp();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void KurvendarstellungClick();
    void Vergleichskurveladen1Click();
    void Vergleichskurveentfernen1Click();

    // The status bar.
    void Statusleiste1Click();
    void UpdateStatusBar();

    // The diagram as a picture file and on paper.
    void DiagrammalsBildspeichern1Click();
    void Drucken1Click();
    void Druckvorschau1Click();

    // The history of value edits.
    void Rckgngig1Click();
    void Wiederherstellen1Click();

    // Exports and evaluations.
    void GrafikSpeichernClick();
    void Temperaturen1Click();
    void Energie1Click();
    void Speichernunter1Click();
    void Energie1speichernunter1Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Every handler the window system calls is wrapped here: an error it
    // raises ends it and is shown by the error display, never crossing Qt's
    // event loop.
    template <typename... TArgs>
    [[nodiscard]] std::function<void(TArgs...)> Guarded(void (TForm1::*handler)(TArgs...))
    {
        return [this, handler](TArgs... args) { Guard([&] { (this->*handler)(args...); }); };
    }
    void Guard(const std::function<void()>& handler);
    // The same for a handler that runs inside a focus change, which may come
    // from a mouse press: its error is shown once the click is over.
    void GuardFocusChange(const std::function<void()>& handler);
    void ShowPendingErrorAfterClick();

    void FormCreate();
    void FormResize();
    [[nodiscard]] bool FormClose();

    void CreateControls();
    void CreateLabels(QWidget* client);
    void CreateRadioGroup(QWidget* client);
    void CreateDiagramPane(QWidget* client);
    void CreateMenus();
    void CreateFileMenu();
    void CreateEditMenu();
    void CreateUndoItems();
    void CreateViewMenu();
    void CreateSolarMenu();
    void CreateStatusBar();
    QAction* AddItem(QMenu* menu, const char* name, const QString& caption, void (TForm1::*handler)());
    void CreateDialogs();
    void ConnectDocument();
    void ConnectListHandlers();
    void ConnectDiagramHandlers();
    void ConnectUndo();
    void ConnectSelection();

    void ResetView();
    void UpdateMenus();
    void UpdateEditVisibility();
    void UpdateTitle();
    void ShowValues(const std::vector<int>& indices);
    [[nodiscard]] int PaneHeight() const;
    // The open dialog of value files, shared by "Öffnen..." and the comparison.
    [[nodiscard]] std::optional<QString> ExecuteOpenValueFile();

    // The change prompt: false when the user cancels, or asked to save and
    // then cancelled the save dialog, so nothing gets lost.
    [[nodiscard]] bool ConfirmDiscardChanges();
    // Saves under the current name, or asks for one; false when cancelled.
    [[nodiscard]] bool SaveDocument();
    [[nodiscard]] bool SaveDocumentAs();

    // Value list and editing helpers.
    [[nodiscard]] QString ValueText(int index) const;
    [[nodiscard]] QString ValueLine(int index) const;
    void SetTopIndex(int line);
    void SelectLine(int line);
    void SelectLines(const std::vector<TSelectionRun>& runs);
    void SelectRows(const std::vector<int>& rows);
    void SelectWithCurrent(const QItemSelection& selection, int current);
    void UpdateMeanIfShown();
    void MoveInEdit1(int step);
    void ShowValueInEdit1(int line);
    void Follow();
    void MoveFocus(QWidget* target);
    [[nodiscard]] bool IsShown(const QWidget* control) const;
    [[nodiscard]] QLineEdit* ActiveEdit() const;
    [[nodiscard]] QLineEdit* WritableActiveEdit() const;

    // History helpers.
    void UpdateUndoItems();
    [[nodiscard]] QString UndoCaption(const QString& action, int step) const;
    void RestoreSelection(const std::vector<int>& lines);
    void ShowCurrentValueUnlessTyped();

    // Diagram helpers.
    void ZoomTo(int height);
    void FinishDiagramSelection();
    void PaintBox1MouseLeave();
    void UpdateComparisonItems();

    // Status bar helpers.
    [[nodiscard]] QString SelectionStatusText() const;
    [[nodiscard]] QString HoverStatusText(int index) const;
    void UpdateSelectionItems();

    // Picture and print helpers.
    [[nodiscard]] TDiagramPicture Picture() const;
    [[nodiscard]] QPrinter& Printer();
    void PrintDiagram(QPrinter& printer);

    // Controls and menu items.
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    TListBox* ListBox1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    TPaintBox* PaintBox1 = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QFrame* Panel1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel1 = nullptr;
    QLabel* StatusPanel2 = nullptr;
    TFileDialog OpenDialog1;
    TFileDialog SaveDialog1;
    TFileDialog SavePictureDialog1;

    QMenu* Datei1 = nullptr;
    QAction* Neu1 = nullptr;
    QAction* ffnen1 = nullptr;
    QAction* Speichern = nullptr;
    QAction* Speichernunter = nullptr;
    QAction* GrafikSpeichern = nullptr;
    QAction* DiagrammalsBildspeichern1 = nullptr;
    QAction* Drucken1 = nullptr;
    QAction* Druckvorschau1 = nullptr;
    QAction* Beenden1 = nullptr;
    QMenu* Bearbeiten1 = nullptr;
    QAction* Rckgngig1 = nullptr;
    QAction* Wiederherstellen1 = nullptr;
    QAction* Ausschneiden1 = nullptr;
    QAction* Kopieren1 = nullptr;
    QAction* AusListekopieren1 = nullptr;
    QAction* Einfgen1 = nullptr;
    QAction* Lschen1 = nullptr;
    QAction* Linearverbinden1 = nullptr;
    QMenu* Anzeigen1 = nullptr;
    QAction* Zahlenwerte1 = nullptr;
    QAction* Grafik1 = nullptr;
    QAction* Mittelwert1 = nullptr;
    QAction* Statusleiste1 = nullptr;
    QAction* Kurvendarstellung = nullptr;
    QAction* Vergleichskurveladen1 = nullptr;
    QAction* Vergleichskurveentfernen1 = nullptr;
    QMenu* Solarauswertung1 = nullptr;
    QAction* Temperaturen1 = nullptr;
    QAction* Energie1 = nullptr;
    QAction* Speichernunter1 = nullptr;
    QAction* Energie1speichernunter1 = nullptr;

    TBereichDlg* BereichDlg = nullptr;
    TKurvenDlg* KurvenDlg = nullptr;

    TWindowSystem& windowSystem_;
    std::unique_ptr<TDocument> document_;
    std::unique_ptr<TExportState> exportState_;
    std::unique_ptr<TDiagram> diagram_;
    std::unique_ptr<TSolarEvaluation> solarEvaluation_;
    // One printer for the window's life, so the choices made in the print
    // dialog hold for the next print.
    std::unique_ptr<QPrinter> printer_;
    double meanValue_ = 0.0;
    int curveColor_ = 0x00FF00;
    int comparisonColor_ = 0x0000FF;
    std::unique_ptr<TComparison> comparison_;
    // The index under the mouse while it is over the diagram.
    std::optional<int> hoverIndex_;
    QStringListModel* listModel_ = nullptr;
    QUndoStack* undoStack_ = nullptr;
    QButtonGroup* numberModeButtons_ = nullptr;
    TDragRectangle dragRectangle_;
    std::optional<QString> pendingError_;
    // The value file of the drag over the window, as it entered.
    QString draggedFile_;
};

[[nodiscard]] QString FileNamePart(const QString& path);
