#pragma once
// Placing a composed page on the printer page and printing it as one document of one page.
// Positions are device pixels from the printable area's top-left corner.
#include "geometry/PagePlacement.h"
#include "print/PrinterDevice.h"

#include <QImage>
#include <QMargins>
#include <QPoint>
#include <QSizeF>
#include <QString>
#include <functional>
#include <vector>

class QPainter;

struct PrinterMetrics;

// The page of backs as it goes to the printer: the back tiled as the layout says, and for
// "Portrait - Portrait" turned a quarter turn clockwise (two upright backs side by side). For a
// sheet turned like a calendar (`turn` as the page sees it, turnOnPage) the page is turned half
// round as well, so that each back still lies head to head behind its front.
QImage composeBackPage(Layout layout, const QImage& back, SheetTurn turn = SheetTurn::Book);
// The same with a back of its own at each tile (backPageTiling's order); a null one is left
// blank.
QImage composeBackPage(Layout layout, const std::vector<QImage>& backs,
                       SheetTurn turn = SheetTurn::Book);

// The page of fronts: the front tiled as the layout says, and for "Portrait - Portrait" turned a
// quarter turn counter-clockwise, so that once the sheet is turned over like the page of a book
// each front lies head to head with the back printed behind it.
QImage composeFrontPage(Layout layout, const QImage& front);
// The same with a front of its own at each tile (frontPageTiling's order); a null one is left
// blank.
QImage composeFrontPage(Layout layout, const std::vector<QImage>& fronts);

// How a page of cards leaves the program.
enum class PrintQuality : int {
    // Drawn for the printer at its own resolution: text and lines as such, pictures resampled
    // once from their own pixels to what the page needs.
    Fine = 0,
    // The page as shown, drawn at 200 pixels per inch and stretched to the printer in bands.
    AsShown = 1,
};

// One card drawn on a painter in sheet pixels from (0, 0); `scale` is the device pixels a sheet
// pixel covers, for the pictures to be resampled to.
using CardDrawing = std::function<void(QPainter& painter, qreal scale)>;

// One page of a PDF file of our own making: its size, and what draws it on a painter in device
// pixels from its top-left corner.
struct PdfPage {
    QSizeF inches;
    std::function<void(QPainter&)> paint;
};

// The pages of composeBackPage and composeFrontPage drawn on a painter in sheet pixels of the
// page from (0, 0), card by card: `draw` runs once for each card, moved and turned to where the
// composed page has it and cut off at the card's edges.
void drawBackPage(QPainter& painter, qreal scale, Layout layout, QSize card, SheetTurn turn,
                  const CardDrawing& draw);
// The same with a card of its own on each tile of the page of backs (composeBackPage's order),
// an empty drawing leaving its place blank.
void drawBackPage(QPainter& painter, qreal scale, Layout layout, QSize card, SheetTurn turn,
                  const std::vector<CardDrawing>& draws);
void drawFrontPage(QPainter& painter, qreal scale, Layout layout, QSize card,
                   const CardDrawing& draw);
void drawFrontPage(QPainter& painter, qreal scale, Layout layout, QSize card,
                   const std::vector<CardDrawing>& draws);

// A paper's name for the user, from its size: A4, Letter, 4 x 6 in, or its millimetres.
QString paperName(QSizeF inches);

// The question to ask before printing when `cut` (device pixels at each edge, contentCut) takes
// a millimetre or more of the cards, naming the layout's paper, the printer's and what is cut;
// empty when nothing worth asking is cut.
QString paperCutQuestion(Layout layout, const PrinterMetrics& m, const QMargins& cut);

// "PageWidthxPageHeight\r\nOffsetXxOffsetY", shown before a single card on 4x6 paper.
QString pageSizeMessage(const PrinterMetrics& m);

enum class PageMarks {
    None,
    Corners,          // grey marks at the four corners of the page
    CornersAndCentre, // and where the two cards of the page meet
};

// The marks a page of backs of `layout` carries.
PageMarks backPageMarks(Layout layout);

// One page of a document: the picture in bands at `at`, then its marks. With `fine` the page is
// drawn by it instead, at the printer's resolution, one sheet pixel still covering what a pixel
// of `image` covers.
struct PlacedPage {
    const QImage& image;
    QPoint at;
    PageMarks marks = PageMarks::None;
    CardDrawing fine = {};
};

// One untitled document of `pages` on `sides`, with `copies` copies of the whole. A failure
// part-way drops the document and raises. Returns the device's note for the user (where the
// output went, when they must be told), else an empty string.
QString printPages(PrinterDevice& printer, const PrinterMetrics& m,
                   const std::vector<PlacedPage>& pages, int copies, PrintSides sides);

// A page made only when it is sent, so that a run of many holds one at a time.
struct PageToPrint {
    QImage image;
    QPoint at;
    PageMarks marks = PageMarks::None;
    CardDrawing fine = {}; // as PlacedPage's
};

// One untitled document of `count` pages on `sides`, with `copies` copies of the whole, page i
// made by `page(i)` just before it is sent. After each page `sent(i)` may return false: the
// document then ends there, whole, with the pages sent so far. A failure part-way drops the
// document and raises. Returns the device's note for the user.
QString printPageRun(PrinterDevice& printer, const PrinterMetrics& m, int count,
                     const std::function<PageToPrint(int)>& page, int copies, PrintSides sides,
                     const std::function<bool(int)>& sent = {});

// One untitled one-sided document of one page with `copies` copies (printPages).
QString printPage(PrinterDevice& printer, const PrinterMetrics& m, const QImage& page, QPoint at,
                  int copies, PageMarks marks);

// The sides a two-sided document goes on: the turn set up for the printer, over the long edge
// when none is set up.
PrintSides twoSidedSetting(PrintSides setup);
// The turn a two-sided printer gives the sheet on `sides` (LongEdge or ShortEdge).
SheetTurn sheetTurnOf(PrintSides sides);
