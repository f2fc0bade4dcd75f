#pragma once

#include "export/ExportState.h"
#include "export/SolarChannels.h"
#include "values/ValueFile.h"

#include <QString>

#include <optional>

// The solar evaluation of recordings (a base file with siblings .k1 to .k99)
// into the export table, without any dialog: the window's commands
// (SolarCommands.h) and korav-auswertung both drive it.
//
// It reads into a buffer and a file name of its own, taken from the document
// at the start of each evaluation, so the document never loses unsaved values
// to a sibling and a later save of the document cannot land in a recording.
class TSolarEvaluation {
public:
    static constexpr int SiblingCount = 99;
    // 12 passes of 99 rows fill 1188 of the table's 1200 rows.
    static constexpr int MaxFileCount = ColumnRowCount / SiblingCount;

    // Starts an evaluation of `count` recordings from the document's name and
    // values. A count above MaxFileCount throws before anything changes.
    void Begin(int count, const QString& documentName, const TValueBuffer& documentValues);

    // One pass: the base file, when there is one, then its siblings into the
    // next 99 rows; without a base file the pass runs over the siblings of
    // the working name again. A missing file repeats the values before it.
    // Returns how many of the 99 siblings exist. A file that cannot be read
    // throws its EInOutError, the rows filled so far staying in the table.
    int EvaluateRecording(const TChannelTable& channels, TColumnTable& table, const std::optional<QString>& baseFile);

    // The name the saves offer: the working name, or the document's.
    [[nodiscard]] QString SaveName(const QString& documentName) const { return workingName_.value_or(documentName); }

    // After "Neu..." or "Öffnen..." the saves preset the document's name
    // again: the last sibling belonged to the evaluation of the one before.
    void DocumentReplaced() { workingName_.reset(); }

    [[nodiscard]] int EvaluationFileCount() const { return evaluationFileCount_; }
    [[nodiscard]] int RowOffset() const { return rowOffset_; }
    // Sibling 99 of the last pass, or the file that failed; none before the
    // first evaluation and after the document was replaced.
    [[nodiscard]] std::optional<QString> WorkingFileName() const { return workingName_; }

private:
    [[nodiscard]] bool LoadWorkingFile();
    void StoreRow(const TChannelTable& channels, TColumnTable& table, int row) const;

    int evaluationFileCount_ = 1;
    int rowOffset_ = 0;
    std::optional<QString> workingName_;
    TValueBuffer workingValues_{};
};

// The table's header for a save of an evaluation: all eight columns, under
// the channels' names.
void SetChannelColumns(TExportState& state, const TChannelTable& channels);
