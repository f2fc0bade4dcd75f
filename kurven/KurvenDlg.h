#pragma once

#include <QDialog>

#include <optional>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QSpinBox;

// Width and colour of the value curve, and the colour of the comparison
// curve beside it. The dialog lives as long as the program and keeps what
// the user set, also after "Abbrechen".
class TKurvenDlg : public QDialog {
    Q_OBJECT

public:
    explicit TKurvenDlg(QWidget* parent = nullptr);

    [[nodiscard]] int CurveWidth() const;
    // The colour of the chosen list item, or nothing while none is chosen.
    [[nodiscard]] std::optional<int> ChosenColor() const;
    // Whether the colour list still shows its design text, no colour chosen yet.
    [[nodiscard]] bool IsDesignText() const;
    void PresetLime();
    // The colour of the comparison curve, red until the user picks another.
    [[nodiscard]] int ComparisonColor() const;

    QFrame* Bevel1 = nullptr;
    QLabel* Label1 = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateGroup();
    void CreateWidthControls();
    void CreateColorControls();
    void CreateComparisonControls();
    [[nodiscard]] QComboBox* CreateColorList(QLabel* label, const char* name, const QRect& geometry);
    void CreateButtons();
};
