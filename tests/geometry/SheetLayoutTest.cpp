#include "geometry/SheetLayout.h"
#include "gfx/AppError.h"
#include "support/QtPrinters.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace
{

// A card whose every pixel tells where it came from: red = x, green = y (both mod 256), blue
// marks it as card.
QImage positionCard(int w, int h)
{
    QImage card(w, h, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            card.setPixelColor(x, y, QColor(x % 256, y % 256, 200));
    return card;
}

} // namespace

TEST(SheetLayout, EachLayoutFixesOrientationAndCardSize)
{
    const auto pp = sheetLayoutAt(Layout::PortraitPortrait);
    const auto ll = sheetLayoutAt(Layout::LandscapeLandscape);
    const auto single = sheetLayoutAt(Layout::SingleOn4x6);
    const auto four = sheetLayoutAt(Layout::FourOnSheet);
    ASSERT_TRUE(pp && ll && single && four);
    EXPECT_EQ(pp->orientation, QPageLayout::Portrait);
    EXPECT_EQ(ll->orientation, QPageLayout::Landscape);
    EXPECT_EQ(single->orientation, QPageLayout::Landscape);
    EXPECT_EQ(four->orientation, QPageLayout::Landscape);
    EXPECT_EQ(pp->card, QSize(1200, 800));
    EXPECT_EQ(ll->card, QSize(1200, 800));
    EXPECT_EQ(single->card, QSize(1200, 800));
    EXPECT_EQ(four->card, QSize(1100, 850));
    EXPECT_FALSE(sheetLayoutAt(Layout(-1)));
    EXPECT_FALSE(sheetLayoutAt(Layout(4)));
}

TEST(SheetLayout, PagesOfBacksAreTiledAsTheLayoutSays)
{
    const QSize card(1200, 800);
    const PageTiling two = backPageTiling(Layout::LandscapeLandscape, card);
    EXPECT_EQ(two.page, QSize(1200, 1600));
    EXPECT_EQ(two.at, (std::vector<QPoint>{{0, 0}, {0, 800}}));
    EXPECT_EQ(backPageTiling(Layout::PortraitPortrait, card).at, two.at);
    const PageTiling single = backPageTiling(Layout::SingleOn4x6, card);
    EXPECT_EQ(single.page, QSize(1200, 800));
    EXPECT_EQ(single.at, (std::vector<QPoint>{{0, 0}}));
    const PageTiling four = backPageTiling(Layout::FourOnSheet, QSize(1100, 850));
    EXPECT_EQ(four.page, QSize(2200, 1700));
    EXPECT_EQ(four.at, (std::vector<QPoint>{{0, 0}, {0, 850}, {1100, 0}, {1100, 850}}));
}

TEST(SheetLayout, PagesOfFrontsHaveFixedSizes)
{
    for (Layout layout : {Layout::PortraitPortrait, Layout::LandscapeLandscape}) {
        const PageTiling t = frontPageTiling(layout);
        EXPECT_EQ(t.page, QSize(1200, 1600));
        EXPECT_EQ(t.at, (std::vector<QPoint>{{0, 0}, {0, 800}}));
    }
    EXPECT_EQ(frontPageTiling(Layout::SingleOn4x6).page, QSize(1200, 800));
    const PageTiling four = frontPageTiling(Layout::FourOnSheet);
    EXPECT_EQ(four.page, QSize(2200, 1700));
    EXPECT_EQ(four.at, (std::vector<QPoint>{{0, 0}, {1100, 0}, {0, 850}, {1100, 850}}));
}

TEST(SheetLayout, TiledCopiesCoverTheWholePageUnscaled)
{
    const QImage card = positionCard(1100, 850);
    const QImage page =
        tilePage(card, backPageTiling(Layout::FourOnSheet, card.size()), QImage::Format_RGB888);
    ASSERT_EQ(page.size(), QSize(2200, 1700));
    EXPECT_EQ(page.format(), QImage::Format_RGB888);
    for (const QPoint at : {QPoint(0, 0), QPoint(1100, 0), QPoint(0, 850), QPoint(1100, 850)}) {
        EXPECT_EQ(page.copy(QRect(at, card.size())), card) << at.x() << "," << at.y();
    }
}

TEST(SheetLayout, RotatePageClockwiseIsAQuarterTurnNotAMirror)
{
    // 3 x 2:  a b c      turned:  d a
    //         d e f               e b
    //                             f c
    QImage page(3, 2, QImage::Format_RGB888);
    const QColor a(1, 0, 0), b(2, 0, 0), c(3, 0, 0), d(4, 0, 0), e(5, 0, 0), f(6, 0, 0);
    page.setPixelColor(0, 0, a);
    page.setPixelColor(1, 0, b);
    page.setPixelColor(2, 0, c);
    page.setPixelColor(0, 1, d);
    page.setPixelColor(1, 1, e);
    page.setPixelColor(2, 1, f);
    RotatePageClockwise(page);
    ASSERT_EQ(page.size(), QSize(2, 3));
    EXPECT_EQ(page.pixelColor(0, 0), d);
    EXPECT_EQ(page.pixelColor(1, 0), a);
    EXPECT_EQ(page.pixelColor(0, 1), e);
    EXPECT_EQ(page.pixelColor(1, 1), b);
    EXPECT_EQ(page.pixelColor(0, 2), f);
    EXPECT_EQ(page.pixelColor(1, 2), c);
}

TEST(SheetLayout, RotatePageCounterClockwiseUndoesTheClockwiseTurn)
{
    // 3 x 2:  a b c      turned:  c f
    //         d e f               b e
    //                             a d
    const QImage card = positionCard(3, 2);
    QImage page = card;
    rotatePageCounterClockwise(page);
    ASSERT_EQ(page.size(), QSize(2, 3));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(page.pixelColor(y, 2 - x), card.pixelColor(x, y)) << x << "," << y;
    RotatePageClockwise(page);
    EXPECT_EQ(page, card);
}

TEST(SheetLayout, PrintedPagesAndTheirPaper)
{
    EXPECT_EQ(printedPageSize(Layout::PortraitPortrait),
              QSize(1600, 1200)); // two upright cards side by side
    EXPECT_EQ(printedPageSize(Layout::LandscapeLandscape), QSize(1200, 1600));
    EXPECT_EQ(printedPageSize(Layout::SingleOn4x6), QSize(1200, 800));
    EXPECT_EQ(printedPageSize(Layout::FourOnSheet), QSize(2200, 1700));
    for (Layout layout :
         {Layout::PortraitPortrait, Layout::LandscapeLandscape, Layout::FourOnSheet})
        EXPECT_EQ(sheetLayoutAt(layout)->paper.id(), QPageSize::Letter) << layout;
    EXPECT_EQ(sheetLayoutAt(Layout::SingleOn4x6)->paper.size(QPageSize::Inch), QSizeF(4, 6));
}

TEST(SheetLayout, PortraitPageTurnsTheTopBackIntoTheRightHalf)
{
    const QImage card = positionCard(1200, 800);
    QImage page = tilePage(card, backPageTiling(Layout::PortraitPortrait, card.size()),
                           QImage::Format_RGB888);
    RotatePageClockwise(page);
    ASSERT_EQ(page.size(), QSize(1600, 1200));
    // Each back is now 800 wide and 1200 high with its former top edge on the right: card
    // pixel (x, y) of the top back is at (1599 - y, x), of the lower back at (799 - y, x).
    for (const QPoint p : {QPoint(0, 0), QPoint(1199, 0), QPoint(0, 799), QPoint(345, 678)}) {
        const QColor expected = card.pixelColor(p);
        EXPECT_EQ(page.pixelColor(1599 - p.y(), p.x()), expected);
        EXPECT_EQ(page.pixelColor(799 - p.y(), p.x()), expected);
    }
}

TEST(SheetLayout, EveryBuiltInLayoutsFigures)
{
    struct Row {
        Layout layout;
        QPageLayout::Orientation orientation;
        QSize card;
        int rows, columns;
        QSize printed;
        QSizeF paperMillimetres;
        CardsOnPaper placement;
    };
    const QSize a6(1166, 827); // 148.1 x 105 mm
    const Row rows[] = {
        {Layout::PortraitPortrait,
         QPageLayout::Portrait,
         {1200, 800},
         2,
         1,
         {1600, 1200},
         {215.9, 279.4},
         CardsOnPaper::AtTop},
        {Layout::LandscapeLandscape,
         QPageLayout::Landscape,
         {1200, 800},
         2,
         1,
         {1200, 1600},
         {215.9, 279.4},
         CardsOnPaper::AtTop},
        {Layout::SingleOn4x6,
         QPageLayout::Landscape,
         {1200, 800},
         1,
         1,
         {1200, 800},
         {101.6, 152.4},
         CardsOnPaper::AtTop},
        {Layout::FourOnSheet,
         QPageLayout::Landscape,
         {1100, 850},
         2,
         2,
         {2200, 1700},
         {215.9, 279.4},
         CardsOnPaper::AtTop},
        {Layout::FourA6OnA4,
         QPageLayout::Landscape,
         a6,
         2,
         2,
         {2332, 1654},
         {210, 297},
         CardsOnPaper::Centred},
        {Layout::SingleA6,
         QPageLayout::Landscape,
         a6,
         1,
         1,
         {1166, 827},
         {105, 148},
         CardsOnPaper::Centred},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(int(r.layout));
        const auto l = sheetLayoutAt(r.layout);
        ASSERT_TRUE(l);
        EXPECT_EQ(l->orientation, r.orientation);
        EXPECT_EQ(l->card, r.card);
        EXPECT_EQ(cardSizeOf(r.layout), r.card);
        EXPECT_EQ(l->rows, r.rows);
        EXPECT_EQ(l->columns, r.columns);
        EXPECT_EQ(printedPageSize(r.layout), r.printed);
        const QSizeF paper = l->paper.size(QPageSize::Millimeter);
        EXPECT_NEAR(paper.width(), r.paperMillimetres.width(), 0.5);
        EXPECT_NEAR(paper.height(), r.paperMillimetres.height(), 0.5);
        EXPECT_EQ(l->placement, r.placement);
        EXPECT_EQ(frontPageTiling(r.layout).at.size(), std::size_t(r.rows * r.columns));
        EXPECT_FALSE(layoutName(r.layout).isEmpty());
        EXPECT_TRUE(cardSizeProblem(r.card).isEmpty());
    }
    // 4 A6 on A4 leaves 3.5 sheet pixels of A4's 2339 x 1654 at the sides and none above.
    EXPECT_EQ(roomAroundCards(Layout::FourA6OnA4), 0);
    EXPECT_EQ(roomAroundCards(Layout::FourOnSheet), 0);
}

TEST(SheetLayout, OwnLayoutsTileWithTheirGapsAndKeepTheirNumber)
{
    const OwnLayout own{QStringLiteral("Stock 3"),
                        QSizeF(130, 90),
                        3,
                        2,
                        QSizeF(297, 420),
                        QSizeF(10, 5),
                        QPointF(12, 20)};
    const Layout layout = ownLayout(own);
    EXPECT_GE(int(layout), OwnLayoutsFrom);
    EXPECT_EQ(ownLayout(own), layout); // the same figures, the same number
    OwnLayout other = own;
    other.name = QStringLiteral("Stock 4");
    EXPECT_NE(ownLayout(other), layout);
    EXPECT_EQ(ownLayoutFigures(layout), own);
    EXPECT_FALSE(ownLayoutFigures(Layout(OwnLayoutsFrom + 500)));
    EXPECT_EQ(layoutName(layout), QStringLiteral("Stock 3"));

    const auto l = sheetLayoutAt(layout);
    ASSERT_TRUE(l);
    EXPECT_EQ(l->card, QSize(1024, 709));
    EXPECT_EQ(l->gap, QSize(79, 39));
    EXPECT_EQ(l->margin, QPoint(94, 157));
    EXPECT_EQ(l->placement, CardsOnPaper::AtMargins);
    EXPECT_EQ(l->orientation, QPageLayout::Portrait); // the block is taller than wide
    // Fronts row by row, backs column by column.
    const PageTiling fronts = frontPageTiling(layout);
    EXPECT_EQ(fronts.page, QSize(2 * 1024 + 79, 3 * 709 + 2 * 39));
    EXPECT_EQ(fronts.at, (std::vector<QPoint>{
                             {0, 0}, {1103, 0}, {0, 748}, {1103, 748}, {0, 1496}, {1103, 1496}}));
    EXPECT_EQ(
        backPageTiling(layout, l->card).at,
        (std::vector<QPoint>{{0, 0}, {0, 748}, {0, 1496}, {1103, 0}, {1103, 748}, {1103, 1496}}));
    // A3 is 2339 x 3307: the least room is the 94 at the left.
    EXPECT_EQ(roomAroundCards(layout), 94);
}

TEST(SheetLayout, FiguresThatMakeNoLayoutAreRefusedSayingWhy)
{
    const OwnLayout good{QStringLiteral("Good"), QSizeF(148, 105), 2, 2, QSizeF(210, 297),
                         QSizeF(0, 0),           QPointF(0, 0)};
    EXPECT_EQ(ownLayoutProblem(good), QString());
    struct Row {
        const char* what;
        OwnLayout own;
        const char* said;
    };
    const auto with = [&good](auto change) {
        OwnLayout o = good;
        change(o);
        return o;
    };
    const Row rows[] = {
        {"no name", with([](OwnLayout& o) { o.name = QStringLiteral("  "); }), "needs a name"},
        {"too small", with([](OwnLayout& o) { o.card = QSizeF(120, 80); }), "120.0 x 80.0 mm"},
        {"too large", with([](OwnLayout& o) { o.card = QSizeF(211, 148); }), "211.0 x 148.0 mm"},
        {"upright", with([](OwnLayout& o) { o.card = QSizeF(105, 148); }), "105.0 x 148.0 mm"},
        {"no rows", with([](OwnLayout& o) { o.rows = 0; }), "from 1 to 10 rows"},
        {"off the paper", with([](OwnLayout& o) { o.margin = QPointF(2, 0); }),
         "(298 x 210 mm) do not fit on the paper of 297 x 210 mm"},
        {"negative gap", with([](OwnLayout& o) { o.gap = QSizeF(-1, 0); }), "do not fit"},
    };
    for (const Row& r : rows) {
        const QString problem = ownLayoutProblem(r.own);
        EXPECT_TRUE(problem.contains(QLatin1String(r.said)))
            << r.what << ": " << problem.toStdString();
        EXPECT_THROW(ownLayout(r.own), AppError) << r.what;
    }
    // The smallest and largest cards are drawn.
    EXPECT_EQ(cardSizeProblem(SmallestCard), QString());
    EXPECT_EQ(cardSizeProblem(LargestCard), QString());
    EXPECT_NE(cardSizeProblem(SmallestCard - QSize(1, 0)), QString());
}
