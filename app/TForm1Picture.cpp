#include "app/TForm1.h"

#include "app/DiagramPane.h"
#include "diagram/DiagramScene.h"
#include "document/Document.h"
#include "export/SaveTarget.h"
#include "picture/DiagramPicture.h"
#include "picture/PrintPages.h"
#include "surface/PictureFormat.h"
#include "values/WholeFile.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>

namespace {

constexpr TPictureFormat FilterFormats[] = {TPictureFormat::Png, TPictureFormat::Svg, TPictureFormat::Pdf};

const QString PictureFilter =
    QStringLiteral("PNG-Bild (*.png)|*.png|SVG-Grafik (*.svg)|*.svg|PDF-Dokument (*.pdf)|*.pdf");

TPictureFormat FilterFormat(const TFileDialog& dialog)
{
    const int entry = dialog.FilterIndex - 1;
    return entry >= 0 && entry < int(std::size(FilterFormats)) ? FilterFormats[entry] : TPictureFormat::Png;
}

// The document's name with the extension `suffix`, in the document's folder.
QString SuggestedFileName(const QString& documentName, const QString& suffix)
{
    const QFileInfo document(documentName);
    return document.dir().filePath(document.completeBaseName() + u'.' + suffix);
}

std::unique_ptr<QPrinter> LandscapePrinter()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageOrientation(QPageLayout::Landscape);
    return printer;
}

// The print dialog names a print into a file after the print's document
// with ".pdf"; a printer that printed into a file before proposes the
// document's name in that file's place.
void ProposePrintFile(QPrinter& printer, const QString& documentName)
{
    printer.setDocName(QFileInfo(documentName).fileName());
    if (!printer.outputFileName().isEmpty())
        printer.setOutputFileName(SuggestedFileName(documentName, QStringLiteral("pdf")));
}

} // namespace

void TForm1::DiagrammalsBildspeichern1Click()
{
    SavePictureDialog1.Filter = PictureFilter;
    SavePictureDialog1.DefaultExt = PictureSuffix(FilterFormat(SavePictureDialog1));
    SavePictureDialog1.FileName =
        SuggestedFileName(document_->CurrentFileName(), PictureSuffix(FilterFormat(SavePictureDialog1)));
    const std::optional<QString> path =
        ChooseSaveTarget(windowSystem_, SavePictureDialog1, [this](const QString& chosen) {
            return WithPictureSuffix(chosen, FilterFormat(SavePictureDialog1));
        });
    if (!path)
        return;
    WriteWholeFile(*path, EncodeDiagramPicture(pane_->Picture(Scene()), *PictureFormatOf(*path)));
}

void TForm1::PrintDiagram(QPrinter& printer)
{
    TDiagramPicture picture = pane_->Picture(Scene());
    // Paper is white; the window's grey would only cost ink.
    picture.Background = Qt::white;
    PrintDiagramPages(printer, PrintHeader(document_->CurrentFileName(), QDate::currentDate(), NumberMode()), picture,
                      pane_->PrintedColumns());
}

QPrinter& TForm1::Printer()
{
    // Made on first use: asking the print system for its printers would slow
    // the start of every editor.
    if (!printer_)
        printer_ = LandscapePrinter();
    return *printer_;
}

void TForm1::Drucken1Click()
{
    ProposePrintFile(Printer(), document_->CurrentFileName());
    if (windowSystem_.ExecutePrint(Printer()))
        PrintDiagram(Printer());
}

void TForm1::Druckvorschau1Click()
{
    ProposePrintFile(Printer(), document_->CurrentFileName());
    // The preview paints from inside its own event loop: an error there is
    // shown like any other and must not leave it.
    windowSystem_.ExecutePrintPreview(Printer(), [this](QPrinter& printer) { Guard([&] { PrintDiagram(printer); }); });
}
