// The print preview held against what Qt's PDF output makes of the same print, rasterised as a
// person would look at it: the paper, the margins, the fronts and the backs where they print.
#include "document/PrintPreview.h"
#include "qtprinter/QtPrinterDevice.h"
#include "support/ImageChecks.h"
#include "support/PdfRaster.h"

#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(PreviewPdf, ThePreviewIsTheRasterisedPdfOfTheSamePrint)
{
    constexpr int Dpi = 60;
    CardDocument card = defaultCardDocument();
    card.layout = Layout::FourOnSheet;
    CardPicture photo;
    photo.image = solidImage(900, 600, QColor(200, 40, 40));
    QPainter(&photo.image).fillRect(0, 0, 300, 300, QColor(30, 160, 220));
    photo.size = photo.image.size();
    photo.fileName = QStringLiteral("two colours.png");
    card.front = SharedPicture(photo);

    QTemporaryDir folder;
    auto device = QtPrinterDevice::pdfFile(folder.filePath(QStringLiteral("sheet.pdf")));
    // Unequal margins, so a preview placed from the wrong corner shows.
    device->printer().setPageMargins(QMarginsF(0.2, 0.5, 0.35, 0.25), QPageLayout::Inch);
    applyLayoutToPrinter(*device, card.layout);
    const PreparedPrint print = preparePreview(*device, card, PrintQuality::Fine);
    ASSERT_EQ(print.side, PrintSide::Both);
    const SheetPreview shown = previewSheet(print, 0, Dpi);
    sendPrint(*device, print);
    for (int page : {1, 2}) {
        SCOPED_TRACE(page);
        QString why;
        const QImage pdf =
            rasterisePdf(device->lastPdfFile(), Dpi, Rasteriser::Poppler, &why, page);
        ASSERT_FALSE(pdf.isNull()) << why.toStdString();
        const QImage& preview = page == 1 ? shown.fronts : shown.backs;
        ASSERT_LE(std::abs(pdf.width() - preview.width()), 1);
        ASSERT_LE(std::abs(pdf.height() - preview.height()), 1);
        EXPECT_LT(meanDifference(preview, pdf), 3);
        // The other page differs by far more: the comparison can tell the pages apart.
        EXPECT_GT(meanDifference(page == 1 ? shown.backs : shown.fronts, pdf), 20);
    }
}
