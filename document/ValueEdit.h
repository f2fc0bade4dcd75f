#pragma once

#include <QUndoCommand>

#include <cstdint>
#include <functional>
#include <vector>

class TDocument;

// One commit of a typed value, as a step of the document's history: the
// indices it wrote, as runs, and the values they held before. A commit of
// all 2500 values so keeps one run and 5000 bytes.
class TValueEdit : public QUndoCommand {
public:
    // Shows the indices of the commit selected again after an undo or redo.
    using TSelect = std::function<void(const std::vector<int>& indices)>;

    // `indices` ascending.
    TValueEdit(TDocument& document, const std::vector<int>& indices, std::int16_t value, TSelect select);

    void undo() override;
    void redo() override;

    [[nodiscard]] std::int16_t Value() const { return value_; }
    [[nodiscard]] int IndexCount() const { return int(oldValues_.size()); }

private:
    struct TRun {
        int Start = 0;
        int Count = 0;
    };

    [[nodiscard]] std::vector<int> Indices() const;

    TDocument& document_;
    std::vector<TRun> runs_;
    std::vector<std::int16_t> oldValues_;
    std::int16_t value_;
    TSelect select_;
    // The first redo is the commit itself, which leaves no selection.
    bool committed_ = false;
};
