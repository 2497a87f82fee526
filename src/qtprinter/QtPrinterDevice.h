#pragma once
// PrinterDevice on a QPrinter: a CUPS queue, or PDF files when no printer is installed.
//
// A PDF (no printer, or a file named in the set-up dialog) is made in memory by a new PDF
// writer for each document, with the printer's page layout and resolution, and written only
// once complete: Qt's PDF output on the long-lived printer would stay broken after one failed
// write, and would leave a cut file behind as if saved.
//
// The figures are the queue's own: its default paper and its real unprintable margins, at 600
// device pixels per inch. For landscape on a queue the printer is kept portrait and the page is
// turned here (its top along the paper's left edge), so the turned margins are the ones that
// hold; Qt would otherwise keep the portrait margins on a landscape page.
#include "print/PagePrint.h"
#include "print/PainterPrinterDevice.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <functional>
#include <memory>
#include <vector>

class QIODevice;
class PdfDraft;

// True when `pdf` holds a whole PDF file: its header, and a trailer whose cross-reference offset
// points at the cross-reference table, ending in "%%EOF". A file cut short fails.
bool isCompletePdf(QIODevice& pdf);

// Writes `bytes`, a PDF file made in memory, as the file `fileName`, whole or not at all: a file
// cut short is refused, and one that reads back short is removed. Raises AppError, its text
// starting with `nothingDone`.
void writeWholePdf(const QString& fileName, const QByteArray& bytes, const QString& nothingDone);

// Saves `pages` at `dpi` device pixels an inch as the PDF file `fileName`, whole or not at all.
// Raises AppError.
void savePdfPages(const QString& fileName, const std::vector<PdfPage>& pages, int dpi);

// The sides of a document and Qt's duplex mode for them (for the upright paper), both ways.
QPrinter::DuplexMode duplexOf(PrintSides sides);
PrintSides sidesOf(QPrinter::DuplexMode mode);

// A page's figures in device pixels, as the printer seam reports them.
struct PageFigures {
    int pageWidth, pageHeight, paperWidth, paperHeight, offsetX, offsetY;
};

// The figures of a page from the paper's and the printable area's rectangles as Qt gives them
// for the upright paper. `turned`: the painter lays the page on its side (landscape on a queue),
// its top along the paper's left edge, so its left margin is the paper's bottom one and its top
// margin the paper's left one.
PageFigures pageFiguresOf(const QRectF& paper, const QRectF& page, bool turned);

class QtPrinterDevice : public PainterPrinterDevice
{
public:
    // The named queue, or the default one when the name is empty. When no queue is installed
    // every document is saved as a new PDF file in `pdfFolder` (the user's documents folder
    // when empty), and endDoc() names the file.
    explicit QtPrinterDevice(const QString& printerName = QString(),
                             const QString& pdfFolder = QString());
    ~QtPrinterDevice() override;

    // A device that saves PDF files in `pdfFolder` whatever queues are installed.
    static std::unique_ptr<QtPrinterDevice> pdfFiles(const QString& pdfFolder);
    // A device that saves each document as the PDF file `fileName`, whole or not at all, with
    // the paper and margins of the PDF files saved without a printer.
    static std::unique_ptr<QtPrinterDevice> pdfFile(const QString& fileName);
    // The named queue, or the default one when the name is empty; raises AppError when there is
    // no such queue instead of turning to PDF files.
    static std::unique_ptr<QtPrinterDevice> installedQueue(const QString& printerName);

    int pageWidth() override;
    int pageHeight() override;
    int deviceCaps(DeviceCap cap) override;
    void setOrientation(QPageLayout::Orientation orientation) override;
    void setLayoutPaper(const QPageSize& paper) override;
    QPageSize currentPaper() override;
    bool takePaper(const QPageSize& paper) override;
    void setCopies(int copies) override;
    bool canPrintBothSides() override;
    PrintSides sidesSetting() const override { return sidesSetting_; }
    void setSides(PrintSides sides) override;
    void beginDoc(const QString& title) override;
    QString endDoc() override;
    void abortDoc() override;
    void newPage() override;
    QString pdfFolder() const override;

    // The orientation pages are printed in: the layout's, or the set-up dialog's since.
    QPageLayout::Orientation orientation() const { return orientation_; }

    // The printer set-up dialog works on this printer: call prepareSetupDialog() before it
    // opens and adoptSetupDialog() after it closes, confirmed or not.
    QPrinter& printer() { return *printer_; }
    void prepareSetupDialog();
    void adoptSetupDialog();

    // True while documents go to new PDF files because no printer is installed.
    bool savesPdfFiles() const { return savesPdfFiles_; }
    // The file of the last PDF document saved, in a file of our naming or the user's.
    QString lastPdfFile() const { return lastPdfFile_; }

protected:
    QPainter* pagePainter() override { return painter_.get(); }

private:
    QtPrinterDevice(const QString& printerName, const QString& pdfFolder, bool usePrinters);
    // Landscape on a queue: the page is turned by the painter.
    bool turnsPage() const;
    // Applies the orientation and the minimum margins to the QPrinter.
    void applyLayout();
    // Starts painting a page: the turn of a landscape page and the printable area's clip.
    void preparePainter();
    PageFigures figures() const;
    QString newPdfFileName() const;
    bool writesPdf() const { return printer_->outputFormat() == QPrinter::PdfFormat; }
    // Checks the finished PDF document and puts it in place as pdfFileName_; raises on failure
    // and leaves no file that is not whole.
    void savePdf();

    std::unique_ptr<QPrinter> printer_;
    // The current PDF document, while one is open.
    std::unique_ptr<PdfDraft> pdfDraft_;
    std::unique_ptr<QPdfWriter> pdfWriter_;
    std::unique_ptr<QPainter> painter_;
    QPageLayout::Orientation orientation_ = QPageLayout::Portrait;
    PrintSides sidesSetting_ = PrintSides::OneSided; // the set-up's, not the last document's
    bool savesPdfFiles_ = false;
    QString pdfFolder_;
    QString pdfFileName_;  // the file the current PDF document goes to
    QString namedPdfFile_; // the one file every PDF document goes to (pdfFile())
    QString lastPdfFile_;
};
