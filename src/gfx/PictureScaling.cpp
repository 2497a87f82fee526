#include "PictureScaling.h"

#include <QPainter>
#include <new>

QImage smoothlyScaled(const QImage& picture, QSize size)
{
    if (picture.isNull() || size.isEmpty())
        return {};
    if (picture.size() == size)
        return picture;
    // Qt's smoothing is quick on 32-bit pixels only: 24-bit, grey and palette pictures take a
    // generic path hundreds of times slower, so they are widened first.
    const QImage::Format wide =
        picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    const QImage source = picture.format() == wide ? picture : picture.convertToFormat(wide);
    QImage scaled = source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (scaled.isNull())
        throw std::bad_alloc();
    return scaled;
}

void drawSmoothly(QPainter& painter, const QRect& target, const QImage& picture)
{
    if (target.isEmpty())
        return;
    const QImage scaled = smoothlyScaled(picture, target.size());
    if (!scaled.isNull())
        painter.drawImage(target.topLeft(), scaled);
}
