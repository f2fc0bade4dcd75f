#include "history/ValueEdit.h"

#include "document/Document.h"
#include "document/LinearBridge.h"

TValueStep::TValueStep(TDocument& document, const std::vector<int>& indices, TSelect select)
    : document_(document), select_(std::move(select)), before_(document.Revision())
{
    oldValues_.reserve(indices.size());
    for (const int index : indices) {
        oldValues_.push_back(document.Value(index));
        if (!runs_.empty() && runs_.back().Start + runs_.back().Count == index)
            ++runs_.back().Count;
        else
            runs_.push_back({index, 1});
    }
}

std::vector<int> TValueStep::Indices() const
{
    std::vector<int> indices;
    indices.reserve(oldValues_.size());
    for (const TRun& run : runs_)
        for (int index = run.Start; index < run.Start + run.Count; ++index)
            indices.push_back(index);
    return indices;
}

void TValueStep::undo()
{
    const std::vector<int> indices = Indices();
    document_.RestoreValues(indices, oldValues_, before_);
    select_(indices);
}

void TValueStep::redo()
{
    const std::vector<int> indices = Indices();
    if (!done_) {
        document_.SetValues(indices, NewValues(document_, indices));
        after_ = document_.Revision();
        done_ = true;
        return;
    }
    document_.RestoreValues(indices, NewValues(document_, indices), after_);
    select_(indices);
}

TValueEdit::TValueEdit(TDocument& document, const std::vector<int>& indices, std::int16_t value, TSelect select)
    : TValueStep(document, indices, std::move(select)), value_(value)
{
}

std::vector<std::int16_t> TValueEdit::NewValues(const TDocument&, const std::vector<int>& indices) const
{
    return std::vector<std::int16_t>(indices.size(), value_);
}

TLinearBridge::TLinearBridge(TDocument& document, const std::vector<int>& indices, TSelect select)
    : TValueStep(document, indices, std::move(select))
{
}

std::vector<std::int16_t> TLinearBridge::NewValues(const TDocument& document, const std::vector<int>& indices) const
{
    return BridgedValues(document.Values(), indices);
}
