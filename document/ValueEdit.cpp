#include "document/ValueEdit.h"

#include "document/Document.h"

TValueEdit::TValueEdit(TDocument& document, const std::vector<int>& indices, std::int16_t value, TSelect select)
    : document_(document), value_(value), select_(std::move(select))
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

std::vector<int> TValueEdit::Indices() const
{
    std::vector<int> indices;
    indices.reserve(oldValues_.size());
    for (const TRun& run : runs_)
        for (int index = run.Start; index < run.Start + run.Count; ++index)
            indices.push_back(index);
    return indices;
}

void TValueEdit::undo()
{
    const std::vector<int> indices = Indices();
    document_.SetValues(indices, oldValues_);
    select_(indices);
}

void TValueEdit::redo()
{
    const std::vector<int> indices = Indices();
    document_.SetValues(indices, value_);
    if (committed_)
        select_(indices);
    committed_ = true;
}
