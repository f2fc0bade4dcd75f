#include "support/FormControls.h"

#include "app/TForm1.h"
#include "bereich/BereichDlg.h"
#include "controls/ListBox.h"
#include "controls/PaintBox.h"
#include "kurven/KurvenDlg.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolButton>

namespace {

template <typename T>
T* Find(const TForm1& form, const char* name)
{
    T* found = form.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("The main window has no control named %s", name);
    return found;
}

}  // namespace

#define KORAV_FIND(type, name) name(Find<type>(form, #name))

TFormControls::TFormControls(const TForm1& form)
    : KORAV_FIND(QLabel, Label1), KORAV_FIND(QLabel, Label2), KORAV_FIND(QLabel, Label3),
      KORAV_FIND(TListBox, ListBox1), KORAV_FIND(QLineEdit, Edit1), KORAV_FIND(QLineEdit, Edit2),
      KORAV_FIND(QLineEdit, Edit3), KORAV_FIND(QScrollArea, ScrollBox1), KORAV_FIND(TPaintBox, PaintBox1),
      KORAV_FIND(QGroupBox, RadioGroup1), KORAV_FIND(QFrame, Panel1), KORAV_FIND(QToolButton, SpeedButton1),
      KORAV_FIND(QToolButton, SpeedButton2), KORAV_FIND(QMenu, Bearbeiten1),
      KORAV_FIND(QAction, Rckgngig1), KORAV_FIND(QAction, Wiederherstellen1), KORAV_FIND(QAction, Neu1),
      KORAV_FIND(QAction, ffnen1), KORAV_FIND(QAction, Speichern), KORAV_FIND(QAction, Speichernunter),
      KORAV_FIND(QAction, GrafikSpeichern), KORAV_FIND(QAction, Beenden1), KORAV_FIND(QAction, Ausschneiden1),
      KORAV_FIND(QAction, Kopieren1), KORAV_FIND(QAction, AusListekopieren1), KORAV_FIND(QAction, Einfgen1),
      KORAV_FIND(QAction, Lschen1), KORAV_FIND(QAction, Zahlenwerte1), KORAV_FIND(QAction, Grafik1),
      KORAV_FIND(QAction, Mittelwert1), KORAV_FIND(QAction, Kurvendarstellung), KORAV_FIND(QAction, Temperaturen1),
      KORAV_FIND(QAction, Energie1), KORAV_FIND(QAction, Speichernunter1),
      KORAV_FIND(QAction, Energie1speichernunter1), KORAV_FIND(TBereichDlg, BereichDlg),
      KORAV_FIND(TKurvenDlg, KurvenDlg),
      KORAV_FIND(QAction, Linearverbinden1), KORAV_FIND(QAction, Statusleiste1),
      KORAV_FIND(QAction, Vergleichskurveladen1), KORAV_FIND(QAction, Vergleichskurveentfernen1),
      KORAV_FIND(QStatusBar, StatusBar1), KORAV_FIND(QLabel, StatusPanel1), KORAV_FIND(QLabel, StatusPanel2)
{
}
