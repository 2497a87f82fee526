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

void drawPicture(QPainter& painter, const QRect& target, const QImage& picture, qreal scale)
{
    if (scale == 1) {
        drawSmoothly(painter, target, picture);
        return;
    }
    const QImage scaled = pictureAtScale(picture, target, scale);
    if (!scaled.isNull())
        painter.drawImage(QRectF(target), scaled);
}

QImage pictureAtScale(const QImage& picture, const QRect& target, qreal scale)
{
    if (target.isEmpty())
        return {};
    const QSize device(qMax(1, qRound(target.width() * scale)),
                       qMax(1, qRound(target.height() * scale)));
    // A picture with fewer pixels than the device would give it goes as it is: enlarged by the
    // device, not made larger here.
    if (scale != 1 && picture.width() <= device.width() && picture.height() <= device.height())
        return picture;
    return smoothlyScaled(picture, device);
}
