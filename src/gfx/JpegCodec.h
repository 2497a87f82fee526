#pragma once
// JPEG through libjpeg-turbo called directly. Decoder errors, and the decoder warnings that mean
// pixels were lost (such as "Premature end of JPEG file"), raise the refusals of Picture.h in
// words ("ends before its picture does", "is damaged in the middle"), libjpeg's message code
// only in the error's details ("JPEG error #120").
#include "Picture.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

// Qt keeps an image's resolution in dots per metre; files give it per inch.
constexpr double InchInMetres = 0.0254;

// Called with the upright size the file's header declares, before any pixel memory is taken; it
// raises an AppError to refuse the picture.
using PictureSizeCheck = std::function<void(QSize)>;

// Decodes the request's JPEG file, RGB888 for colour pictures, Grayscale8 for grey ones: reduced
// by libjpeg's scaled decoding, in eighths, to no less than the draw box needs, and turned
// upright as its EXIF orientation says. Raises "Cannot open file "%s". %s" when the file cannot
// be opened, the "too large" errors of Picture.h when `limits` would be passed, and
// PictureCancelled when the request's progress asks for it.
Picture readJpegFile(const PictureRequest& request, const PictureLimits& limits = {},
                     const PictureSizeCheck& checkSize = {});

// Encodes `image` as a colour, baseline JPEG of the given quality, its resolution declared in
// dots per inch, and writes it, replacing an
// existing file only once the whole file is written. Raises "Cannot create file "%s". %s" or
// "Cannot create file "%s". The picture could not be encoded as JPEG." (the encoder's code in the
// details).
void writeJpegFile(const QImage& image, const QString& fileName, int quality);
