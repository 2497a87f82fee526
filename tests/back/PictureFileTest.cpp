#include "back/PictureFile.h"
#include "gfx/AppError.h"
#include "support/PictureFiles.h"
#include "support/QtPrinters.h"

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

    QString tooLarge(const QString& path, int w, int h) const
    {
        return QStringLiteral("The picture \"%1\" is too large: %2 x %3 pixels. Pictures of up "
                              "to 30000 pixels a side and 100 million pixels in all can be used.")
            .arg(path)
            .arg(w)
            .arg(h);
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

TEST_F(PictureFile, TheNameAloneDecidesTheFormat)
{
    const QByteArray jpeg = makeJpeg(blockPicture(16, 16), JpegKind::Colour);
    const QByteArray bmp = makeBmp(4, 4, 24);
    // ".jp" or ".JP" anywhere in the path means JPEG; case is not folded.
    for (const char* name : {"photo.jpg", "photo.JPG", "photo.jpeg", "photo.JPEG", "a.jpx.bmp"}) {
        QImage image;
        EXPECT_NO_THROW(LoadPictureFile(put(QString::fromLatin1(name), jpeg), image)) << name;
        EXPECT_EQ(image.size(), QSize(16, 16)) << name;
    }
    EXPECT_EQ(loadError(put(QStringLiteral("photo.Jpg"), jpeg)), NotValid);
    EXPECT_EQ(loadError(put(QStringLiteral("photo.bmp"), jpeg)), NotValid);
    EXPECT_EQ(loadError(put(QStringLiteral("photo.jpg"), bmp)), QStringLiteral("JPEG error #53"));
    // A folder whose name holds ".jp" makes every file in it a JPEG.
    EXPECT_EQ(loadError(put(QStringLiteral("pics.jpold/card.bmp"), bmp)),
              QStringLiteral("JPEG error #53"));
    // Another format named as a bitmap is not taken for one.
    QImage png(4, 4, QImage::Format_RGB32);
    png.fill(Qt::red);
    const QString pngPath = dir.filePath(QStringLiteral("red.png"));
    ASSERT_TRUE(png.save(pngPath, "PNG"));
    EXPECT_EQ(loadError(pngPath), NotValid);
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
    EXPECT_EQ(loadError(put(QStringLiteral("empty.bmp"), QByteArray())), NotValid);
    EXPECT_EQ(loadError(put(QStringLiteral("empty.jpg"), QByteArray())),
              QStringLiteral("JPEG error #42"));

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
    // Each file is a few bytes with a header claiming a vast picture. That the size message
    // comes, not "not valid" or a cut-short error, shows the header was judged before any
    // pixel memory was taken.
    const std::pair<int, int> bmpSizes[] = {{30001, 1}, {1, 30001}, {20000, 20000}};
    for (const auto& [w, h] : bmpSizes) {
        const QString path = put(QStringLiteral("huge.bmp"), bmpHeaderDeclaring(w, h));
        EXPECT_EQ(loadError(path), tooLarge(path, w, h));
    }
    const QByteArray jpeg = makeJpeg(blockPicture(16, 16), JpegKind::Colour);
    const std::pair<int, int> jpegSizes[] = {{30001, 8}, {8, 65000}, {12000, 9000}};
    for (const auto& [w, h] : jpegSizes) {
        const QString path = put(QStringLiteral("huge.jpg"), withJpegSize(jpeg, w, h));
        EXPECT_EQ(loadError(path), tooLarge(path, w, h));
    }
    // The limits themselves are allowed.
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
