#include "BandPrinter.h"

#include "PrinterDevice.h"
#include "geometry/PrinterMetrics.h"
#include "gfx/TColor.h"

#include <QPainter>

namespace
{
constexpr int BandRows = 50;
} // namespace

void PrintBitmap(PrinterDevice& printer, const PrinterMetrics& m, const QImage& bitmap, int x,
                 int y)
{
    requireResolution(m);
    const int w = bitmap.width();
    const int h = bitmap.height();
    // Both from DpiX: the image keeps its proportions even where DpiY differs.
    const int widthOnPaper = (w / 2) * m.DpiX / 100;
    const int bandOnPaper = m.DpiX / 4;

    // The one band bitmap of the whole transfer, refilled for every band.
    QImage band(w, BandRows, QImage::Format_RGB888);
    for (int k = 0;; ++k) {
        if (h < BandRows * (k + 1))
            band.fill(fromTColor(TColors::White)); // a bitmap lower than one band
        {
            QPainter p(&band);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(QPoint(0, 0), bitmap, QRect(0, k * BandRows, w, BandRows));
        }
        PrintBitmapBand(printer, QRect(x, y + k * bandOnPaper, widthOnPaper, bandOnPaper), band);
        if (h < BandRows * (k + 2))
            break;
    }
}

void PrintBitmapBand(PrinterDevice& printer, const QRect& device, const QImage& band)
{
    printer.stretchBand(device, band);
}
