#include "app/TForm1.h"

#include "app/ListSelection.h"
#include "app/MenuTable.h"
#include "controls/HistoryKeys.h"
#include "controls/MenuBarEscape.h"
#include "document/Document.h"

#include <QAction>
#include <QMenuBar>
#include <QUndoStack>

namespace {

using enum TEnabledWhen;

QList<QKeySequence> Key(QKeyCombination key)
{
    return {QKeySequence(key)};
}

} // namespace

std::vector<TMenu> TForm1::MenuTable()
{
    return {
        {"Datei1",
         QStringLiteral("&Datei"),
         {
             {"Neu1", QStringLiteral("&Neu..."), Guarded(&TForm1::Neu1Click),
              StandardKeys(QKeySequence::New, Qt::CTRL | Qt::Key_N)},
             {"ffnen1", QStringLiteral("Ö&ffnen..."), Guarded(&TForm1::ffnen1Click),
              StandardKeys(QKeySequence::Open, Qt::CTRL | Qt::Key_O)},
             {"Speichern", QStringLiteral("&Speichern"), Guarded(&TForm1::SpeichernClick),
              StandardKeys(QKeySequence::Save, Qt::CTRL | Qt::Key_S), Loaded},
             {"Speichernunter", QStringLiteral("Speichern &unter..."), Guarded(&TForm1::SpeichernunterClick),
              StandardKeys(QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S), Loaded},
             Separator(),
             {"GrafikSpeichern",
              QStringLiteral("&Grafik speichern..."),
              Guarded(&TForm1::GrafikSpeichernClick),
              {},
              Loaded},
             // "B" stays with "Beenden", which it has always opened.
             {"DiagrammalsBildspeichern1",
              QStringLiteral("Diagramm als B&ild speichern..."),
              Guarded(&TForm1::DiagrammalsBildspeichern1Click),
              {},
              Loaded},
             Separator(),
             {"Drucken1", QStringLiteral("&Drucken..."), Guarded(&TForm1::Drucken1Click),
              StandardKeys(QKeySequence::Print, Qt::CTRL | Qt::Key_P), Loaded},
             {"Druckvorschau1", QStringLiteral("Druck&vorschau..."), Guarded(&TForm1::Druckvorschau1Click), {}, Loaded},
             Separator(),
             {"Beenden1", QStringLiteral("&Beenden"), Guarded(&TForm1::Beenden1Click),
              StandardKeys(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q)},
         }},
        {"Bearbeiten1",
         QStringLiteral("Bearbeiten"),
         {
             {"Rckgngig1", QStringLiteral("&Rückgängig"), Guarded(&TForm1::Rckgngig1Click), UndoKeys(), CanUndo},
             {"Wiederherstellen1", QStringLiteral("&Wiederherstellen"), Guarded(&TForm1::Wiederherstellen1Click),
              RedoKeys(), CanRedo},
             Separator(),
             {"Ausschneiden1", QStringLiteral("&Ausschneiden"), Guarded(&TForm1::Ausschneiden1Click),
              Key(Qt::CTRL | Qt::Key_X)},
             {"Kopieren1", QStringLiteral("&Kopieren"), Guarded(&TForm1::Kopieren1Click), Key(Qt::CTRL | Qt::Key_C)},
             {"AusListekopieren1", QStringLiteral("Aus Li&ste kopieren"), Guarded(&TForm1::AusListekopieren1Click),
              Key(Qt::CTRL | Qt::Key_L), Loaded},
             {"Einfgen1", QStringLiteral("&Einfügen"), Guarded(&TForm1::Einfgen1Click), Key(Qt::CTRL | Qt::Key_V)},
             {"Lschen1", QStringLiteral("&Löschen"), Guarded(&TForm1::Lschen1Click), Key(Qt::CTRL | Qt::Key_Delete)},
             Separator(),
             {"Linearverbinden1", QStringLiteral("Linear &verbinden"), Guarded(&TForm1::Linearverbinden1Click),
              Key(Qt::CTRL | Qt::Key_B), Selection},
             {"AuswahlnachBedingung1",
              QStringLiteral("Auswahl nach &Bedingung..."),
              Guarded(&TForm1::AuswahlnachBedingung1Click),
              {},
              Loaded},
             {"NchsteAuswahl1", QStringLiteral("&Nächste Auswahl"), Guarded(&TForm1::NchsteAuswahl1Click),
              Key(Qt::Key_F3), Selection},
             {"VorherigeAuswahl1", QStringLiteral("Vorherige Auswahl"), Guarded(&TForm1::VorherigeAuswahl1Click),
              Key(Qt::SHIFT | Qt::Key_F3), Selection},
             {"GehezuZeile1", QStringLiteral("&Gehe zu Zeile..."), Guarded(&TForm1::GehezuZeile1Click),
              Key(Qt::CTRL | Qt::Key_G), Loaded},
         }},
        {"Anzeigen1",
         QStringLiteral("&Anzeige"),
         {
             {"Zahlenwerte1", QStringLiteral("&Zahlenwerte"), Guarded(&TForm1::Zahlenwerte1Click), {}, Loaded, true},
             {"Grafik1", QStringLiteral("&Grafik"), Guarded(&TForm1::Grafik1Click), {}, Loaded, true},
             {"Mittelwert1", QStringLiteral("&Mittelwert"), Guarded(&TForm1::Mittelwert1Click), {}, Loaded, true},
             {"Statusleiste1", QStringLiteral("&Statusleiste"), Guarded(&TForm1::Statusleiste1Click), {}, Always, true},
             Separator(),
             {"Kurvendarstellung",
              QStringLiteral("&Kurvendarstellung..."),
              Guarded(&TForm1::KurvendarstellungClick),
              {},
              Loaded},
             {"Vergleichskurveladen1",
              QStringLiteral("&Vergleichskurve laden..."),
              Guarded(&TForm1::Vergleichskurveladen1Click),
              {},
              Loaded},
             {"Vergleichskurveentfernen1",
              QStringLiteral("Vergleichskurve &entfernen"),
              Guarded(&TForm1::Vergleichskurveentfernen1Click),
              {},
              Comparison},
             Separator(),
             {"GanzeKurve1", QStringLiteral("G&anze Kurve"), Guarded(&TForm1::GanzeKurve1Click), {}, Loaded},
             {"AufAuswahlzoomen1",
              QStringLiteral("Auf Aus&wahl zoomen"),
              Guarded(&TForm1::AufAuswahlzoomen1Click),
              {},
              Selection},
             {"Originalgre1", QStringLiteral("&Originalgröße"), Guarded(&TForm1::Originalgre1Click),
              Key(Qt::CTRL | Qt::Key_0), Loaded},
         }},
        {"Solarauswertung1",
         QStringLiteral("&Solarauswertung"),
         {
             {"Temperaturen1", QStringLiteral("Temperaturen"), Guarded(&TForm1::Temperaturen1Click), {}},
             {"Energie1", QStringLiteral("Energie 1"), Guarded(&TForm1::Energie1Click), {}},
             {"Speichernunter1", QStringLiteral("Temp. Speichern unter"), Guarded(&TForm1::Speichernunter1Click), {}},
             {"Energie1speichernunter1",
              QStringLiteral("Energie 1 speichern unter"),
              Guarded(&TForm1::Energie1speichernunter1Click),
              {}},
         }},
    };
}

void TForm1::CreateMenus()
{
    CreateHistory();
    menus_ = std::make_unique<TMenuTable>(*menuBar(), MenuTable());
    LeaveMenuBarOnEscape(*menuBar());
}

TMenuState TForm1::MenuState() const
{
    return {document_->Loaded(), selection_->HasSelection(), undoStack_->canUndo(), undoStack_->canRedo(),
            curves_.Comparison != nullptr};
}

// Every change that an item's enabled state depends on comes here.
void TForm1::UpdateMenus()
{
    menus_->Update(MenuState());
}
