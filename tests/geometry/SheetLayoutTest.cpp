#include "geometry/SheetLayout.h"
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
