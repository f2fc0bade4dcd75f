#include "desktop/QtWindowSystem.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrintPreviewDialog>
#include <QPushButton>

TAnswer TQtWindowSystem::Confirm(const QString& text, TButtons buttons)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Bestätigung"), text, QMessageBox::NoButton, parent_);
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    QPushButton* cancel = nullptr;
    if (buttons == TButtons::YesNoCancel) {
        cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        box.setEscapeButton(cancel);
    }
    box.setDefaultButton(yes);
    box.exec();
    if (box.clickedButton() == yes)
        return TAnswer::Yes;
    if (box.clickedButton() == no)
        return TAnswer::No;
    return TAnswer::Cancel;
}

void TQtWindowSystem::ShowError(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), text, QMessageBox::Ok, parent_);
    box.exec();
}

std::optional<QString> TQtWindowSystem::ExecuteOpen(TFileDialog& dialog)
{
    return ExecuteDialog(dialog, false);
}

std::optional<QString> TQtWindowSystem::ExecuteSave(TFileDialog& dialog)
{
    return ExecuteDialog(dialog, true);
}

namespace {

// With the details hidden, QFileDialog looks an entry up by its patterns
// and names it by its description, so neither selectNameFilter nor
// selectedNameFilter works with the entries it was given; its file-type box
// does, by position.
QComboBox* FileTypes(QFileDialog& box)
{
    return box.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
}

void SelectFilterEntry(QFileDialog& box, int entry)
{
    QComboBox* types = FileTypes(box);
    if (!types || entry < 0 || entry >= types->count())
        return;
    types->setCurrentIndex(entry);
    emit types->activated(entry);
}

} // namespace

std::optional<QString> TQtWindowSystem::ExecuteDialog(TFileDialog& dialog, bool save)
{
    QFileDialog box(parent_);
    // Qt's own dialog behaves the same on every desktop and can be driven by tests.
    box.setOption(QFileDialog::DontUseNativeDialog);
    box.setOption(QFileDialog::HideNameFilterDetails);
    box.setOption(QFileDialog::DontConfirmOverwrite);
    box.setOption(QFileDialog::ReadOnly, false);
    box.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The open command handles a typed name that does not exist itself.
    box.setFileMode(QFileDialog::AnyFile);
    box.setNameFilters(QtNameFilters(dialog.Filter));
    SelectFilterEntry(box, dialog.FilterIndex - 1);
    if (!dialog.FileName.isEmpty())
        box.selectFile(dialog.FileName);
    // The name the dialog accepted; selectedFiles() may already point at a
    // folder its background scan selected meanwhile.
    QString accepted;
    QObject::connect(&box, &QFileDialog::fileSelected, &box, [&accepted](const QString& file) { accepted = file; });
    if (box.exec() != QDialog::Accepted || accepted.isEmpty())
        return std::nullopt;
    dialog.FileName = accepted;
    if (const QComboBox* types = FileTypes(box); types && types->currentIndex() >= 0)
        dialog.FilterIndex = types->currentIndex() + 1;
    return dialog.FileName;
}

void TQtWindowSystem::SetClipboardText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString TQtWindowSystem::ClipboardText() const
{
    return QGuiApplication::clipboard()->text();
}

bool TQtWindowSystem::ExecutePrint(QPrinter& printer)
{
    QPrintDialog box(&printer, parent_);
    return box.exec() == QDialog::Accepted;
}

void TQtWindowSystem::ExecutePrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint)
{
    QPrintPreviewDialog box(&printer, parent_);
    QObject::connect(&box, &QPrintPreviewDialog::paintRequested, &box, [&paint](QPrinter* target) { paint(*target); });
    box.exec();
}

QStringList QtNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + QStringLiteral(" (") + parts[i + 1] + u')';
    return filters;
}
