// The turn measured on the Qt printer writing PDF files, rasterised as a person would look at
// them: fronts, then backs, on the paper and margins the PDF is given, each back found behind
// its front within a device pixel.
#include "geometry/PagePlacement.h"
#include "geometry/SheetLayout.h"
#include "print/PagePrint.h"
#include "qtprinter/QtPrinterDevice.h"
#include "support/PdfRaster.h"
#include "support/TurnSimulation.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

struct PdfCase {
    Layout layout;
    TestPaper paper;
    TestMargins margins;
    int dpi;
};

// The paper each layout is made for and A4, each with margins unequal on every side, one case
// without margins and one at each resolution for every layout.
const PdfCase Cases[] = {
    {Layout::PortraitPortrait, LetterPaper, UnequalMargins, 600},
    {Layout::PortraitPortrait, A4Paper, InkjetMargins, 300},
    {Layout::LandscapeLandscape, LetterPaper, UnequalMargins, 300},
    {Layout::LandscapeLandscape, A4Paper, UnequalMargins, 600},
    {Layout::SingleOn4x6, PhotoPaper, UnequalMargins, 600},
    {Layout::SingleOn4x6, LetterPaper, NoMargins, 300},
    {Layout::FourOnSheet, LetterPaper, UnequalMargins, 300},
    {Layout::FourOnSheet, A4Paper, EqualMargins, 600},
};

QImage printAndRasterise(QtPrinterDevice& device, const PrinterMetrics& m, const QImage& page,
                         QPoint at, int dpi)
{
    printPage(device, m, page, at, 1, PageMarks::Corners);
    QString why;
    const QImage raster = rasterisePdf(device.lastPdfFile(), dpi, Rasteriser::Poppler, &why);
    EXPECT_FALSE(raster.isNull()) << why.toStdString();
    return raster;
}

} // namespace

TEST(BookTurnPdf, EveryBackLandsBehindItsFrontOnTheRasterisedPdf)
{
    for (const PdfCase& c : Cases) {
        const std::string where = "layout " + std::to_string(int(c.layout)) + ", " + c.paper.name +
                                  ", " + c.margins.name + " margins, " + std::to_string(c.dpi) +
                                  " dpi";
        QTemporaryDir folder;
        auto device = QtPrinterDevice::pdfFiles(folder.path());
        const SheetLayout info = *sheetLayoutAt(c.layout);
        device->setOrientation(info.orientation);
        // The paper and margins of some printer, set as its own set-up would.
        QPrinter& printer = device->printer();
        printer.setPageSize(QPageSize(QSizeF(c.paper.width, c.paper.height), QPageSize::Inch));
        printer.setPageMargins(
            QMarginsF(c.margins.left, c.margins.top, c.margins.right, c.margins.bottom),
            QPageLayout::Inch);
        printer.setResolution(c.dpi);
        const PrinterMetrics m = ReadPrinterMetrics(*device);
        ASSERT_EQ(m.DpiX, c.dpi) << where;
        const PagePlacement at = placePages(c.layout, m);

        const QImage fronts = printAndRasterise(
            *device, m, composeFrontPage(c.layout, turnTestCard(info.card, FrontCardGround)),
            at.fronts, c.dpi);
        const QImage backs = printAndRasterise(
            *device, m, composeBackPage(c.layout, turnTestCard(info.card, BackCardGround)),
            at.backs, c.dpi);
        // The paper, within the pixel a PDF page's size in points rounds to.
        ASSERT_NEAR(fronts.width(), m.PhysicalWidth, 1) << where;
        ASSERT_NEAR(fronts.height(), m.PhysicalHeight, 1) << where;
        const int cards = int(backPageTiling(c.layout, info.card).at.size());
        // The recording printer holds the backs to one pixel.
        EXPECT_EQ(turnFaults(backsBehindFronts(fronts, backs, SheetTurn::Book), cards,
                             RasterisedTolerance),
                  "")
            << where;
    }
}
