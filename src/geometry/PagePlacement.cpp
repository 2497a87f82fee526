#include "PagePlacement.h"

#include "SheetLayout.h"

#include <algorithm>

namespace
{

// The page's top edge, from the printable area's top: at the top when the page fits, else
// centred on the printable area so that top and bottom lose alike, but never off the paper
// where the paper is tall enough.
int pageTop(int height, const PrinterMetrics& m)
{
    if (height <= m.PageHeight)
        return 0;
    const int onPaper = m.OffsetY + (m.PageHeight - height) / 2;
    if (height > m.PhysicalHeight)
        return -m.OffsetY;
    return std::clamp(onPaper, 0, m.PhysicalHeight - height) - m.OffsetY;
}

// Of the edge lying `beyond` device pixels outside the printable area, what content loses.
int cut(int beyond, int clear)
{
    return std::max(0, beyond - clear);
}

} // namespace

SheetTurn turnOnPage(SheetTurn turn, Layout layout)
{
    const auto l = sheetLayoutAt(layout);
    const bool upright = !l || l->orientation == QPageLayout::Portrait;
    switch (turn) {
    case SheetTurn::Book:
    case SheetTurn::Calendar:
        return turn;
    case SheetTurn::LongEdge:
        return upright ? SheetTurn::Book : SheetTurn::Calendar;
    case SheetTurn::ShortEdge:
        return upright ? SheetTurn::Calendar : SheetTurn::Book;
    }
    return SheetTurn::Book;
}

int printedBandHeight(const PrinterMetrics& m)
{
    return m.DpiX / 4;
}

QSize printedExtent(QSize sheet, const PrinterMetrics& m)
{
    // Whole bands for the first layouts' pages, which are whole bands high; the pages of other
    // sizes are printed whole (their last band filled out with white).
    const int rows = std::max(sheet.height(), PrintBandRows);
    return {(sheet.width() / 2) * m.DpiX / 100, rows * m.DpiX / SheetPixelsPerInch};
}

PagePlacement placePages(Layout layout, const PrinterMetrics& m, SheetTurn turn, QPoint nudge)
{
    const auto l = sheetLayoutAt(layout);
    const CardsOnPaper how = l ? l->placement : CardsOnPaper::AtTop;
    PagePlacement p;
    p.extent = printedExtent(printedPageSize(layout), m);
    const int w = p.extent.width();
    const int h = p.extent.height();
    // Centred across the paper the page of fronts is its own mirror image: the backs land on
    // the same place, and the page keeps clear of both side margins wherever it can. Stock laid
    // out at its margins has its own place; the backs then go to its mirror image.
    const bool atMargins = how == CardsOnPaper::AtMargins;
    const int leftOnPaper =
        atMargins ? l->margin.x() * m.DpiX / SheetPixelsPerInch : (m.PhysicalWidth - w) / 2;
    // Centred down the paper the page is its own mirror image top to bottom, as across for the
    // book turn; the paper's row y comes back at PhysicalHeight - y.
    const int topOnPaper = atMargins              ? l->margin.y() * m.DpiY / SheetPixelsPerInch
                           : h > m.PhysicalHeight ? 0
                                                  : (m.PhysicalHeight - h) / 2;
    const bool calendar = turnOnPage(turn, layout) == SheetTurn::Calendar;
    p.fronts =
        QPoint(leftOnPaper - m.OffsetX,
               how == CardsOnPaper::AtTop && !calendar ? pageTop(h, m) : topOnPaper - m.OffsetY);
    if (calendar) // the top and bottom change places
        p.backs = QPoint(p.fronts.x(), m.PhysicalHeight - topOnPaper - h - m.OffsetY);
    else // the paper's column x comes back at PhysicalWidth - x; the top stays at the top
        p.backs = QPoint(m.PhysicalWidth - leftOnPaper - w - m.OffsetX, p.fronts.y());
    p.backs +=
        QPoint(nudge.x() * m.DpiX / SheetPixelsPerInch, nudge.y() * m.DpiY / SheetPixelsPerInch);
    return p;
}

QMargins contentCut(const PagePlacement& placement, const PrinterMetrics& m, SheetTurn turn,
                    int frontClear, int backClear)
{
    const auto beyond = [&](QPoint at) {
        return QMargins(-at.x(), -at.y(), at.x() + placement.extent.width() - m.PageWidth,
                        at.y() + placement.extent.height() - m.PageHeight);
    };
    const int fc = frontClear * m.DpiX / SheetPixelsPerInch;
    const int bc = backClear * m.DpiX / SheetPixelsPerInch;
    const QMargins f = beyond(placement.fronts);
    QMargins b = beyond(placement.backs);
    if (turn == SheetTurn::Calendar) // the backs' top edge lies behind the fronts' bottom one
        b = QMargins(b.left(), b.bottom(), b.right(), b.top());
    else // the backs' left edge lies behind the fronts' right one
        b = QMargins(b.right(), b.top(), b.left(), b.bottom());
    return {std::max(cut(f.left(), fc), cut(b.left(), bc)),
            std::max(cut(f.top(), fc), cut(b.top(), bc)),
            std::max(cut(f.right(), fc), cut(b.right(), bc)),
            std::max(cut(f.bottom(), fc), cut(b.bottom(), bc))};
}

int backTileBehindFront(Layout layout, SheetTurn turn, int front)
{
    // The front's centre as printed: "Portrait - Portrait" turns its page counter-clockwise.
    const PageTiling fronts = frontPageTiling(layout);
    const QSize card = cardSizeOf(layout);
    const auto l = sheetLayoutAt(layout);
    const bool turned = l && l->turnedQuarter;
    QPoint at = fronts.at[std::size_t(front)] + QPoint(card.width() / 2, card.height() / 2);
    if (turned)
        at = QPoint(at.y(), fronts.page.width() - 1 - at.x());
    // Behind it once the sheet is turned over: mirrored across the printed page.
    const QSize page = printedPageSize(layout);
    at = turn == SheetTurn::Calendar ? QPoint(at.x(), page.height() - 1 - at.y())
                                     : QPoint(page.width() - 1 - at.x(), at.y());
    // Back into the page of backs before composeBackPage turned it: the calendar turn printed it
    // half round, "Portrait - Portrait" a quarter turn clockwise.
    if (turn == SheetTurn::Calendar)
        at = QPoint(page.width() - 1 - at.x(), page.height() - 1 - at.y());
    const PageTiling backs = backPageTiling(layout, cardSizeOf(layout));
    if (turned)
        at = QPoint(at.y(), backs.page.height() - 1 - at.x());
    const QSize backCard = cardSizeOf(layout);
    for (std::size_t i = 0; i < backs.at.size(); ++i)
        if (QRect(backs.at[i], backCard).contains(at))
            return int(i);
    return front;
}
