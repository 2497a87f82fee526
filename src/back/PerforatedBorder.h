#pragma once
// The perforated stamp border: a tile outline whose edges have half-ellipse notches bulging
// inwards, like the edge of a real stamp.
#include "gfx/TColor.h"

#include <QImage>
#include <QSize>

class QPainter;

// Draws the border into the whole of `bitmap` with a solid pen of width 2 in `colour` and
// returns the same bitmap. Measures are hundredths of an inch at 200 pixels per inch.
QImage& DrawPerforatedBorder(QImage& bitmap, TColor colour);

// The same border for a tile of `size` at the painter's origin, on any painter: a sheet bitmap,
// or a printer page drawn at its own resolution. Draws the outline only, not the tile's white.
void drawPerforatedBorder(QPainter& painter, QSize size, TColor colour);
