#pragma once

#include "winsys/WindowSystem.h"

class QWidget;

// The window-system layer of the running program: Qt's message boxes,
// file dialogs and clipboard, with German captions.
class TQtWindowSystem : public TWindowSystem {
public:
    explicit TQtWindowSystem(QWidget* parent = nullptr) : parent_(parent) { }
    void SetParent(QWidget* parent) { parent_ = parent; }

    TAnswer Confirm(const QString& text, TButtons buttons) override;
    void ShowError(const QString& text) override;
    std::optional<QString> ExecuteOpen(TFileDialog& dialog) override;
    std::optional<QString> ExecuteSave(TFileDialog& dialog) override;
    void SetClipboardText(const QString& text) override;
    QString ClipboardText() const override;
    bool ExecutePrint(QPrinter& printer) override;
    void ExecutePrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;

private:
    std::optional<QString> ExecuteDialog(TFileDialog& dialog, bool save);

    QWidget* parent_ = nullptr;
};

// "Sim-Dateien (*.kos)|*.k*|..." becomes Qt's "Sim-Dateien (*.kos) (*.k*)" list.
[[nodiscard]] QStringList QtNameFilters(const QString& filter);
