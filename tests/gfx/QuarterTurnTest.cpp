#include "gfx/QuarterTurn.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace
{

// The plain definitions, a pixel at a time.
QImage turnedReference(const QImage& picture, QuarterTurn turn)
{
    const int w = picture.width();
    const int h = picture.height();
    QImage out(h, w, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QPoint to =
                turn == QuarterTurn::Clockwise ? QPoint(h - 1 - y, x) : QPoint(y, w - 1 - x);
            out.setPixel(to, picture.pixel(x, y));
        }
    return out;
}

QImage noise(int w, int h, QImage::Format format)
{
    QImage image(w, h, QImage::Format_RGB32);
    QRandomGenerator random(w * 7919 + h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, random.generate() | 0xFF000000);
    return image.convertToFormat(format);
}

} // namespace

TEST(QuarterTurn, BothWaysInEveryPixelDepth)
{
    // Sizes that are not multiples of the tiles the turn walks.
    for (const QSize size : {QSize(130, 67), QSize(1, 200), QSize(200, 1), QSize(800, 1200)})
        for (const QImage::Format format :
             {QImage::Format_RGB32, QImage::Format_RGB888, QImage::Format_Grayscale8,
              QImage::Format_Indexed8, QImage::Format_RGB16, QImage::Format_Mono,
              QImage::Format_RGBX64})
            for (const QuarterTurn turn : {QuarterTurn::Clockwise, QuarterTurn::CounterClockwise}) {
                const QImage picture = noise(size.width(), size.height(), format);
                const QImage turned = turnedQuarter(picture, turn);
                ASSERT_EQ(turned.size(), size.transposed()) << format;
                EXPECT_EQ(turned.convertToFormat(QImage::Format_RGB32),
                          turnedReference(picture, turn))
                    << format << " " << size.width() << "x" << size.height() << " " << int(turn);
            }
}

TEST(QuarterTurn, CounterClockwiseIsARotationNotAMirror)
{
    // Marked top-left and top-right: turned counter-clockwise the top edge lies on the left,
    // read upward; a mirror about the diagonal would put the top-right corner bottom left.
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(2, 0, qRgb(0, 0, 255));
    const QImage turned = turnedQuarter(picture, QuarterTurn::CounterClockwise);
    ASSERT_EQ(turned.size(), QSize(2, 3));
    EXPECT_EQ(turned.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(turned.pixel(0, 2), qRgb(255, 0, 0));
    EXPECT_EQ(turned.pixel(1, 0), qRgb(255, 255, 255));
    EXPECT_TRUE(turnedQuarter(QImage(), QuarterTurn::Clockwise).isNull());
}
