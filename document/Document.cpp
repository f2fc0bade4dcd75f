#include "document/Document.h"

#include "values/FileLook.h"

const QString TDocument::NewFileName = NewDocumentName;

void TDocument::New()
{
    values_.fill(0);
    loaded_ = true;
    seen_.reset();
    SetName(NewFileName);
    StartAfresh();
    emit Presented();
}

void TDocument::Open(const QString& path)
{
    // Read into a scratch buffer first: a read that fails half-way must not
    // leave half a file in the document.
    TValueBuffer read{};
    TFileStamp stamp;
    const bool found = LoadValueFile(path, read, &stamp);
    if (found) {
        values_ = read;
        loaded_ = true;
    }
    seen_ = found ? std::optional(stamp) : std::nullopt;
    SetName(path);
    if (!loaded_)
        return;
    StartAfresh();
    emit Presented();
}

void TDocument::Save()
{
    seen_ = SaveValueFile(currentFileName_, values_, TWaitForReader::No);
    MarkSaved();
}

void TDocument::SaveAs(const QString& path)
{
    seen_ = SaveValueFile(path, values_, TWaitForReader::No);
    MarkSaved();
    SetName(path);
}

bool TDocument::ChangedOutside() const
{
    if (!HasFile())
        return false;
    const TFileLook now(currentFileName_);
    return now.IsRegular() && seen_ != std::optional(StampOf(now.Info()));
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
