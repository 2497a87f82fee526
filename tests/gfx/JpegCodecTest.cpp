#include "gfx/JpegCodec.h"
#include "gfx/AppError.h"
#include "support/PictureFiles.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>

namespace
{

// The codes the error box shows for the failures users meet most.
static_assert(JWRN_JPEG_EOF == 120, "Premature end of JPEG file");
static_assert(JERR_NO_SOI == 53, "Not a JPEG file");
static_assert(JERR_INPUT_EMPTY == 42, "Empty input file");

QString errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const AppError& e) {
        return e.text();
    }
    return QStringLiteral("(no error)");
}

QString jpegError(int code)
{
    return QStringLiteral("JPEG error #%1").arg(code);
}

class JpegCodec : public ::testing::Test
{
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(JpegCodec, WritesColourBaselineAtTheQualityAskedAndReadsItBack)
{
    const QImage picture = blockPicture(64, 48);
    const QString file = path(QStringLiteral("back.jpg"));
    writeJpegFile(picture.convertToFormat(QImage::Format_RGB32), file, 100);

    const JpegHeaders e = readJpegHeaders(readFile(file));
    EXPECT_FALSE(e.progressive);
    EXPECT_EQ(e.components, 3);
    EXPECT_EQ(e.space, JCS_YCbCr);
    EXPECT_TRUE(e.allQuantStepsOne);

    const QImage back = readJpegFile(PictureRequest(file)).image;
    ASSERT_EQ(back.size(), picture.size());
    EXPECT_EQ(back.format(), QImage::Format_RGB888);
    for (const QPoint p : {QPoint(8, 8), QPoint(40, 24), QPoint(56, 40)})
        EXPECT_TRUE(near(back.pixelColor(p), picture.pixelColor(p), 3)) << p.x() << "," << p.y();
}

TEST_F(JpegCodec, LargePictureIsWholeAndOwnsItsMemory)
{
    // Over 2 MB of pixels: the decoder fills memory it allocated itself.
    const QImage picture = blockPicture(1104, 1000);
    const QString file = path(QStringLiteral("large.jpg"));
    writeFile(file, makeJpeg(picture, JpegKind::Colour, 100));
    QImage loaded = readJpegFile(PictureRequest(file)).image;
    ASSERT_EQ(loaded.size(), picture.size());
    ASSERT_EQ(loaded.format(), QImage::Format_RGB888);
    for (const QPoint p : {QPoint(0, 0), QPoint(1103, 0), QPoint(8, 999), QPoint(1100, 996)})
        EXPECT_TRUE(near(loaded.pixelColor(p), picture.pixelColor(p), 3)) << p.x() << "," << p.y();
    // A copy is independent of the loaded picture.
    QImage copy = loaded;
    copy.fill(Qt::black);
    EXPECT_TRUE(near(loaded.pixelColor(1100, 996), picture.pixelColor(1100, 996), 3));
}

TEST_F(JpegCodec, GreyPictureStaysGrey)
{
    const QString file = path(QStringLiteral("grey.jpg"));
    writeFile(file, makeJpeg(blockPicture(32, 32), JpegKind::Grey));
    const QImage grey = readJpegFile(PictureRequest(file)).image;
    EXPECT_EQ(grey.format(), QImage::Format_Grayscale8);
    EXPECT_EQ(grey.size(), QSize(32, 32));
    const int expected = qGray(blockPicture(32, 32).pixel(20, 20));
    EXPECT_NEAR(qGray(grey.pixel(20, 20)), expected, 3);
}

TEST_F(JpegCodec, CmykPictureArrivesAsRgb)
{
    const QImage picture = blockPicture(32, 32);
    const QString file = path(QStringLiteral("print.jpg"));
    writeFile(file, makeJpeg(picture, JpegKind::AdobeCmyk));
    const QImage rgb = readJpegFile(PictureRequest(file)).image;
    EXPECT_EQ(rgb.format(), QImage::Format_RGB888);
    EXPECT_TRUE(near(rgb.pixelColor(24, 8), picture.pixelColor(24, 8), 4));
}

TEST_F(JpegCodec, BrokenFilesRaiseTheDecodersCode)
{
    const QByteArray good = makeJpeg(blockPicture(64, 64), JpegKind::Colour);
    const QString cut = path(QStringLiteral("cut.jpg"));
    writeFile(cut, good.left(good.size() / 2));
    EXPECT_EQ(errorOf([&] { readJpegFile(PictureRequest(cut)).image; }), jpegError(JWRN_JPEG_EOF));

    const QString text = path(QStringLiteral("text.jpg"));
    writeFile(text, "not a picture at all");
    EXPECT_EQ(errorOf([&] { readJpegFile(PictureRequest(text)).image; }), jpegError(JERR_NO_SOI));

    const QString empty = path(QStringLiteral("empty.jpg"));
    writeFile(empty, QByteArray());
    EXPECT_EQ(errorOf([&] { readJpegFile(PictureRequest(empty)).image; }),
              jpegError(JERR_INPUT_EMPTY));

    // Only the first bytes: a header that ends in the middle.
    const QString stub = path(QStringLiteral("stub.jpg"));
    writeFile(stub, good.left(30));
    EXPECT_EQ(errorOf([&] { readJpegFile(PictureRequest(stub)).image; }), jpegError(JWRN_JPEG_EOF));
}

TEST_F(JpegCodec, MissingFileAndFolderCannotBeOpened)
{
    const QString missing = path(QStringLiteral("missing.jpg"));
    EXPECT_EQ(errorOf([&] { readJpegFile(PictureRequest(missing)).image; }),
              QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(missing));
    const QString folder = path(QStringLiteral("pics.jpg"));
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_EQ(errorOf([&] { readJpegFile(PictureRequest(folder)).image; }),
              QStringLiteral("Cannot open file \"%1\". It is a folder, not a file.").arg(folder));
}

TEST_F(JpegCodec, SizeCheckSeesTheHeaderBeforeDecoding)
{
    const QString file = path(QStringLiteral("huge.jpg"));
    // A small file claiming 60000 x 60000 pixels: refused before any pixel memory is taken.
    writeFile(file, withJpegSize(makeJpeg(blockPicture(16, 16), JpegKind::Colour), 60000, 60000));
    QSize seen;
    const QString error = errorOf([&] {
        readJpegFile(PictureRequest(file), {}, [&](QSize s) {
            seen = s;
            throw AppError(QStringLiteral("too big"));
        });
    });
    EXPECT_EQ(error, QStringLiteral("too big"));
    EXPECT_EQ(seen, QSize(60000, 60000));

    // A frame of height 0 reaches the check as well, so the caller can say so plainly.
    writeFile(file, withJpegSize(makeJpeg(blockPicture(16, 16), JpegKind::Colour), 16, 0));
    seen = QSize();
    errorOf([&] { readJpegFile(PictureRequest(file), {}, [&](QSize s) { seen = s; }); });
    EXPECT_EQ(seen, QSize(16, 0));
    EXPECT_EQ(errorOf([&] { readJpegFile(PictureRequest(file)).image; }),
              jpegError(JERR_EMPTY_IMAGE));
}

TEST_F(JpegCodec, ManyScansOverATinyPictureStillDecode)
{
    // The work bound counts blocks, not scans: 2000 scans of a 16 x 16 picture are little work.
    const QString file = path(QStringLiteral("scans.jpg"));
    writeFile(file, makeJpegWithScans(2000));
    EXPECT_EQ(readJpegFile(PictureRequest(file), PictureLimits{0, 1'000'000}).image.size(),
              QSize(16, 16));
}

TEST_F(JpegCodec, FailedWriteKeepsTheExistingFile)
{
    const QString file = path(QStringLiteral("keep.jpg"));
    writeFile(file, "old contents");
    // An empty picture makes the encoder fail after the file was opened.
    EXPECT_TRUE(errorOf([&] {
                    writeJpegFile(QImage(), file, 100);
                }).startsWith(QStringLiteral("JPEG error #")));
    EXPECT_EQ(readFile(file), QByteArray("old contents"));

    const QString nowhere = path(QStringLiteral("no/such/folder/x.jpg"));
    EXPECT_TRUE(errorOf([&] {
                    writeJpegFile(blockPicture(8, 8), nowhere, 100);
                }).startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(nowhere)));
}

} // namespace
