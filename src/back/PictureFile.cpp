#include "PictureFile.h"

#include "PictureExtent.h"
#include "gfx/AppError.h"
#include "gfx/ColourProfile.h"
#include "gfx/HeifCodec.h"
#include "gfx/JpegCodec.h"
#include "gfx/WebpCodec.h"
#include "gfx/WholeFile.h"

#include <QBuffer>
#include <QColorSpace>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>
#include <climits>
#include <new>
#include <optional>

namespace
{

constexpr qint64 Mb = 1024 * 1024;

// BITMAPFILEHEADER (14 bytes) and the fields of the info header that follow it.
constexpr int FileHeaderSize = 14;
constexpr int CoreHeaderSize = 12; // the oldest info header, with 16-bit sizes
constexpr int CoreHeaderEnd = FileHeaderSize + CoreHeaderSize;
constexpr int InfoHeaderEnd = FileHeaderSize + 24; // through biSizeImage
// The header's biCompression codes; a file may hold any number.
enum class BmpCompression : quint32 { Rgb = 0, Rle8 = 1, Rle4 = 2, Bitfields = 3, Alpha = 6 };

// Enough of a file's start to tell its format.
constexpr int SignatureBytes = 32;

// The formats Qt's own readers read for us, by Qt's name, with the file name patterns the open
// dialogs list them by. Those Qt has no reader for on this system are left out. JPEG and BMP are
// read on our own paths and always there.
struct QtFormat {
    const char* qtName;
    const char* name;
    const char* patterns;
};
constexpr QtFormat QtFormats[] = {
    {"png", "PNG", "*.png"},
    {"gif", "GIF", "*.gif"},
    {"tiff", "TIFF", "*.tif *.tiff"},
};
// Read on our own paths, through the libraries themselves, and always there.
constexpr QtFormat JpegFormat = {"jpeg", "JPEG", "*.jpg *.jpeg *.jpe *.jfif"};
constexpr QtFormat BmpFormat = {"bmp", "BMP", "*.bmp *.dib"};
constexpr QtFormat OwnFormats[] = {
    {"heif", "HEIC", "*.heic *.heif *.hif"},
    {"avif", "AVIF", "*.avif"},
    {"webp", "WebP", "*.webp"},
};

bool qtReads(const QtFormat& f)
{
    return QImageReader::supportedImageFormats().contains(QByteArray(f.qtName));
}

PictureLimits pictureLimits()
{
    return PictureLimits{MaxPictureMemoryMb * Mb, MaxPictureWork};
}

// What the BMP header declares, read only to check the picture before Qt decodes it.
struct BmpHeader {
    qint64 pixelOffset;
    qint64 width;
    qint64 height;
    int bitsPerPixel;
    BmpCompression compression;
    qint64 imageSize;
};

std::optional<BmpHeader> readBmpHeader(QFile& file)
{
    const QByteArray h = file.peek(InfoHeaderEnd);
    if (h.size() < CoreHeaderEnd || !h.startsWith("BM"))
        return std::nullopt;
    const char* p = h.constData();
    BmpHeader b{qFromLittleEndian<quint32>(p + 10), 0, 0, 0, BmpCompression::Rgb, 0};
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
    b.compression = BmpCompression(qFromLittleEndian<quint32>(p + 30));
    b.imageSize = qFromLittleEndian<quint32>(p + 34);
    return b;
}

// Whether the file ends inside the headers: before the info header's size, or before the end of
// an info header of a size some BMP version has.
bool bmpHeaderCutShort(QFile& file)
{
    constexpr int InfoSizeEnd = FileHeaderSize + 4;
    if (file.size() < InfoSizeEnd)
        return true;
    const QByteArray h = file.peek(InfoSizeEnd);
    const quint32 infoSize = qFromLittleEndian<quint32>(h.constData() + FileHeaderSize);
    static constexpr quint32 KnownSizes[] = {12, 16, 40, 52, 56, 64, 108, 124};
    return std::find(std::begin(KnownSizes), std::end(KnownSizes), infoSize) !=
               std::end(KnownSizes) &&
           file.size() < FileHeaderSize + qint64(infoSize);
}

// The file length the declared pixel data needs; 0 where it cannot be told from the header.
qint64 requiredLength(const BmpHeader& b)
{
    switch (b.compression) {
    case BmpCompression::Rgb:
    case BmpCompression::Bitfields:
    case BmpCompression::Alpha:
        return b.pixelOffset + (b.width * b.bitsPerPixel + 31) / 32 * 4 * b.height;
    case BmpCompression::Rle8:
    case BmpCompression::Rle4:
        return b.pixelOffset + b.imageSize;
    default:
        return 0;
    }
}

void checkNotEmpty(const QString& fileName, QSize size)
{
    if (size.width() <= 0 || size.height() <= 0)
        throw AppError(
            QCoreApplication::translate(
                "PictureFile", "The picture \"%1\" has a width or height of 0 and cannot be used.")
                .arg(fileName));
}

void checkCancel(const PictureRequest& request)
{
    if (request.progress && request.progress->cancel.load(std::memory_order_relaxed))
        throw PictureCancelled(request.fileName);
}

// What is read of a file before its picture's size is known: its headers and the chunks beside
// them (a colour profile, EXIF data).
constexpr qint64 MaxHeaderBytes = 64 * Mb;

// The file as Qt's readers see it: a read fails once the request is cancelled, or once `limit`
// bytes have been read, so that neither a cancelled read nor a file of endless chunks keeps a
// reader going.
class GuardedDevice : public QIODevice
{
public:
    GuardedDevice(QFile& file, PictureProgress* progress) : file_(file), progress_(progress)
    {
        open(QIODevice::ReadOnly);
    }
    void setLimit(qint64 limit) { limit_ = limit; }
    bool overLimit() const { return overLimit_; }
    bool isSequential() const override { return false; }
    qint64 size() const override { return file_.size(); }
    bool seek(qint64 position) override
    {
        return QIODevice::seek(position) && file_.seek(position);
    }

protected:
    qint64 readData(char* data, qint64 most) override
    {
        if (progress_ && progress_->cancel.load(std::memory_order_relaxed)) {
            setErrorString(QStringLiteral("cancelled"));
            return -1;
        }
        if (read_ >= limit_) {
            if (file_.atEnd())
                return 0;
            overLimit_ = true;
            setErrorString(QStringLiteral("read limit reached"));
            return -1;
        }
        const qint64 n = file_.read(data, qMin(most, limit_ - read_));
        if (n > 0)
            read_ += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QFile& file_;
    PictureProgress* progress_;
    qint64 limit_ = MaxHeaderBytes;
    qint64 read_ = 0;
    bool overLimit_ = false;
};

// Qt decodes the whole picture before we may reduce it: the pixels Qt makes, in the format it
// will make them in, a 32-bit copy of them that smooth scaling works on, and the reduced
// picture must fit the budget; `copyBytesPerPixel` more where a full-size picture is converted.
// Only the program's budget counts: Qt's own allocation limit is stepped around by readWithin.
void checkQtMemory(const QString& fileName, QSize size, QImage::Format format, QSize needed,
                   int copyBytesPerPixel = 0)
{
    const qint64 budget = MaxPictureMemoryMb * Mb;
    // At least a byte a pixel; judged first, so that the sums below cannot overflow.
    const qint64 pixels = qint64(size.width()) * size.height();
    if (pixels > budget)
        raisePictureTooLarge(fileName, size, pixels, budget);
    const int depth =
        format == QImage::Format_Invalid ? 64 : QImage::toPixelFormat(format).bitsPerPixel();
    const qint64 decoded = (qint64(size.width()) * depth + 31) / 32 * 4 * size.height();
    const qint64 copies = needed == size
                              ? pixels * copyBytesPerPixel
                              : pixels * 4 + qint64(needed.width()) * needed.height() * 4;
    if (decoded + copies > budget)
        raisePictureTooLarge(fileName, size, decoded + copies, budget);
}

// Reads the picture of `reader`, whose stored size is `stored`, within the program's budget
// (checked before) and whatever Qt's process-wide allocation limit is, which is left alone: Qt's
// handlers fill an image handed to them when it has the size and format they make, and apply
// the limit only to images they allocate themselves. Null when Qt could not read it.
QImage readWithin(QImageReader& reader, QSize stored)
{
    QImage image;
    const QImage::Format format = reader.imageFormat();
    if (format != QImage::Format_Invalid) {
        image = QImage(stored, format);
        if (image.isNull())
            throw std::bad_alloc();
    }
    if (!reader.read(&image))
        return QImage();
    return image;
}

// Qt's readers give a picture the colour space its file declares (an ICC profile, or PNG's gamma
// and primaries): its pixels are converted to sRGB, once, here.
void convertColours(QImage& image, const QColorSpace& space)
{
    if (space.isValid() && space != QColorSpace(QColorSpace::SRgb))
        convertToSrgb(image, space.iccProfile());
    image.setColorSpace(QColorSpace());
}

// A picture that Qt read whole, reduced to what the request's box needs.
QImage reducedFor(const QImage& image, QSize needed)
{
    if (needed == image.size())
        return image;
    return image.scaled(needed, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Several tools write 32-bit bitmaps whose alpha bytes are all 0, meaning no alpha at all:
// taken at their word, they would show as nothing.
void makeOpaqueIfAllTransparent(QImage& image)
{
    if (!image.hasAlphaChannel() || image.depth() != 32)
        return;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(line[x]) != 0)
                return;
    }
    image = argb.convertToFormat(QImage::Format_RGB32);
}

Picture readBmpFile(const PictureRequest& request)
{
    const QString& fileName = request.fileName;
    QFile file(fileName);
    openForReading(file);
    const std::optional<BmpHeader> header = readBmpHeader(file);
    if (!header && bmpHeaderCutShort(file))
        raisePictureCutShort(fileName, QStringLiteral("BMP header"));
    if (!header || header->width < 0 || header->width > INT_MAX || header->height > INT_MAX)
        raisePictureDamaged(fileName, QStringLiteral("BMP header"));
    const QSize size(int(header->width), int(header->height));
    checkNotEmpty(fileName, size);
    GuardedDevice device(file, request.progress);
    // Qt reads the rows the header declares, no more: the file's length bounds the reading.
    device.setLimit(file.size());
    QImageReader reader(&device, "bmp");
    reader.setAutoDetectImageFormat(false);
    const QSize needed = sizeNeededFor(size, request.drawBox);
    // 24-bit pixels arrive widened to 32 bits and are narrowed again.
    checkQtMemory(fileName, size, reader.imageFormat(), needed, header->bitsPerPixel == 24 ? 3 : 0);
    // Qt's reader turns missing pixel rows into black ones: a file cut short is refused here.
    if (file.size() < requiredLength(*header))
        raisePictureCutShort(fileName, QStringLiteral("BMP pixel data"));
    checkCancel(request);
    QImage image = readWithin(reader, size);
    checkCancel(request);
    if (image.isNull())
        raisePictureDamaged(fileName, reader.errorString());
    makeOpaqueIfAllTransparent(image);
    // What Qt read is the picture, should it differ from what its header said.
    const QSize read = image.size();
    const QSize readNeeded = sizeNeededFor(read, request.drawBox);
    // Qt widens 24-bit pixels to 32 bits; keep the depth the file stores.
    if (header->bitsPerPixel == 24 && readNeeded == read)
        image.convertTo(QImage::Format_RGB888);
    QImage reduced = reducedFor(image, readNeeded);
    convertColours(reduced, image.colorSpace());
    return Picture{reduced, read, 1};
}

// Maps Qt's transformations to the EXIF orientation they come from.
int orientationOf(QImageIOHandler::Transformations t)
{
    switch (t) {
    case QImageIOHandler::TransformationMirror:
        return 2;
    case QImageIOHandler::TransformationRotate180:
        return 3;
    case QImageIOHandler::TransformationFlip:
        return 4;
    case QImageIOHandler::TransformationFlipAndRotate90:
        return 5;
    case QImageIOHandler::TransformationRotate90:
        return 6;
    case QImageIOHandler::TransformationMirrorAndRotate90:
        return 7;
    case QImageIOHandler::TransformationRotate270:
        return 8;
    default:
        return 1;
    }
}

// Refuses a file whose structure says it is cut short or, for GIF, whose first image lacks
// pixels that Qt's reader would paint in the background colour.
void checkExtent(const PictureRequest& request, QFile& file, qint64 limit)
{
    // The reader's device reads on from where the file stands: it is put back there.
    const qint64 position = file.pos();
    const PictureExtent extent =
        pictureExtent(file, limit, request.progress ? &request.progress->cancel : nullptr);
    file.seek(position);
    checkCancel(request);
    if (extent.kind == PictureExtent::CutShort)
        raisePictureCutShort(request.fileName);
    if (extent.kind == PictureExtent::Damaged)
        raisePictureDamagedInside(request.fileName,
                                  QStringLiteral("structure broken at byte %1").arg(extent.end));
}

Picture readQtFile(const PictureRequest& request, const QtFormat& format)
{
    const QString& fileName = request.fileName;
    QFile file(fileName);
    openForReading(file);
    GuardedDevice device(file, request.progress);
    QImageReader reader(&device, format.qtName);
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (!stored.isValid()) {
        checkCancel(request);
        checkExtent(request, file, MaxHeaderBytes);
        raisePictureDamaged(fileName, QStringLiteral("%1 header").arg(QLatin1String(format.name)));
    }
    const int orientation = orientationOf(reader.transformation());
    const QSize upright = orientedSize(stored, orientation);
    checkNotEmpty(fileName, upright);
    const QSize needed = sizeNeededFor(upright, request.drawBox);
    checkQtMemory(fileName, stored, reader.imageFormat(), needed);
    // Reading is bounded by what the picture can need: its pixels twice over (no compression
    // worth the name makes them larger), and room for the chunks beside them.
    const qint64 byteLimit = MaxHeaderBytes + 2 * qint64(stored.width()) * stored.height() * 8;
    checkExtent(request, file, byteLimit);
    device.setLimit(byteLimit);
    const QImage image = readWithin(reader, stored);
    checkCancel(request);
    if (image.isNull() && device.overLimit())
        raisePictureTooMuchData(fileName, upright);
    if (image.isNull())
        raisePictureDamaged(fileName, QStringLiteral("%1: %2").arg(QLatin1String(format.name),
                                                                   reader.errorString()));
    // What Qt read, turned upright, is the picture, should it differ from what its header said.
    QImage reduced = reducedFor(image, sizeNeededFor(image.size(), request.drawBox));
    convertColours(reduced, image.colorSpace());
    return Picture{reduced, image.size(), orientation};
}

// The Qt format a file's first bytes say it holds, of those we let Qt read.
const QtFormat* qtFormatOf(const QByteArray& start)
{
    QBuffer buffer;
    buffer.setData(start);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray detected = QImageReader::imageFormat(&buffer);
    for (const QtFormat& f : QtFormats)
        if (detected == f.qtName && qtReads(f))
            return &f;
    return nullptr;
}

QStringList formatNames()
{
    QStringList names;
    for (const PictureFormat& f : readablePictureFormats())
        names << f.name;
    return names;
}

} // namespace

Picture readPicture(const PictureRequest& request)
{
    const QString& fileName = request.fileName;
    QByteArray start;
    {
        QFile file(fileName);
        openForReading(file);
        start = file.read(SignatureBytes);
    }
    if (start.isEmpty())
        throw AppError(
            QCoreApplication::translate("PictureFile", "The file \"%1\" is empty.").arg(fileName));
    if (start.startsWith("\xFF\xD8"))
        return readJpegFile(request, pictureLimits(),
                            [&](QSize size) { checkNotEmpty(fileName, size); });
    if (start.startsWith("BM"))
        return readBmpFile(request);
    const auto checkSize = [&](QSize size) { checkNotEmpty(fileName, size); };
    const bool heif = isHeifStart(start);
    if (heif || isWebpStart(start)) {
        // Their decoders say "invalid input" of a file cut short: its structure tells.
        QFile file(fileName);
        openForReading(file);
        checkExtent(request, file, 0);
        file.close();
        return heif ? readHeifFile(request, pictureLimits(), checkSize)
                    : readWebpFile(request, pictureLimits(), checkSize);
    }
    if (const QtFormat* format = qtFormatOf(start))
        return readQtFile(request, *format);
    throw AppError(QCoreApplication::translate("PictureFile",
                                               "The file \"%1\" is not a picture that can be read. "
                                               "Pictures can be %2.")
                       .arg(fileName, formatNames().join(QStringLiteral(", "))));
}

QList<PictureFormat> readablePictureFormats()
{
    QList<PictureFormat> formats;
    const auto add = [&](const QtFormat& f) {
        formats.append(
            {QLatin1String(f.name), QString::fromLatin1(f.patterns).split(QLatin1Char(' '))});
    };
    add(JpegFormat);
    add(BmpFormat);
    for (const QtFormat& f : QtFormats)
        if (qtReads(f))
            add(f);
    for (const QtFormat& f : OwnFormats)
        add(f);
    return formats;
}

QString readablePictureFilter()
{
    QStringList all;
    QStringList entries;
    for (const PictureFormat& f : readablePictureFormats()) {
        const QString patterns = f.patterns.join(QLatin1Char(';'));
        entries << QStringLiteral("%1 (%2)|%2").arg(f.name, patterns);
        all << patterns;
    }
    entries.prepend(QCoreApplication::translate("PictureFile", "All pictures (%1)|%1")
                        .arg(all.join(QLatin1Char(';'))));
    // A picture is read by what it holds: one named otherwise can still be chosen.
    entries << QCoreApplication::translate("PictureFile", "All files (*)|*");
    return entries.join(QLatin1Char('|'));
}

void LoadPictureFile(const QString& fileName, QImage& target)
{
    // Decoded into a new image first, so a failure leaves the target as it was.
    target = readPicture(PictureRequest(fileName)).image;
}

Picture readPictureBytes(const QByteArray& bytes, const QString& fileName, QSize drawBox,
                         PictureProgress* progress)
{
    // The readers take files, and read them by their content: a private copy it is.
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("picture"));
    try {
        if (!dir.isValid())
            raiseCannotCreate(copy, dir.errorString());
        writeWholeFile(copy, bytes);
        return readPicture(PictureRequest(copy, drawBox, progress));
    } catch (const PictureCancelled&) {
        throw;
    } catch (const AppError& e) {
        QString reason = e.text();
        reason.replace(copy, fileName);
        throw AppError(reason, e.details());
    }
}
