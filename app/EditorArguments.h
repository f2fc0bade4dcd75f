#pragma once

#include <QString>
#include <QStringList>

// What the editor's command line asks for: a window, perhaps with a file
// to open, or only a text to print.
struct TEditorArguments {
    enum class TAction { Run, Help, Version, Error };

    TAction Action = TAction::Run;
    // The file to open at start, empty for an empty editor.
    QString File;
    // For Error: what was wrong, in German.
    QString Message;
};

// `arguments` without the program's name.
[[nodiscard]] TEditorArguments ParseEditorArguments(const QStringList& arguments);

[[nodiscard]] QString EditorUsage();
