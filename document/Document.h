#pragma once

#include "values/ValueFile.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// The document the window shows: its values, the name of its file, whether
// one is loaded and whether it changed since it was read, made or saved.
// The views follow its signals instead of being refreshed by each command.
class TDocument : public QObject {
    Q_OBJECT

public:
    // The name of a document that has no file yet.
    static const QString NewFileName;

    [[nodiscard]] const TValueBuffer& Values() const { return values_; }
    [[nodiscard]] std::int16_t Value(int index) const { return values_[std::size_t(index)]; }
    [[nodiscard]] const QString& CurrentFileName() const { return currentFileName_; }
    [[nodiscard]] bool Loaded() const { return loaded_; }
    // Changed since it was read, made or saved: its values are in another
    // state than then. An undo back to that state makes it unchanged again.
    [[nodiscard]] bool Modified() const { return revision_ != savedRevision_; }
    [[nodiscard]] bool HasFile() const { return currentFileName_ != NewFileName; }

    // 2500 zeros without a file.
    void New();
    // Reads `path`. A file that cannot be read throws and changes nothing,
    // so a later save cannot land in it. A name of no file changes only the
    // name: the values present, if any, then stand under it.
    void Open(const QString& path);
    // Writes the values into the document's file, or into `path`, which then
    // becomes its file. A pipe without a reader fails at once: the window
    // waits for no one.
    void Save();
    void SaveAs(const QString& path);

    // True when the document's file is now another file than the one it
    // last read or wrote, or the same file with another size or time of
    // change: another program wrote it, and a save would undo that. A file
    // that appeared under the name of a document that found none there
    // counts too. False for a document without a file, for a file that is
    // gone (a save only writes it anew) and for a pipe or a device, which
    // hold nothing a save could lose.
    [[nodiscard]] bool ChangedOutside() const;

    // Every state of the values has a number of its own; a history step
    // keeps the numbers of the states before and after it.
    using TRevision = std::uint64_t;
    [[nodiscard]] TRevision Revision() const { return revision_; }

    // `values[k]` into index `indices[k]`, or `value` into every index, as a
    // new state; the document counts as changed even when no index is given.
    void SetValues(const std::vector<int>& indices, std::int16_t value);
    void SetValues(const std::vector<int>& indices, const std::vector<std::int16_t>& values);
    // The same, back into the state `revision` of which these values were.
    void RestoreValues(const std::vector<int>& indices, const std::vector<std::int16_t>& values, TRevision revision);

signals:
    // A new or opened document is shown afresh.
    void Presented();
    void ValuesChanged(const std::vector<int>& indices);
    // The name or the loaded state changed: the title follows.
    void NameChanged();

private:
    void SetName(const QString& name);
    void WriteValues(const std::vector<int>& indices, const std::vector<std::int16_t>& values, TRevision revision);
    void MarkSaved() { savedRevision_ = revision_; }
    void StartAfresh();

    TValueBuffer values_{};
    QString currentFileName_;
    bool loaded_ = false;
    TRevision revision_ = 0;
    TRevision savedRevision_ = 0;
    TRevision lastRevision_ = 0;
    // The regular file last read or written; nothing when there was none.
    std::optional<TFileStamp> seen_;
};
