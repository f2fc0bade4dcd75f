#pragma once

#include "winsys/WindowSystem.h"

#include <QString>

#include <functional>
#include <optional>

// Shows the save dialog until the chosen file does not exist yet, is
// `ownFile` (the file the saved thing came from), or the user answers Yes to
// replacing it; any other answer shows the dialog again with the name just
// chosen. Nothing when the dialog is cancelled. `complete` turns the chosen
// name into the file's name (adds an extension the filter implies, say)
// before the question is asked about it. A folder is no file to replace: its
// name goes on to the write, which names what is wrong. A name `complete`
// refuses with an EKoravError gets that error's message, and the dialog again.
[[nodiscard]] std::optional<QString> ChooseSaveTarget(TWindowSystem& windows, TFileDialog& dialog,
                                                      const std::function<QString(const QString&)>& complete = {},
                                                      const QString& ownFile = {});
