#include "geometry/PrinterMetrics.h"
#include "gfx/AppError.h"
#include "support/RecordingPrinter.h"

#include <gtest/gtest.h>

TEST(PrinterMetrics, ReadsTheCapabilitiesInOrderAndDerivesTheMargins)
{
    RecordingPrinter printer;
    printer.setPaper(600, 5100, 6600, 150, 120, 90, 210);
    const PrinterMetrics m = ReadPrinterMetrics(printer);
    EXPECT_EQ(printer.log,
              (QStringList{"pageWidth", "pageHeight", "LOGPIXELSX", "LOGPIXELSY", "PHYSICALWIDTH",
                           "PHYSICALHEIGHT", "PHYSICALOFFSETX", "PHYSICALOFFSETY"}));
    EXPECT_EQ(m.PageWidth, 5100 - 150 - 90);
    EXPECT_EQ(m.PageHeight, 6600 - 120 - 210);
    EXPECT_EQ(m.DpiX, 600);
    EXPECT_EQ(m.DpiY, 600);
    EXPECT_EQ(m.PhysicalWidth, 5100);
    EXPECT_EQ(m.PhysicalHeight, 6600);
    EXPECT_EQ(m.OffsetX, 150);
    EXPECT_EQ(m.OffsetY, 120);
    EXPECT_EQ(m.RightMargin, 90);
    EXPECT_EQ(m.BottomMargin, 210);
}

TEST(PrinterMetrics, LandscapeTurnsPaperAndMargins)
{
    RecordingPrinter printer;
    printer.setPaper(600, 5100, 6600, 150, 120, 90, 210);
    printer.setOrientation(QPageLayout::Landscape);
    const PrinterMetrics m = ReadPrinterMetrics(printer);
    EXPECT_EQ(m.PhysicalWidth, 6600);
    EXPECT_EQ(m.PhysicalHeight, 5100);
    // The paper's left edge is the page's top.
    EXPECT_EQ(m.OffsetX, 210);
    EXPECT_EQ(m.OffsetY, 150);
    EXPECT_EQ(m.RightMargin, 120);
    EXPECT_EQ(m.BottomMargin, 90);
    EXPECT_EQ(m.PageWidth, 6600 - 210 - 120);
}

TEST(PrinterMetrics, ResolutionZeroIsRefusedWithAClearMessage)
{
    RecordingPrinter printer;
    printer.dpiX = 0;
    try {
        ReadPrinterMetrics(printer);
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.text().contains("resolution of 0 x 600")) << e.text().toStdString();
        EXPECT_TRUE(e.text().contains("Printer Setup"));
    }
    EXPECT_THROW(requireResolution(PrinterMetrics{}), AppError);
}

TEST(PrinterMetrics, SpareWidthOnLetterAt600WithQuarterInchOffset)
{
    PrinterMetrics m;
    m.PhysicalWidth = 5100;
    m.OffsetX = 150;
    m.DpiX = 600;
    EXPECT_EQ(SpareWidth(m), 100);
    // 360 dpi: 3060 - 0 - 2700 = 360, and 360 x 200 / 360.
    m.DpiX = 360;
    m.PhysicalWidth = 3060;
    m.OffsetX = 0;
    EXPECT_EQ(SpareWidth(m), 200);
    // Narrower than 7.5 inches: -700 x 200 / 360 = -388.9, truncated toward zero.
    m.PhysicalWidth = 2000;
    EXPECT_EQ(SpareWidth(m), -388);
}

TEST(PrinterMetrics, PrintPageIsWhite24BitAndWidenedByNudgeAndSpareWidth)
{
    PrinterMetrics m;
    m.PhysicalWidth = 5100;
    m.OffsetX = 150;
    m.DpiX = m.DpiY = 600;
    const QImage page = CreatePrintPage(m, -50);
    EXPECT_EQ(page.size(), QSize(1550, 2100));
    EXPECT_EQ(page.format(), QImage::Format_RGB888);
    QImage white(page.size(), QImage::Format_RGB888);
    white.fill(Qt::white);
    EXPECT_EQ(page, white);
    EXPECT_EQ(CreatePrintPage(m, 50).width(), 1650);
}

TEST(PrinterMetrics, FrameAndSmallPaperRulesUseTheLargestMargin)
{
    PrinterMetrics m;
    m.DpiX = m.DpiY = 600;
    m.OffsetX = 30;
    m.OffsetY = 150;
    m.RightMargin = 60;
    m.BottomMargin = 90;
    EXPECT_EQ(largestMarginSheetPixels(m), 50);
    m.PageWidth = 3600;
    m.PageHeight = 2400;
    EXPECT_FALSE(printableAreaBelow6x4(m));
    m.PageWidth = 3599;
    EXPECT_TRUE(printableAreaBelow6x4(m));
    m.PageWidth = 3600;
    m.PageHeight = 2399;
    EXPECT_TRUE(printableAreaBelow6x4(m));
}
