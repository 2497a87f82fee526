#include "back/PerforatedBorder.h"

#include <QImage>
#include <gtest/gtest.h>

namespace
{

constexpr TColor Red = 0x000000FF;

QImage border(int w = 152, int h = 175)
{
    QImage tile(w, h, QImage::Format_RGB32);
    tile.fill(Qt::white);
    DrawPerforatedBorder(tile, Red);
    return tile;
}

bool ink(const QImage& img, int x, int y)
{
    return img.pixel(x, y) != QColor(Qt::white).rgb();
}

// Number of separate runs of ink along a row or a column.
int runsInRow(const QImage& img, int y, int from, int to)
{
    int runs = 0;
    for (int x = from; x <= to; ++x)
        if (ink(img, x, y) && (x == from || !ink(img, x - 1, y)))
            ++runs;
    return runs;
}

int runsInColumn(const QImage& img, int x, int from, int to)
{
    int runs = 0;
    for (int y = from; y <= to; ++y)
        if (ink(img, x, y) && (y == from || !ink(img, x, y - 1)))
            ++runs;
    return runs;
}

} // namespace

TEST(PerforatedBorder, OutlineRunsFrom12To138By161InTheGivenColourUnsmoothed)
{
    const QImage tile = border();
    QRect extent;
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x)
            if (ink(tile, x, y)) {
                // Aliased: every pixel is either the pen colour or untouched.
                ASSERT_EQ(tile.pixel(x, y), fromTColor(Red).rgb()) << x << "," << y;
                extent |= QRect(x, y, 1, 1);
            }
    // A pen of width 2 straddles each edge by one pixel at most.
    EXPECT_NEAR(extent.left(), 12, 1);
    EXPECT_NEAR(extent.top(), 12, 1);
    EXPECT_NEAR(extent.right(), 138, 1);
    EXPECT_NEAR(extent.bottom(), 161, 1);
}

TEST(PerforatedBorder, SixNotchesTopAndBottomSevenOnEachSideBulgingInwards)
{
    const QImage tile = border();
    // Just inside the edges, each notch's bulge crosses once.
    EXPECT_EQ(runsInRow(tile, 19, 14, 136), 6);
    EXPECT_EQ(runsInRow(tile, 175 - 22, 21, 128), 6);
    EXPECT_EQ(runsInColumn(tile, 19, 20, 152), 7);
    EXPECT_EQ(runsInColumn(tile, 152 - 22, 20, 152), 7);
    // Nothing reaches deeper than the notches' 8 pixels.
    EXPECT_EQ(runsInRow(tile, 23, 24, 127), 0);
    EXPECT_EQ(runsInColumn(tile, 23, 24, 150), 0);
    EXPECT_EQ(runsInColumn(tile, 152 - 26, 24, 150), 0);

    // The top edge: straight from the corner to x = 20, open over the notch, which bulges down
    // to y = 20 around its middle; the first side notch starts at y = 22.
    for (int x = 13; x < 20; ++x)
        EXPECT_TRUE(ink(tile, x, 12) || ink(tile, x, 11)) << x;
    EXPECT_FALSE(ink(tile, 26, 12));
    EXPECT_FALSE(ink(tile, 26, 11));
    EXPECT_TRUE(ink(tile, 26, 20) || ink(tile, 26, 19));
    EXPECT_TRUE(ink(tile, 12, 18) || ink(tile, 11, 18));
    EXPECT_FALSE(ink(tile, 12, 28) || ink(tile, 11, 28));
    EXPECT_TRUE(ink(tile, 20, 28) || ink(tile, 19, 28));
    // The bottom and right edges' notches bulge up and to the left.
    EXPECT_TRUE(ink(tile, 26, 153) || ink(tile, 26, 154));
    EXPECT_TRUE(ink(tile, 130, 28) || ink(tile, 131, 28));
}

TEST(PerforatedBorder, FollowsTheBitmapSize)
{
    // On 100 x 100: top and bottom notches at x = 20, 40, 60 (the next would pass w - 32 = 68).
    const QImage tile = border(100, 100);
    EXPECT_EQ(runsInRow(tile, 19, 14, 84), 3);
    EXPECT_EQ(runsInRow(tile, 100 - 22, 21, 76), 3);
    EXPECT_TRUE(ink(tile, 86, 12) || ink(tile, 86, 11));
    EXPECT_TRUE(ink(tile, 86, 86) || ink(tile, 86, 85));
}
