#include "PrinterMetrics.h"

#include "gfx/AppError.h"
#include "gfx/TColor.h"

#include <QCoreApplication>
#include <algorithm>

namespace
{
constexpr int PageBaseWidth = 1500;
constexpr int PageHeightPixels = 2100;
} // namespace

PrinterMetrics nominalMetrics()
{
    PrinterMetrics m;
    m.DpiX = m.DpiY = SheetPixelsPerInch;
    m.PageWidth = m.PhysicalWidth = 1700;
    m.PageHeight = m.PhysicalHeight = 2200;
    return m;
}

void requireResolution(const PrinterMetrics& m)
{
    if (m.DpiX <= 0 || m.DpiY <= 0)
        throw AppError(
            QCoreApplication::translate("PrinterMetrics",
                                        "The selected printer reports a resolution of %1 x %2 dots "
                                        "per inch and cannot be used. Choose another printer "
                                        "with Printer Setup.")
                .arg(m.DpiX)
                .arg(m.DpiY));
}

int SpareWidth(const PrinterMetrics& m)
{
    return (m.PhysicalWidth - 2 * m.OffsetX - (m.DpiX * 75 / 10)) * SheetPixelsPerInch / m.DpiX;
}

int largestMarginSheetPixels(const PrinterMetrics& m)
{
    const int largest = std::max({m.OffsetX, m.OffsetY, m.RightMargin, m.BottomMargin});
    return largest * SheetPixelsPerInch / m.DpiX;
}

bool printableAreaBelow6x4(const PrinterMetrics& m)
{
    return m.PageWidth * 100 / m.DpiX < 600 || m.PageHeight * 100 / m.DpiY < 400;
}

QImage CreatePrintPage(const PrinterMetrics& m, int nudge)
{
    QImage page(nudge + SpareWidth(m) + PageBaseWidth, PageHeightPixels, QImage::Format_RGB888);
    page.fill(fromTColor(TColors::White));
    return page;
}
