#include "app/ValueListModel.h"

#include "document/Document.h"
#include "values/GeneralFormat.h"

#include <algorithm>

TValueListModel::TValueListModel(const TDocument& document, QObject* parent)
    : QAbstractListModel(parent), document_(document)
{
    connect(&document_, &TDocument::ValuesChanged, this, &TValueListModel::ShowValues);
}

int TValueListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

QVariant TValueListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rows_)
        return {};
    return Line(index.row());
}

void TValueListModel::Fill(TNumberMode mode)
{
    beginResetModel();
    mode_ = mode;
    rows_ = ValueCount;
    endResetModel();
}

QString TValueListModel::ValueText(int row) const
{
    return FormatValue(document_.Value(row), mode_, UserDecimalSeparator());
}

QString TValueListModel::Line(int row) const
{
    return QString::number(row) + QStringLiteral("    ") + ValueText(row);
}

// One notice from the first to the last changed line: the view repaints what
// of it is in view, however many lines changed.
void TValueListModel::ShowValues(const std::vector<int>& indices)
{
    if (indices.empty() || rows_ == 0)
        return;
    const auto [first, last] = std::minmax_element(indices.begin(), indices.end());
    emit dataChanged(index(*first), index(*last), {Qt::DisplayRole});
}
