#include "CardOutput.h"

#include "gfx/AppError.h"
#include "gfx/WholeFile.h"
#include "print/PagePrint.h"
#include "print/SheetImageSave.h"
#include "qtprinter/QtPrinterDevice.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>

namespace
{

} // namespace

void exportPdf(const CardDocument& card, PrintSide side, const QString& fileName,
               PrintQuality quality)
{
    const auto device = QtPrinterDevice::pdfFile(fileName);
    applyLayoutToPrinter(*device, card.layout);
    // One-sided: each side is a page of its own, the backs placed for the user's turn.
    const PreparedPrint print =
        preparePrint(*device, card, side, card.sheetTurn(), PrintSides::OneSided, quality);
    sendPrint(*device, print);
}

void exportPrintShopPdf(const CardDocument& card, PrintSide side, const QString& fileName)
{
    // The figures of the PDF files saved without a printer, as exportPdf draws the cards for.
    const auto device = QtPrinterDevice::pdfFiles(QFileInfo(fileName).absolutePath());
    applyLayoutToPrinter(*device, card.layout);
    savePdfPages(fileName, printShopPages(card, side, ReadPrinterMetrics(*device), {true, true}),
                 PrintShopDpi);
}

void exportPng(const CardDocument& card, CardFace face, const QString& fileName)
{
    // Only the figures are read: the device never begins a document.
    const auto device = QtPrinterDevice::pdfFiles(QFileInfo(fileName).absolutePath());
    applyLayoutToPrinter(*device, card.layout);
    const PrinterMetrics metrics = ReadPrinterMetrics(*device);
    const QImage image =
        face == CardFace::Back ? renderBack(card, metrics) : renderFront(card, metrics);
    if (image.isNull())
        throw AppError(noFrontPictureText());
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QImageWriter writer(&bytes, "png");
    // The file says its 200 pixels per inch, as the bitmap does.
    if (!writer.write(sheetImageCopy(image, SheetImageFormat::Bitmap)))
        throw AppError(QCoreApplication::translate(
                           "CardOutput",
                           "The picture could not be made for \"%1\" (%2), so nothing was saved.")
                           .arg(fileName, writer.errorString()));
    writeWholeFile(fileName, bytes.data());
}

QString printOnQueue(const CardDocument& card, PrintSide side, const QueuePrint& how)
{
    const auto printer = QtPrinterDevice::installedQueue(how.printer);
    applyLayoutToPrinter(*printer, card.layout);
    // Nobody answers here: the question is the refusal, unless --yes answered it beforehand.
    const auto refusedUnlessYes = [&how](const QString& question) {
        if (!how.cutAllowed)
            throw AppError(question + QLatin1Char(' ') +
                           QCoreApplication::translate(
                               "CardOutput", "Nothing was printed; --yes prints anyway."));
        return true;
    };
    agreeOnPaper(*printer, card.layout, refusedUnlessYes);
    SheetTurn turn = card.sheetTurn();
    PrintSides sides = PrintSides::OneSided;
    if (side == PrintSide::Both) {
        if (!printer->canPrintBothSides())
            throw AppError(oneSidedPrinterText());
        // The printer turns the sheet itself, the way its set-up says.
        sides = twoSidedSetting(printer->sidesSetting());
        turn = sheetTurnOf(sides);
    }
    const PreparedPrint print = preparePrint(*printer, card, side, turn, sides, how.quality);
    if (!print.cutQuestion.isEmpty())
        refusedUnlessYes(print.cutQuestion);
    return sendPrint(*printer, print);
}
