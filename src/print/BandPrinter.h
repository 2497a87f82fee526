#pragma once
// Puts a bitmap drawn at 200 pixels per inch onto the printer page, scaled to the printer's
// resolution and sent in bands of 50 rows: the driver never gets the whole page in one call.
#include <QImage>
#include <QRect>

class PrinterDevice;
struct PrinterMetrics;

// Prints `bitmap` with its top-left corner at device position (x, y), one bitmap pixel being
// 1/200 inch scaled by DpiX in both directions. Sends H div 50 bands (at least one); rows below
// the last whole band are not sent. Needs an open document; leaves the bitmap unchanged.
void PrintBitmap(PrinterDevice& printer, const PrinterMetrics& m, const QImage& bitmap, int x,
                 int y);

// Transfers one 24-bit band, stretched to the device rectangle.
void PrintBitmapBand(PrinterDevice& printer, const QRect& device, const QImage& band);
