#include "app/TForm1.h"

#include "controls/MenuBarEscape.h"

#include <QAction>
#include <QMenuBar>

namespace {

// Qt's standard key of the platform, shown beside the caption. Where the
// platform's theme knows none (X11 without a desktop has no "save as"),
// the key every editor has.
void SetStandardShortcut(QAction* item, QKeySequence::StandardKey key, QKeyCombination fallback)
{
    const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    item->setShortcuts(keys.isEmpty() ? QList<QKeySequence>{QKeySequence(fallback)} : keys);
}

}  // namespace

QAction* TForm1::AddItem(QMenu* menu, const char* name, const QString& caption, void (TForm1::*handler)())
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    connect(item, &QAction::triggered, this, Guarded(handler));
    return item;
}

void TForm1::CreateMenus()
{
    CreateFileMenu();
    CreateEditMenu();
    CreateViewMenu();
    CreateSolarMenu();
    LeaveMenuBarOnEscape(*menuBar());
}

void TForm1::CreateFileMenu()
{
    Datei1 = menuBar()->addMenu(QStringLiteral("&Datei"));
    Datei1->setObjectName(QStringLiteral("Datei1"));
    Neu1 = AddItem(Datei1, "Neu1", QStringLiteral("&Neu..."), &TForm1::Neu1Click);
    ffnen1 = AddItem(Datei1, "ffnen1", QStringLiteral("Ö&ffnen..."), &TForm1::ffnen1Click);
    Speichern = AddItem(Datei1, "Speichern", QStringLiteral("&Speichern"), &TForm1::SpeichernClick);
    Speichernunter = AddItem(Datei1, "Speichernunter", QStringLiteral("Speichern &unter..."), &TForm1::SpeichernunterClick);
    Datei1->addSeparator();
    GrafikSpeichern = AddItem(Datei1, "GrafikSpeichern", QStringLiteral("&Grafik speichern..."), &TForm1::GrafikSpeichernClick);
    // "B" stays with "Beenden", which it has always opened.
    DiagrammalsBildspeichern1 = AddItem(Datei1, "DiagrammalsBildspeichern1", QStringLiteral("Diagramm als B&ild speichern..."),
                                        &TForm1::DiagrammalsBildspeichern1Click);
    Datei1->addSeparator();
    Drucken1 = AddItem(Datei1, "Drucken1", QStringLiteral("&Drucken..."), &TForm1::Drucken1Click);
    Druckvorschau1 = AddItem(Datei1, "Druckvorschau1", QStringLiteral("Druck&vorschau..."), &TForm1::Druckvorschau1Click);
    Datei1->addSeparator();
    Beenden1 = AddItem(Datei1, "Beenden1", QStringLiteral("&Beenden"), &TForm1::Beenden1Click);
    SetStandardShortcut(Neu1, QKeySequence::New, Qt::CTRL | Qt::Key_N);
    SetStandardShortcut(ffnen1, QKeySequence::Open, Qt::CTRL | Qt::Key_O);
    SetStandardShortcut(Speichern, QKeySequence::Save, Qt::CTRL | Qt::Key_S);
    SetStandardShortcut(Speichernunter, QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    SetStandardShortcut(Beenden1, QKeySequence::Quit, Qt::CTRL | Qt::Key_Q);
    for (QAction* item : {Speichern, Speichernunter, GrafikSpeichern, DiagrammalsBildspeichern1, Drucken1, Druckvorschau1})
        item->setEnabled(false);
}

void TForm1::CreateEditMenu()
{
    Bearbeiten1 = menuBar()->addMenu(QStringLiteral("Bearbeiten"));
    Bearbeiten1->setObjectName(QStringLiteral("Bearbeiten1"));
    CreateUndoItems();
    Ausschneiden1 = AddItem(Bearbeiten1, "Ausschneiden1", QStringLiteral("&Ausschneiden"), &TForm1::Ausschneiden1Click);
    Kopieren1 = AddItem(Bearbeiten1, "Kopieren1", QStringLiteral("&Kopieren"), &TForm1::Kopieren1Click);
    AusListekopieren1 = AddItem(Bearbeiten1, "AusListekopieren1", QStringLiteral("Aus Li&ste kopieren"), &TForm1::AusListekopieren1Click);
    Einfgen1 = AddItem(Bearbeiten1, "Einfgen1", QStringLiteral("&Einfügen"), &TForm1::Einfgen1Click);
    Lschen1 = AddItem(Bearbeiten1, "Lschen1", QStringLiteral("&Löschen"), &TForm1::Lschen1Click);
    Bearbeiten1->addSeparator();
    Linearverbinden1 =
        AddItem(Bearbeiten1, "Linearverbinden1", QStringLiteral("Linear &verbinden"), &TForm1::Linearverbinden1Click);
    Ausschneiden1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    Kopieren1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    AusListekopieren1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    Einfgen1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    Lschen1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    AusListekopieren1->setEnabled(false);
    Linearverbinden1->setEnabled(false);
}

void TForm1::CreateViewMenu()
{
    Anzeigen1 = menuBar()->addMenu(QStringLiteral("&Anzeige"));
    Anzeigen1->setObjectName(QStringLiteral("Anzeigen1"));
    Zahlenwerte1 = AddItem(Anzeigen1, "Zahlenwerte1", QStringLiteral("&Zahlenwerte"), &TForm1::Zahlenwerte1Click);
    Grafik1 = AddItem(Anzeigen1, "Grafik1", QStringLiteral("&Grafik"), &TForm1::Grafik1Click);
    Mittelwert1 = AddItem(Anzeigen1, "Mittelwert1", QStringLiteral("&Mittelwert"), &TForm1::Mittelwert1Click);
    Statusleiste1 = AddItem(Anzeigen1, "Statusleiste1", QStringLiteral("&Statusleiste"), &TForm1::Statusleiste1Click);
    Anzeigen1->addSeparator();
    Kurvendarstellung = AddItem(Anzeigen1, "Kurvendarstellung", QStringLiteral("&Kurvendarstellung..."), &TForm1::KurvendarstellungClick);
    Vergleichskurveladen1 = AddItem(Anzeigen1, "Vergleichskurveladen1", QStringLiteral("&Vergleichskurve laden..."),
                                    &TForm1::Vergleichskurveladen1Click);
    Vergleichskurveentfernen1 = AddItem(Anzeigen1, "Vergleichskurveentfernen1",
                                        QStringLiteral("Vergleichskurve &entfernen"), &TForm1::Vergleichskurveentfernen1Click);
    // Qt inverts the check mark of a checkable item before its handler runs.
    for (QAction* item : {Zahlenwerte1, Grafik1, Mittelwert1, Statusleiste1})
        item->setCheckable(true);
    for (QAction* item : {Zahlenwerte1, Grafik1, Mittelwert1, Kurvendarstellung, Vergleichskurveladen1,
                          Vergleichskurveentfernen1})
        item->setEnabled(false);
}

void TForm1::CreateSolarMenu()
{
    Solarauswertung1 = menuBar()->addMenu(QStringLiteral("&Solarauswertung"));
    Solarauswertung1->setObjectName(QStringLiteral("Solarauswertung1"));
    Temperaturen1 = AddItem(Solarauswertung1, "Temperaturen1", QStringLiteral("Temperaturen"), &TForm1::Temperaturen1Click);
    Energie1 = AddItem(Solarauswertung1, "Energie1", QStringLiteral("Energie 1"), &TForm1::Energie1Click);
    Speichernunter1 = AddItem(Solarauswertung1, "Speichernunter1", QStringLiteral("Temp. Speichern unter"), &TForm1::Speichernunter1Click);
    Energie1speichernunter1 =
        AddItem(Solarauswertung1, "Energie1speichernunter1", QStringLiteral("Energie 1 speichern unter"), &TForm1::Energie1speichernunter1Click);
}
