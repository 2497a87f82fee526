#pragma once
#include <QImage>
#include <QString>

// Writes `image` as a BMP file in its own pixel depth (24-bit for RGB888 and RGB32), replacing
// any file of that name only once the whole file is written, so a failed write never destroys
// an existing file. Raises "Cannot create file "%s". %s" on failure.
void writeBmpFile(const QImage& image, const QString& fileName);
