#include "CornerImage.h"

#include "gfx/PictureScaling.h"

#include <QPainter>

namespace
{

constexpr int NewCornerSide = 300;

} // namespace

QImage newCornerImage()
{
    QImage image(NewCornerSide, NewCornerSide, QImage::Format_RGB32);
    image.fill(fromTColor(TColors::Cream));
    return image;
}

QRect cornerPreviewRect(QSize size)
{
    const int w = size.width();
    const int h = size.height();
    // The loader refuses empty pictures; an empty one here gets no room rather than a
    // division by zero.
    if (w <= 0 || h <= 0)
        return QRect();
    if (h < w)
        return QRect(0, 0, CornerPreviewSide, h * CornerPreviewSide / w);
    return QRect(0, 0, w * CornerPreviewSide / h, CornerPreviewSide);
}

void clearCornerPreview(QImage& box, TColor fill)
{
    QPainter p(&box);
    p.fillRect(QRect(0, 0, CornerPreviewSide, CornerPreviewSide), fromTColor(fill));
}

void drawCornerPreview(QImage& box, const QImage& picture, QSize size, TColor fill)
{
    clearCornerPreview(box, fill);
    const QRect place = picture.isNull() ? QRect() : cornerPreviewRect(size);
    if (place.isEmpty())
        return;
    QPainter p(&box);
    drawSmoothly(p, place, picture);
}
