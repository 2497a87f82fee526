#pragma once
// JPEG through libjpeg-turbo called directly. Decoder errors, and decoder warnings such as
// "Premature end of JPEG file", raise "JPEG error #N" with libjpeg's message code.
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

// Called with the size the file's header declares, before any pixel memory is taken; it
// raises an AppError to refuse the picture.
using PictureSizeCheck = std::function<void(QSize)>;

// Decodes a whole JPEG file at full size with the default settings: RGB888 for colour
// pictures, Grayscale8 for grey ones. Raises "Cannot open file "%s". %s" when the file
// cannot be opened.
QImage readJpegFile(const QString& fileName, const PictureSizeCheck& checkSize = {});

// Encodes `image` as a colour, baseline JPEG of the given quality and writes it, replacing an
// existing file only once the whole file is written. Raises "Cannot create file "%s". %s" or
// the encoder's "JPEG error #N".
void writeJpegFile(const QImage& image, const QString& fileName, int quality);
