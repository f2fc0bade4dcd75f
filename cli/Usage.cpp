#include "cli/Usage.h"

QString UsageText()
{
    return QStringLiteral(
        "Aufruf:\n"
        "  korav-auswertung temperaturen -o AUSGABE BASIS...\n"
        "  korav-auswertung energie -o AUSGABE BASIS...\n"
        "  korav-auswertung bereich --von N --bis M -o AUSGABE DATEI\n"
        "  korav-auswertung --help | --version\n"
        "\n"
        "Wertet Wertedateien (.kos, .koe, .k1 bis .k99) ohne Fenster aus und\n"
        "schreibt die Spaltendatei AUSGABE, Byte für Byte so, wie der KORAV-Editor\n"
        "sie schreibt.\n"
        "\n"
        "Befehle:\n"
        "  temperaturen  wie \"Temperaturen\" und dann \"Temp. Speichern unter\" in\n"
        "                einem frisch gestarteten Editor: für jede BASIS (höchstens\n"
        "                12, in der angegebenen Reihenfolge) je eine Zeile mit den\n"
        "                Mittelwerten der acht Temperaturkanäle aus jeder ihrer\n"
        "                Geschwisterdateien BASIS.k1 bis BASIS.k99, 99 Zeilen je\n"
        "                BASIS. Fehlt eine Geschwisterdatei, wiederholt ihre Zeile\n"
        "                die vorige (bei .k1 die Werte der BASIS selbst); jede\n"
        "                BASIS muss es geben.\n"
        "  energie       ebenso mit den Energiekanälen, wie \"Energie 1\" und\n"
        "                \"Energie 1 speichern unter\".\n"
        "  bereich       wie \"Grafik speichern...\": die Werte N bis M der\n"
        "                Wertedatei DATEI als eine Spalte \"KORAV\". Die Werte sind\n"
        "                von 0 bis 2499 nummeriert; ein Bereich umfasst höchstens\n"
        "                1200 Werte.\n"
        "\n"
        "Optionen:\n"
        "  -o AUSGABE    die Spaltendatei, die geschrieben wird. Eine vorhandene\n"
        "                Datei wird ohne Rückfrage ersetzt, aber erst, wenn die neue\n"
        "                vollständig geschrieben ist; bei einem Fehler bleibt sie,\n"
        "                wie sie war.\n"
        "  --von N       erster Wert des Bereichs (nur bei bereich)\n"
        "  --bis M       letzter Wert des Bereichs (nur bei bereich)\n"
        "  --            beendet die Optionen; alles Weitere sind Dateinamen\n"
        "  -h, --help    zeigt diese Hilfe\n"
        "  --version     zeigt die Version\n"
        "\n"
        "Zahlen werden wie im Editor gelesen: dezimal oder hexadezimal mit \"$\"\n"
        "oder \"0x\" davor.\n"
        "\n"
        "Beispiele:\n"
        "  korav-auswertung temperaturen -o juni.txt daten/juni01.kos daten/juni02.kos\n"
        "  korav-auswertung energie -o woche27.txt daten/juli0[1-7].kos\n"
        "  korav-auswertung bereich --von 100 --bis 1299 -o anlauf.b1 daten/juni01.kos\n"
        "\n"
        "Rückgabewert: 0, wenn AUSGABE geschrieben wurde; 1 bei einem falschen\n"
        "Aufruf; 2, wenn eine Datei nicht gelesen oder AUSGABE nicht geschrieben\n"
        "werden konnte. Meldungen stehen auf der Standardfehlerausgabe.");
}

QString VersionText()
{
    return QStringLiteral("korav-auswertung " KORAV_VERSION);
}
