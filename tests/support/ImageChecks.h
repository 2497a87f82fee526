#pragma once
// Measuring drawn pictures: where the ink is, and plain pictures to draw on or compare with.
#include <QColor>
#include <QImage>
#include <QRect>

// A w x h 32-bit picture of one colour.
QImage solidImage(int w, int h, QColor colour);

// The smallest rectangle holding every pixel that is not white inside `region` (the whole
// picture when null); null when there is no ink.
QRect inkIn(const QImage& image, const QRect& region = QRect());
