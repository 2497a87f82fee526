#include "PagePrint.h"

#include "BandPrinter.h"
#include "PrinterDevice.h"
#include "geometry/PrinterMetrics.h"
#include "geometry/SheetLayout.h"

#include <QCoreApplication>
#include <QPageSize>
#include <QPainter>
#include <QSizeF>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace
{
constexpr int MarkLength = 150; // device pixels
constexpr int MarkPenWidth = 4; // device pixels
constexpr TColor MarkColour = TColors::Grey;
constexpr double MillimetresPerInch = 25.4;
// Papers within 1/16 inch of a known size go by its name.
constexpr double PaperTolerance = 1.0 / 16;

void line(PrinterDevice& printer, QPoint from, QPoint to)
{
    printer.moveTo(from.x(), from.y());
    printer.lineTo(to.x(), to.y());
}

void drawCornerMarks(PrinterDevice& printer, int x, int y, int we, int he)
{
    const int l = MarkLength;
    const int right = x + we - 1;
    const int bottom = y + he - 1;
    printer.moveTo(x, y + l);
    printer.lineTo(x, y);
    printer.lineTo(x + l, y);
    printer.moveTo(right, y + l);
    printer.lineTo(right, y);
    printer.lineTo(x + we - l, y);
    printer.moveTo(x, y + he - l);
    printer.lineTo(x, bottom);
    printer.lineTo(x + l, bottom);
    // The bottom-right mark runs along row y + he, one below the bottom-left one.
    printer.moveTo(right, y + he - l);
    printer.lineTo(right, y + he);
    printer.lineTo(x + we - l, y + he);
}

void drawCentreMarks(PrinterDevice& printer, int x, int y, int we, int he)
{
    const int l = MarkLength;
    if (we > he) {
        const int mx = x + we / 2;
        line(printer, {mx - l, y}, {mx + l, y});
        line(printer, {mx, y}, {mx, y + l});
        line(printer, {mx - l, y + he}, {mx + l, y + he});
        line(printer, {mx, y + he}, {mx, y + he - l});
    } else if (he > we) {
        const int my = y + he / 2;
        line(printer, {x, my - l}, {x, my + l});
        line(printer, {x, my}, {x + l, my});
        line(printer, {x + we, my - l}, {x + we, my + l});
        line(printer, {x + we, my}, {x + we - l, my});
    }
}

enum class Edge { Left, Top, Right, Bottom };

// The cards of a layout that lie along an edge of the page, as the paper question names them
// after "of the" (a translation gives them the form its phrase "the top %1 mm of the %2" wants).
QString cardsAt(Layout layout, Edge edge)
{
    struct Phrase {
        const char* source;
        const char* comment;
    };
    // One card or several, then by edge (Left, Top, Right, Bottom) one or several.
    static const Phrase names[] = {
        QT_TRANSLATE_NOOP3("PagePrint", "card", "the cut part of the ..."),
        QT_TRANSLATE_NOOP3("PagePrint", "cards", "the cut part of the ..."),
        QT_TRANSLATE_NOOP3("PagePrint", "left card", "the cut part of the ..."),
        QT_TRANSLATE_NOOP3("PagePrint", "left cards", "the cut part of the ..."),
        QT_TRANSLATE_NOOP3("PagePrint", "upper card", "the cut part of the ..."),
        QT_TRANSLATE_NOOP3("PagePrint", "upper cards", "the cut part of the ..."),
        QT_TRANSLATE_NOOP3("PagePrint", "right card", "the cut part of the ..."),
        QT_TRANSLATE_NOOP3("PagePrint", "right cards", "the cut part of the ..."),
        QT_TRANSLATE_NOOP3("PagePrint", "lower card", "the cut part of the ..."),
        QT_TRANSLATE_NOOP3("PagePrint", "lower cards", "the cut part of the ..."),
    };
    std::size_t name = 0;
    if (const auto l = sheetLayoutAt(layout)) {
        // The rows and columns as printed: "Portrait - Portrait" stands its column on end.
        const int rows = l->turnedQuarter ? l->columns : l->rows;
        const int columns = l->turnedQuarter ? l->rows : l->columns;
        const bool across = edge == Edge::Left || edge == Edge::Right;
        const int lines = across ? columns : rows; // of cards met going in from that edge
        const int along = across ? rows : columns; // of cards lying along that edge
        name = (lines == 1 ? 0 : 2 + 2 * std::size_t(edge)) + (along > 1 ? 1 : 0);
    }
    return QCoreApplication::translate("PagePrint", names[name].source, names[name].comment);
}

// A paper's everyday name, whichever way it lies; its size in millimetres when it has none.

// A page of copies of one card and the quarter turns clockwise (0 to 3) it is printed turned by.
struct PageOfCards {
    PageTiling tiling;
    int quarterTurns = 0;
};

bool printedTurned(Layout layout)
{
    const auto l = sheetLayoutAt(layout);
    return l && l->turnedQuarter;
}

PageOfCards backPageOfCards(Layout layout, QSize card, SheetTurn turn)
{
    PageOfCards page{backPageTiling(layout, card), 0};
    // "Portrait - Portrait" stands its two backs upright side by side.
    if (printedTurned(layout))
        page.quarterTurns = 1;
    // The calendar turn takes the page's top edge to the bottom: printed half round, its top
    // comes back behind the fronts' top.
    if (turnOnPage(turn, layout) == SheetTurn::Calendar)
        page.quarterTurns += 2;
    return page;
}

PageOfCards frontPageOfCards(Layout layout)
{
    return {frontPageTiling(layout), printedTurned(layout) ? 3 : 0};
}

// `cards` by tile of the page (a null image leaves its place blank).
QImage composedPage(const std::vector<QImage>& cards, const PageOfCards& layout,
                    QImage::Format format)
{
    QImage page = tilePage(cards, layout.tiling, format);
    switch (layout.quarterTurns) {
    case 1:
        RotatePageClockwise(page);
        break;
    case 2:
        page.mirror(true, true);
        break;
    case 3:
        rotatePageCounterClockwise(page);
        break;
    default:
        break;
    }
    return page;
}

QImage composedPage(const QImage& card, const PageOfCards& layout, QImage::Format format)
{
    return composedPage(std::vector<QImage>(layout.tiling.at.size(), card), layout, format);
}

// `draws` by tile of the page (an empty one leaves its place blank).
void drawPageOfCards(QPainter& painter, qreal scale, const PageOfCards& page, QSize card,
                     const std::vector<CardDrawing>& draws)
{
    const QSize size = page.tiling.page;
    painter.save();
    painter.scale(scale, scale);
    // The turns of composedPage: the pixel at (x, y) covers the square from (x, y), so a page of
    // W x H turned clockwise takes the point (x, y) to (H - y, x).
    switch (page.quarterTurns) {
    case 1:
        painter.translate(size.height(), 0);
        break;
    case 2:
        painter.translate(size.width(), size.height());
        break;
    case 3:
        painter.translate(0, size.width());
        break;
    default:
        break;
    }
    painter.rotate(90 * page.quarterTurns);
    for (std::size_t i = 0; i < page.tiling.at.size() && i < draws.size(); ++i) {
        if (!draws[i])
            continue;
        painter.save();
        painter.translate(page.tiling.at[i]);
        painter.setClipRect(QRect(QPoint(), card), Qt::IntersectClip);
        draws[i](painter, scale);
        painter.restore();
    }
    painter.restore();
}

} // namespace

QString paperName(QSizeF inches)
{
    const QSizeF upright(std::min(inches.width(), inches.height()),
                         std::max(inches.width(), inches.height()));
    struct Named {
        QPageSize::PageSizeId id;
        const char* name;
    };
    for (const Named n :
         {Named{QPageSize::Letter, "Letter"}, Named{QPageSize::Legal, "Legal"},
          Named{QPageSize::A4, "A4"}, Named{QPageSize::A5, "A5"}, Named{QPageSize::A6, "A6"}}) {
        const QSizeF size = QPageSize::size(n.id, QPageSize::Inch);
        if (std::abs(size.width() - upright.width()) < PaperTolerance &&
            std::abs(size.height() - upright.height()) < PaperTolerance)
            return QLatin1String(n.name);
    }
    if (std::abs(upright.width() - 4) < PaperTolerance &&
        std::abs(upright.height() - 6) < PaperTolerance)
        return QCoreApplication::translate("PagePrint", "4 x 6 in");
    return QStringLiteral("%1 x %2 mm")
        .arg(qRound(upright.width() * MillimetresPerInch))
        .arg(qRound(upright.height() * MillimetresPerInch));
}

QImage composeBackPage(Layout layout, const QImage& back, SheetTurn turn)
{
    return composeBackPage(
        layout, std::vector<QImage>(backPageTiling(layout, back.size()).at.size(), back), turn);
}

QImage composeBackPage(Layout layout, const std::vector<QImage>& backs, SheetTurn turn)
{
    return composedPage(backs, backPageOfCards(layout, cardSizeOf(layout), turn),
                        QImage::Format_RGB888);
}

QImage composeFrontPage(Layout layout, const QImage& front)
{
    return composedPage(front, frontPageOfCards(layout), QImage::Format_RGB32);
}

QImage composeFrontPage(Layout layout, const std::vector<QImage>& fronts)
{
    return composedPage(fronts, frontPageOfCards(layout), QImage::Format_RGB32);
}

void drawBackPage(QPainter& painter, qreal scale, Layout layout, QSize card, SheetTurn turn,
                  const std::vector<CardDrawing>& draws)
{
    drawPageOfCards(painter, scale, backPageOfCards(layout, card, turn), card, draws);
}

void drawBackPage(QPainter& painter, qreal scale, Layout layout, QSize card, SheetTurn turn,
                  const CardDrawing& draw)
{
    const PageOfCards page = backPageOfCards(layout, card, turn);
    drawPageOfCards(painter, scale, page, card,
                    std::vector<CardDrawing>(page.tiling.at.size(), draw));
}

void drawFrontPage(QPainter& painter, qreal scale, Layout layout, QSize card,
                   const CardDrawing& draw)
{
    drawFrontPage(painter, scale, layout, card,
                  std::vector<CardDrawing>(frontPageTiling(layout).at.size(), draw));
}

void drawFrontPage(QPainter& painter, qreal scale, Layout layout, QSize card,
                   const std::vector<CardDrawing>& draws)
{
    drawPageOfCards(painter, scale, frontPageOfCards(layout), card, draws);
}

QString paperCutQuestion(Layout layout, const PrinterMetrics& m, const QMargins& cut)
{
    const auto layoutInfo = sheetLayoutAt(layout);
    if (!layoutInfo || m.DpiX <= 0 || m.DpiY <= 0)
        return {};
    const auto mm = [](int pixels, int dpi) { return pixels * MillimetresPerInch / dpi; };
    QStringList parts;
    // One phrase for each edge, so that a translation words each whole.
    const auto part = [&](double millimetres, Edge which) {
        static const char* const phrases[] = {
            QT_TRANSLATE_NOOP("PagePrint", "the left %1 mm of the %2"),
            QT_TRANSLATE_NOOP("PagePrint", "the top %1 mm of the %2"),
            QT_TRANSLATE_NOOP("PagePrint", "the right %1 mm of the %2"),
            QT_TRANSLATE_NOOP("PagePrint", "the bottom %1 mm of the %2"),
        };
        // Less than a millimetre is within what any printer's paper feed wanders.
        if (millimetres >= 1)
            parts << QCoreApplication::translate("PagePrint", phrases[int(which)])
                         .arg(qRound(millimetres))
                         .arg(cardsAt(layout, which));
    };
    const double left = mm(cut.left(), m.DpiX), right = mm(cut.right(), m.DpiX);
    const double top = mm(cut.top(), m.DpiY), bottom = mm(cut.bottom(), m.DpiY);
    part(top, Edge::Top);
    part(bottom, Edge::Bottom);
    part(left, Edge::Left);
    part(right, Edge::Right);
    if (parts.isEmpty())
        return {};
    const QString what = parts.join(QCoreApplication::translate("PagePrint", " and ")) +
                         (parts.size() > 1 ? QCoreApplication::translate("PagePrint", " are cut")
                                           : QCoreApplication::translate("PagePrint", " is cut"));
    const QString needed = paperName(layoutInfo->paper.size(QPageSize::Inch));
    const QString paper =
        paperName(QSizeF(double(m.PhysicalWidth) / m.DpiX, double(m.PhysicalHeight) / m.DpiY));
    if (paper == needed)
        return QCoreApplication::translate("PagePrint",
                                           "On this printer's %1 paper %2 by the margins it "
                                           "cannot print on. Print anyway?")
            .arg(paper, what);
    return QCoreApplication::translate("PagePrint",
                                       "This layout needs %1 paper; on %2 %3. Print anyway?")
        .arg(needed, paper, what);
}

QString pageSizeMessage(const PrinterMetrics& m)
{
    return QStringLiteral("%1x%2\r\n%3x%4")
        .arg(m.PageWidth)
        .arg(m.PageHeight)
        .arg(m.OffsetX)
        .arg(m.OffsetY);
}

PageMarks backPageMarks(Layout layout)
{
    // Where two cards share the page, marks show where they meet.
    const bool twoCards = frontPageTiling(layout).at.size() == 2;
    return twoCards ? PageMarks::CornersAndCentre : PageMarks::Corners;
}

QString printPageRun(PrinterDevice& printer, const PrinterMetrics& m, int count,
                     const std::function<PageToPrint(int)>& page, int copies, PrintSides sides,
                     const std::function<bool(int)>& sent)
{
    requireResolution(m);
    printer.setCopies(copies);
    // Set for every document: a two-sided one must not leave the next one-sided print so.
    printer.setSides(sides);
    printer.beginDoc(QString());
    try {
        for (int i = 0; i < count; ++i) {
            const PageToPrint p = page(i);
            if (i > 0)
                printer.newPage();
            if (p.fine) {
                // One sheet pixel covers DpiX / 200 device pixels both ways, as in the bands.
                const qreal scale = qreal(m.DpiX) / SheetPixelsPerInch;
                printer.paintPage([at = p.at, fine = p.fine, scale](QPainter& painter) {
                    painter.translate(at);
                    fine(painter, scale);
                });
            } else if (p.image.height() % PrintBandRows != 0) {
                // The bands send whole bands only: the last rows of a card of its own size
                // get white rows after them rather than being left out.
                QImage whole(p.image.width(),
                             (p.image.height() / PrintBandRows + 1) * PrintBandRows,
                             QImage::Format_RGB888);
                whole.fill(Qt::white);
                QPainter(&whole).drawImage(0, 0, p.image);
                PrintBitmap(printer, m, whole, p.at.x(), p.at.y());
            } else {
                PrintBitmap(printer, m, p.image, p.at.x(), p.at.y());
            }
            if (p.marks != PageMarks::None) {
                const int we = p.image.width() * m.DpiX / SheetPixelsPerInch;
                const int he = p.image.height() * m.DpiY / SheetPixelsPerInch;
                printer.setPen(MarkPenWidth, MarkColour);
                drawCornerMarks(printer, p.at.x(), p.at.y(), we, he);
                if (p.marks == PageMarks::CornersAndCentre)
                    drawCentreMarks(printer, p.at.x(), p.at.y(), we, he);
            }
            if (sent && !sent(i))
                break;
        }
    } catch (...) {
        printer.abortDoc();
        throw;
    }
    return printer.endDoc();
}

QString printPages(PrinterDevice& printer, const PrinterMetrics& m,
                   const std::vector<PlacedPage>& pages, int copies, PrintSides sides)
{
    return printPageRun(
        printer, m, int(pages.size()),
        [&pages](int i) {
            const PlacedPage& p = pages[std::size_t(i)];
            return PageToPrint{p.image, p.at, p.marks, p.fine};
        },
        copies, sides);
}

QString printPage(PrinterDevice& printer, const PrinterMetrics& m, const QImage& page, QPoint at,
                  int copies, PageMarks marks)
{
    return printPages(printer, m, {{page, at, marks}}, copies, PrintSides::OneSided);
}

PrintSides twoSidedSetting(PrintSides setup)
{
    return setup == PrintSides::OneSided ? PrintSides::LongEdge : setup;
}

SheetTurn sheetTurnOf(PrintSides sides)
{
    return sides == PrintSides::ShortEdge ? SheetTurn::ShortEdge : SheetTurn::LongEdge;
}
