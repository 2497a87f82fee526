#pragma once
// Pictures and pages turned a quarter turn, never mirrored.
#include <QImage>

enum class QuarterTurn {
    Clockwise,        // the pixel at (x, y) of a W x H picture goes to (H - 1 - y, x)
    CounterClockwise, // the pixel at (x, y) goes to (y, W - 1 - x)
};

// `picture` turned, in its own pixel depth (pictures of less than a byte a pixel are widened to
// 32 bits first); a null picture for a null one.
QImage turnedQuarter(const QImage& picture, QuarterTurn turn);
