#pragma once

#include "export/ExportContext.h"
#include "export/SolarEvaluation.h"

// The window's commands around the solar evaluation: its dialogs and
// questions, the evaluation itself left to TSolarEvaluation.

// "Temperaturen" and "Energie 1": the count from `countText`, then one open
// dialog and one pass per file. A bad or too large count throws before
// anything changes; a cancelled dialog keeps the working name, so that pass
// runs over the siblings of the previous base file again.
void RunSolarEvaluation(TSolarEvaluation& evaluation, const TChannelTable& channels, const QString& countText,
                        const TExportContext& openContext, const QString& documentName,
                        const TValueBuffer& documentValues);

// "Temp. Speichern unter" and "Energie 1 speichern unter": writes the table
// under the channel names. The dialog comes preset with a value file, so an
// existing target is replaced only after the user says Yes.
void SaveSolarEvaluation(const TSolarEvaluation& evaluation, const TChannelTable& channels,
                         const TExportContext& saveContext, const QString& documentName);
