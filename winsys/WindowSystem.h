#pragma once

#include <QString>

#include <functional>
#include <optional>

class QPrinter;

enum class TAnswer { Yes, No, Cancel };

enum class TButtons { YesNoCancel, YesNo };

// The filter of every dialog that picks value files.
inline const QString ValueFileFilter = QStringLiteral("Sim-Dateien (*.kos)|*.k*|Echtzeit-Dateien (*.koe)|*.k*");

// The state of one file dialog. It lives as long as the window that owns the
// dialog, so filter and file name carry over from one use to the next.
struct TFileDialog {
    // Pairs of description and pattern separated by "|", e.g.
    // "Sim-Dateien (*.kos)|*.k*|Echtzeit-Dateien (*.koe)|*.k*".
    QString Filter;
    QString DefaultExt;
    QString FileName;
    // The filter entry in use, counted from 1; kept even when Filter changes.
    int FilterIndex = 1;
    bool HideReadOnly = true;
};

// Everything the windows ask of the desktop: prompts, the error display, the
// file dialogs and the clipboard. The real implementation uses Qt's dialogs;
// tests install a scripted one that answers without a person.
class TWindowSystem {
public:
    virtual ~TWindowSystem() = default;

    // Title "Bestätigung"; closing the box without a button answers Cancel.
    [[nodiscard]] virtual TAnswer Confirm(const QString& text, TButtons buttons) = 0;
    // Shows the text as given; callers pass it through ErrorDisplayText first.
    virtual void ShowError(const QString& text) = 0;
    // Both return the chosen full path, store it in dialog.FileName, and
    // never ask about overwriting.
    [[nodiscard]] virtual std::optional<QString> ExecuteOpen(TFileDialog& dialog) = 0;
    [[nodiscard]] virtual std::optional<QString> ExecuteSave(TFileDialog& dialog) = 0;
    virtual void SetClipboardText(const QString& text) = 0;
    [[nodiscard]] virtual QString ClipboardText() const = 0;
    // The print dialog for `printer`; true when the user chose to print. A
    // window system without printers prints nothing.
    [[nodiscard]] virtual bool ExecutePrint(QPrinter& printer);
    // The preview of what `paint` puts on `printer`, from which the user may
    // print.
    virtual void ExecutePrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint);
};

// The error display appends a full stop when the text's last character sorts
// after "." (letters and digits do; "!", "?" and "." itself do not).
[[nodiscard]] QString ErrorDisplayText(const QString& text);
