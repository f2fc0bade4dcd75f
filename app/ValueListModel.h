#pragma once

#include "values/NumberFormat.h"

#include <QAbstractListModel>

#include <vector>

class TDocument;

// The lines of the value list, "index    value", formatted from the document
// in the current number representation when the view asks for them. Until
// it is filled the list has no line.
class TValueListModel : public QAbstractListModel {
    Q_OBJECT

public:
    explicit TValueListModel(const TDocument& document, QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

    // Every line anew in `mode`; the view loses its selection, as a list
    // filled again does.
    void Fill(TNumberMode mode);
    [[nodiscard]] TNumberMode Mode() const { return mode_; }

    // The value of `row` as the list shows it, and the whole line.
    [[nodiscard]] QString ValueText(int row) const;
    [[nodiscard]] QString Line(int row) const;

private:
    void ShowValues(const std::vector<int>& indices);

    const TDocument& document_;
    TNumberMode mode_ = FixedPoint;
    int rows_ = 0;
};
