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

// The error's text and its details.
std::pair<QString, QString> failureOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const AppError& e) {
        return {e.text(), e.details()};
    }
    return {QStringLiteral("(no error)"), QString()};
}

QString jpegError(int code)
{
    return QStringLiteral("JPEG error #%1").arg(code);
}

enum class Refusal { CutShort, Damaged, DamagedInside };

QString refusal(Refusal kind, const QString& file)
{
    switch (kind) {
    case Refusal::CutShort:
        return QStringLiteral("The file \"%1\" ends before its picture does; it may have been "
                              "cut short while copying.")
            .arg(file);
    case Refusal::Damaged:
        return QStringLiteral("The picture \"%1\" is damaged and cannot be read.").arg(file);
    case Refusal::DamagedInside:
        break;
    }
    return QStringLiteral("The picture \"%1\" is damaged in the middle: part of it cannot be "
                          "decoded.")
        .arg(file);
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
    // Light, dark and black blocks: the dark ones are mostly black ink.
    QImage picture = blockPicture(32, 32);
    const QColor dark(60, 30, 20);
    for (int y = 16; y < 32; ++y)
        for (int x = 0; x < 16; ++x)
            picture.setPixelColor(x, y, y < 24 ? dark : QColor(Qt::black));
    const QString file = path(QStringLiteral("print.jpg"));
    writeFile(file, makeJpeg(picture, JpegKind::AdobeCmyk));
    const QImage rgb = readJpegFile(PictureRequest(file)).image;
    EXPECT_EQ(rgb.format(), QImage::Format_RGB888);
    for (const QPoint at : {QPoint(24, 8), QPoint(8, 8), QPoint(8, 20), QPoint(8, 28)})
        EXPECT_TRUE(near(rgb.pixelColor(at), picture.pixelColor(at), 4))
            << at.x() << "," << at.y() << ": " << rgb.pixelColor(at).name().toStdString() << " for "
            << picture.pixelColor(at).name().toStdString();
}

TEST_F(JpegCodec, BrokenFilesAreRefusedInWordsWithTheCodeInTheDetails)
{
    const QByteArray good = makeJpeg(blockPicture(64, 64), JpegKind::Colour);
    QByteArray badSof = good;
    const int sof = int(good.indexOf(QByteArray("\xFF\xC0", 2)));
    badSof[sof + 4] = 3; // a frame of 3-bit samples
    QByteArray lossless = good;
    lossless[sof + 1] = char(0xC3);
    const std::tuple<const char*, QByteArray, Refusal, int> files[] = {
        {"cut in half", good.left(good.size() / 2), Refusal::CutShort, JWRN_JPEG_EOF},
        {"not a JPEG", "not a picture at all", Refusal::Damaged, JERR_NO_SOI},
        {"empty", QByteArray(), Refusal::CutShort, JERR_INPUT_EMPTY},
        // Only the first bytes: a header that ends in the middle.
        {"header cut", good.left(30), Refusal::CutShort, JWRN_JPEG_EOF},
        {"odd precision", badSof, Refusal::Damaged, JERR_BAD_PRECISION},
    };
    for (const auto& [what, bytes, kind, code] : files) {
        SCOPED_TRACE(what);
        const QString file = path(QStringLiteral("broken.jpg"));
        writeFile(file, bytes);
        const auto [text, details] = failureOf([&] { readJpegFile(PictureRequest(file)); });
        if (code == JERR_BAD_PRECISION) {
            EXPECT_EQ(text, QStringLiteral("The picture \"%1\" is a kind of JPEG file this program "
                                           "cannot read (3 bits a sample).")
                                .arg(file));
        } else {
            EXPECT_EQ(text, refusal(kind, file));
        }
        EXPECT_EQ(details, jpegError(code));
        EXPECT_FALSE(text.contains(QLatin1Char('#')));
    }
    const QString file = path(QStringLiteral("lossless.jpg"));
    writeFile(file, lossless);
    EXPECT_TRUE(failureOf([&] { readJpegFile(PictureRequest(file)); })
                    .first.startsWith(QStringLiteral("The picture \"%1\" is a kind of JPEG file "
                                                     "this program cannot read")
                                          .arg(file)));
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
    EXPECT_EQ(failureOf([&] { readJpegFile(PictureRequest(file)); }),
              std::pair(refusal(Refusal::Damaged, file), jpegError(JERR_EMPTY_IMAGE)));
}

TEST_F(JpegCodec, ManyScansOverATinyPictureStillDecode)
{
    // The work bound counts blocks, not scans: 2000 scans of a 16 x 16 picture are little work.
    const QString file = path(QStringLiteral("scans.jpg"));
    writeFile(file, makeJpegWithScans(2000));
    EXPECT_EQ(readJpegFile(PictureRequest(file), PictureLimits{0, 1'000'000}).image.size(),
              QSize(16, 16));
}

// Where the start of the entropy-coded data of the first scan is.
int scanDataAt(const QByteArray& jpeg)
{
    const int sos = int(jpeg.indexOf(QByteArray("\xFF\xDA", 2)));
    return sos + 2 + (uchar(jpeg[sos + 2]) << 8 | uchar(jpeg[sos + 3]));
}

QByteArray withoutJfif(const QByteArray& jpeg)
{
    return jpeg.left(2) + jpeg.mid(4 + (uchar(jpeg[4]) << 8 | uchar(jpeg[5])));
}

TEST_F(JpegCodec, WarningsThatLoseNoPixelAreAccepted)
{
    const QImage picture = blockPicture(64, 48);
    const QByteArray good = makeJpeg(picture, JpegKind::Colour);
    QByteArray laterJfif = good;
    laterJfif[11] = 2; // JFIF version 2.01
    const QByteArray adobe("\xFF\xEE\x00\x0E"
                           "Adobe\x00\x64\x00\x00\x00\x00\x09",
                           16); // transform code 9: unknown
    QByteArray sequentialFields = good;
    sequentialFields[scanDataAt(good) - 2] = 0; // spectral selection ending at 0
    const std::tuple<const char*, QByteArray, QList<int>> files[] = {
        {"stray bytes before a marker",
         withBytesInserted(good, QByteArray(40, '\x55'), 2),
         {JWRN_EXTRANEOUS_DATA}},
        {"data after the end", good + QByteArray(300, '\x13'), {}},
        {"unknown application marker and comment",
         withBytesInserted(good, QByteArray("\xFF\xEB\x00\x06xyzw\xFF\xFE\x00\x04hi", 14)),
         {}},
        {"later JFIF version", laterJfif, {JWRN_JFIF_MAJOR}},
        {"unknown Adobe transform",
         withBytesInserted(withoutJfif(good), adobe),
         {JWRN_ADOBE_XFORM}},
        {"sequential scan with spectral fields", sequentialFields, {JWRN_NOT_SEQUENTIAL}},
    };
    for (const auto& [what, jpeg, warnings] : files) {
        SCOPED_TRACE(what);
        ASSERT_EQ(libjpegWarnings(jpeg), warnings);
        const QString file = path(QStringLiteral("w.jpg"));
        writeFile(file, jpeg);
        QImage image;
        ASSERT_NO_THROW(image = readJpegFile(PictureRequest(file)).image);
        ASSERT_EQ(image.size(), picture.size());
        for (const QPoint p : {QPoint(8, 8), QPoint(56, 40)})
            EXPECT_TRUE(near(image.pixelColor(p), picture.pixelColor(p), 4));
    }
}

TEST_F(JpegCodec, WarningsWhereTheDecoderInventedPixelsRefuse)
{
    const QImage picture = blockPicture(256, 256);
    const QByteArray good = makeJpeg(picture, JpegKind::Colour, 90, 1);
    // Entropy data cut in the middle, the end marker right after (no restart markers, which
    // would be missed first).
    const QByteArray plain = makeJpeg(picture, JpegKind::Colour);
    const QByteArray hitMarker =
        plain.left((scanDataAt(plain) + plain.size()) / 2) + QByteArray("\xFF\xD9", 2);
    // A run of one bits no Huffman code has.
    QByteArray badCode = good;
    const int middle = int(good.indexOf(QByteArray("\xFF\xD3", 2))) + 2;
    badCode.replace(middle, 6, QByteArray("\xFF\x00\xFF\x00\xFF\x00", 6));
    // A restart marker out of turn.
    QByteArray resync = good;
    resync[middle - 1] = char(0xD5);
    // A refinement scan whose first scan was left out.
    const QByteArray scans = makeScanHeavyJpeg(64, 64, 3);
    const int second = int(scans.indexOf(QByteArray("\xFF\xDA", 2), scanDataAt(scans)));
    const int third = int(scans.indexOf(QByteArray("\xFF\xDA", 2), second + 2));
    const QByteArray bogus = scans.left(second) + scans.mid(third);
    const std::tuple<const char*, QByteArray, int> files[] = {
        {"segment ends early", hitMarker, JWRN_HIT_MARKER},
        {"bad Huffman code", badCode, JWRN_HUFF_BAD_CODE},
        {"restart marker out of turn", resync, JWRN_MUST_RESYNC},
        {"refinement without its first scan", bogus, JWRN_BOGUS_PROGRESSION},
    };
    for (const auto& [what, jpeg, warning] : files) {
        SCOPED_TRACE(what);
        const QList<int> warnings = libjpegWarnings(jpeg);
        ASSERT_FALSE(warnings.isEmpty());
        ASSERT_EQ(warnings.first(), warning);
        const QString file = path(QStringLiteral("d.jpg"));
        writeFile(file, jpeg);
        EXPECT_EQ(failureOf([&] { readJpegFile(PictureRequest(file)); }),
                  std::pair(refusal(Refusal::DamagedInside, file), jpegError(warning)));
    }
}

TEST_F(JpegCodec, WorkBoundStopsAScanHeavyFileAndCountsEveryScan)
{
    // 883 scans over 512 x 512 grey pixels: 4096 blocks each.
    const QString file = path(QStringLiteral("scans.jpg"));
    writeFile(file, makeScanHeavyJpeg(512, 512, 883));
    constexpr qint64 Blocks = 64 * 64;
    PictureProgress progress;
    const Picture whole = readJpegFile(PictureRequest(file, QSize(), &progress));
    EXPECT_EQ(whole.image.size(), QSize(512, 512));
    // The output pass, then every scan's blocks and its start.
    const qint64 all = progress.work.load();
    EXPECT_GE(all, Blocks + 883 * (Blocks + 256));
    EXPECT_LE(all, Blocks + 883 * (Blocks + 64 + 256));

    // Bounded below that: refused with the scan it reached, soon after the bound.
    const qint64 bound = all / 3;
    PictureProgress stopped;
    const QString error = errorOf([&] {
        readJpegFile(PictureRequest(file, QSize(), &stopped), PictureLimits{0, bound});
    });
    EXPECT_TRUE(error.startsWith(QStringLiteral("The JPEG file \"%1\" is not read: decoding its "
                                                "512 x 512 pixels takes too long (it was stopped "
                                                "in scan ")
                                     .arg(file)))
        << error.toStdString();
    EXPECT_GT(stopped.work.load(), bound);
    EXPECT_LE(stopped.work.load(), bound + 64 + 256);

    // A picture whose one pass is over the bound is refused before any decoding.
    PictureProgress never;
    EXPECT_EQ(errorOf([&] {
                  readJpegFile(PictureRequest(file, QSize(), &never), PictureLimits{0, Blocks - 1});
              }),
              QStringLiteral("The picture \"%1\" is too large: its 512 x 512 pixels take too long "
                             "to decode.")
                  .arg(file));
    EXPECT_EQ(never.work.load(), 0);
}

TEST_F(JpegCodec, CancelStopsTheDecoder)
{
    const QString file = path(QStringLiteral("scans.jpg"));
    writeFile(file, makeScanHeavyJpeg(512, 512, 200));
    PictureProgress progress;
    progress.cancel = true;
    bool cancelled = false;
    try {
        readJpegFile(PictureRequest(file, QSize(), &progress));
    } catch (const PictureCancelled& e) {
        cancelled = true;
        EXPECT_EQ(e.text(), QStringLiteral("Reading the picture \"%1\" was cancelled.").arg(file));
    }
    EXPECT_TRUE(cancelled);
    // And while it decodes the one scan of a sequential file.
    writeFile(file, makeJpeg(blockPicture(512, 512), JpegKind::Colour));
    EXPECT_THROW(readJpegFile(PictureRequest(file, QSize(), &progress)), PictureCancelled);
}

TEST_F(JpegCodec, ScaledDecodingKeepsTheTrueSize)
{
    const QImage picture = blockPicture(800, 600);
    const QString file = path(QStringLiteral("photo.jpg"));
    writeFile(file, makeJpeg(picture, JpegKind::Colour));
    // Drawn at most 200 x 200: 1/4 gives 200 x 150, the least reduction that is no smaller.
    Picture p = readJpegFile(PictureRequest(file, QSize(200, 200)));
    EXPECT_EQ(p.trueSize, QSize(800, 600));
    EXPECT_EQ(p.image.size(), QSize(200, 150));
    EXPECT_TRUE(near(p.image.pixelColor(190, 140), picture.pixelColor(760, 560), 6));
    // 210 x 200 needs 3/8: 300 x 225.
    EXPECT_EQ(readJpegFile(PictureRequest(file, QSize(210, 200))).image.size(), QSize(300, 225));
    // Tall boxes are judged by the width, and a box larger than the picture leaves it whole.
    EXPECT_EQ(readJpegFile(PictureRequest(file, QSize(100, 1000))).image.size(), QSize(100, 75));
    EXPECT_EQ(readJpegFile(PictureRequest(file, QSize(2400, 1600))).image.size(), QSize(800, 600));
}

// A picture whose stored top-left block is red and top-right block green, the rest grey.
QImage markedPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(QColor(128, 128, 128));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            image.setPixelColor(x, y, Qt::red);
            image.setPixelColor(width - 1 - x, y, Qt::green);
        }
    return image;
}

TEST_F(JpegCodec, EveryExifOrientationShowsThePictureUpright)
{
    const QByteArray jpeg = makeJpeg(markedPicture(96, 48), JpegKind::Colour, 95);
    enum Corner { TopLeft, TopRight, BottomRight, BottomLeft };
    // Where the stored top-left (red) and top-right (green) corners land.
    const std::tuple<int, Corner, Corner> orientations[] = {
        {1, TopLeft, TopRight},       {2, TopRight, TopLeft},   {3, BottomRight, BottomLeft},
        {4, BottomLeft, BottomRight}, {5, TopLeft, BottomLeft}, {6, TopRight, BottomRight},
        {7, BottomRight, TopRight},   {8, BottomLeft, TopLeft}};
    // Editors write XMP in an APP1 marker of its own: here after the EXIF one, there before it.
    const QByteArray xmpBody("http://ns.adobe.com/xap/1.0/\0<x:xmpmeta/>", 41);
    const QByteArray xmp = QByteArray("\xFF\xE1\x00", 3) + char(xmpBody.size() + 2) + xmpBody;
    for (const bool bigEndian : {true, false})
        for (const auto& [orientation, red, green] : orientations) {
            SCOPED_TRACE(orientation);
            const QString file = path(QStringLiteral("o.jpg"));
            writeFile(file,
                      bigEndian
                          ? withExifOrientation(withBytesInserted(jpeg, xmp), orientation)
                          : withBytesInserted(withExifOrientation(jpeg, orientation, false), xmp));
            const Picture p = readJpegFile(PictureRequest(file));
            EXPECT_EQ(p.orientation, orientation);
            const QSize upright = orientation > 4 ? QSize(48, 96) : QSize(96, 48);
            EXPECT_EQ(p.trueSize, upright);
            ASSERT_EQ(p.image.size(), upright);
            const auto at = [&](Corner c) {
                const int x = c == TopLeft || c == BottomLeft ? 4 : upright.width() - 5;
                const int y = c == TopLeft || c == TopRight ? 4 : upright.height() - 5;
                return p.image.pixelColor(x, y);
            };
            EXPECT_TRUE(near(at(red), Qt::red, 40)) << at(red).name().toStdString();
            EXPECT_TRUE(near(at(green), Qt::green, 40)) << at(green).name().toStdString();
        }
    // Reduced and turned: the true size is upright too, the box judged the same way up.
    const QString file = path(QStringLiteral("o.jpg"));
    writeFile(file, withExifOrientation(jpeg, 6));
    const Picture p = readJpegFile(PictureRequest(file, QSize(12, 24)));
    EXPECT_EQ(p.trueSize, QSize(48, 96));
    EXPECT_EQ(p.image.size(), QSize(12, 24));
    // Values out of range, a damaged directory: upright as stored.
    for (const int bad : {0, 9, 300}) {
        writeFile(file, withExifOrientation(jpeg, bad));
        EXPECT_EQ(readJpegFile(PictureRequest(file)).trueSize, QSize(96, 48));
    }
}

TEST_F(JpegCodec, FailedWriteKeepsTheExistingFile)
{
    const QString file = path(QStringLiteral("keep.jpg"));
    writeFile(file, "old contents");
    // An empty picture makes the encoder fail after the file was opened.
    const auto [text, details] = failureOf([&] { writeJpegFile(QImage(), file, 100); });
    EXPECT_EQ(text, QStringLiteral("Cannot create file \"%1\". The picture could not be encoded as "
                                   "JPEG.")
                        .arg(file));
    EXPECT_TRUE(details.startsWith(QStringLiteral("JPEG error #")));
    EXPECT_EQ(readFile(file), QByteArray("old contents"));

    const QString nowhere = path(QStringLiteral("no/such/folder/x.jpg"));
    EXPECT_TRUE(errorOf([&] {
                    writeJpegFile(blockPicture(8, 8), nowhere, 100);
                }).startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(nowhere)));
}

} // namespace
