#pragma once
// Placing a composed page on the printer page and printing it as one document of one page.
// Positions are device pixels from the printable area's top-left corner.
#include <QImage>
#include <QMargins>
#include <QPoint>
#include <QString>

class PrinterDevice;
struct PrinterMetrics;

// The page of backs as it goes to the printer: the back tiled as the layout says, and for
// "Portrait - Portrait" turned a quarter turn clockwise (two upright backs side by side).
QImage composeBackPage(int layout, const QImage& back);

// The page of fronts: the front tiled as the layout says, and for "Portrait - Portrait" turned a
// quarter turn counter-clockwise, so that once the sheet is turned over like the page of a book
// each front lies head to head with the back printed behind it.
QImage composeFrontPage(int layout, const QImage& front);

// The question to ask before printing when `cut` (device pixels at each edge, contentCut) takes
// a millimetre or more of the cards, naming the layout's paper, the printer's and what is cut;
// empty when nothing worth asking is cut.
QString paperCutQuestion(int layout, const PrinterMetrics& m, const QMargins& cut);

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
