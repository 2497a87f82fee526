#include "Picture.h"

#include <QCoreApplication>
#include <QTransform>
#include <QtEndian>

namespace
{

constexpr int Upright = 1;
constexpr int MaxOrientation = 8;
constexpr quint16 OrientationTag = 0x0112;
constexpr quint16 ShortType = 3;
constexpr int IfdEntrySize = 12;

// Reads a 16- or 32-bit TIFF value at `at` in the byte order of the structure.
template <typename T> T tiffValue(QByteArrayView tiff, qsizetype at, bool bigEndian)
{
    const char* p = tiff.data() + at;
    return bigEndian ? qFromBigEndian<T>(p) : qFromLittleEndian<T>(p);
}

} // namespace

PictureCancelled::PictureCancelled(const QString& fileName)
    : AppError(QCoreApplication::translate("Picture", "Reading the picture \"%1\" was cancelled.")
                   .arg(fileName))
{
}

void raisePictureTooLarge(const QString& fileName, QSize size, qint64 bytes, qint64 limitBytes)
{
    constexpr qint64 Mb = 1024 * 1024;
    throw AppError(QCoreApplication::translate(
                       "Picture", "The picture \"%1\" is too large: its %2 x %3 pixels need %4 MB "
                                  "to read, and one picture may use at most %5 MB.")
                       .arg(fileName)
                       .arg(size.width())
                       .arg(size.height())
                       .arg((bytes + Mb - 1) / Mb)
                       .arg(limitBytes / Mb));
}

void raisePictureTooSlow(const QString& fileName, QSize size)
{
    throw AppError(QCoreApplication::translate(
                       "Picture", "The picture \"%1\" is too large: its %2 x %3 pixels take too "
                                  "long to decode.")
                       .arg(fileName)
                       .arg(size.width())
                       .arg(size.height()));
}

void raisePictureCutShort(const QString& fileName, const QString& details)
{
    throw AppError(QCoreApplication::translate("Picture",
                                               "The file \"%1\" ends before its picture does; "
                                               "it may have been cut short while copying.")
                       .arg(fileName),
                   details);
}

void raisePictureDamaged(const QString& fileName, const QString& details)
{
    throw AppError(
        QCoreApplication::translate("Picture", "The picture \"%1\" is damaged and cannot be read.")
            .arg(fileName),
        details);
}

void raisePictureDamagedInside(const QString& fileName, const QString& details)
{
    throw AppError(QCoreApplication::translate("Picture",
                                               "The picture \"%1\" is damaged in the middle: "
                                               "part of it cannot be decoded.")
                       .arg(fileName),
                   details);
}

void raisePictureUnsupported(const QString& fileName, const QString& format, const QString& kind,
                             const QString& details)
{
    throw AppError(QCoreApplication::translate("Picture",
                                               "The picture \"%1\" is a kind of %2 file this "
                                               "program cannot read (%3).")
                       .arg(fileName, format, kind),
                   details);
}

void raisePictureTooMuchData(const QString& fileName, QSize size, const QString& details)
{
    const QString pixels = size.isEmpty() ? QCoreApplication::translate("Picture", "pixels")
                                          : QCoreApplication::translate("Picture", "%1 x %2 pixels")
                                                .arg(size.width())
                                                .arg(size.height());
    throw AppError(QCoreApplication::translate("Picture",
                                               "The picture \"%1\" is damaged: its file holds "
                                               "far more data than its %2 can need.")
                       .arg(fileName, pixels),
                   details);
}

void raiseNoMemoryFor(const QString& fileName, QSize size)
{
    throw AppError(QCoreApplication::translate("Picture",
                                               "Not enough memory to read the %1 x %2 picture "
                                               "\"%3\".")
                       .arg(size.width())
                       .arg(size.height())
                       .arg(fileName));
}

void raisePictureFileTooLarge(const QString& fileName, qint64 bytes, qint64 limitBytes)
{
    constexpr qint64 Mb = 1024 * 1024;
    throw AppError(QCoreApplication::translate("Picture",
                                               "The picture file \"%1\" is too large: it has %2 "
                                               "MB, and a picture file may have at most %3 MB.")
                       .arg(fileName)
                       .arg(bytes / Mb)
                       .arg(limitBytes / Mb));
}

QSize sizeNeededFor(QSize size, QSize box)
{
    const qint64 w = size.width();
    const qint64 h = size.height();
    if (box.isEmpty() || w <= 0 || h <= 0 || (w <= box.width() && h <= box.height()))
        return size;
    // Rounded up, so that the arrived picture never falls short of the drawn one.
    if (w * box.height() <= h * box.width())
        return QSize(int((w * box.height() + h - 1) / h), box.height());
    return QSize(box.width(), int((h * box.width() + w - 1) / w));
}

QSize orientedSize(QSize stored, int orientation)
{
    return orientation > 4 ? stored.transposed() : stored;
}

QImage orientedImage(const QImage& stored, int orientation)
{
    switch (orientation) {
    case 2:
        return stored.mirrored(true, false);
    case 3:
        return stored.mirrored(true, true);
    case 4:
        return stored.mirrored(false, true);
    case 5: // mirrored about the diagonal through the top-left corner
        return stored.transformed(QTransform().rotate(90)).mirrored(true, false);
    case 6:
        return stored.transformed(QTransform().rotate(90));
    case 7: // mirrored about the other diagonal
        return stored.transformed(QTransform().rotate(90)).mirrored(false, true);
    case 8:
        return stored.transformed(QTransform().rotate(270));
    default:
        return stored;
    }
}

int exifOrientation(QByteArrayView app1)
{
    static constexpr char ExifHeader[] = {'E', 'x', 'i', 'f', 0, 0};
    if (!app1.startsWith(QByteArrayView(ExifHeader, sizeof ExifHeader)))
        return Upright;
    const QByteArrayView tiff = app1.sliced(sizeof ExifHeader);
    if (tiff.size() < 8)
        return Upright;
    bool bigEndian;
    if (tiff.startsWith("MM"))
        bigEndian = true;
    else if (tiff.startsWith("II"))
        bigEndian = false;
    else
        return Upright;
    if (tiffValue<quint16>(tiff, 2, bigEndian) != 42)
        return Upright;
    // The orientation sits in the first directory, the one of the main picture.
    const quint32 ifd = tiffValue<quint32>(tiff, 4, bigEndian);
    if (ifd > quint32(tiff.size() - 2))
        return Upright;
    const quint16 count = tiffValue<quint16>(tiff, ifd, bigEndian);
    for (quint32 i = 0; i < count; ++i) {
        const qint64 entry = qint64(ifd) + 2 + qint64(i) * IfdEntrySize;
        if (entry + IfdEntrySize > tiff.size())
            return Upright;
        if (tiffValue<quint16>(tiff, entry, bigEndian) != OrientationTag)
            continue;
        if (tiffValue<quint16>(tiff, entry + 2, bigEndian) != ShortType)
            return Upright;
        const int value = tiffValue<quint16>(tiff, entry + 8, bigEndian);
        return value >= Upright && value <= MaxOrientation ? value : Upright;
    }
    return Upright;
}
