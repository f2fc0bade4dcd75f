#include "app/EditorArguments.h"

TEditorArguments ParseEditorArguments(const QStringList& arguments)
{
    TEditorArguments parsed;
    bool optionsEnded = false;
    for (const QString& argument : arguments) {
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
            return {TEditorArguments::TAction::Help, {}, {}};
        } else if (!optionsEnded && argument == QLatin1String("--version")) {
            return {TEditorArguments::TAction::Version, {}, {}};
        } else if (!optionsEnded && argument.startsWith(u'-') && argument.size() > 1) {
            return {TEditorArguments::TAction::Error, {}, QStringLiteral("Unbekannte Option: ") + argument};
        } else if (!parsed.File.isEmpty()) {
            return {TEditorArguments::TAction::Error, {}, QStringLiteral("Es kann nur eine Datei geöffnet werden.")};
        } else {
            parsed.File = argument;
        }
    }
    return parsed;
}

QString EditorUsage()
{
    return QStringLiteral("Aufruf: KoravEditor [DATEI]\n"
                          "\n"
                          "Der KORAV-Editor zeigt und bearbeitet Wertedateien (.kos, .koe, .k1 bis .k99)\n"
                          "mit je 2500 Werten. Mit DATEI startet er mit dieser Datei geöffnet, wie\n"
                          "\"Öffnen...\" sie öffnet.\n"
                          "\n"
                          "Optionen:\n"
                          "  -h, --help   zeigt diese Hilfe und endet\n"
                          "  --version    zeigt die Version und endet\n"
                          "\n"
                          "Auswertungen ohne Fenster: korav-auswertung --help\n");
}
