#pragma once
// Where the page of fronts and the page of backs go on the paper, so that the sheet of fronts,
// turned over and printed again, has each back behind its front. One function places both
// pages; nothing else decides where either goes. Positions are device pixels from the printable
// area's top-left corner, in the orientation the layout prints in.
#include "PrinterMetrics.h"
#include "SheetLayout.h"

#include <QMargins>
#include <QPoint>
#include <QSize>

// How the printed sheet of fronts is turned over before the backs are printed on it. The first
// two are the items of the sheet turn choice, by index: a design file stores these numbers.
enum class SheetTurn {
    Book = 0,     // like the page of a book: left and right change places, the top stays at the top
    Calendar = 1, // like a wall calendar: top and bottom change places, so the backs go upside down
    // A two-sided printer turning the sheet over the paper's long or short edge: on an upright
    // page the long edge turns like a book, on a page on its side like a calendar.
    LongEdge,
    ShortEdge,
};

// The turn as the page of `layout` sees it, in the orientation the layout prints in: Book or
// Calendar.
SheetTurn turnOnPage(SheetTurn turn, Layout layout);

// The rows of a page sent to the printer in one band.
constexpr int PrintBandRows = 50;

// The device rows one band covers: DpiX div 4, the horizontal resolution also down the page.
int printedBandHeight(const PrinterMetrics& m);
// The device pixels a page of `sheet` size covers when printed: (W div 2) x DpiX div 100 wide
// and H x DpiX div 200 high, at least one band (for the first layouts' pages, whole bands high:
// H div 50 bands).
QSize printedExtent(QSize sheet, const PrinterMetrics& m);

struct PagePlacement {
    QSize extent;  // device pixels the page covers, for fronts and backs alike
    QPoint fronts; // top-left corner of the page of fronts
    QPoint backs;  // top-left corner of the page of backs, the nudge included
};

// Both pages of `layout` on the paper of `m`. The page of fronts is centred across the paper
// and, where it fits, at the top of the printable area (else centred on it, kept on the paper);
// for the calendar turn it is centred down the paper instead. So wherever the paper allows both
// pages lie wholly inside the printable area; the page of backs goes where the turn carries the
// fronts (for the calendar turn it is printed upside down), then moves by `nudge` sheet pixels
// (1/200 inch; positive is right and down on the page of backs). A page as large as the paper
// lies at its corner.
PagePlacement placePages(Layout layout, const PrinterMetrics& m, SheetTurn turn = SheetTurn::Book,
                         QPoint nudge = QPoint());

// How much of the cards' content the paper or the printer's margins cut off, in device pixels
// at each edge of the page of fronts as it lies on the paper (a cut of the page of backs counts
// at the edge of the fronts it lies behind). `frontClear` and `backClear` are the sheet pixels
// that the front composer and the back renderer keep free at the cards' edges. `turn` is the
// turn as the page sees it (turnOnPage).
QMargins contentCut(const PagePlacement& placement, const PrinterMetrics& m, SheetTurn turn,
                    int frontClear, int backClear);

// The tile of the page of backs (backPageTiling's order, before the page is turned) that lies
// behind the card at `front` of the page of fronts (frontPageTiling's order, the order cards are
// filled in) once the sheet is turned `turn` (as the page sees it, turnOnPage), so that a run of
// different backs puts each behind its own front.
int backTileBehindFront(Layout layout, SheetTurn turn, int front);
