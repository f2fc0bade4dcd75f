#include "document/Document.h"

const QString TDocument::NewFileName = QStringLiteral("Neue Datei");

void TDocument::New()
{
    values_.fill(0);
    loaded_ = true;
    SetName(NewFileName);
    SetModified(false);
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
    SetModified(false);
    emit Presented();
}

void TDocument::Save()
{
    SaveValueFile(currentFileName_, values_);
    SetModified(false);
}

void TDocument::SaveAs(const QString& path)
{
    SaveValueFile(path, values_);
    SetModified(false);
    SetName(path);
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
