#pragma once
// The selected printer's page figures, in device pixels except the two resolutions.
#include <QImage>

// The scale every sheet bitmap is drawn at; the printer's figures carry it to device pixels.
constexpr int SheetPixelsPerInch = 200;

struct PrinterMetrics {
    int PageWidth = 0;
    int PageHeight = 0;
    int DpiX = 0;
    int DpiY = 0;
    int PhysicalWidth = 0;
    int PhysicalHeight = 0;
    int OffsetX = 0;
    int OffsetY = 0;
    int RightMargin = 0;
    int BottomMargin = 0;
};

// Letter paper at 200 dots per inch without margins: the figures assumed while the printer's
// own cannot be read, so nothing divides by zero.
PrinterMetrics nominalMetrics();

// Raises that same error unless both resolutions are above 0 (figures never read are 0).
void requireResolution(const PrinterMetrics& m);

// How far the printable width, with equal side margins, exceeds 7.5 inches, in sheet pixels.
int SpareWidth(const PrinterMetrics& m);

// The largest unprintable margin in sheet pixels (scaled by DpiX for all four).
int largestMarginSheetPixels(const PrinterMetrics& m);

// True when the printable area is smaller than 6 x 4 inches.
bool printableAreaBelow6x4(const PrinterMetrics& m);

// A white 24-bit page bitmap, nudge + SpareWidth + 1500 wide and 2100 high.
QImage CreatePrintPage(const PrinterMetrics& m, int nudge);
