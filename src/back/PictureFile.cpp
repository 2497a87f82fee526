#include "PictureFile.h"

#include "gfx/AppError.h"
#include "gfx/JpegCodec.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <optional>

namespace
{

// The largest picture the program reads.
constexpr int MaxPictureSide = 30000;
constexpr qint64 MaxPicturePixels = 100'000'000;

// BITMAPFILEHEADER (14 bytes) and the fields of the info header that follow it.
constexpr int FileHeaderSize = 14;
constexpr int CoreHeaderSize = 12; // the oldest info header, with 16-bit sizes
constexpr int CoreHeaderEnd = FileHeaderSize + CoreHeaderSize;
constexpr int InfoHeaderEnd = FileHeaderSize + 24; // through biSizeImage
enum BmpCompression : quint32 { BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3, BiAlpha = 6 };

// Qt's reader refuses pictures over its own memory limit; ours is the one that counts.
constexpr int ReaderAllocationLimitMb = int(MaxPicturePixels * 4 / (1024 * 1024)) + 1;

// What the BMP header declares, read only to check the picture before Qt decodes it.
struct BmpHeader {
    qint64 pixelOffset;
    qint64 width;
    qint64 height;
    int bitsPerPixel;
    quint32 compression;
    qint64 imageSize;
};

std::optional<BmpHeader> readBmpHeader(QFile& file)
{
    const QByteArray h = file.peek(InfoHeaderEnd);
    if (h.size() < CoreHeaderEnd || !h.startsWith("BM"))
        return std::nullopt;
    const char* p = h.constData();
    BmpHeader b{qFromLittleEndian<quint32>(p + 10), 0, 0, 0, BiRgb, 0};
    if (qFromLittleEndian<quint32>(p + 14) == CoreHeaderSize) {
        b.width = qFromLittleEndian<quint16>(p + 18);
        b.height = qFromLittleEndian<quint16>(p + 20);
        b.bitsPerPixel = qFromLittleEndian<quint16>(p + 24);
        return b;
    }
    if (h.size() < InfoHeaderEnd)
        return std::nullopt;
    b.width = qFromLittleEndian<qint32>(p + 18);
    b.height = qAbs(qint64(qFromLittleEndian<qint32>(p + 22))); // negative: stored top-down
    b.bitsPerPixel = qFromLittleEndian<quint16>(p + 28);
    b.compression = qFromLittleEndian<quint32>(p + 30);
    b.imageSize = qFromLittleEndian<quint32>(p + 34);
    return b;
}

// The file length the declared pixel data needs; 0 where it cannot be told from the header.
qint64 requiredLength(const BmpHeader& b)
{
    switch (b.compression) {
    case BiRgb:
    case BiBitfields:
    case BiAlpha:
        return b.pixelOffset + (b.width * b.bitsPerPixel + 31) / 32 * 4 * b.height;
    case BiRle8:
    case BiRle4:
        return b.pixelOffset + b.imageSize;
    default:
        return 0;
    }
}

[[noreturn]] void raiseNotValidBitmap()
{
    throw AppError(QStringLiteral("Bitmap image is not valid"));
}

// Refuses, from its header, a picture with no pixels or too many to hold.
void checkPictureSize(const QString& fileName, qint64 width, qint64 height)
{
    if (width <= 0 || height <= 0)
        throw AppError(
            QStringLiteral("The picture \"%1\" has a width or height of 0 and cannot be used.")
                .arg(fileName));
    if (width > MaxPictureSide || height > MaxPictureSide || width * height > MaxPicturePixels)
        throw AppError(QStringLiteral("The picture \"%1\" is too large: %2 x %3 pixels. Pictures "
                                      "of up to %4 pixels a side and %5 million pixels in all "
                                      "can be used.")
                           .arg(fileName)
                           .arg(width)
                           .arg(height)
                           .arg(MaxPictureSide)
                           .arg(MaxPicturePixels / 1'000'000));
}

QImage readBmpFile(const QString& fileName)
{
    QFile file(fileName);
    openForReading(file);
    const std::optional<BmpHeader> header = readBmpHeader(file);
    if (!header || header->width < 0)
        raiseNotValidBitmap();
    checkPictureSize(fileName, header->width, header->height);
    // Qt's reader turns missing pixel rows into black ones: a file cut short is refused here.
    if (file.size() < requiredLength(*header))
        raiseNotValidBitmap();

    QImageReader reader(&file, "bmp");
    reader.setAutoDetectImageFormat(false); // a PNG named .bmp is not a bitmap
    reader.setAllocationLimit(ReaderAllocationLimitMb);
    QImage image = reader.read();
    if (image.isNull())
        raiseNotValidBitmap();
    // Qt widens 24-bit pixels to 32 bits; keep the depth the file stores.
    if (header->bitsPerPixel == 24)
        image.convertTo(QImage::Format_RGB888);
    return image;
}

bool namesJpeg(const QString& fileName)
{
    return fileName.contains(QLatin1String(".jp")) || fileName.contains(QLatin1String(".JP"));
}

} // namespace

void LoadPictureFile(const QString& fileName, QImage& target)
{
    // Decoded into a new image first, so a failure leaves the target as it was.
    QImage picture = namesJpeg(fileName)
                         ? readJpegFile(fileName,
                                        [&](QSize size) {
                                            checkPictureSize(fileName, size.width(), size.height());
                                        })
                         : readBmpFile(fileName);
    target = std::move(picture);
}
