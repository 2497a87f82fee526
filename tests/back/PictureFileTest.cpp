#include "back/PictureFile.h"
#include "design/DesignPictures.h"
#include "gfx/AppError.h"
#include "support/PhotoFiles.h"
#include "support/PictureFiles.h"
#include "support/QtPrinters.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

namespace
{

QString cutShort(const QString& path)
{
    return QStringLiteral("The file \"%1\" ends before its picture does; it may have been cut "
                          "short while copying.")
        .arg(path);
}

QString damaged(const QString& path)
{
    return QStringLiteral("The picture \"%1\" is damaged and cannot be read.").arg(path);
}

QString damagedInside(const QString& path)
{
    return QStringLiteral("The picture \"%1\" is damaged in the middle: part of it cannot be "
                          "decoded.")
        .arg(path);
}

// Encodes `image` with Qt's writer for `format` ("png", "tiff", ...).
QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!QImageWriter(&buffer, format).write(image))
        throw std::runtime_error(std::string("cannot encode as ") + format);
    return bytes;
}

// Makes `path` `size` bytes long by a hole at its end: reads as zeros, takes no disk.
void padWithZeros(const QString& path, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || !file.resize(size))
        throw std::runtime_error("cannot pad test file");
}

QByteArray redPng(int width, int height)
{
    QImage png(width, height, QImage::Format_RGB32);
    png.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    png.save(&buffer, "PNG");
    return bytes;
}

// The CRC of a PNG chunk (over its type and data).
quint32 crc32(const QByteArray& bytes)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char c : bytes) {
        crc ^= uchar(c);
        for (int k = 0; k < 8; ++k)
            crc = crc & 1 ? 0xEDB88320 ^ (crc >> 1) : crc >> 1;
    }
    return ~crc;
}

class PictureFile : public ::testing::Test
{
protected:
    // Writes `data` at `name` (subfolders made as needed) and returns the full path.
    QString put(const QString& name, const QByteArray& data) const
    {
        const QString path = dir.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        writeFile(path, data);
        return path;
    }

    // Loads into a target that already holds a picture and returns the error text, checking
    // that the target was left as it was.
    QString loadError(const QString& path)
    {
        QImage target(3, 2, QImage::Format_RGB32);
        target.fill(Qt::magenta);
        const QImage before = target.copy();
        QString error = QStringLiteral("(no error)");
        try {
            LoadPictureFile(path, target);
        } catch (const AppError& e) {
            error = e.text();
        }
        EXPECT_EQ(target, before) << "target changed by a failed load of " << path.toStdString();
        return error;
    }

    QString noPixels(const QString& path) const
    {
        return QStringLiteral("The picture \"%1\" has a width or height of 0 and cannot be used.")
            .arg(path);
    }

    QTemporaryDir dir;
};

TEST_F(PictureFile, BitmapsKeepTheirSizeDepthAndPixels)
{
    // Qt has no 4-bit format: 4-bit pictures arrive as 8-bit indexed ones.
    const std::pair<int, int> depths[] = {{1, 1}, {4, 8}, {8, 8}, {24, 24}, {32, 32}};
    for (const auto& [stored, loaded] : depths) {
        SCOPED_TRACE(stored);
        // An odd width, so each row carries padding.
        const QString path = put(QStringLiteral("d%1.bmp").arg(stored), makeBmp(7, 5, stored));
        QImage image;
        LoadPictureFile(path, image);
        ASSERT_EQ(image.size(), QSize(7, 5));
        EXPECT_EQ(image.depth(), loaded);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                ASSERT_EQ(image.pixelColor(x, y), bmpPixel(x, y, stored)) << x << "," << y;
    }
}

TEST_F(PictureFile, JpegsArriveAtFullSizeInColourOrGrey)
{
    const QImage picture = blockPicture(48, 32);
    QImage image;
    LoadPictureFile(put(QStringLiteral("colour.jpg"), makeJpeg(picture, JpegKind::Colour)), image);
    EXPECT_EQ(image.size(), QSize(48, 32));
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    EXPECT_TRUE(near(image.pixelColor(40, 24), picture.pixelColor(40, 24), 4));

    LoadPictureFile(put(QStringLiteral("grey.jpg"), makeJpeg(picture, JpegKind::Grey)), image);
    EXPECT_EQ(image.size(), QSize(48, 32));
    EXPECT_EQ(image.format(), QImage::Format_Grayscale8);
}

TEST_F(PictureFile, TheContentDecidesTheFormat)
{
    const QByteArray jpeg = makeJpeg(blockPicture(16, 16), JpegKind::Colour);
    const QByteArray bmp = makeBmp(4, 4, 24);
    const QByteArray pngBytes = redPng(6, 4);
    // Whatever the name, case or folder says.
    const std::tuple<const char*, QByteArray, QSize> files[] = {
        {"photo.Jpg", jpeg, QSize(16, 16)},     {"photo.bmp", jpeg, QSize(16, 16)},
        {"pics.jpold/a.bmp", bmp, QSize(4, 4)}, {"card.jpg", bmp, QSize(4, 4)},
        {"red.bmp", pngBytes, QSize(6, 4)},     {"red.PNG", pngBytes, QSize(6, 4)},
        {"noname", jpeg, QSize(16, 16)}};
    for (const auto& [name, data, size] : files) {
        QImage image;
        EXPECT_NO_THROW(LoadPictureFile(put(QString::fromLatin1(name), data), image)) << name;
        EXPECT_EQ(image.size(), size) << name;
    }
    QImage image;
    LoadPictureFile(put(QStringLiteral("red.bmp"), pngBytes), image);
    EXPECT_EQ(image.pixelColor(5, 3), QColor(Qt::red));

    // Neither: the message names what can be read.
    const QString text = put(QStringLiteral("notes.jpg"), "Dear Anna, the weather is fine.");
    QStringList names;
    for (const PictureFormat& f : readablePictureFormats())
        names << f.name;
    EXPECT_EQ(loadError(text), QStringLiteral("The file \"%1\" is not a picture that can be "
                                              "read. Pictures can be %2.")
                                   .arg(text, names.join(QStringLiteral(", "))));
    // Damaged or cut short in each format: the same words for every format.
    const QString a = put(QStringLiteral("a.png"), bmp.left(2) + "garbage");
    EXPECT_EQ(loadError(a), cutShort(a));
    const QString b = put(QStringLiteral("b.png"), jpeg.left(jpeg.size() / 3));
    EXPECT_EQ(loadError(b), cutShort(b));
    const QString badPng = put(QStringLiteral("c.png"), pngBytes.left(pngBytes.size() / 2));
    EXPECT_EQ(loadError(badPng), cutShort(badPng));
}

TEST_F(PictureFile, ReadableFormatsAreThoseThatRead)
{
    QStringList patterns;
    for (const PictureFormat& f : readablePictureFormats())
        patterns << f.patterns;
    for (const char* p : {"*.jpg", "*.jpeg", "*.bmp", "*.png", "*.gif"})
        EXPECT_TRUE(patterns.contains(QLatin1String(p))) << p;
    // Every listed format reads: one file of each, named by its first pattern.
    for (const PictureFormat& f : readablePictureFormats()) {
        const QString name = dir.filePath(QStringLiteral("x") + f.patterns.first().mid(1));
        QImage sample(5, 3, QImage::Format_RGB32);
        sample.fill(Qt::blue);
        QSize size(5, 3);
        if (f.name == QLatin1String("JPEG")) {
            writeFile(name,
                      makeJpeg(sample.convertToFormat(QImage::Format_RGB888), JpegKind::Colour));
        } else if (f.name == QLatin1String("GIF")) { // Qt reads GIF but cannot write it
            writeFile(name, QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00"
                                       "\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02"
                                       "D\x01\x00;",
                                       35));
            size = QSize(1, 1);
        } else if (f.name == QLatin1String("HEIC")) {
            writeFile(name, makeHeif(sample, HeifCodecKind::Hevc));
        } else if (f.name == QLatin1String("AVIF")) {
            writeFile(name, makeHeif(sample, HeifCodecKind::Av1));
        } else if (f.name == QLatin1String("WebP")) {
            writeFile(name, makeWebp(sample, false));
        } else {
            ASSERT_TRUE(sample.save(name, f.name.toLatin1().constData())) << f.name.toStdString();
        }
        QImage image;
        EXPECT_NO_THROW(LoadPictureFile(name, image)) << f.name.toStdString();
        EXPECT_EQ(image.size(), size) << f.name.toStdString();
    }
    EXPECT_TRUE(readablePictureFilter().startsWith(
        QStringLiteral("All pictures (*.jpg;*.jpeg;*.jpe;*.jfif;*.bmp;*.dib;*.png;")));
    EXPECT_TRUE(
        readablePictureFilter().contains(QStringLiteral("|BMP (*.bmp;*.dib)|*.bmp;*.dib|")));
}

TEST_F(PictureFile, FilesCutShortAreRefused)
{
    const QByteArray bmp = makeBmp(20, 10, 24);
    // Even one byte short of the last row: Qt alone would fill it with black.
    for (const int length : {int(bmp.size()) - 1, int(bmp.size()) / 2, 20}) {
        const QString path = put(QStringLiteral("cut%1.bmp").arg(length), bmp.left(length));
        EXPECT_EQ(loadError(path), cutShort(path)) << length;
    }
    // Rows of 21 pixels carry padding to 4 bytes in every depth: a file that holds the pixels
    // but not the padding is cut short too.
    for (const int bits : {1, 4, 8, 24}) {
        const int height = 10;
        const QByteArray padded = makeBmp(21, height, bits);
        const int rowBytes = (21 * bits + 31) / 32 * 4;
        const int pixelBytes = (21 * bits + 7) / 8;
        ASSERT_GT(rowBytes, pixelBytes) << bits;
        const QString name = QStringLiteral("unpadded%1.bmp").arg(bits);
        const QString path =
            put(name, padded.left(padded.size() - (rowBytes - pixelBytes) * height));
        EXPECT_EQ(loadError(path), cutShort(path)) << bits;
    }
    const QByteArray jpeg = makeJpeg(blockPicture(64, 64), JpegKind::Colour);
    const QString cutJpeg = put(QStringLiteral("cut.jpg"), jpeg.left(jpeg.size() - 200));
    EXPECT_EQ(loadError(cutJpeg), cutShort(cutJpeg));
}

TEST_F(PictureFile, EmptyMissingAndFolderNames)
{
    const QString empty = put(QStringLiteral("empty.jpg"), QByteArray());
    EXPECT_EQ(loadError(empty), QStringLiteral("The file \"%1\" is empty.").arg(empty));

    const QString missing = dir.filePath(QStringLiteral("gone.bmp"));
    EXPECT_EQ(loadError(missing),
              QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(missing));
    EXPECT_EQ(
        loadError(dir.path()),
        QStringLiteral("Cannot open file \"%1\". It is a folder, not a file.").arg(dir.path()));
}

TEST_F(PictureFile, UnreadableFileCannotBeOpened)
{
    const QString path = put(QStringLiteral("locked.bmp"), makeBmp(4, 4, 24));
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::Permissions()));
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "this user (root) reads files without read permission";
    EXPECT_EQ(loadError(path),
              QStringLiteral("Cannot open file \"%1\". Permission denied").arg(path));
}

TEST_F(PictureFile, PicturesWithoutPixelsAreRefused)
{
    for (const QSize size : {QSize(0, 5), QSize(5, 0)}) {
        const QString bmp =
            put(QStringLiteral("flat.bmp"), makeBmp(size.width(), size.height(), 24));
        EXPECT_EQ(loadError(bmp), noPixels(bmp));
        const QString jpeg = put(QStringLiteral("flat.jpg"),
                                 withJpegSize(makeJpeg(blockPicture(16, 16), JpegKind::Colour),
                                              size.width(), size.height()));
        EXPECT_EQ(loadError(jpeg), noPixels(jpeg));
    }
}

TEST_F(PictureFile, HugeDeclaredSizesAreRefusedFromTheHeader)
{
    // Each file is a few bytes with a header claiming a vast picture: refused from the header,
    // before any pixel memory is taken.
    const std::pair<int, int> bmpSizes[] = {{30001, 10000}, {10000, 30001}, {20000, 20000}};
    for (const auto& [w, h] : bmpSizes) {
        const QString path = put(QStringLiteral("huge.bmp"), bmpHeaderDeclaring(w, h));
        EXPECT_TRUE(loadError(path).startsWith(
            QStringLiteral("The picture \"%1\" is too large: its %2 x %3 pixels need ")
                .arg(path)
                .arg(w)
                .arg(h)));
    }
    // Too little data for so many blocks: cut short, whatever the header says.
    const QByteArray jpeg = makeJpeg(blockPicture(16, 16), JpegKind::Colour);
    for (const auto& [w, h] : {std::pair{16320, 12240}, std::pair{65000, 65000}}) {
        const QString path = put(QStringLiteral("huge.jpg"), withJpegSize(jpeg, w, h));
        EXPECT_EQ(loadError(path), cutShort(path));
    }
    // Enough bytes, but the whole picture at full size is over the budget.
    const QString path =
        put(QStringLiteral("big.jpg"), withJpegSize(jpeg, 16320, 12240) + QByteArray(4'000'000, 0));
    EXPECT_EQ(loadError(path),
              QStringLiteral("The picture \"%1\" is too large: its 16320 x 12240 pixels need 584 "
                             "MB to read, and one picture may use at most 400 MB.")
                  .arg(path));
    // 229 MB of pixels, stored on its side: turned upright it is copied once, which counts too.
    const QString turned =
        put(QStringLiteral("turned.jpg"),
            withExifOrientation(withJpegSize(jpeg, 10000, 8000), 6) + QByteArray(4'000'000, 0));
    EXPECT_TRUE(loadError(turned).startsWith(
        QStringLiteral("The picture \"%1\" is too large: its 8000 x 10000 pixels need 4")
            .arg(turned)))
        << loadError(turned).toStdString();
    // A BMP 30000 pixels wide is little memory.
    QImage image;
    LoadPictureFile(put(QStringLiteral("wide.bmp"), makeBmp(30000, 1, 8)), image);
    EXPECT_EQ(image.size(), QSize(30000, 1));
}

TEST_F(PictureFile, TopDownBitmapReadsTheSameWayUp)
{
    QByteArray bmp = makeBmp(3, 4, 24);
    // The same rows stored top-down: negative height, rows reversed.
    QByteArray topDown = bmp.left(54);
    qToLittleEndian<qint32>(-4, topDown.data() + 22);
    for (int row = 3; row >= 0; --row)
        topDown += bmp.mid(54 + row * 12, 12);
    QImage image;
    LoadPictureFile(put(QStringLiteral("topdown.bmp"), topDown), image);
    ASSERT_EQ(image.size(), QSize(3, 4));
    EXPECT_EQ(image.pixelColor(2, 0), bmpPixel(2, 0, 24));
    EXPECT_EQ(image.pixelColor(1, 3), bmpPixel(1, 3, 24));
}

TEST_F(PictureFile, BitmapWithAllAlphaZeroShowsOpaque)
{
    // 32-bit BMP with an alpha mask (BITMAPV4HEADER) whose alpha bytes are all 0, as several
    // tools write them; and one where alpha is used.
    const QByteArray data = makeBmp(4, 3, 32);
    ASSERT_EQ(qFromLittleEndian<quint16>(data.constData() + 28), 32);
    // BI_RGB has no alpha: make it a BITMAPV4HEADER with masks, alpha in the top byte.
    QByteArray v4 = data.left(14) + QByteArray(108, '\0') + data.mid(54);
    qToLittleEndian<quint32>(quint32(v4.size()), v4.data() + 2);
    qToLittleEndian<quint32>(14 + 108, v4.data() + 10);
    v4.replace(14, 40, data.mid(14, 40));
    qToLittleEndian<quint32>(108, v4.data() + 14);
    qToLittleEndian<quint32>(3, v4.data() + 30); // BI_BITFIELDS
    const quint32 masks[] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    for (int i = 0; i < 4; ++i)
        qToLittleEndian<quint32>(masks[i], v4.data() + 54 + 4 * i);
    for (int i = 122; i < v4.size(); i += 4)
        v4[i + 3] = 0;
    QImage image;
    LoadPictureFile(put(QStringLiteral("clear.bmp"), v4), image);
    EXPECT_FALSE(image.hasAlphaChannel());
    EXPECT_EQ(image.pixelColor(3, 2), bmpPixel(3, 2, 32));

    // One pixel with alpha: the file means it, and it is kept.
    v4[122 + 3] = char(0x80);
    LoadPictureFile(put(QStringLiteral("half.bmp"), v4), image);
    EXPECT_TRUE(image.hasAlphaChannel());
    EXPECT_EQ(qAlpha(image.pixel(3, 2)), 0);
}

TEST_F(PictureFile, OnlyRegularFilesAreOpened)
{
    const QString pipe = dir.filePath(QStringLiteral("pipe.jpg"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    // Opening a pipe with no writer would wait for one for ever: it is refused at once.
    const QString notAFile = QStringLiteral("Cannot open file \"%1\". It is not a file but a "
                                            "device or a pipe.");
    EXPECT_EQ(loadError(pipe), notAFile.arg(pipe));
    EXPECT_EQ(loadError(QStringLiteral("/dev/zero")), notAFile.arg(QStringLiteral("/dev/zero")));
    // A link to a regular file is that file.
    const QString target = put(QStringLiteral("real.bmp"), makeBmp(3, 2, 24));
    const QString link = dir.filePath(QStringLiteral("link.bmp"));
    ASSERT_TRUE(QFile::link(target, link));
    QImage image;
    LoadPictureFile(link, image);
    EXPECT_EQ(image.size(), QSize(3, 2));
}

TEST_F(PictureFile, ReducedForTheDrawBoxWithTheTrueSizeKept)
{
    const QImage source = blockPicture(640, 480);
    const std::pair<const char*, QByteArray> files[] = {
        {"a.jpg", makeJpeg(source, JpegKind::Colour)}, {"a.bmp", makeBmp(640, 480, 24)}};
    for (const auto& [name, data] : files) {
        SCOPED_TRACE(name);
        const Picture p =
            readPicture(PictureRequest(put(QString::fromLatin1(name), data), QSize(116, 116)));
        EXPECT_EQ(p.trueSize, QSize(640, 480));
        EXPECT_GE(p.image.width(), 116);
        EXPECT_GE(p.image.height(), 87);
        EXPECT_LE(p.image.width(), 160); // JPEG reduces in eighths: 1/4
    }
    // BMP reduced by Qt to the box exactly, smoothly: a 2 x 2 checker of black and white
    // becomes grey, not black or white.
    QImage checker(400, 400, QImage::Format_RGB888);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 400; ++x)
            checker.setPixelColor(x, y, (x + y) % 2 ? Qt::white : Qt::black);
    const QString path = dir.filePath(QStringLiteral("checker.bmp"));
    ASSERT_TRUE(checker.save(path, "BMP"));
    const Picture p = readPicture(PictureRequest(path, QSize(100, 100)));
    EXPECT_EQ(p.image.size(), QSize(100, 100));
    EXPECT_NEAR(qGray(p.image.pixel(50, 50)), 128, 20);
}

TEST_F(PictureFile, ReadersLeaveQtsAllocationLimitAlone)
{
    const int before = QImageReader::allocationLimit();
    QImage image;
    LoadPictureFile(put(QStringLiteral("a.bmp"), makeBmp(8, 8, 24)), image);
    LoadPictureFile(put(QStringLiteral("a.jpg"), makeJpeg(blockPicture(8, 8), JpegKind::Grey)),
                    image);
    EXPECT_EQ(QImageReader::allocationLimit(), before);
    // A PNG whose header declares more than Qt's limit: our message, not Qt's silent refusal.
    QByteArray bytes = redPng(4, 4);
    qToBigEndian<quint32>(20000, bytes.data() + 16); // IHDR width and height
    qToBigEndian<quint32>(20000, bytes.data() + 20);
    qToBigEndian<quint32>(crc32(bytes.mid(12, 17)), bytes.data() + 29);
    const QString path = put(QStringLiteral("huge.png"), bytes);
    EXPECT_TRUE(loadError(path).startsWith(
        QStringLiteral("The picture \"%1\" is too large: its 20000 x 20000 pixels need ")
            .arg(path)));
}

TEST_F(PictureFile, PathologicalProgressiveFileIsRefusedByTheWorkBound)
{
    // 30000 x 3333 grey in 883 scans, 351 KB: minutes of decoding without a bound.
    const QString path = put(QStringLiteral("scans.jpg"), makeScanHeavyJpeg(30000, 3333, 883));
    PictureProgress progress;
    QString error;
    try {
        readPicture(PictureRequest(path, QSize(2400, 1600), &progress));
    } catch (const AppError& e) {
        error = e.text();
    }
    EXPECT_TRUE(error.contains(QStringLiteral("takes too long"))) << error.toStdString();
    // Stopped within a row of blocks and a scan's start past the bound.
    EXPECT_GT(progress.work.load(), MaxPictureWork);
    EXPECT_LE(progress.work.load(), MaxPictureWork + 3750 + 256);
}

TEST_F(PictureFile, EveryRefusalIsASentenceNamingTheFile)
{
    const QByteArray jpeg = makeJpeg(blockPicture(64, 64), JpegKind::Colour);
    const QByteArray png = encoded(blockPicture(64, 64), "png");
    const QByteArray gif = makeGif(64, 64);
    const QByteArray bmp = makeBmp(64, 64, 24);
    QByteArray badCode = makeJpeg(blockPicture(256, 256), JpegKind::Colour, 90, 1);
    badCode.replace(badCode.indexOf(QByteArray("\xFF\xD3", 2)) + 2, 6,
                    QByteArray("\xFF\x00\xFF\x00\xFF\x00", 6));
    enum Kind { Cut, Damaged, Inside };
    const std::tuple<const char*, QByteArray, Kind> files[] = {
        {"JPEG cut in its data", jpeg.left(jpeg.size() * 2 / 3), Cut},
        {"JPEG cut in its headers", jpeg.left(100), Cut},
        {"JPEG with a code no table has", badCode, Inside},
        {"PNG cut in its data", png.left(png.size() / 2), Cut},
        {"PNG without its end chunk", png.left(png.size() - 12), Cut},
        {"PNG header broken", png.left(16) + "xxxx" + png.mid(20), Damaged},
        {"GIF cut in its palette", gif.left(100), Cut},
        {"GIF cut in its image", gif.left(gif.size() / 2), Cut},
        {"GIF whose image lacks pixels", makeGif(64, 64, 64 * 63), Inside},
        {"BMP cut in its pixels", bmp.left(bmp.size() - 10), Cut},
        {"BMP cut in its header", bmp.left(30), Cut},
    };
    for (const auto& [what, bytes, kind] : files) {
        SCOPED_TRACE(what);
        const QString path = put(QStringLiteral("picture"), bytes);
        const QString error = loadError(path);
        EXPECT_EQ(error, kind == Cut       ? cutShort(path)
                         : kind == Damaged ? damaged(path)
                                           : damagedInside(path));
        // No decoder's code or Qt's words: those go to the details.
        EXPECT_FALSE(error.contains(QLatin1Char('#')));
        EXPECT_FALSE(error.contains(QStringLiteral("error"), Qt::CaseInsensitive));
    }
}

TEST_F(PictureFile, GifsCutAnywhereAreRefused)
{
    // Qt's reader paints what is missing in the background colour: every cut inside the image
    // data is refused, the image whole it reads.
    const QByteArray gif = makeGif(40, 30);
    QImage image;
    LoadPictureFile(put(QStringLiteral("whole.gif"), gif), image);
    ASSERT_EQ(image.size(), QSize(40, 30));
    EXPECT_EQ(image.pixelColor(39, 29), gifPixel(39, 29));
    const int imageData = 13 + 768 + 10 + 1;
    int refused = 0;
    int cuts = 0;
    for (qsizetype length = imageData - 20; length < gif.size() - 1; length += 37, ++cuts) {
        const QString path = put(QStringLiteral("cut.gif"), gif.left(length));
        EXPECT_EQ(loadError(path), cutShort(path)) << length;
        refused += loadError(path) == cutShort(path);
    }
    EXPECT_EQ(refused, cuts);
    EXPECT_GE(cuts, 12);
    // Only the trailer missing: every pixel is there.
    LoadPictureFile(put(QStringLiteral("notrailer.gif"), gif.left(gif.size() - 1)), image);
    EXPECT_EQ(image.pixelColor(39, 29), gifPixel(39, 29));
}

TEST_F(PictureFile, TheProgramsBudgetDecidesWhateverQtsOwnLimit)
{
    // Each is within 400 MB, and each is over Qt's default 128 MB as Qt counts it (4 bytes a
    // pixel whatever the format): Qt alone refuses them all, without a reason.
    QImage grey(6000, 6000, QImage::Format_Grayscale8);
    grey.fill(90);
    QImage scan(9000, 9000, QImage::Format_Mono);
    scan.fill(1);
    QImage rgb(5800, 5800, QImage::Format_RGB32);
    rgb.fill(QColor(20, 120, 200));
    const std::tuple<const char*, QImage, const char*> pictures[] = {
        {"grey.png", grey, "png"},
        {"scan.png", scan, "png"},
        {"rgb.png", rgb, "png"},
        {"rgb.tif", rgb, "tiff"},
    };
    const int before = QImageReader::allocationLimit();
    ASSERT_GT(before, 0);
    for (const auto& [name, picture, format] : pictures) {
        SCOPED_TRACE(name);
        if (!QImageWriter::supportedImageFormats().contains(format))
            continue;
        const QString path = put(QString::fromLatin1(name), encoded(picture, format));
        QImage image;
        ASSERT_NO_THROW(LoadPictureFile(path, image));
        EXPECT_EQ(image.size(), picture.size());
        EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1),
                  picture.pixelColor(picture.width() - 1, picture.height() - 1));
        EXPECT_EQ(QImageReader::allocationLimit(), before);
    }
}

TEST_F(PictureFile, ReadingStopsAtWhatThePictureCanNeed)
{
    const QByteArray jpeg = makeJpeg(blockPicture(64, 64), JpegKind::Colour);
    constexpr qint64 Gb = 1024 * 1024 * 1024;
    // A start-of-image marker and a gigabyte without a marker.
    const QString endless = put(QStringLiteral("endless.jpg"), jpeg.left(2));
    padWithZeros(endless, Gb);
    // A picture's headers and scan, and a gigabyte of data where its end should be.
    const QString padded = put(QStringLiteral("padded.jpg"), jpeg.left(jpeg.size() - 2));
    padWithZeros(padded, Gb);
    const std::pair<QString, QString> files[] = {
        {endless, QStringLiteral("The picture \"%1\" is damaged and cannot be read.")},
        {padded, QStringLiteral("The picture \"%1\" is damaged: its file holds far more data "
                                "than its 64 x 64 pixels can need.")},
    };
    for (const auto& [path, text] : files) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(loadError(path), text.arg(path));
    }
}

TEST_F(PictureFile, BytesAfterThePicturesEndAreNotKept)
{
    // 300 MB of zeros after the end of each picture: it reads, and a design keeps the picture.
    const QByteArray files[] = {makeJpeg(blockPicture(64, 48), JpegKind::Colour),
                                encoded(blockPicture(64, 48), "png"), makeGif(64, 48),
                                makeScanHeavyJpeg(64, 48, 30)};
    for (const QByteArray& bytes : files) {
        const QString path = put(QStringLiteral("padded"), bytes);
        padWithZeros(path, 300 * 1024 * 1024);
        QImage image;
        ASSERT_NO_THROW(LoadPictureFile(path, image));
        EXPECT_EQ(image.size(), QSize(64, 48));
        EXPECT_EQ(readDesignPictureBytes(path), bytes);
    }
}

TEST_F(PictureFile, CancelStopsTheReadingItself)
{
    // Pictures that take long to decode: the read ends soon after the cancel, not at its end.
    QImage noise(6000, 4000, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y) {
        auto* line = reinterpret_cast<quint32*>(noise.scanLine(y));
        for (int x = 0; x < noise.width(); ++x)
            line[x] = quint32(x * 2654435761u ^ y * 40503u);
    }
    const std::pair<const char*, QByteArray> files[] = {
        {"noise.png", encoded(noise, "png")},
        {"scans.jpg", makeScanHeavyJpeg(8000, 6000, 200)},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        const QString path = put(QString::fromLatin1(name), bytes);
        // Cancelled, not refused by the work bound nor read whole: how soon is measured by
        // bench_picture.
        EXPECT_TRUE(readEndsCancelled(path, 50));
    }
}

} // namespace
