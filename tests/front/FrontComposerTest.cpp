#include "front/FrontComposer.h"
#include "geometry/PrinterMetrics.h"
#include "support/ImageChecks.h"
#include "support/QtPrinters.h"

#include <QFontMetrics>
#include <QPainter>
#include <gtest/gtest.h>

namespace
{

const QRgb Red = qRgb(255, 0, 0);
const QRgb White = qRgb(255, 255, 255);

// Letter paper at 600 dpi with the given printable area and margins, in printer pixels.
PrinterMetrics printer(int pageWidth, int pageHeight, int margin)
{
    PrinterMetrics m;
    m.DpiX = m.DpiY = 600;
    m.PageWidth = pageWidth;
    m.PageHeight = pageHeight;
    m.OffsetX = m.OffsetY = m.RightMargin = m.BottomMargin = margin;
    m.PhysicalWidth = pageWidth + 2 * margin;
    m.PhysicalHeight = pageHeight + 2 * margin;
    return m;
}

FrontComposition redPicture(int w, int h, Layout layout = Layout::LandscapeLandscape,
                            const PrinterMetrics& metrics = printer(4800, 6300, 150))
{
    FrontComposition front;
    front.picture = solidImage(w, h, Red);
    front.card = frontCardForLayout(layout, metrics);
    return front;
}

} // namespace

TEST(FrontCard, SizeAndFrameByLayout)
{
    const PrinterMetrics quarterInch = printer(4800, 6300, 150); // m = 150 x 200 / 600 = 50
    for (Layout layout :
         {Layout(-1), Layout::PortraitPortrait, Layout::LandscapeLandscape, Layout::SingleOn4x6}) {
        const FrontCard card = frontCardForLayout(layout, quarterInch);
        EXPECT_EQ(card.width, 1200) << layout;
        EXPECT_EQ(card.height, 800) << layout;
        EXPECT_EQ(card.frame, 0) << layout;
    }
    const FrontCard four = frontCardForLayout(Layout::FourOnSheet, quarterInch);
    EXPECT_EQ(four.width, 1100);
    EXPECT_EQ(four.height, 850);
    EXPECT_EQ(four.frame, 50);

    // The largest of the four margins counts, scaled by the horizontal resolution.
    PrinterMetrics uneven = quarterInch;
    uneven.BottomMargin = 301;
    EXPECT_EQ(frontCardForLayout(Layout::FourOnSheet, uneven).frame, 100);
}

TEST(FrontCard, FourBySixFrameOnlyWhenTheCardDoesNotFit)
{
    // 6 x 4 inches at 600 dpi is 3600 x 2400 printer pixels.
    EXPECT_EQ(frontCardForLayout(Layout::SingleOn4x6, printer(3600, 2400, 30)).frame, 0);
    EXPECT_EQ(frontCardForLayout(Layout::SingleOn4x6, printer(3599, 2400, 30)).frame, 10);
    EXPECT_EQ(frontCardForLayout(Layout::SingleOn4x6, printer(3600, 2399, 30)).frame, 10);
}

TEST(FrontCard, UnknownPrinterFiguresGiveNoFrameRatherThanADivisionByZero)
{
    const PrinterMetrics none;
    EXPECT_EQ(frontCardForLayout(Layout::SingleOn4x6, none).frame, 0);
    EXPECT_EQ(frontCardForLayout(Layout::FourOnSheet, none).frame, 0);
    EXPECT_EQ(frontCardForLayout(Layout::FourOnSheet, none).width, 1100);
}

TEST(FitFrontPicture, FitsScalesAndShiftsOnTheWholeCard)
{
    FrontComposition front = redPicture(1600, 1200);
    EXPECT_EQ(fitFrontPicture(front), QRect(67, 0, 1066, 800));
    front.size = 150;
    EXPECT_EQ(fitFrontPicture(front), QRect(-199, -200, 1599, 1200));
    front.size = 100;
    front.hOffset = 0;
    EXPECT_EQ(fitFrontPicture(front).x(), -533);
    front.hOffset = 100;
    EXPECT_EQ(fitFrontPicture(front).x(), 667);
    front.hOffset = 50;
    front.vOffset = 0;
    EXPECT_EQ(fitFrontPicture(front).y(), -400);
    // Unequal offsets at once: the horizontal one moves across by the card's width, the
    // vertical one down by its height.
    front.size = 60;
    front.hOffset = 30;
    front.vOffset = 70;
    EXPECT_EQ(fitFrontPicture(front), QRect(280 - 240, 160 + 160, 639, 480));
    EXPECT_EQ(inkIn(composeFront(front)), QRect(40, 320, 639, 480));
    front.size = 100;
    front.vOffset = 50;

    // A tall picture is limited by the height; truncation toward zero throughout.
    FrontComposition tall = redPicture(333, 1000);
    EXPECT_EQ(fitFrontPicture(tall), QRect(467, 0, 266, 800));
    tall.size = 1;
    EXPECT_EQ(fitFrontPicture(tall), QRect(599, 396, 2, 8));
}

TEST(FitFrontPicture, FourOnSheetFitsInsideTheFrame)
{
    const FrontComposition front = redPicture(1600, 1200, Layout::FourOnSheet);
    EXPECT_EQ(fitFrontPicture(front), QRect(50, 50, 1000, 750));
}

TEST(FitFrontPicture, PictureWithoutPixelsIsNeverFitted)
{
    FrontComposition front;
    front.card = frontCardForLayout(Layout::LandscapeLandscape, PrinterMetrics());
    EXPECT_TRUE(fitFrontPicture(front).isNull());
    front.picture = QImage(0, 10, QImage::Format_RGB32);
    EXPECT_TRUE(fitFrontPicture(front).isNull());
    const QImage sheet = composeFront(front);
    EXPECT_EQ(sheet.size(), QSize(1200, 800));
    EXPECT_TRUE(inkIn(sheet).isNull());
}

TEST(ComposeFront, PictureBetweenWhiteBands)
{
    FrontComposition front = redPicture(1600, 1200);
    QImage sheet = composeFront(front);
    ASSERT_EQ(sheet.size(), QSize(1200, 800));
    EXPECT_EQ(inkIn(sheet), QRect(67, 0, 1066, 800));
    EXPECT_EQ(sheet.pixel(66, 400), White);
    EXPECT_EQ(sheet.pixel(67, 400), Red);
    EXPECT_EQ(sheet.pixel(1132, 799), Red);
    EXPECT_EQ(sheet.pixel(1133, 0), White);

    front.hOffset = 0; // from x = -533: cut off at the card's edge
    EXPECT_EQ(inkIn(composeFront(front)), QRect(0, 0, 533, 800));
    front.hOffset = 100;
    EXPECT_EQ(inkIn(composeFront(front)), QRect(667, 0, 533, 800));
}

TEST(ComposeFront, FrameIsPaintedOverAnOversizedPicture)
{
    FrontComposition front = redPicture(1600, 1200, Layout::FourOnSheet);
    EXPECT_EQ(inkIn(composeFront(front)), QRect(50, 50, 1000, 750));
    front.size = 200; // the picture covers the whole card; the frame stays white
    const QImage sheet = composeFront(front);
    ASSERT_EQ(sheet.size(), QSize(1100, 850));
    EXPECT_EQ(inkIn(sheet), QRect(50, 50, 1000, 750));
}

TEST(ComposeFront, PictureIsStretchedNotCropped)
{
    // Left half blue, right half green: the halves meet in the middle of the fitted picture.
    QImage picture = solidImage(400, 300, qRgb(0, 0, 255));
    QPainter(&picture).fillRect(200, 0, 200, 300, QColor(0, 255, 0));
    FrontComposition front = redPicture(1, 1);
    front.picture = picture;
    const QImage sheet = composeFront(front);
    EXPECT_EQ(sheet.pixel(67, 10), qRgb(0, 0, 255));
    EXPECT_EQ(sheet.pixel(598, 10), qRgb(0, 0, 255));
    EXPECT_EQ(sheet.pixel(601, 10), qRgb(0, 255, 0));
    EXPECT_EQ(sheet.pixel(1132, 10), qRgb(0, 255, 0));
}

TEST(ComposeFront, PhotoIsSmoothedWhenShrunkAndWhenEnlarged)
{
    // Single-pixel detail shrunk 2.25 times averages to grey, where point sampling would keep
    // black and white pixels (and false patterns).
    FrontComposition front = redPicture(1, 1);
    front.picture = checkerImage(2400, 1800);
    const auto [darkest, lightest] = greyRange(composeFront(front), QRect(100, 20, 1000, 760));
    EXPECT_GE(darkest, 90);
    EXPECT_LE(lightest, 165);

    // Two pixels enlarged 533 times blend from black to white across the middle, where point
    // sampling would give two flat halves with a hard edge.
    QImage two(2, 1, QImage::Format_RGB32);
    two.setPixel(0, 0, qRgb(0, 0, 0));
    two.setPixel(1, 0, qRgb(255, 255, 255));
    front.picture = two;
    front.size = 200;
    const QImage sheet = composeFront(front);
    int between = 0;
    for (int x = 0; x < 1200; ++x)
        between += qGray(sheet.pixel(x, 400)) > 30 && qGray(sheet.pixel(x, 400)) < 225;
    EXPECT_GT(between, 300);
}

TEST(FitFrontPicture, UsesThePicturesOwnSizeWhateverItsPixels)
{
    // A picture read reduced fits as its own size says: 1600 x 1200 on the card.
    FrontComposition front = redPicture(400, 300);
    front.pictureSize = QSize(1600, 1200);
    front.size = 150;
    EXPECT_EQ(fitFrontPicture(front), QRect(-199, -200, 1599, 1200));
    front.pictureSize = QSize(1200, 1600); // its own proportions count, not its pixels'
    EXPECT_EQ(fitFrontPicture(front).size(), QSize(900, 1200));
}

TEST(FrontSheetFont, TwiceTheChosenPointSize)
{
    QFont startup(QStringLiteral("Times New Roman"));
    startup.setPixelSize(64); // 48 points
    startup.setBold(true);
    const QFont sheet = frontSheetFont(startup);
    EXPECT_EQ(sheet.pixelSize(), 128);
    EXPECT_TRUE(sheet.bold());
    QFont twenty(QStringLiteral("Arial"));
    twenty.setPointSize(20);
    EXPECT_EQ(frontSheetFont(twenty).pixelSize(), 53);
    EXPECT_FALSE(frontSheetFont(twenty).bold());
}

class FrontText : public ::testing::Test
{
protected:
    FrontText()
    {
        front.picture = solidImage(1200, 800, White);
        front.card = frontCardForLayout(Layout::LandscapeLandscape, PrinterMetrics());
        front.font = QFont(QStringLiteral("Times New Roman"));
        front.font.setPixelSize(64);
        front.font.setBold(true);
        front.textX = 20;
        front.textY = 100;
        lineStep = QFontMetrics(frontSheetFont(front.font)).height();
    }
    QRect inkOf(const QStringList& lines)
    {
        front.lines = lines;
        return inkIn(composeFront(front));
    }
    FrontComposition front;
    int lineStep = 0;
};

TEST_F(FrontText, NoLinesNoInk)
{
    EXPECT_TRUE(inkOf({}).isNull());
    EXPECT_TRUE(inkOf({QString()}).isNull());
}

TEST_F(FrontText, HorizontalLinesStepDownByTheHeightOfX)
{
    const QRect first = inkOf({QStringLiteral("X")});
    ASSERT_FALSE(first.isNull());
    EXPECT_GE(first.left(), 20);
    EXPECT_GE(first.top(), 100);
    EXPECT_LT(first.bottom(), 100 + lineStep);
    // Empty lines take their place too.
    EXPECT_EQ(inkOf({QString(), QString(), QStringLiteral("X")}),
              first.translated(0, 2 * lineStep));
    const QRect three = inkOf({QStringLiteral("X"), QStringLiteral("X"), QStringLiteral("X")});
    EXPECT_EQ(three, first | first.translated(0, 2 * lineStep));
}

TEST_F(FrontText, TurnedPictureRunsLinesUpwardSideBySide)
{
    front.pictureTurned = true;
    front.textY = 700;
    const QRect first = inkOf({QStringLiteral("XXXX")});
    ASSERT_FALSE(first.isNull());
    EXPECT_GT(first.height(), first.width()); // standing on its end
    EXPECT_GE(first.left(), 20);
    EXPECT_LT(first.right(), 20 + lineStep);
    EXPECT_LE(first.bottom(), 700);
    EXPECT_EQ(inkOf({QString(), QStringLiteral("XXXX")}), first.translated(lineStep, 0));
}

TEST_F(FrontText, DrawnInTheChosenColourWithoutBackground)
{
    front.picture = solidImage(1200, 800, Red);
    front.colour = 0x00FF0000; // blue
    front.lines = QStringList{QStringLiteral("X")};
    const QImage sheet = composeFront(front);
    int blue = 0;
    for (int y = 100; y < 100 + lineStep; ++y)
        for (int x = 20; x < 200; ++x)
            blue += sheet.pixel(x, y) == qRgb(0, 0, 255);
    EXPECT_GT(blue, 100);
    EXPECT_EQ(sheet.pixel(21, 101), Red); // the text cell has no white background
}

TEST(DrawFrontPreview, QuarterScaleAtTheTopLeft)
{
    QImage surface = solidImage(400, 300, qRgb(0, 0, 0));
    FrontComposition front = redPicture(1600, 1200, Layout::FourOnSheet);
    drawFrontPreview(surface, composeFront(front));
    EXPECT_EQ(surface.pixel(11, 11), White); // the frame, 50 / 4 wide
    EXPECT_EQ(surface.pixel(13, 13), Red);
    EXPECT_EQ(surface.pixel(274, 211), White);
    EXPECT_EQ(surface.pixel(275, 100), qRgb(0, 0, 0)); // beyond the preview: untouched
    EXPECT_EQ(surface.pixel(100, 212), qRgb(0, 0, 0));
}
