#pragma once
// The lower-left corner picture and its 116 x 116 preview, drawn without any widget.
#include "gfx/TColor.h"

#include <QImage>
#include <QRect>

constexpr int CornerPreviewSide = 116;
// The square of the back whose bottom-left corner holds the picture, and the largest the corner
// picture is ever drawn.
constexpr int CornerBoxSide = 300;

// The corner picture before any is chosen: a cream 300 x 300 square.
QImage newCornerImage();

// Where a picture of `size` sits in the preview box: in its top-left corner, as large as fits
// with its proportions kept, by whole-number division. A sliver (1 x 200) gets no room at all.
QRect cornerPreviewRect(QSize size);

// Clears the preview box to `fill`.
void clearCornerPreview(QImage& box, TColor fill);
// Clears the preview box to `fill` and stretches `picture` into the place its own size `size`
// (whatever size its pixels arrived at) gives it.
void drawCornerPreview(QImage& box, const QImage& picture, QSize size, TColor fill);
