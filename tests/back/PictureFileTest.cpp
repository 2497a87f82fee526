#include "back/PictureFile.h"
#include "gfx/AppError.h"
#include "support/PictureFiles.h"
#include "support/QtPrinters.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <functional>

namespace
{

const QString NotValid = QStringLiteral("Bitmap image is not valid");

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
    QImage png(6, 4, QImage::Format_RGB32);
    png.fill(Qt::red);
    QByteArray pngBytes;
    QBuffer pngBuffer(&pngBytes);
    pngBuffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(png.save(&pngBuffer, "PNG"));
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
    EXPECT_EQ(loadError(text), QStringLiteral("The file \"%1\" is not a picture that can be "
                                              "read. Pictures can be JPEG, BMP, PNG, GIF.")
                                   .arg(text));
    // Damaged in each format: the format's own message.
    EXPECT_EQ(loadError(put(QStringLiteral("a.png"), bmp.left(2) + "garbage")), NotValid);
    EXPECT_EQ(loadError(put(QStringLiteral("b.png"), jpeg.left(jpeg.size() / 3))),
              QStringLiteral("JPEG error #120"));
    const QString badPng = put(QStringLiteral("c.png"), pngBytes.left(pngBytes.size() / 2));
    EXPECT_EQ(loadError(badPng),
              QStringLiteral("The PNG picture \"%1\" is damaged and cannot be read.").arg(badPng));
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
            writeFile(name,
                      QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00"
                                 "\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;",
                                 35));
            size = QSize(1, 1);
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
    EXPECT_EQ(loadError(put(QStringLiteral("cut1.bmp"), bmp.left(bmp.size() - 1))), NotValid);
    EXPECT_EQ(loadError(put(QStringLiteral("cut2.bmp"), bmp.left(bmp.size() / 2))), NotValid);
    EXPECT_EQ(loadError(put(QStringLiteral("cut3.bmp"), bmp.left(20))), NotValid);
    const QByteArray jpeg = makeJpeg(blockPicture(64, 64), JpegKind::Colour);
    EXPECT_EQ(loadError(put(QStringLiteral("cut.jpg"), jpeg.left(jpeg.size() - 200))),
              QStringLiteral("JPEG error #120"));
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
        EXPECT_EQ(loadError(path), QStringLiteral("JPEG error #120"));
    }
    // Enough bytes, but the whole picture at full size is over the budget.
    const QString path =
        put(QStringLiteral("big.jpg"), withJpegSize(jpeg, 16320, 12240) + QByteArray(4'000'000, 0));
    EXPECT_EQ(loadError(path),
              QStringLiteral("The picture \"%1\" is too large: its 16320 x 12240 pixels need 584 "
                             "MB to read, and one picture may use at most 400 MB.")
                  .arg(path));
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

} // namespace
