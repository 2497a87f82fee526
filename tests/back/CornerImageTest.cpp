#include "back/CornerImage.h"
#include "support/ImageChecks.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace
{

QImage whiteBox()
{
    QImage box(CornerPreviewSide, CornerPreviewSide, QImage::Format_RGB32);
    box.fill(Qt::white);
    return box;
}

TEST(CornerImage, StartsAsACreamSquare)
{
    const QImage corner = newCornerImage();
    EXPECT_EQ(corner.size(), QSize(300, 300));
    EXPECT_EQ(corner.pixelColor(0, 0), fromTColor(TColors::Cream));
    EXPECT_EQ(corner.pixelColor(299, 299), fromTColor(TColors::Cream));
}

TEST(CornerImage, PreviewKeepsProportionsWithWholeNumberDivision)
{
    EXPECT_EQ(cornerPreviewRect(QSize(300, 150)), QRect(0, 0, 116, 58));
    EXPECT_EQ(cornerPreviewRect(QSize(150, 300)), QRect(0, 0, 58, 116));
    EXPECT_EQ(cornerPreviewRect(QSize(300, 300)), QRect(0, 0, 116, 116));
    // 100 x 116 / 117 = 99.1: the remainder is dropped.
    EXPECT_EQ(cornerPreviewRect(QSize(117, 100)), QRect(0, 0, 116, 99));
    // Slivers get no room; the largest pictures do not overflow.
    EXPECT_EQ(cornerPreviewRect(QSize(1, 200)).width(), 0);
    EXPECT_EQ(cornerPreviewRect(QSize(200, 1)).height(), 0);
    EXPECT_EQ(cornerPreviewRect(QSize(30000, 30000)), QRect(0, 0, 116, 116));
    EXPECT_TRUE(cornerPreviewRect(QSize(0, 10)).isEmpty());
    EXPECT_TRUE(cornerPreviewRect(QSize(10, 0)).isEmpty());
}

TEST(CornerImage, PictureSitsTopLeftOnTheFillColour)
{
    QImage box = whiteBox();
    drawCornerPreview(box, solidImage(300, 150, Qt::red), QSize(300, 150), TColors::Cream);
    EXPECT_EQ(box.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(box.pixelColor(115, 57), QColor(Qt::red));
    EXPECT_EQ(box.pixelColor(0, 58), fromTColor(TColors::Cream));
    EXPECT_EQ(box.pixelColor(115, 115), fromTColor(TColors::Cream));

    box = whiteBox();
    // Placed by the picture's own size, whatever size its pixels arrived at.
    drawCornerPreview(box, solidImage(50, 100, Qt::blue), QSize(150, 300), TColors::White);
    EXPECT_EQ(box.pixelColor(57, 115), QColor(Qt::blue));
    EXPECT_EQ(box.pixelColor(58, 0), QColor(Qt::white));
}

TEST(CornerImage, PreviewOfAPhotoIsSmoothed)
{
    QImage box = whiteBox();
    drawCornerPreview(box, checkerImage(348, 348), QSize(348, 348),
                      TColors::White); // three times smaller
    const auto [darkest, lightest] = greyRange(box, QRect(2, 2, 112, 112));
    EXPECT_GE(darkest, 90);
    EXPECT_LE(lightest, 165);
}

TEST(CornerImage, SliverShowsOnlyTheFill)
{
    QImage box = whiteBox();
    drawCornerPreview(box, solidImage(1, 200, Qt::red), QSize(1, 200), TColors::Cream);
    for (const QPoint p : {QPoint(0, 0), QPoint(0, 115), QPoint(60, 60)})
        EXPECT_EQ(box.pixelColor(p), fromTColor(TColors::Cream)) << p.x() << "," << p.y();
}

TEST(CornerImage, ClearingTouchesOnlyTheBox)
{
    QImage bigger(130, 130, QImage::Format_RGB32);
    bigger.fill(Qt::green);
    clearCornerPreview(bigger, TColors::Cream);
    EXPECT_EQ(bigger.pixelColor(115, 115), fromTColor(TColors::Cream));
    EXPECT_EQ(bigger.pixelColor(116, 0), QColor(Qt::green));
    EXPECT_EQ(bigger.pixelColor(0, 116), QColor(Qt::green));
}

} // namespace
