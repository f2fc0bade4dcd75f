#include "document/Document.h"

const QString TDocument::NewFileName = NewDocumentName;

void TDocument::New()
{
    values_.fill(0);
    loaded_ = true;
    SetName(NewFileName);
    StartAfresh();
    emit Presented();
}

void TDocument::Open(const QString& path)
{
    // Read into a scratch buffer first: a read that fails half-way must not
    // leave half a file in the document.
    TValueBuffer read{};
    if (LoadValueFile(path, read)) {
        values_ = read;
        loaded_ = true;
    }
    SetName(path);
    if (!loaded_)
        return;
    StartAfresh();
    emit Presented();
}

void TDocument::Save()
{
    SaveValueFile(currentFileName_, values_);
    MarkSaved();
}

void TDocument::SaveAs(const QString& path)
{
    SaveValueFile(path, values_);
    MarkSaved();
    SetName(path);
}

void TDocument::SetValues(const std::vector<int>& indices, std::int16_t value)
{
    SetValues(indices, std::vector<std::int16_t>(indices.size(), value));
}

void TDocument::SetValues(const std::vector<int>& indices, const std::vector<std::int16_t>& values)
{
    WriteValues(indices, values, ++lastRevision_);
}

void TDocument::RestoreValues(const std::vector<int>& indices, const std::vector<std::int16_t>& values,
                              TRevision revision)
{
    WriteValues(indices, values, revision);
}

void TDocument::WriteValues(const std::vector<int>& indices, const std::vector<std::int16_t>& values,
                            TRevision revision)
{
    for (std::size_t k = 0; k < indices.size(); ++k)
        values_[std::size_t(indices[k])] = values[k];
    revision_ = revision;
    emit ValuesChanged(indices);
}

// A new or opened document has a history of its own: no step of the one
// before can lead back to its saved state.
void TDocument::StartAfresh()
{
    revision_ = savedRevision_ = ++lastRevision_;
}

void TDocument::SetName(const QString& name)
{
    currentFileName_ = name;
    emit NameChanged();
}
