#pragma once
// Placing a composed page on the printer page and printing it as one document of one page.
// Positions are device pixels from the printable area's top-left corner.
#include <QImage>
#include <QPoint>
#include <QString>

class PrinterDevice;
struct PrinterMetrics;

// Where the page of backs goes, by layout: against the right edge of the printable area for
// the two-card layouts (the nudge in sheet pixels across for "Portrait - Portrait", in device
// pixels down for "Landscape-Landscape"), the paper's corner for "4 on Sheet", and for "Single
// on 4x6 paper" the paper's corner when the printable area is below 6 x 4 inches, else the
// printable area's corner.
QPoint BackPagePosition(int layout, const PrinterMetrics& m, int pageWidth, int nudge);

// The page of fronts goes to the paper's corner for "4 on Sheet", else the printable area's.
QPoint FrontPagePosition(int layout, const PrinterMetrics& m);

// "PageWidthxPageHeight\r\nOffsetXxOffsetY", shown before a single card on 4x6 paper.
QString PageSizeMessage(const PrinterMetrics& m);

enum class PageMarks {
    None,
    Corners,          // grey marks at the four corners of the page
    CornersAndCentre, // and where the two cards of the page meet
};

// One untitled document of one page with `copies` copies: the page in bands at `at`, then its
// marks. A failure part-way drops the document and raises. Returns the device's note for the
// user (where the output went, when they must be told), else an empty string.
QString PrintPage(PrinterDevice& printer, const PrinterMetrics& m, const QImage& page, QPoint at,
                  int copies, PageMarks marks);
