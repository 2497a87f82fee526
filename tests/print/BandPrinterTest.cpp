#include "print/BandPrinter.h"
#include "geometry/PrinterMetrics.h"
#include "gfx/AppError.h"
#include "support/RecordingPrinter.h"

#include <cstring>
#include <gtest/gtest.h>

namespace
{

PrinterMetrics metrics(int dpiX, int dpiY)
{
    PrinterMetrics m;
    m.DpiX = dpiX;
    m.DpiY = dpiY;
    return m;
}

// Rows tell their number: red = row / 256, green = row % 256.
QImage numberedRows(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixelColor(x, y, QColor(y / 256, y % 256, x % 256));
    return image;
}

} // namespace

TEST(PrintBitmap, PortraitPageAt600DpiIsTwentyFourBandsOf150Rows)
{
    RecordingPrinter printer;
    const QImage page = numberedRows(1600, 1200);
    PrintBitmap(printer, metrics(600, 600), page, 99, 7);
    ASSERT_EQ(printer.bands.size(), 24u);
    for (int k = 0; k < 24; ++k) {
        const RecordingPrinter::Band& b = printer.bands[k];
        EXPECT_EQ(b.device, QRect(99, 7 + 150 * k, 4800, 150)) << k;
        // Each band is 24-bit, the whole width, and holds rows 50k to 50k + 49.
        EXPECT_EQ(b.image.format(), QImage::Format_RGB888);
        EXPECT_EQ(b.image, page.copy(0, 50 * k, 1600, 50).convertToFormat(QImage::Format_RGB888))
            << k;
    }
    // The bands abut: no gap, no overlap, 8 x 6 inches in all.
    EXPECT_EQ(printer.bands.back().device.bottom() + 1, 7 + 3600);
}

TEST(PrintBitmap, BandHeightAndWidthFollowTheHorizontalResolution)
{
    {
        RecordingPrinter printer;
        PrintBitmap(printer, metrics(300, 300), numberedRows(1200, 800), 0, 0);
        ASSERT_EQ(printer.bands.size(), 16u);
        EXPECT_EQ(printer.bands[1].device, QRect(0, 75, 1800, 75));
    }
    {
        RecordingPrinter printer;
        PrintBitmap(printer, metrics(360, 360), numberedRows(1200, 800), 0, 0);
        EXPECT_EQ(printer.bands[0].device, QRect(0, 0, 2160, 90));
    }
    {
        // DpiY plays no part: each band still takes 150 rows at DpiX 600.
        RecordingPrinter printer;
        PrintBitmap(printer, metrics(600, 300), numberedRows(1200, 800), 0, 0);
        EXPECT_EQ(printer.bands[3].device, QRect(0, 450, 3600, 150));
    }
}

TEST(PrintBitmap, OddWidthIsAsWideOnPaperAsOneNarrower)
{
    RecordingPrinter odd, even;
    PrintBitmap(odd, metrics(600, 600), numberedRows(1201, 100), 0, 0);
    PrintBitmap(even, metrics(600, 600), numberedRows(1200, 100), 0, 0);
    EXPECT_EQ(odd.bands[0].device.width(), 3600);
    EXPECT_EQ(odd.bands[0].device, even.bands[0].device);
    EXPECT_EQ(odd.bands[0].image.width(), 1201); // every column is still sent
}

TEST(PrintBitmap, OnlyWholeBandsAreSentButAlwaysAtLeastOne)
{
    RecordingPrinter printer;
    PrintBitmap(printer, metrics(600, 600), numberedRows(100, 149), 0, 0);
    EXPECT_EQ(printer.bands.size(), 2u); // rows 100 to 148 are not sent

    RecordingPrinter low;
    PrintBitmap(low, metrics(600, 600), numberedRows(100, 30), 0, 0);
    ASSERT_EQ(low.bands.size(), 1u);
    // Below the bitmap the band is white.
    EXPECT_EQ(low.bands[0].image.pixelColor(10, 29), QColor(0, 29, 10));
    EXPECT_EQ(low.bands[0].image.pixelColor(10, 30), QColor(Qt::white));
    EXPECT_EQ(low.bands[0].image.pixelColor(10, 49), QColor(Qt::white));
}

TEST(PrintBitmap, LeavesTheBitmapUnchanged)
{
    // A driver that works in the band it is handed, as one converting colours in place may:
    // what it gets must be the print's own copy, never the caller's pixels (the page is 24-bit,
    // as the sheets are, so a band could share them).
    struct ScribblingPrinter : RecordingPrinter {
        void stretchBand(const QRect& device, const QImage& band) override
        {
            RecordingPrinter::stretchBand(device, band.copy());
            std::memset(const_cast<uchar*>(band.constBits()), 0x5a, band.sizeInBytes());
        }
    } printer;
    QImage page = numberedRows(300, 230).convertToFormat(QImage::Format_RGB888);
    const QImage before = page.copy();
    PrintBitmap(printer, metrics(600, 600), page, 0, 0);
    EXPECT_EQ(page, before);
    ASSERT_EQ(printer.bands.size(), 4u);
    EXPECT_EQ(printer.bands[3].image, before.copy(0, 150, 300, 50));
}

TEST(PrintBitmap, RefusesAResolutionOfZero)
{
    RecordingPrinter printer;
    EXPECT_THROW(PrintBitmap(printer, metrics(0, 600), numberedRows(100, 100), 0, 0), AppError);
    EXPECT_TRUE(printer.bands.empty());
}
