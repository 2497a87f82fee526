#pragma once
// Photo files of the formats beyond JPEG and BMP, made by the tests with the real encoders:
// HEIC (x265) and AVIF (libaom) through libheif, WebP through libwebp, PNG and TIFF through Qt's
// writers; with a colour profile, an EXIF orientation or several images where asked.
#include <QByteArray>
#include <QImage>
#include <QList>

enum class HeifCodecKind { Hevc, Av1 };
// `image` encoded as a HEIF file at quality 90, its ICC profile `icc` if given. With `more`,
// those images come first in the file and `image` is made its primary image, as a phone's
// burst names the picture it chose.
QByteArray makeHeif(const QImage& image, HeifCodecKind codec, const QByteArray& icc = {},
                    const QList<QImage>& more = {});
// Whether libheif on this machine encodes that codec.
bool canEncodeHeif(HeifCodecKind codec);

// `image` as WebP, lossy at quality 90 or lossless (alpha kept), with an ICCP chunk and an EXIF
// chunk giving `orientation` (1: none) where asked.
QByteArray makeWebp(const QImage& image, bool lossless, const QByteArray& icc = {},
                    int orientation = 1);
// An animated WebP whose frames are `frames`, the first shown first.
QByteArray makeAnimatedWebp(const QList<QImage>& frames);

// `image` through Qt's writer for `format` ("png", "tiff"), tagged with the ICC profile `icc`
// where given.
QByteArray makeWithQt(const QImage& image, const char* format, const QByteArray& icc = {});

// The JPEG with `icc` in APP2 ICC_PROFILE markers after its start, split as the standard says.
QByteArray withIccProfile(const QByteArray& jpeg, const QByteArray& icc);

// A picture of flat 16 x 16 blocks whose every pixel is `colour`.
QImage flatPicture(int width, int height, QColor colour);
