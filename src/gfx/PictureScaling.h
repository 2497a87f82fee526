#pragma once
// Pictures drawn larger or smaller than they are: resampled with a smoothing filter, so that a
// photo shrunk many times into the corner or onto the front prints without grain or false
// patterns, and one enlarged shows no blocks; the previews of a whole card use it too. The
// card's own lines and text are drawn at sheet scale and never pass through here.
#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;

// `picture` resampled to `size`: each new pixel the average of the area it covers when shrunk,
// interpolated between its neighbours when enlarged. Opaque pictures come back as RGB32, those
// with alpha as premultiplied ARGB32; the picture itself when it has that size already. Null for
// a null picture or an empty size.
QImage smoothlyScaled(const QImage& picture, QSize size);

// Draws the whole of `picture` stretched over `target` with the same filter.
void drawSmoothly(QPainter& painter, const QRect& target, const QImage& picture);

// The same on a painter that draws `scale` device pixels a unit (a printer page at its own
// resolution): the picture is resampled once, from its own pixels, to the device pixels
// `target` covers (pictureAtScale). At scale 1 it is drawSmoothly.
void drawPicture(QPainter& painter, const QRect& target, const QImage& picture, qreal scale);

// `picture` resampled to the device pixels `target` covers at `scale`, as drawPicture draws it
// (the picture itself when it has no more pixels than those): made once, it is drawn as it is
// onto every copy of a card on a page.
QImage pictureAtScale(const QImage& picture, const QRect& target, qreal scale);
