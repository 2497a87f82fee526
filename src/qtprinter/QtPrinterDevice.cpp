#include "QtPrinterDevice.h"

#include "PdfDraft.h"

#include "geometry/SheetLayout.h"
#include "gfx/AppError.h"
#include "gfx/WholeFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPrinterInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cups/cups.h>

namespace
{

// A common office printer's resolution; the page's own detail is 200 pixels per inch, so a
// higher figure would only make the marks thinner.
constexpr int DeviceDpi = 600;
constexpr int ServiceTimeoutMs = 5000;
// The end of a PDF file that holds its trailer: "startxref", the offset, "%%EOF".
constexpr qint64 PdfTailBytes = 1024;
// The PDF files written without a printer keep the cards clear of the margins of ordinary
// printers, so that they print at full size without losing anything.
constexpr double PdfMarginInches = 0.25;

QPageSize localPaper()
{
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
               ? QPageSize(QPageSize::Letter)
               : QPageSize(QPageSize::A4);
}

QString documentsFolder()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!dir.isEmpty() && QDir().mkpath(dir))
        return dir;
    return QDir::homePath();
}

// Qt hands the finished page to CUPS without saying whether CUPS took it: with the service
// stopped, the queue removed or a queue that rejects jobs, the page would be lost in silence.
// These two ask CUPS itself, before the page is made and after it is handed over.
void requireQueueAcceptingJobs(const QString& queue)
{
    cups_dest_t* dest =
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.toLocal8Bit().constData(), nullptr);
    if (!dest) {
        // Without the service CUPS reports every queue as not found: ask whether it answers.
        if (http_t* service = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC,
                                           cupsEncryption(), 1, ServiceTimeoutMs, nullptr)) {
            httpClose(service);
            throw AppError(
                QCoreApplication::translate("QtPrinterDevice",
                                            "The printer \"%1\" is no longer installed, so nothing "
                                            "was printed. Choose a printer with Printer Setup.")
                    .arg(queue));
        }
        throw AppError(
            QCoreApplication::translate("QtPrinterDevice",
                                        "The printing service cannot be reached, so nothing was "
                                        "printed on \"%1\". Start it again, or choose another "
                                        "printer with Printer Setup.")
                .arg(queue));
    }
    const char* accepting =
        cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool rejects = accepting && qstrcmp(accepting, "false") == 0;
    cupsFreeDests(1, dest);
    if (rejects)
        throw AppError(
            QCoreApplication::translate("QtPrinterDevice",
                                        "The printer \"%1\" is not accepting jobs, so nothing was "
                                        "printed. Let it accept jobs again, or choose another "
                                        "printer with Printer Setup.")
                .arg(queue));
}

// CUPS keeps the outcome of the last request, made by Qt on this thread as it ended the page.
void requireJobTaken(const QString& queue)
{
    if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        throw AppError(QCoreApplication::translate(
                           "QtPrinterDevice", "The printer \"%1\" did not take the page (%2), so "
                                              "nothing was printed.")
                           .arg(queue, QString::fromUtf8(cupsLastErrorString())));
}

// The named queue, the default one when the name is empty, or the first one when none is made
// the default; null when there is none.
QPrinterInfo findQueue(const QString& name)
{
    if (!name.isEmpty())
        return QPrinterInfo::printerInfo(name);
    const QPrinterInfo queue = QPrinterInfo::defaultPrinter();
    if (!queue.isNull())
        return queue;
    const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
    return all.isEmpty() ? QPrinterInfo() : all.constFirst();
}

QString nativePath(const QString& file)
{
    return QDir::toNativeSeparators(file);
}

} // namespace

// The page stays upright for the queue (a landscape page is turned by the painter), so the long
// and short edges are the upright paper's, as PrintSides means them.
PrintSides sidesOf(QPrinter::DuplexMode mode)
{
    switch (mode) {
    case QPrinter::DuplexNone:
        return PrintSides::OneSided;
    case QPrinter::DuplexShortSide:
        return PrintSides::ShortEdge;
    case QPrinter::DuplexAuto: // Qt's choice for an upright page
    case QPrinter::DuplexLongSide:
        break;
    }
    return PrintSides::LongEdge;
}

QPrinter::DuplexMode duplexOf(PrintSides sides)
{
    switch (sides) {
    case PrintSides::OneSided:
        break;
    case PrintSides::LongEdge:
        return QPrinter::DuplexLongSide;
    case PrintSides::ShortEdge:
        return QPrinter::DuplexShortSide;
    }
    return QPrinter::DuplexNone;
}

bool isCompletePdf(QIODevice& pdf)
{
    const qint64 size = pdf.size();
    if (!pdf.seek(0) || pdf.read(5) != "%PDF-")
        return false;
    const qint64 tailAt = std::max<qint64>(0, size - PdfTailBytes);
    if (!pdf.seek(tailAt))
        return false;
    const QByteArray tail = pdf.read(PdfTailBytes).trimmed();
    if (!tail.endsWith("%%EOF"))
        return false;
    const qsizetype startxref = tail.lastIndexOf("startxref");
    if (startxref < 0 || tail.lastIndexOf("trailer", startxref) < 0)
        return false;
    const QByteArray offsetText =
        tail.mid(startxref + 9, tail.size() - 5 - startxref - 9).trimmed();
    bool number = false;
    const qint64 xref = offsetText.toLongLong(&number);
    if (!number || xref <= 0 || xref >= tailAt + startxref)
        return false;
    return pdf.seek(xref) && pdf.read(4) == "xref";
}

QtPrinterDevice::QtPrinterDevice(const QString& printerName, const QString& pdfFolder)
    : QtPrinterDevice(printerName, pdfFolder, true)
{
}

std::unique_ptr<QtPrinterDevice> QtPrinterDevice::pdfFiles(const QString& pdfFolder)
{
    return std::unique_ptr<QtPrinterDevice>(new QtPrinterDevice(QString(), pdfFolder, false));
}

std::unique_ptr<QtPrinterDevice> QtPrinterDevice::pdfFile(const QString& fileName)
{
    const QFileInfo file(fileName);
    std::unique_ptr<QtPrinterDevice> device(
        new QtPrinterDevice(QString(), file.absolutePath(), false));
    device->namedPdfFile_ = file.absoluteFilePath();
    device->pdfFileName_ = device->namedPdfFile_;
    device->printer_->setOutputFileName(device->pdfFileName_);
    return device;
}

std::unique_ptr<QtPrinterDevice> QtPrinterDevice::installedQueue(const QString& printerName)
{
    // Asked first: a device without a queue would quietly save PDF files instead.
    if (findQueue(printerName).isNull())
        throw AppError(printerName.isEmpty()
                           ? QCoreApplication::translate("QtPrinterDevice",
                                                         "No printer is installed, so nothing "
                                                         "was printed.")
                           : QCoreApplication::translate("QtPrinterDevice",
                                                         "The printer \"%1\" is not installed, "
                                                         "so nothing was printed.")
                                 .arg(printerName));
    return std::make_unique<QtPrinterDevice>(printerName);
}

QtPrinterDevice::QtPrinterDevice(const QString& printerName, const QString& pdfFolder,
                                 bool usePrinters)
    : pdfFolder_(pdfFolder)
{
    const QPrinterInfo queue = usePrinters ? findQueue(printerName) : QPrinterInfo();
    if (queue.isNull()) {
        // Without a queue a QPrinter quietly turns to PDF output and then cannot begin a page
        // without a file name, and stays unusable: this one is made for PDF files from the
        // start and always has a name.
        savesPdfFiles_ = true;
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setPageSize(localPaper());
        pdfFileName_ = newPdfFileName();
        printer_->setOutputFileName(pdfFileName_);
    } else {
        printer_ = std::make_unique<QPrinter>(queue, QPrinter::HighResolution);
        printer_->setPageSize(queue.defaultPageSize());
    }
    printer_->setResolution(DeviceDpi);
    printer_->setFullPage(false);
    sidesSetting_ = sidesOf(printer_->duplex());
    applyLayout();
}

QtPrinterDevice::~QtPrinterDevice()
{
    abortDoc();
}

bool QtPrinterDevice::turnsPage() const
{
    return printer_->outputFormat() == QPrinter::NativeFormat &&
           orientation_ == QPageLayout::Landscape;
}

void QtPrinterDevice::applyLayout()
{
    printer_->setPageOrientation(turnsPage() ? QPageLayout::Portrait : orientation_);
    if (savesPdfFiles_) {
        const double m = PdfMarginInches;
        printer_->setPageMargins(QMarginsF(m, m, m, m), QPageLayout::Inch);
        return;
    }
    const QPageLayout layout = printer_->pageLayout();
    printer_->setPageMargins(layout.minimumMargins(), layout.units());
}

PageFigures pageFiguresOf(const QRectF& paper, const QRectF& page, bool turned)
{
    const int paperWidth = qRound(paper.width());
    const int paperHeight = qRound(paper.height());
    const int pageWidth = qRound(page.width());
    const int pageHeight = qRound(page.height());
    const int left = qRound(page.left() - paper.left());
    const int top = qRound(page.top() - paper.top());
    if (turned) {
        const int bottom = paperHeight - pageHeight - top;
        return {pageHeight, pageWidth, paperHeight, paperWidth, bottom, left};
    }
    return {pageWidth, pageHeight, paperWidth, paperHeight, left, top};
}

PageFigures QtPrinterDevice::figures() const
{
    return pageFiguresOf(printer_->paperRect(QPrinter::DevicePixel),
                         printer_->pageRect(QPrinter::DevicePixel), turnsPage());
}

int QtPrinterDevice::pageWidth()
{
    return figures().pageWidth;
}

int QtPrinterDevice::pageHeight()
{
    return figures().pageHeight;
}

int QtPrinterDevice::deviceCaps(DeviceCap cap)
{
    const PageFigures f = figures();
    switch (cap) {
    case DeviceCap::HorzRes:
        return f.pageWidth;
    case DeviceCap::VertRes:
        return f.pageHeight;
    case DeviceCap::LogPixelsX:
    case DeviceCap::LogPixelsY:
        return printer_->resolution();
    case DeviceCap::PhysicalWidth:
        return f.paperWidth;
    case DeviceCap::PhysicalHeight:
        return f.paperHeight;
    case DeviceCap::PhysicalOffsetX:
        return f.offsetX;
    case DeviceCap::PhysicalOffsetY:
        return f.offsetY;
    }
    return 0;
}

void QtPrinterDevice::setOrientation(QPageLayout::Orientation orientation)
{
    orientation_ = orientation;
    applyLayout();
}

void QtPrinterDevice::setLayoutPaper(const QPageSize& paper)
{
    if (!savesPdfFiles_)
        return;
    printer_->setPageSize(paper);
    applyLayout();
}

QPageSize QtPrinterDevice::currentPaper()
{
    return printer_->pageLayout().pageSize();
}

bool QtPrinterDevice::takePaper(const QPageSize& paper)
{
    if (savesPdfFiles_) {
        setLayoutPaper(paper);
        return true;
    }
    // The queue's own size is set, so the printer is sent the name it knows the paper by.
    const QList<QPageSize> offered =
        QPrinterInfo::printerInfo(printer_->printerName()).supportedPageSizes();
    const auto it = std::find_if(offered.begin(), offered.end(),
                                 [&](const QPageSize& size) { return samePaper(size, paper); });
    if (it == offered.end())
        return false;
    printer_->setPageSize(*it);
    applyLayout();
    return true;
}

void QtPrinterDevice::setCopies(int copies)
{
    printer_->setCopyCount(copies);
    // Each copy is the whole document: the backs stay paired with their fronts.
    printer_->setCollateCopies(true);
}

bool QtPrinterDevice::canPrintBothSides()
{
    if (printer_->outputFormat() != QPrinter::NativeFormat)
        return false;
    const QList<QPrinter::DuplexMode> modes =
        QPrinterInfo::printerInfo(printer_->printerName()).supportedDuplexModes();
    return modes.contains(QPrinter::DuplexLongSide) || modes.contains(QPrinter::DuplexShortSide);
}

void QtPrinterDevice::setSides(PrintSides sides)
{
    printer_->setDuplex(duplexOf(sides));
}

QString QtPrinterDevice::pdfFolder() const
{
    if (!savesPdfFiles_)
        return {};
    return QDir(pdfFolder_.isEmpty() ? documentsFolder() : pdfFolder_).absolutePath();
}

QString QtPrinterDevice::newPdfFileName() const
{
    if (!namedPdfFile_.isEmpty())
        return namedPdfFile_;
    const QDir folder(pdfFolder()); // only asked for while it saves PDF files
    const QString stem =
        QStringLiteral("Talmiro Postcards %1")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh.mm.ss")));
    QString name = folder.filePath(stem + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = folder.filePath(QStringLiteral("%1 (%2).pdf").arg(stem).arg(n));
    return name;
}

void QtPrinterDevice::beginDoc(const QString& title)
{
    abortDoc();
    printer_->setDocName(title);
    auto painter = std::make_unique<QPainter>();
    if (writesPdf()) {
        if (savesPdfFiles_) {
            // The printer carries the name too: the set-up dialog tells ours from the user's.
            pdfFileName_ = newPdfFileName();
            printer_->setOutputFileName(pdfFileName_);
        } else {
            pdfFileName_ = printer_->outputFileName();
        }
        if (pdfFileName_.isEmpty())
            throw AppError(QCoreApplication::translate(
                "QtPrinterDevice", "No file is named for the PDF output, so nothing was "
                                   "printed. Name one with Printer Setup."));
        // The folder is tried now, so that a page is not made for a file that cannot be.
        const QFileInfo target(pdfFileName_);
        if (!target.absoluteDir().exists() || target.isDir())
            throw AppError(
                QCoreApplication::translate("QtPrinterDevice",
                                            "The PDF file \"%1\" could not be written: its folder "
                                            "does not exist.")
                    .arg(nativePath(pdfFileName_)));
        pdfDraft_ = std::make_unique<PdfDraft>(pdfFileName_);
        pdfWriter_ = std::make_unique<QPdfWriter>(&pdfDraft_->device());
        pdfWriter_->setCreator(printer_->creator());
        pdfWriter_->setTitle(title);
        pdfWriter_->setResolution(printer_->resolution());
        pdfWriter_->setPageLayout(printer_->pageLayout());
        if (!painter->begin(pdfWriter_.get())) {
            abortDoc();
            throw AppError(QCoreApplication::translate("QtPrinterDevice",
                                                       "The PDF file \"%1\" could not be started.")
                               .arg(nativePath(pdfFileName_)));
        }
    } else {
        requireQueueAcceptingJobs(printer_->printerName());
        if (!painter->begin(printer_.get()))
            throw AppError(QCoreApplication::translate(
                               "QtPrinterDevice", "The printer \"%1\" could not start the page.")
                               .arg(printer_->printerName()));
    }
    painter_ = std::move(painter);
    preparePainter();
}

void QtPrinterDevice::preparePainter()
{
    // Qt's PDF output keeps the last document's transform for a new painter that does not set
    // one: a portrait page after a turned one would come out turned.
    painter_->setTransform(QTransform());
    if (turnsPage()) {
        // Device (x, y) goes to (y, printable height - x) of the portrait page.
        painter_->translate(0, printer_->pageRect(QPrinter::DevicePixel).height());
        painter_->rotate(-90);
    }
    // Qt's PDF output would store the bands as JPEG, which smears colour edges by a pixel or
    // two; the page goes out as drawn.
    painter_->setRenderHint(QPainter::LosslessImageRendering);
    // Like a printer, the device draws only inside its printable area.
    const PageFigures f = figures();
    painter_->setClipRect(QRect(0, 0, f.pageWidth, f.pageHeight));
}

void QtPrinterDevice::newPage()
{
    if (!painter_)
        return;
    // PDF files are painted on their own writer (kept in memory until the file is whole).
    const bool next = pdfWriter_ ? pdfWriter_->newPage() : printer_->newPage();
    if (!next)
        throw AppError(QCoreApplication::translate(
                           "QtPrinterDevice", "The printer \"%1\" could not start the next page.")
                           .arg(printer_->printerName()));
    preparePainter();
}

QString QtPrinterDevice::endDoc()
{
    if (!painter_)
        return {};
    if (pdfWriter_) {
        painter_->end();
        painter_.reset();
        savePdf();
    } else {
        const bool ok = painter_->end();
        painter_.reset();
        if (!ok)
            throw AppError(
                QCoreApplication::translate("QtPrinterDevice",
                                            "The page could not be sent to the printer \"%1\".")
                    .arg(printer_->printerName()));
        requireJobTaken(printer_->printerName());
        return {};
    }
    lastPdfFile_ = pdfFileName_;
    QString note = savesPdfFiles_ && namedPdfFile_.isEmpty()
                       ? QCoreApplication::translate(
                             "QtPrinterDevice",
                             "No printer is installed, so the page was saved as the PDF file "
                             "\"%1\".")
                       : QCoreApplication::translate("QtPrinterDevice",
                                                     "The page was saved as the PDF file \"%1\".");
    note = note.arg(nativePath(lastPdfFile_));
    if (printer_->copyCount() > 1)
        note += QCoreApplication::translate("QtPrinterDevice", " Print %1 copies of it.")
                    .arg(printer_->copyCount());
    return note;
}

void QtPrinterDevice::savePdf()
{
    pdfWriter_.reset();
    const std::unique_ptr<PdfDraft> draft = std::move(pdfDraft_);
    const QString nothingPrinted =
        savesPdfFiles_ && namedPdfFile_.isEmpty()
            ? QCoreApplication::translate("QtPrinterDevice", "No printer is installed and the page "
                                                             "could not be saved, so nothing was "
                                                             "printed. ")
            : QCoreApplication::translate("QtPrinterDevice",
                                          "The page could not be saved as the PDF "
                                          "file, so nothing was printed. ");
    draft->finish(nothingPrinted);
}

void writeWholePdf(const QString& fileName, const QByteArray& bytes, const QString& nothingDone)
{
    const QString shown = nativePath(fileName);
    QBuffer made;
    made.setData(bytes);
    made.open(QIODevice::ReadOnly);
    if (!isCompletePdf(made))
        throw AppError(nothingDone +
                       QCoreApplication::translate("QtPrinterDevice",
                                                   "The PDF output for \"%1\" came out incomplete.")
                           .arg(shown));
    try {
        // Written whole or not at all: a file of that name stays as it was on failure.
        writeWholeFile(fileName, bytes);
    } catch (const AppError& e) {
        throw AppError(nothingDone + e.text());
    }
    // Read back: what the user is told is saved must be there, all of it.
    QFile written(fileName);
    const bool whole = written.open(QIODevice::ReadOnly) && written.size() == bytes.size() &&
                       isCompletePdf(written);
    const qint64 found = written.size();
    written.close();
    if (!whole) {
        QFile::remove(fileName);
        throw AppError(nothingDone + QCoreApplication::translate(
                                         "QtPrinterDevice",
                                         "The PDF file \"%1\" held %2 of its %3 bytes when read "
                                         "back, so it was removed.")
                                         .arg(shown)
                                         .arg(found)
                                         .arg(bytes.size()));
    }
}

void savePdfPages(const QString& fileName, const std::vector<PdfPage>& pages, int dpi)
{
    const QString nothingSaved = QCoreApplication::translate(
        "QtPrinterDevice", "The PDF file could not be made, so nothing was saved. ");
    PdfDraft draft(fileName);
    {
        QPdfWriter writer(&draft.device());
        writer.setCreator(QCoreApplication::applicationName());
        writer.setResolution(dpi);
        QPainter painter;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            const QPageSize size(pages[i].inches, QPageSize::Inch, QString(),
                                 QPageSize::ExactMatch);
            writer.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF()));
            if (i == 0 ? !painter.begin(&writer) : !writer.newPage())
                throw AppError(nothingSaved);
            painter.save();
            pages[i].paint(painter);
            painter.restore();
        }
        painter.end();
    }
    draft.finish(nothingSaved);
}

void QtPrinterDevice::abortDoc()
{
    if (!painter_) {
        pdfWriter_.reset();
        pdfDraft_.reset();
        return;
    }
    if (pdfWriter_) {
        // The page was only in memory: nothing is written.
        painter_->end();
        painter_.reset();
        pdfWriter_.reset();
        pdfDraft_.reset();
        return;
    }
    // Qt cannot take back a page once painting began: close it.
    printer_->abort();
    painter_->end();
    painter_.reset();
}

void QtPrinterDevice::prepareSetupDialog()
{
    // The dialog shows the orientation the user works in, not the turned page's, and the
    // set-up's sides, not the last document's.
    printer_->setPageOrientation(orientation_);
    printer_->setDuplex(duplexOf(sidesSetting_));
}

void QtPrinterDevice::adoptSetupDialog()
{
    orientation_ = printer_->pageLayout().orientation();
    sidesSetting_ = sidesOf(printer_->duplex());
    // A queue, or a file the user named, replaces the PDF files of our own naming.
    if (printer_->outputFormat() != QPrinter::PdfFormat ||
        printer_->outputFileName() != pdfFileName_)
        savesPdfFiles_ = false;
    printer_->setResolution(DeviceDpi);
    printer_->setFullPage(false);
    applyLayout();
}
