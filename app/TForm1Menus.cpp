#include "app/TForm1.h"

#include <QAction>
#include <QMenuBar>

QAction* TForm1::addItem(QMenu* menu, const QString& caption, void (TForm1::*handler)())
{
    QAction* item = menu->addAction(caption);
    connect(item, &QAction::triggered, this, [this, handler] { Guard([this, handler] { (this->*handler)(); }); });
    return item;
}

void TForm1::createMenus()
{
    createFileMenu();
    createEditMenu();
    createViewMenu();
    createSolarMenu();
}

void TForm1::createFileMenu()
{
    Datei1 = menuBar()->addMenu(QStringLiteral("&Datei"));
    Neu1 = addItem(Datei1, QStringLiteral("&Neu..."), &TForm1::Neu1Click);
    ffnen1 = addItem(Datei1, QStringLiteral("Ö&ffnen..."), &TForm1::ffnen1Click);
    Speichern = addItem(Datei1, QStringLiteral("&Speichern"), &TForm1::SpeichernClick);
    Speichernunter = addItem(Datei1, QStringLiteral("Speichern &unter..."), &TForm1::SpeichernunterClick);
    Datei1->addSeparator();
    GrafikSpeichern = addItem(Datei1, QStringLiteral("&Grafik speichern..."), &TForm1::GrafikSpeichernClick);
    Datei1->addSeparator();
    Beenden1 = addItem(Datei1, QStringLiteral("&Beenden"), &TForm1::Beenden1Click);
    for (QAction* item : {Speichern, Speichernunter, GrafikSpeichern})
        item->setEnabled(false);
}

void TForm1::createEditMenu()
{
    Bearbeiten1 = menuBar()->addMenu(QStringLiteral("Bearbeiten"));
    Ausschneiden1 = addItem(Bearbeiten1, QStringLiteral("&Ausschneiden"), &TForm1::Ausschneiden1Click);
    Kopieren1 = addItem(Bearbeiten1, QStringLiteral("&Kopieren"), &TForm1::Kopieren1Click);
    AusListekopieren1 = addItem(Bearbeiten1, QStringLiteral("Aus Li&ste kopieren"), &TForm1::AusListekopieren1Click);
    Einfgen1 = addItem(Bearbeiten1, QStringLiteral("&Einfügen"), &TForm1::Einfgen1Click);
    Lschen1 = addItem(Bearbeiten1, QStringLiteral("&Löschen"), &TForm1::Lschen1Click);
    Ausschneiden1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    Kopieren1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    AusListekopieren1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    Einfgen1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    Lschen1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    AusListekopieren1->setEnabled(false);
}

void TForm1::createViewMenu()
{
    Anzeigen1 = menuBar()->addMenu(QStringLiteral("&Anzeige"));
    Zahlenwerte1 = addItem(Anzeigen1, QStringLiteral("&Zahlenwerte"), &TForm1::Zahlenwerte1Click);
    Grafik1 = addItem(Anzeigen1, QStringLiteral("&Grafik"), &TForm1::Grafik1Click);
    Mittelwert1 = addItem(Anzeigen1, QStringLiteral("&Mittelwert"), &TForm1::Mittelwert1Click);
    Anzeigen1->addSeparator();
    Kurvendarstellung = addItem(Anzeigen1, QStringLiteral("&Kurvendarstellung..."), &TForm1::KurvendarstellungClick);
    // Qt inverts the check mark of a checkable item before its handler runs.
    for (QAction* item : {Zahlenwerte1, Grafik1, Mittelwert1})
        item->setCheckable(true);
    for (QAction* item : {Zahlenwerte1, Grafik1, Mittelwert1, Kurvendarstellung})
        item->setEnabled(false);
}

void TForm1::createSolarMenu()
{
    Solarauswertung1 = menuBar()->addMenu(QStringLiteral("&Solarauswertung"));
    Temperaturen1 = addItem(Solarauswertung1, QStringLiteral("Temperaturen"), &TForm1::Temperaturen1Click);
    Energie1 = addItem(Solarauswertung1, QStringLiteral("Energie 1"), &TForm1::Energie1Click);
    Speichernunter1 = addItem(Solarauswertung1, QStringLiteral("Temp. Speichern unter"), &TForm1::Speichernunter1Click);
    Energie1speichernunter1 =
        addItem(Solarauswertung1, QStringLiteral("Energie 1 speichern unter"), &TForm1::Energie1speichernunter1Click);
}
