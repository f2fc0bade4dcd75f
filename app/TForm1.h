#pragma once

#include "app/Curves.h"
#include "values/NumberFormat.h"
#include "values/ValueFile.h"
#include "winsys/WindowSystem.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QMouseEvent;
class QPrinter;
class QUndoStack;
class QWheelEvent;
class TBedingungDlg;
class TBereichDlg;
class TCanvas;
class TDiagram;
class TDiagramPane;
class TDocument;
class TKurvenDlg;
class TListBox;
class TListSelection;
class TMeanField;
class TMenuTable;
class TNumberModeGroup;
class TSolarEvaluation;
class TStatusBarPane;
class TValueListModel;
struct TDiagramScene;
struct TExportState;
struct TMenu;
struct TMenuState;
enum class TRelayout;

// The editor's only document window: it builds the window from its parts,
// runs the document's lifecycle with its prompts, and has the handlers,
// which call the parts in their order. The parts keep their own state: the
// value list, its selection, the diagram pane, the menus, the mean and the
// status bar.
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
    [[nodiscard]] const TDiagram& Diagram() const;
    [[nodiscard]] const TDiagramPane& DiagramPane() const { return *pane_; }
    [[nodiscard]] const TSolarEvaluation& SolarEvaluation() const { return *solarEvaluation_; }
    [[nodiscard]] double MeanValue() const;
    [[nodiscard]] int CurveColor() const { return curves_.CurveColor; }
    [[nodiscard]] int ComparisonColor() const { return curves_.ComparisonColor; }
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
    void AuswahlnachBedingung1Click();
    void NchsteAuswahl1Click();
    void VorherigeAuswahl1Click();
    void GehezuZeile1Click();

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
    void PaintBox1MouseWheel(QWheelEvent& event);
    void GanzeKurve1Click();
    void AufAuswahlzoomen1Click();
    void Originalgre1Click();
    void KurvendarstellungClick();
    void Vergleichskurveladen1Click();
    void Vergleichskurveentfernen1Click();

    // The status bar.
    void Statusleiste1Click();
    void UpdateStatusBar();
    void ShowStatusMessage(const QString& message);

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
    template <typename... TArgs> [[nodiscard]] std::function<void(TArgs...)> Guarded(void (TForm1::*handler)(TArgs...))
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
    void CreateEditFields(QWidget* client);
    void CreateList(QWidget* client);
    void CreateDiagramPane(QWidget* client);
    void CreateMenus();
    [[nodiscard]] std::vector<TMenu> MenuTable();
    void CreateHistory();
    void CreateDialogs();
    void ConnectDocument();
    void ConnectListHandlers();
    void ConnectDiagramHandlers();

    void ResetView();
    void UpdateMenus();
    [[nodiscard]] TMenuState MenuState() const;
    void UpdateViewItems();
    void UpdateEditVisibility();
    void UpdateTitle();
    void ShowValues();
    // Lays the panes out for the window's height less a shown status bar.
    void LayoutPanes(int windowHeight, TRelayout cause);
    // The open dialog of value files, shared by "Öffnen..." and the comparison.
    [[nodiscard]] std::optional<QString> ExecuteOpenValueFile();

    // The change prompt: false when the user cancels, or asked to save and
    // then cancelled the save dialog, so nothing gets lost.
    [[nodiscard]] bool ConfirmDiscardChanges();
    // Saves under the current name, or asks for one; false when cancelled.
    [[nodiscard]] bool SaveDocument();
    [[nodiscard]] bool SaveDocumentAs();
    [[nodiscard]] bool ConfirmOverwriteOfOutsideChange();

    // Value list and editing helpers.
    [[nodiscard]] QString ValueText(int index) const;
    void SelectLine(int line);
    void SelectRows(const std::vector<int>& rows);
    void UpdateMeanIfShown();
    void MoveInEdit1(int step);
    void CommitTypedValue();
    void ShowValueInEdit1(int line);
    void SelectAsInList(const std::function<void()>& select);
    void MoveToRun(int direction);
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
    void FinishDiagramSelection();
    void PaintBox1MouseLeave();
    void UpdateComparisonItems();

    // Picture and print helpers.
    [[nodiscard]] QPrinter& Printer();
    void PrintDiagram(QPrinter& printer);

    // Controls and dialogs of the window's design.
    QLabel* Label2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    TListBox* ListBox1 = nullptr;
    TFileDialog OpenDialog1;
    TFileDialog SaveDialog1;
    TFileDialog SavePictureDialog1;
    TBereichDlg* BereichDlg = nullptr;
    TKurvenDlg* KurvenDlg = nullptr;
    TBedingungDlg* BedingungDlg = nullptr;

    // The parts.
    TWindowSystem& windowSystem_;
    std::unique_ptr<TDocument> document_;
    TValueListModel* listModel_ = nullptr;
    TListSelection* selection_ = nullptr;
    std::unique_ptr<TDiagramPane> pane_;
    std::unique_ptr<TNumberModeGroup> numberModes_;
    std::unique_ptr<TMeanField> mean_;
    std::unique_ptr<TStatusBarPane> statusBar_;
    std::unique_ptr<TMenuTable> menus_;
    QUndoStack* undoStack_ = nullptr;

    TCurves curves_;

    std::unique_ptr<TExportState> exportState_;
    std::unique_ptr<TSolarEvaluation> solarEvaluation_;
    // One printer for the window's life, so the choices made in the print
    // dialog hold for the next print.
    std::unique_ptr<QPrinter> printer_;
    std::optional<QString> pendingError_;
    // The value file of the drag over the window, as it entered.
    QString draggedFile_;
};

[[nodiscard]] QString FileNamePart(const QString& path);
