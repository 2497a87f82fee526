#pragma once
// Measuring drawn pictures: where the ink is, and plain pictures to draw on or compare with.
#include <QColor>
#include <QImage>
#include <QRect>
#include <utility>

// A w x h 32-bit picture of one colour.
QImage solidImage(int w, int h, QColor colour);

// A w x h 32-bit picture of single black and white pixels in a checkerboard: point sampling
// shrinks it to black or white, a smoothing filter to grey.
QImage checkerImage(int w, int h);
// The darkest and lightest grey level inside `region`.
std::pair<int, int> greyRange(const QImage& image, const QRect& region);

// The smallest rectangle holding every pixel that is not white inside `region` (the whole
// picture when null); null when there is no ink.
QRect inkIn(const QImage& image, const QRect& region = QRect());

// The mean difference of two pictures' channels, 0 to 255, `b` first reduced to `a`'s size.
double meanDifference(const QImage& a, const QImage& b);
