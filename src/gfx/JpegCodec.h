#pragma once
// JPEG through libjpeg-turbo called directly. Decoder errors, and decoder warnings such as
// "Premature end of JPEG file", raise "JPEG error #N" with libjpeg's message code.
#include <QImage>
#include <QString>

// Decodes a whole JPEG file at full size with the default settings: RGB888 for colour
// pictures, Grayscale8 for grey ones.
QImage readJpegFile(const QString& fileName);

// Encodes `image` as a colour, baseline JPEG of the given quality and writes it, replacing an
// existing file only once the whole file is written.
void writeJpegFile(const QImage& image, const QString& fileName, int quality);
