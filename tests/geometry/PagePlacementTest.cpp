#include "geometry/PagePlacement.h"
#include "geometry/SheetLayout.h"
#include "support/QtPrinters.h"
#include "support/TurnSimulation.h"

#include <gtest/gtest.h>

namespace
{

// The figures a printer reports for the paper in the layout's orientation: landscape turns the
// page's top to the paper's left edge, so its left margin is the paper's bottom one.
PrinterMetrics figures(Layout layout, int dpi, TestPaper paper, TestMargins margins)
{
    const auto px = [dpi](double inches) { return devicePixels(inches, dpi); };
    PrinterMetrics m;
    m.DpiX = m.DpiY = dpi;
    const bool landscape = sheetLayoutAt(layout)->orientation == QPageLayout::Landscape;
    m.PhysicalWidth = px(landscape ? paper.height : paper.width);
    m.PhysicalHeight = px(landscape ? paper.width : paper.height);
    m.OffsetX = px(landscape ? margins.bottom : margins.left);
    m.OffsetY = px(landscape ? margins.left : margins.top);
    m.RightMargin = px(landscape ? margins.top : margins.right);
    m.BottomMargin = px(landscape ? margins.right : margins.bottom);
    m.PageWidth = m.PhysicalWidth - m.OffsetX - m.RightMargin;
    m.PageHeight = m.PhysicalHeight - m.OffsetY - m.BottomMargin;
    return m;
}

QRect onPaper(QPoint at, QSize extent, const PrinterMetrics& m)
{
    return QRect(at + QPoint(m.OffsetX, m.OffsetY), extent);
}

QRect printable(const PrinterMetrics& m)
{
    return QRect(m.OffsetX, m.OffsetY, m.PageWidth, m.PageHeight);
}

} // namespace

TEST(PlacePages, TheBookTurnCarriesEveryFrontPageOntoItsBackPage)
{
    for (Layout layout : AllLayouts)
        for (const TestPaper& paper : TestPapers)
            for (const TestMargins& margins : TestMarginSets)
                for (int dpi : {300, 600}) {
                    const PrinterMetrics m = figures(layout, dpi, paper, margins);
                    const PagePlacement p = placePages(layout, m);
                    const QRect front = onPaper(p.fronts, p.extent, m);
                    const QRect back = onPaper(p.backs, p.extent, m);
                    const std::string where = std::to_string(int(layout)) + " " + paper.name + " " +
                                              margins.name + " " + std::to_string(dpi);
                    // Column x of the paper comes back at PhysicalWidth - x.
                    EXPECT_EQ(m.PhysicalWidth - (back.x() + back.width()), front.x()) << where;
                    EXPECT_EQ(back.y(), front.y()) << where;
                    EXPECT_EQ(p.extent, printedExtent(printedPageSize(layout), m)) << where;
                    // Where the paper allows it both pages lie inside the printable area.
                    const int room = std::max(m.OffsetX, m.RightMargin);
                    if (p.extent.width() + 2 * room <= m.PhysicalWidth &&
                        p.extent.height() <= m.PageHeight) {
                        EXPECT_TRUE(printable(m).contains(front)) << where;
                        EXPECT_TRUE(printable(m).contains(back)) << where;
                    }
                }
}

TEST(PlacePages, LandscapeLandscapeLiesCentredAcrossAndAtTheTop)
{
    // Landscape letter at 600 dpi with 1/4 and 1/8 inch at the sides: the old placement put the
    // backs 4.2 mm off their fronts.
    PrinterMetrics m =
        figures(Layout::LandscapeLandscape, 600, LetterPaper, {"", 0.25, 0.25, 0.125, 0.25});
    ASSERT_EQ(m.OffsetX, 150);
    ASSERT_EQ(m.RightMargin, 150);
    m = figures(Layout::LandscapeLandscape, 600, LetterPaper, {"", 0.25, 0.125, 0.25, 0.25});
    ASSERT_EQ(m.RightMargin, 75);
    const PagePlacement p = placePages(Layout::LandscapeLandscape, m);
    EXPECT_EQ(p.extent, QSize(3600, 4800));
    // (6600 - 3600) / 2 from the paper's left edge, less the 150-pixel margin.
    EXPECT_EQ(p.fronts, QPoint(1350, 0));
    EXPECT_EQ(p.backs, QPoint(1350, 0));
}

TEST(PlacePages, PagesAsLargeAsThePaperLieAtItsCorner)
{
    for (const TestMargins& margins : TestMarginSets)
        for (int dpi : {300, 600}) {
            const PrinterMetrics four = figures(Layout::FourOnSheet, dpi, LetterPaper, margins);
            const PagePlacement p = placePages(Layout::FourOnSheet, four);
            EXPECT_EQ(p.fronts, QPoint(-four.OffsetX, -four.OffsetY)) << margins.name << dpi;
            EXPECT_EQ(p.backs, p.fronts) << margins.name << dpi;

            const PrinterMetrics photo = figures(Layout::SingleOn4x6, dpi, PhotoPaper, margins);
            const PagePlacement s = placePages(Layout::SingleOn4x6, photo);
            EXPECT_EQ(s.fronts, QPoint(-photo.OffsetX, -photo.OffsetY)) << margins.name << dpi;
            EXPECT_EQ(s.backs, s.fronts) << margins.name << dpi;
        }
}

TEST(PlacePages, APageTallerThanThePrintableAreaSharesTheLossButStaysOnThePaper)
{
    // Landscape letter whose top and bottom margins leave 7.75 of the page's 8 inches.
    PrinterMetrics m =
        figures(Layout::LandscapeLandscape, 600, LetterPaper, {"", 0.25, 0.25, 0.5, 0.25});
    ASSERT_EQ(m.PageHeight, 4650);
    EXPECT_EQ(placePages(Layout::LandscapeLandscape, m).fronts.y(), -75);
    // Taller than the paper: from the paper's top edge.
    m = figures(Layout::FourOnSheet, 600, A4Paper, EqualMargins);
    EXPECT_EQ(placePages(Layout::FourOnSheet, m).fronts.y(), -m.OffsetY);
}

TEST(PlacePages, TheNudgeMovesTheBacksOnlyRightAndDownInSheetPixels)
{
    for (Layout layout : AllLayouts)
        for (int dpi : {300, 600}) {
            const PrinterMetrics m = figures(layout, dpi, LetterPaper, UnequalMargins);
            const PagePlacement still = placePages(layout, m);
            const PagePlacement moved = placePages(layout, m, SheetTurn::Book, QPoint(25, -50));
            EXPECT_EQ(moved.fronts, still.fronts) << layout;
            // 25 is 1/8 inch to the right, -50 a quarter inch up.
            EXPECT_EQ(moved.backs - still.backs, QPoint(dpi / 8, -dpi / 4)) << layout << dpi;
        }
}

TEST(ContentCut, FourOnSheetOnA4LosesTheBottomOfTheLowerCards)
{
    const PrinterMetrics m = figures(Layout::FourOnSheet, 600, A4Paper, EqualMargins);
    const int frame = 50; // the renderer's and composer's 1/4 inch
    const QMargins cut =
        contentCut(placePages(Layout::FourOnSheet, m), m, SheetTurn::Book, frame, frame);
    // 8.5 inches on 8.27: 289 device pixels below the printable area, 150 of them kept clear.
    EXPECT_EQ(cut, QMargins(0, 0, 0, 139));
    // On letter nothing of the cards is lost: the margins lie in the frame.
    const PrinterMetrics letter = figures(Layout::FourOnSheet, 600, LetterPaper, EqualMargins);
    EXPECT_EQ(
        contentCut(placePages(Layout::FourOnSheet, letter), letter, SheetTurn::Book, frame, frame),
        QMargins());
}

TEST(ContentCut, ACutOfTheBacksCountsAtTheFrontsItLiesBehind)
{
    // Portrait letter with 1/4 inch on the left, 1/2 on the right: the 8-inch page is centred
    // and both pages lose 150 pixels on the right as printed; the backs' right edge lies behind
    // the fronts' left one.
    const PrinterMetrics m =
        figures(Layout::PortraitPortrait, 600, LetterPaper, {"", 0.25, 0.25, 0.5, 0.25});
    const PagePlacement p = placePages(Layout::PortraitPortrait, m);
    EXPECT_EQ(p.fronts, QPoint(0, 0));
    EXPECT_EQ(contentCut(p, m, SheetTurn::Book, 0, 0), QMargins(150, 0, 150, 0));
    // Only the backs keep 30 pixels (90 device pixels) clear.
    EXPECT_EQ(contentCut(p, m, SheetTurn::Book, 0, 30), QMargins(60, 0, 150, 0));
    // Nudged a quarter inch right, the backs lose nothing at their left but more at their right.
    const PagePlacement nudged =
        placePages(Layout::PortraitPortrait, m, SheetTurn::Book, QPoint(50, 0));
    EXPECT_EQ(contentCut(nudged, m, SheetTurn::Book, 0, 0), QMargins(300, 0, 150, 0));
    // Four on landscape letter, 1/4 inch of margin at the page's left and top, 1/2 at its right
    // and bottom, turned like a calendar: the backs go upside down, so each of their edges counts
    // at the fronts' opposite one, top and bottom only. Nudged 40 up (120 device pixels), the
    // backs lose 270 at their top, which lies behind the fronts' bottom, less the 90 they keep
    // clear; the fronts keep 150 clear.
    const PrinterMetrics l =
        figures(Layout::FourOnSheet, 600, LetterPaper, {"", 0.25, 0.5, 0.5, 0.25});
    const PagePlacement calendar =
        placePages(Layout::FourOnSheet, l, SheetTurn::Calendar, QPoint(0, -40));
    ASSERT_EQ(calendar.backs, QPoint(-150, -270));
    EXPECT_EQ(contentCut(calendar, l, SheetTurn::Calendar, 50, 30), QMargins(60, 90, 210, 180));
}

TEST(PlacePages, TheCalendarTurnCarriesEveryFrontPageOntoItsBackPageTopToBottom)
{
    for (Layout layout : AllLayouts)
        for (const TestPaper& paper : TestPapers)
            for (const TestMargins& margins : {UnequalMargins, InkjetMargins, NoMargins}) {
                const PrinterMetrics m = figures(layout, 600, paper, margins);
                const PagePlacement p = placePages(layout, m, SheetTurn::Calendar, {5, -7});
                const QRect front = onPaper(p.fronts, p.extent, m);
                const QRect back = onPaper(p.backs - QPoint(15, -21), p.extent, m);
                const std::string where =
                    std::to_string(int(layout)) + " " + paper.name + " " + margins.name;
                // Row y of the paper comes back at PhysicalHeight - y; columns stay.
                EXPECT_EQ(m.PhysicalHeight - (back.y() + back.height()), front.y()) << where;
                EXPECT_EQ(back.x(), front.x()) << where;
                const int room = std::max(m.OffsetY, m.BottomMargin);
                if (p.extent.height() + 2 * room <= m.PhysicalHeight &&
                    p.extent.width() + 2 * std::max(m.OffsetX, m.RightMargin) <= m.PhysicalWidth) {
                    EXPECT_TRUE(printable(m).contains(front)) << where;
                    EXPECT_TRUE(printable(m).contains(back)) << where;
                }
            }
}

TEST(PlacePages, ATwoSidedPrinterTurnsUprightPagesLikeABookOverTheLongEdge)
{
    // Over the upright paper's long edge: a book turn for the upright page of "Portrait -
    // Portrait", a calendar turn for the pages on their side; the short edge the other way.
    EXPECT_EQ(turnOnPage(SheetTurn::LongEdge, Layout::PortraitPortrait), SheetTurn::Book);
    EXPECT_EQ(turnOnPage(SheetTurn::ShortEdge, Layout::PortraitPortrait), SheetTurn::Calendar);
    for (Layout layout : {Layout::LandscapeLandscape, Layout::SingleOn4x6, Layout::FourOnSheet}) {
        EXPECT_EQ(turnOnPage(SheetTurn::LongEdge, layout), SheetTurn::Calendar) << layout;
        EXPECT_EQ(turnOnPage(SheetTurn::ShortEdge, layout), SheetTurn::Book) << layout;
        EXPECT_EQ(turnOnPage(SheetTurn::Calendar, layout), SheetTurn::Calendar) << layout;
    }
    const PrinterMetrics m = figures(Layout::FourOnSheet, 600, LetterPaper, InkjetMargins);
    const PagePlacement longEdge = placePages(Layout::FourOnSheet, m, SheetTurn::LongEdge);
    const PagePlacement calendar = placePages(Layout::FourOnSheet, m, SheetTurn::Calendar);
    EXPECT_EQ(longEdge.fronts, calendar.fronts);
    EXPECT_EQ(longEdge.backs, calendar.backs);
}

TEST(PlacePages, StockLaidOutAtItsMarginsPrintsThereAndItsBacksAtTheMirror)
{
    // Two 127 x 88.9 mm cards a row at 13 mm from the left and 30 mm from the top of A4.
    const Layout own = ownLayout({QStringLiteral("at margins"), QSizeF(127, 88.9), 2, 1,
                                  QSizeF(210, 297), QSizeF(9, 4), QPointF(13, 30)});
    const PrinterMetrics m = figures(own, 600, A4Paper, UnequalMargins);
    const PagePlacement book = placePages(own, m, SheetTurn::Book);
    const QPoint margin(devicePixels(13 / 25.4, 600), devicePixels(30 / 25.4, 600));
    EXPECT_NEAR(book.fronts.x() + m.OffsetX, margin.x(), 2);
    EXPECT_NEAR(book.fronts.y() + m.OffsetY, margin.y(), 2);
    EXPECT_EQ(book.backs.x() + m.OffsetX,
              m.PhysicalWidth - (book.fronts.x() + m.OffsetX) - book.extent.width());
    EXPECT_EQ(book.backs.y(), book.fronts.y());
    const PagePlacement calendar = placePages(own, m, SheetTurn::Calendar);
    EXPECT_EQ(calendar.fronts, book.fronts);
    EXPECT_EQ(calendar.backs.y() + m.OffsetY,
              m.PhysicalHeight - (book.fronts.y() + m.OffsetY) - book.extent.height());
}

TEST(ContentCut, BlankPaperLostToTheMarginsIsNoCutOfA6Cards)
{
    constexpr TestPaper A6Paper{"A6", 105 / 25.4, 148 / 25.4};
    const std::pair<Layout, TestPaper> rows[] = {{Layout::FourA6OnA4, A4Paper},
                                                 {Layout::SingleA6, A6Paper}};
    for (const auto& [layout, paper] : rows)
        for (const TestMargins& margins : TestMarginSets) {
            const PrinterMetrics m = figures(layout, 600, paper, margins);
            // The composer and renderer keep the printer's largest margin clear.
            const int frame = largestMarginSheetPixels(m);
            const QMargins cut =
                contentCut(placePages(layout, m), m, SheetTurn::Book, frame, frame);
            // Under a millimetre (24 pixels at 600 dpi), which the paper question lets be.
            for (const int edge : {cut.left(), cut.top(), cut.right(), cut.bottom()})
                EXPECT_LT(edge, 24) << int(layout) << " " << margins.name;
        }
}

TEST(PlacePages, TheOtherLayoutsPagesCoverAllTheirRowsSoTheCalendarTurnMirrorsThemWhole)
{
    // 827 rows of an A6 card are no whole number of bands: the page covers them all, as drawn,
    // so that the calendar turn's mirror puts the backs' foot behind the fronts' top.
    for (const Layout layout : OtherLayouts)
        for (const int dpi : {300, 600}) {
            const PrinterMetrics m = figures(layout, dpi, A4Paper, UnequalMargins);
            const PagePlacement p = placePages(layout, m, SheetTurn::Calendar);
            EXPECT_EQ(p.extent.height(), printedPageSize(layout).height() * dpi / 200)
                << int(layout) << " at " << dpi;
            EXPECT_EQ(p.backs.y() + m.OffsetY,
                      m.PhysicalHeight - (p.fronts.y() + m.OffsetY) - p.extent.height());
        }
}
