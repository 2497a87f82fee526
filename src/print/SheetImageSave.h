#pragma once
// Saving the rendered card back as a picture file: the full-size bitmap, or a JPEG at 75 of
// every 200 sheet pixels.
#include <QImage>
#include <QSize>
#include <QString>

enum class SheetImageFormat { Bitmap, Jpeg };

// The size of the JPEG copy of a back of `sheet` size: W·75/200 by H·75/200, truncated
// (1200 x 800 gives 450 x 300, 1100 x 850 gives 412 x 318).
QSize jpegSheetSize(const QSize& sheet);

// The working copy that is written for `format`: the back itself for a bitmap, the whole back
// shrunk to jpegSheetSize for a JPEG; each declares its pixels per inch (200 and 75).
QImage sheetImageCopy(const QImage& back, SheetImageFormat format);

// Writes the back as the last render left it. An existing file of that name is replaced only
// once the new one is complete, so a failed save leaves it as it was. Raises AppError.
void saveSheetImage(const QImage& back, SheetImageFormat format, const QString& fileName);
