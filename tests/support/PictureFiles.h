#pragma once
// Picture files made by the tests themselves: BMPs of every stored depth, JPEGs in colour, grey
// and CMYK, and the means to spoil them (cut short, false sizes).
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

#include <cstdio> // jpeglib.h needs FILE declared first
#include <jpeglib.h>

// An uncompressed BMP (BITMAPINFOHEADER, bottom-up) of 1, 4, 8, 24 or 32 bits per pixel whose
// pixel (x, y) is bmpPixel(x, y, bitsPerPixel). Palettes hold distinct colours.
QByteArray makeBmp(int width, int height, int bitsPerPixel);
QColor bmpPixel(int x, int y, int bitsPerPixel);
// The BMP's header with the width and height fields replaced (no pixel data follows).
QByteArray bmpHeaderDeclaring(int width, int height);

// A GIF of one image whose pixel (x, y) is gifPixel(x, y), coded by an LZW encoder that sends
// each pixel as a code of its own. `pixelsCoded` >= 0 codes only that many pixels before the
// end code: a file whose blocks are all there but whose image lacks pixels.
QByteArray makeGif(int width, int height, qint64 pixelsCoded = -1);
QColor gifPixel(int x, int y);

enum class JpegKind { Colour, Grey, AdobeCmyk };
// Encodes `image` with libjpeg: Colour from its RGB, Grey from its grey levels, AdobeCmyk as
// inverted CMYK with an Adobe marker and the black in its own channel, as print software
// writes it. A restart marker every `restartRows` rows of blocks, if not 0.
QByteArray makeJpeg(const QImage& image, JpegKind kind, int quality = 90, int restartRows = 0);
// The warning codes stock libjpeg gives while decoding the whole file (a fatal error ends the
// list with its code too).
QList<int> libjpegWarnings(const QByteArray& jpeg);
// A small colour progressive JPEG split into more than `scans` scans.
QByteArray makeJpegWithScans(int scans);
// A valid grey progressive JPEG of `width` x `height` flat grey pixels in `scans` scans (at most
// 883: the DC, then each AC coefficient at low precision and refined bit by bit), each scan
// going over every block in a few bytes: little file, much decoding work.
QByteArray makeScanHeavyJpeg(int width, int height, int scans);
// The JPEG with an EXIF marker giving `orientation` put after its start, in Motorola or Intel
// byte order.
QByteArray withExifOrientation(const QByteArray& jpeg, int orientation, bool bigEndian = true);
// The JPEG with `segment` (a marker and its contents, or any bytes) put before its first marker
// after the start, or `at` bytes from its end when `at` > 0.
QByteArray withBytesInserted(const QByteArray& jpeg, const QByteArray& segment, int fromEnd = 0);
// The JPEG with the frame header's width and height replaced.
QByteArray withJpegSize(QByteArray jpeg, int width, int height);

// What the headers of a JPEG say, as libjpeg reads them.
struct JpegHeaders {
    QString problem; // libjpeg's message when the headers cannot be read
    QSize size;
    int components = 0;
    J_COLOR_SPACE space = JCS_UNKNOWN;
    bool baseline = false; // a baseline frame (SOF0)
    bool progressive = false;
    bool allQuantStepsOne = false; // quality 100
    bool jfif = false;             // a JFIF marker came with the picture
    int densityUnit = 0;           // 0 none (an aspect ratio only), 1 per inch, 2 per cm
    int xDensity = 0;
    int yDensity = 0;
};
JpegHeaders readJpegHeaders(const QByteArray& jpeg);

// A test picture with flat 16 x 16 blocks of distinct colours, which JPEG keeps nearly exact.
QImage blockPicture(int width, int height);

void writeFile(const QString& path, const QByteArray& data);
QByteArray readFile(const QString& path);
// Whether the colours differ by at most `tolerance` in each channel.
bool near(QColor a, QColor b, int tolerance);

// Reads the picture `path` on a thread of its own and cancels it `waitMs` in: whether the read
// then ended as cancelled; an error other than the cancel is raised here.
bool readEndsCancelled(const QString& path, int waitMs);
