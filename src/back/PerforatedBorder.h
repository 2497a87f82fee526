#pragma once
// The perforated stamp border: a tile outline whose edges have half-ellipse notches bulging
// inwards, like the edge of a real stamp.
#include "gfx/TColor.h"

#include <QImage>

// Draws the border into the whole of `bitmap` with a solid pen of width 2 in `colour` and
// returns the same bitmap. Measures are hundredths of an inch at 200 pixels per inch.
QImage& DrawPerforatedBorder(QImage& bitmap, TColor colour);
