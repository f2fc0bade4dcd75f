#include "document/Document.h"

#include "values/FileLook.h"

const QString TDocument::NewFileName = QStringLiteral("Neue Datei");

void TDocument::New()
{
    values_.fill(0);
    loaded_ = true;
    seen_.reset();
    SetName(NewFileName);
    SetModified(false);
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
    SetModified(false);
    emit Presented();
}

void TDocument::Save()
{
    seen_ = SaveValueFile(currentFileName_, values_, TWaitForReader::No);
    SetModified(false);
}

void TDocument::SaveAs(const QString& path)
{
    seen_ = SaveValueFile(path, values_, TWaitForReader::No);
    SetModified(false);
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
    for (std::size_t k = 0; k < indices.size(); ++k)
        values_[std::size_t(indices[k])] = values[k];
    SetModified(true);
    emit ValuesChanged(indices);
}

void TDocument::SetModified(bool modified)
{
    modified_ = modified;
}

void TDocument::SetName(const QString& name)
{
    currentFileName_ = name;
    emit NameChanged();
}
