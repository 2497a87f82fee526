#include "gfx/SheetText.h"
#include "gfx/TColor.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

TEST(MulDiv, RoundsHalfAwayFromZero)
{
    EXPECT_EQ(mulDiv(20, 96, 72), 27); // 26.67
    EXPECT_EQ(mulDiv(9, 96, 72), 12);
    EXPECT_EQ(mulDiv(8, 96, 72), 11); // 10.67
    EXPECT_EQ(mulDiv(3, 1, 2), 2);    // 1.5 away from zero
    EXPECT_EQ(mulDiv(-3, 1, 2), -2);
    EXPECT_EQ(mulDiv(1, 1, 0), -1);
    EXPECT_EQ(pointsToPixels(2 * 10), 27);
}

TEST(TColor, LayoutIsBlueInTheHighByte)
{
    EXPECT_EQ(fromTColor(TColors::Blue), QColor(0, 0, 255));
    EXPECT_EQ(fromTColor(TColors::Yellow), QColor(255, 255, 0));
    EXPECT_EQ(fromTColor(TColors::Cream), QColor(0xFF, 0xFB, 0xF0));
    EXPECT_EQ(toTColor(QColor(0x12, 0x34, 0x56)), 0x00563412u);
    EXPECT_EQ(toTColor(fromTColor(0x00ABCDEF)), 0x00ABCDEFu);
}

TEST(DrawRotatedText, NinetyDegreesReadsUpwardsRightOfX)
{
    QImage image(400, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(27);
    p.setFont(font);
    const QFont before = p.font();
    DrawRotatedText(p, QStringLiteral("HELLO"), 200, 300, 90);
    EXPECT_EQ(p.font(), before);
    const int cell = p.fontMetrics().height();
    const int width = p.fontMetrics().horizontalAdvance(QStringLiteral("HELLO"));
    p.end();

    // Ink only inside x in [200, 200 + cell) and y in (300 - width, 300].
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 200);
    EXPECT_LT(ink.right(), 200 + cell);
    EXPECT_LE(ink.bottom(), 300);
    EXPECT_GE(ink.top(), 300 - width - 1);
    EXPECT_GT(ink.height(), ink.width()); // a word standing on its end
}
