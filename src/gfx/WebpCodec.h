#pragma once
// WebP pictures through libwebp: decoded straight into the picture's memory, reduced while
// decoding where the draw box needs less (libwebp's own scaling), an animation by its first
// frame. Its EXIF orientation is applied and its colour profile converted to sRGB.
#include "JpegCodec.h"
#include "Picture.h"

class QByteArray;

// Whether `start` (a file's first bytes, 12 at least) begins a WebP file.
bool isWebpStart(const QByteArray& start);

// Decodes the request's WebP file as ARGB32 (RGB32 without alpha). Raises "Cannot open file
// "%s". %s", the refusals of Picture.h ("too large" when `limits` would be passed, "ends before
// its picture does", "is damaged") and PictureCancelled, checked at each 64 KB of coded data.
Picture readWebpFile(const PictureRequest& request, const PictureLimits& limits = {},
                     const PictureSizeCheck& checkSize = {});
