#pragma once

#include "winsys/WindowSystem.h"
#include "export/ExportState.h"

// What an export command works with: the prompts, the one file dialog the
// command shows (the save dialog, or the open dialog of an evaluation) and
// the shared export state.
struct TExportContext {
    TWindowSystem& Windows;
    TFileDialog& Dialog;
    TExportState& State;
};
