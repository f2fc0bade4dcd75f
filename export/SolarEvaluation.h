#pragma once

#include "export/ExportContext.h"
#include "export/SolarChannels.h"
#include "values/ValueFile.h"

#include <QString>

#include <optional>

// The solar evaluation of recordings (a base file with siblings .k1 to .k99)
// into the export table, and the saves of that table.
//
// It reads into a buffer and a file name of its own, taken from the document
// at the start of each evaluation, so the document never loses unsaved values
// to a sibling and a later save of the document cannot land in a recording.
class TSolarEvaluation {
public:
    static constexpr int SiblingCount = 99;
    // 12 passes of 99 rows fill 1188 of the table's 1200 rows.
    static constexpr int MaxFileCount = ColumnRowCount / SiblingCount;

    // "Temperaturen" and "Energie 1": the count from `countText`, then one
    // open dialog and one pass per file. A bad or too large count throws
    // before anything changes; a file that cannot be read ends the evaluation
    // with its EInOutError, the rows filled so far staying in the table.
    void Evaluate(const TChannelTable& channels, const QString& countText, const TExportContext& openContext,
                  const QString& documentName, const TValueBuffer& documentValues);

    // "Temp. Speichern unter" and "Energie 1 speichern unter": writes the
    // table under the channel names. The dialog comes preset with a value
    // file, so an existing target is replaced only after the user says Yes.
    void Save(const TChannelTable& channels, const TExportContext& saveContext, const QString& documentName);

    // After "Neu..." or "Öffnen..." the saves preset the document's name
    // again: the last sibling belonged to the evaluation of the one before.
    void DocumentReplaced() { workingName_.reset(); }

    [[nodiscard]] int EvaluationFileCount() const { return evaluationFileCount_; }
    [[nodiscard]] int RowOffset() const { return rowOffset_; }
    // Sibling 99 of the last pass, or the file that failed; none before the
    // first evaluation and after the document was replaced.
    [[nodiscard]] std::optional<QString> WorkingFileName() const { return workingName_; }

private:
    void ChooseBaseFile(const TExportContext& openContext);
    void RunPass(const TChannelTable& channels, TColumnTable& table);
    void StoreRow(const TChannelTable& channels, TColumnTable& table, int row) const;

    int evaluationFileCount_ = 1;
    int rowOffset_ = 0;
    std::optional<QString> workingName_;
    TValueBuffer workingValues_{};
};
