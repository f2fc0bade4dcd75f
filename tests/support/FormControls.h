#pragma once

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollArea;
class QStatusBar;
class QToolButton;
class TBereichDlg;
class TForm1;
class TKurvenDlg;
class TListBox;
class TPaintBox;

// The main window's controls and menu items, found once by the names the
// window gives them, for tests and benchmarks that drive it as a user does.
struct TFormControls {
    explicit TFormControls(const TForm1& form);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    TListBox* ListBox1;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QScrollArea* ScrollBox1;
    TPaintBox* PaintBox1;
    QGroupBox* RadioGroup1;
    QFrame* Panel1;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;

    QMenu* Bearbeiten1;
    QAction* Rckgngig1;
    QAction* Wiederherstellen1;
    QAction* Neu1;
    QAction* ffnen1;
    QAction* Speichern;
    QAction* Speichernunter;
    QAction* GrafikSpeichern;
    QAction* Beenden1;
    QAction* Ausschneiden1;
    QAction* Kopieren1;
    QAction* AusListekopieren1;
    QAction* Einfgen1;
    QAction* Lschen1;
    QAction* Zahlenwerte1;
    QAction* Grafik1;
    QAction* Mittelwert1;
    QAction* Kurvendarstellung;
    QAction* Temperaturen1;
    QAction* Energie1;
    QAction* Speichernunter1;
    QAction* Energie1speichernunter1;

    TBereichDlg* BereichDlg;
    TKurvenDlg* KurvenDlg;

    // Repairing a recording.
    QAction* Linearverbinden1;
    QAction* Statusleiste1;
    QAction* Vergleichskurveladen1;
    QAction* Vergleichskurveentfernen1;
    QStatusBar* StatusBar1;
    QLabel* StatusPanel1;
    QLabel* StatusPanel2;
};
