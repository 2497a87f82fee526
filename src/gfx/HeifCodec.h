#pragma once
// HEIF pictures (HEIC from phones, AVIF from the web) through libheif, which Debian keeps with
// its HEVC and AV1 decoders. The primary image of a file of several (a burst, a live photo) is
// the picture; its rotation and mirroring (irot, imir) are applied; a colour profile (ICC or
// nclx) is converted to sRGB.
#include "JpegCodec.h"
#include "Picture.h"

class QByteArray;

// Whether `start` (a file's first bytes, 12 at least) begins a HEIF or AVIF file.
bool isHeifStart(const QByteArray& start);

// Decodes the request's HEIF or AVIF file as ARGB32 (RGB32 when it has no alpha), at full size
// (libheif decodes nothing smaller) and then reduced to what the draw box needs. Raises
// "Cannot open file "%s". %s", the refusals of Picture.h ("too large" when `limits` would be
// passed, "ends before its picture does", "is damaged"), and PictureCancelled: a cancel stops the
// decoder at its next read of the file, one tile of a phone's photo.
Picture readHeifFile(const PictureRequest& request, const PictureLimits& limits = {},
                     const PictureSizeCheck& checkSize = {});
