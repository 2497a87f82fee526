#include "BandPrinter.h"

#include "PrinterDevice.h"
#include "geometry/PagePlacement.h"
#include "gfx/TColor.h"

#include <QPainter>

void PrintBitmap(PrinterDevice& printer, const PrinterMetrics& m, const QImage& bitmap, int x,
                 int y)
{
    requireResolution(m);
    const int w = bitmap.width();
    const int h = bitmap.height();
    // Both from DpiX: the image keeps its proportions even where DpiY differs.
    const int widthOnPaper = printedExtent(bitmap.size(), m).width();
    const int bandOnPaper = printedBandHeight(m);

    // The one band bitmap of the whole transfer, refilled for every band.
    QImage band(w, PrintBandRows, QImage::Format_RGB888);
    for (int k = 0;; ++k) {
        if (h < PrintBandRows * (k + 1))
            band.fill(fromTColor(TColors::White)); // a bitmap lower than one band
        {
            QPainter p(&band);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(QPoint(0, 0), bitmap, QRect(0, k * PrintBandRows, w, PrintBandRows));
        }
        PrintBitmapBand(printer, QRect(x, y + k * bandOnPaper, widthOnPaper, bandOnPaper), band);
        if (h < PrintBandRows * (k + 2))
            break;
    }
}

void PrintBitmapBand(PrinterDevice& printer, const QRect& device, const QImage& band)
{
    printer.stretchBand(device, band);
}
