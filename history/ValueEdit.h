#pragma once

#include "document/Document.h"

#include <QUndoCommand>

#include <cstdint>
#include <functional>
#include <vector>

// A change of the values at some indices, as a step of the document's
// history: the indices, as runs, and the values they held before. A step
// over all 2500 values so keeps one run and 5000 bytes; what it writes is
// worked out again from the document at each redo.
class TValueStep : public QUndoCommand {
public:
    // Shows the indices of the step selected again after an undo or redo.
    using TSelect = std::function<void(const std::vector<int>& indices)>;

    void undo() override;
    void redo() override;

    [[nodiscard]] int IndexCount() const { return int(oldValues_.size()); }

protected:
    // `indices` ascending.
    TValueStep(TDocument& document, const std::vector<int>& indices, TSelect select);

    // The values the step writes into `indices`, from the document as it
    // stands before the step.
    [[nodiscard]] virtual std::vector<std::int16_t> NewValues(const TDocument& document,
                                                              const std::vector<int>& indices) const = 0;

private:
    struct TRun {
        int Start = 0;
        int Count = 0;
    };

    [[nodiscard]] std::vector<int> Indices() const;

    TDocument& document_;
    std::vector<TRun> runs_;
    std::vector<std::int16_t> oldValues_;
    TSelect select_;
    // The document's states before and after the step.
    TDocument::TRevision before_ = 0;
    TDocument::TRevision after_ = 0;
    // The first redo is the command itself, which leaves the selection to
    // the window.
    bool done_ = false;
};

// One commit of a typed value into every selected index.
class TValueEdit final : public TValueStep {
public:
    TValueEdit(TDocument& document, const std::vector<int>& indices, std::int16_t value, TSelect select);

    [[nodiscard]] std::int16_t Value() const { return value_; }

protected:
    [[nodiscard]] std::vector<std::int16_t> NewValues(const TDocument& document,
                                                      const std::vector<int>& indices) const override;

private:
    std::int16_t value_;
};

// "Linear verbinden": every run of the indices takes the straight line
// between its neighbours, which the step never changes, so a redo writes
// again exactly what the command wrote.
class TLinearBridge final : public TValueStep {
public:
    TLinearBridge(TDocument& document, const std::vector<int>& indices, TSelect select);

protected:
    [[nodiscard]] std::vector<std::int16_t> NewValues(const TDocument& document,
                                                      const std::vector<int>& indices) const override;
};
