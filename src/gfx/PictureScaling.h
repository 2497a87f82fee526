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
