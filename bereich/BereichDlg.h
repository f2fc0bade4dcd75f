#pragma once

#include "controls/SpinEdit.h"
#include "export/RangeDialog.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

// "Bereichsauswahl": the first and last value of a range export. Created
// once; its fields keep their values and bounds from one use to the next.
class TBereichDlg : public QDialog, public TRangeDialog {
    Q_OBJECT

public:
    explicit TBereichDlg(QWidget* parent = nullptr);

    void SetFirst(int value) override { SpinEdit1->SetValue(value); }
    void SetLast(int value) override { SpinEdit2->SetValue(value); }
    [[nodiscard]] int First() const override { return SpinEdit1->Value(); }
    [[nodiscard]] int Last() const override { return SpinEdit2->Value(); }
    [[nodiscard]] bool Execute() override { return exec() == QDialog::Accepted; }

    QLabel* const Label1 = new QLabel(this);
    QLabel* const Label2 = new QLabel(this);
    QLabel* const Label3 = new QLabel(this);
    TSpinEdit* const SpinEdit1 = new TSpinEdit(this);
    TSpinEdit* const SpinEdit2 = new TSpinEdit(this);
    QPushButton* const OKBtn = new QPushButton(this);
    QPushButton* const CancelBtn = new QPushButton(this);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateLabels();
    void CreateSpinEdits();
    void CreateButtons();
    void SetUpTabOrder();

    // Each keeps the other field within 1200 values of its own.
    void SpinEdit1Change();
    void SpinEdit2Change();
};
