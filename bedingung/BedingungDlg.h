#pragma once

#include "document/ValueCondition.h"

#include <QDialog>

#include <optional>
#include <vector>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// What "Auswahl nach Bedingung" found, and whether it joins the selection.
struct TConditionChoice {
    std::vector<int> Lines;
    bool Add = false;
};

// "Auswahl nach Bedingung": one of three conditions with its numbers, read
// as typed values are. The dialog is created once and keeps what the user
// entered. It closes with OK only once the condition finds something; until
// then it says what is wrong and stays open.
class TBedingungDlg : public QDialog {
    Q_OBJECT

public:
    explicit TBedingungDlg(QWidget* parent = nullptr);

    // The lines of `values` that meet the condition the user confirmed, its
    // numbers read in `mode`; nothing when the dialog was cancelled.
    [[nodiscard]] std::optional<TConditionChoice> Execute(const TValueBuffer& values, TNumberMode mode);

    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QRadioButton* RadioButton4 = nullptr;
    QRadioButton* RadioButton5 = nullptr;
    // Why OK did not close the dialog.
    QLabel* Label2 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateConditions();
    [[nodiscard]] QRadioButton* CreateCondition(const QString& caption, int top, TConditionKind kind);
    [[nodiscard]] QLineEdit* CreateField(QRadioButton* condition, int left, int top);
    void CreateChoice();
    void CreateButtons();
    [[nodiscard]] TConditionKind Kind() const;
    [[nodiscard]] QLineEdit* FirstFieldOf(TConditionKind kind) const;
    [[nodiscard]] QStringList Numbers() const;
    void OKBtnClick();

    QButtonGroup* conditions_ = nullptr;
    const TValueBuffer* values_ = nullptr;
    TNumberMode mode_ = FixedPoint;
    std::vector<int> found_;
};
