// HEIC, AVIF, WebP and TIFF beside JPEG, BMP, PNG and GIF: files made here by the real encoders,
// read wherever pictures are read, with the same sizes, limits, refusals and cancel.
#include "back/PictureFile.h"
#include "design/DesignPictures.h"
#include "gfx/AppError.h"
#include "gfx/ColourProfile.h"
#include "support/PhotoFiles.h"
#include "support/PictureFiles.h"

#include <QColorSpace>
#include <QColorTransform>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace
{

class PhotoFormats : public ::testing::Test
{
protected:
    QString put(const QString& name, const QByteArray& data) const
    {
        const QString path = dir.filePath(name);
        writeFile(path, data);
        return path;
    }
    static QString errorOf(const QString& path, QSize box = QSize())
    {
        try {
            readPicture(PictureRequest(path, box));
        } catch (const AppError& e) {
            return e.text();
        }
        return QStringLiteral("(no error)");
    }
    QTemporaryDir dir;
};

struct Sample {
    const char* name;
    QByteArray bytes;
    QImage expected; // what it shows
    int tolerance;
};

// One file of each new kind, and the kinds of file phones and the web make of them.
std::vector<Sample> samples()
{
    const QImage blocks = blockPicture(96, 64);
    QImage withAlpha = blocks.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            withAlpha.setPixelColor(x, y, QColor(0, 0, 0, 0));
    const QImage other = flatPicture(96, 64, QColor(20, 200, 20));
    std::vector<Sample> s;
    if (canEncodeHeif(HeifCodecKind::Hevc)) {
        s.push_back({"photo.heic", makeHeif(blocks, HeifCodecKind::Hevc), blocks, 14});
        // A burst: the picture the phone chose is the primary image, stored last.
        s.push_back(
            {"burst.heic", makeHeif(blocks, HeifCodecKind::Hevc, {}, {other, other}), blocks, 14});
    }
    if (canEncodeHeif(HeifCodecKind::Av1))
        s.push_back({"photo.avif", makeHeif(blocks, HeifCodecKind::Av1), blocks, 14});
    s.push_back({"photo.webp", makeWebp(blocks, false), blocks, 14});
    s.push_back({"clear.webp", makeWebp(withAlpha, true), withAlpha, 0});
    s.push_back({"moving.webp", makeAnimatedWebp({blocks, other, other}), blocks, 0});
    if (QImageWriter::supportedImageFormats().contains("tiff"))
        s.push_back({"scan.tif", makeWithQt(blocks, "tiff"), blocks, 0});
    return s;
}

TEST_F(PhotoFormats, EveryFormatReadsAtFullSizeAndReducedForItsBox)
{
    for (const Sample& sample : samples()) {
        SCOPED_TRACE(sample.name);
        const QString path = put(QString::fromLatin1(sample.name), sample.bytes);
        Picture full;
        ASSERT_NO_THROW(full = readPicture(PictureRequest(path)));
        EXPECT_EQ(full.trueSize, sample.expected.size());
        ASSERT_EQ(full.image.size(), sample.expected.size());
        for (const QPoint p : {QPoint(8, 8), QPoint(40, 24), QPoint(88, 56), QPoint(24, 40)}) {
            const QColor got = full.image.pixelColor(p);
            const QColor want = sample.expected.pixelColor(p);
            EXPECT_TRUE(near(got, want, sample.tolerance) && got.alpha() == want.alpha())
                << p.x() << "," << p.y() << ": " << got.name(QColor::HexArgb).toStdString()
                << " for " << want.name(QColor::HexArgb).toStdString();
        }
        // For a preview's box: no smaller than it needs, no larger than the picture.
        const Picture small = readPicture(PictureRequest(path, QSize(30, 30)));
        EXPECT_EQ(small.trueSize, sample.expected.size());
        EXPECT_GE(small.image.width(), 30);
        EXPECT_LE(small.image.width(), 96);
        // A design keeps the file's bytes as they are.
        EXPECT_EQ(readDesignPictureBytes(path), sample.bytes);
    }
}

TEST_F(PhotoFormats, TheOpenDialogsListEveryFormatAndAllFiles)
{
    QStringList names;
    QStringList patterns;
    for (const PictureFormat& f : readablePictureFormats()) {
        names << f.name;
        patterns << f.patterns;
    }
    for (const char* name : {"JPEG", "BMP", "PNG", "GIF", "HEIC", "AVIF", "WebP", "TIFF"})
        EXPECT_TRUE(names.contains(QLatin1String(name))) << name;
    for (const char* p : {"*.heic", "*.heif", "*.avif", "*.webp", "*.tif", "*.tiff"})
        EXPECT_TRUE(patterns.contains(QLatin1String(p))) << p;
    const QString filter = readablePictureFilter();
    EXPECT_TRUE(filter.endsWith(QStringLiteral("|All files (*)|*")));
    EXPECT_TRUE(filter.contains(QStringLiteral("*.heic;*.heif;*.hif;*.avif;*.webp")));
}

TEST_F(PhotoFormats, OrientationIsAppliedInEveryFormatThatCarriesIt)
{
    // The stored top-left block red: where it lands tells the turn.
    QImage stored = flatPicture(96, 64, QColor(128, 128, 128));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            stored.setPixelColor(x, y, Qt::red);
    struct Case {
        const char* name;
        QByteArray bytes;
        QSize upright;
        QPoint red;
    };
    std::vector<Case> cases = {
        {"six.webp", makeWebp(stored, true, {}, 6), QSize(64, 96), QPoint(56, 8)},
        {"three.webp", makeWebp(stored, true, {}, 3), QSize(96, 64), QPoint(88, 56)},
        {"eight.jpg", withExifOrientation(makeJpeg(stored, JpegKind::Colour), 8), QSize(64, 96),
         QPoint(8, 88)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Picture p = readPicture(PictureRequest(put(QString::fromLatin1(c.name), c.bytes)));
        EXPECT_EQ(p.trueSize, c.upright);
        ASSERT_EQ(p.image.size(), c.upright);
        EXPECT_TRUE(near(p.image.pixelColor(c.red), Qt::red, 40))
            << p.image.pixelColor(c.red).name().toStdString();
    }
}

TEST_F(PhotoFormats, CutOrDamagedFilesAreRefusedInWords)
{
    for (const Sample& sample : samples()) {
        SCOPED_TRACE(sample.name);
        const QByteArray& b = sample.bytes;
        QByteArray spoilt = b;
        for (qsizetype i = b.size() * 2 / 3; i < b.size() * 2 / 3 + 40 && i < b.size(); ++i)
            spoilt[i] = char(0xA5 ^ spoilt[i]);
        const std::pair<const char*, QByteArray> files[] = {
            {"cut in half", b.left(b.size() / 2)},
            {"only its start", b.left(40)},
            {"damaged inside", spoilt},
        };
        for (const auto& [what, bytes] : files) {
            SCOPED_TRACE(what);
            const QString path = put(QStringLiteral("spoilt"), bytes);
            const QString error = errorOf(path);
            if (error == QStringLiteral("(no error)")) {
                // Only a damage the format's own checks cannot see, in the middle of coded
                // data, may go through, never a cut.
                EXPECT_EQ(QString::fromLatin1(what), QStringLiteral("damaged inside"));
                continue;
            }
            const QString name = QStringLiteral("\"%1\"").arg(path);
            EXPECT_TRUE(
                error == QStringLiteral("The file %1 ends before its picture does; it may "
                                        "have been cut short while copying.")
                             .arg(name) ||
                error ==
                    QStringLiteral("The picture %1 is damaged and cannot be read.").arg(name) ||
                error == QStringLiteral("The picture %1 is damaged in the middle: part of "
                                        "it cannot be decoded.")
                             .arg(name))
                << error.toStdString();
            if (QString::fromLatin1(what) != QStringLiteral("damaged inside")) {
                EXPECT_TRUE(error.contains(QStringLiteral("ends before"))) << error.toStdString();
            }
        }
    }
}

TEST_F(PhotoFormats, TheBudgetDecidesForTheNewFormatsToo)
{
    // Small files whose headers declare pictures over the budget: refused with the figures,
    // before any pixel memory is taken.
    QByteArray webp = makeWebp(flatPicture(16, 16, Qt::blue), true);
    ASSERT_EQ(webp.mid(12, 4), QByteArray("VP8L"));
    // The lossless header: 14 bits of width - 1, 14 of height - 1.
    qToLittleEndian<quint32>(quint32((16000 - 1) | (15000 - 1) << 14) |
                                 (qFromLittleEndian<quint32>(webp.constData() + 21) & 0xF0000000u),
                             webp.data() + 21);
    std::vector<std::pair<const char*, QByteArray>> files = {{"huge.webp", webp}};
    if (canEncodeHeif(HeifCodecKind::Hevc)) {
        QByteArray heic = makeHeif(flatPicture(64, 64, Qt::blue), HeifCodecKind::Hevc);
        const qsizetype ispe = heic.indexOf("ispe");
        ASSERT_GT(ispe, 0);
        qToBigEndian<quint32>(16000, heic.data() + ispe + 8);
        qToBigEndian<quint32>(15000, heic.data() + ispe + 12);
        files.push_back({"huge.heic", heic});
    }
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        const QString path = put(QString::fromLatin1(name), bytes);
        EXPECT_TRUE(errorOf(path).startsWith(
            QStringLiteral("The picture \"%1\" is too large: its 16000 x 15000 pixels need ")
                .arg(path)))
            << errorOf(path).toStdString();
    }
}

TEST_F(PhotoFormats, CancelEndsEveryReadSoon)
{
    // Noise, which no codec makes small or quick: each read is timed whole first, then
    // cancelled a third of the way through.
    QImage noise(1600, 1200, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y) {
        auto* line = reinterpret_cast<quint32*>(noise.scanLine(y));
        for (int x = 0; x < noise.width(); ++x)
            line[x] = quint32(x * 2654435761u ^ y * 40503u ^ (x * y));
    }
    // Most decoders are stopped where they read the file, in slices; libheif reads a picture
    // that is one coded image (not a phone's grid of tiles) at once and decodes it to its end,
    // the cancel then taking effect.
    struct File {
        const char* name;
        QByteArray bytes;
        bool slices;
    };
    std::vector<File> files = {
        {"noise.webp", makeWebp(noise, true), true},
        {"noise.png", makeWithQt(noise, "png"), true},
    };
    if (canEncodeHeif(HeifCodecKind::Hevc))
        files.push_back({"noise.heic", makeHeif(noise, HeifCodecKind::Hevc), false});
    if (QImageWriter::supportedImageFormats().contains("tiff"))
        files.push_back({"noise.tif", makeWithQt(noise, "tiff"), true});
    for (const auto& [name, bytes, slices] : files) {
        SCOPED_TRACE(name);
        const QString path = put(QString::fromLatin1(name), bytes);
        // Timed warm: the first read also loads the format's plugin.
        readPicture(PictureRequest(path));
        QElapsedTimer clock;
        clock.start();
        readPicture(PictureRequest(path));
        const qint64 whole = clock.elapsed();
        // A fast machine may finish the read before a late cancel arrives; the cancel then
        // comes sooner, at last before the read has begun.
        bool cancelled = false;
        for (const qint64 wait : {whole / 3, whole / 10, qint64(0)})
            if ((cancelled = readEndsCancelled(path, int(wait))))
                break;
        // The read ends as cancelled, not with the picture: how soon is the benchmarks' to
        // measure, not a test's.
        EXPECT_TRUE(cancelled) << "read whole in " << whole << " ms";
    }
}

TEST_F(PhotoFormats, ColoursOfAProfileArriveAsSrgb)
{
    // sRGB's pure red as a Display P3 photo stores it, and a skin tone; Qt's own colour
    // conversion says what they are in sRGB.
    const QColor p3Red(234, 51, 35);
    const QColor p3Skin(200, 150, 120);
    const QColorTransform toSrgb =
        QColorSpace(QColorSpace::DisplayP3).transformationToColorSpace(QColorSpace::SRgb);
    const QColor red = toSrgb.map(p3Red);
    const QColor skin = toSrgb.map(p3Skin);
    ASSERT_TRUE(near(red, QColor(255, 0, 0), 3)) << red.name().toStdString();
    QImage picture = flatPicture(96, 64, p3Red);
    for (int y = 0; y < 64; ++y)
        for (int x = 48; x < 96; ++x)
            picture.setPixelColor(x, y, p3Skin);
    const QByteArray p3 = displayP3Profile();
    ASSERT_FALSE(p3.isEmpty());
    struct File {
        const char* name;
        QByteArray bytes;
        int tolerance;
    };
    std::vector<File> files = {
        {"p3.jpg", withIccProfile(makeJpeg(picture, JpegKind::Colour, 100), p3), 3},
        {"p3.png", makeWithQt(picture, "png", p3), 1},
        {"p3.webp", makeWebp(picture, true, p3), 1},
    };
    if (QImageWriter::supportedImageFormats().contains("tiff"))
        files.push_back({"p3.tif", makeWithQt(picture, "tiff", p3), 1});
    if (canEncodeHeif(HeifCodecKind::Hevc))
        files.push_back({"p3.heic", makeHeif(picture, HeifCodecKind::Hevc, p3), 4});
    if (canEncodeHeif(HeifCodecKind::Av1))
        files.push_back({"p3.avif", makeHeif(picture, HeifCodecKind::Av1, p3), 4});
    for (const File& f : files) {
        SCOPED_TRACE(f.name);
        const QString path = put(QString::fromLatin1(f.name), f.bytes);
        const Picture p = readPicture(PictureRequest(path));
        const QColor gotRed = p.image.pixelColor(20, 30);
        const QColor gotSkin = p.image.pixelColor(76, 30);
        EXPECT_TRUE(near(gotRed, red, f.tolerance)) << gotRed.name().toStdString();
        EXPECT_TRUE(near(gotSkin, skin, f.tolerance)) << gotSkin.name().toStdString();
        // Reduced for a box, the same colours.
        const Picture small = readPicture(PictureRequest(path, QSize(24, 16)));
        EXPECT_TRUE(near(small.image.pixelColor(4, 8), red, f.tolerance + 2));
    }
    // Without a profile the pixels are sRGB as they stand.
    const QString plain = put(QStringLiteral("plain.png"), makeWithQt(picture, "png"));
    EXPECT_EQ(readPicture(PictureRequest(plain)).image.pixelColor(20, 30), p3Red);
    const QString plainJpeg =
        put(QStringLiteral("plain.jpg"), makeJpeg(picture, JpegKind::Colour, 100));
    EXPECT_TRUE(near(readPicture(PictureRequest(plainJpeg)).image.pixelColor(20, 30), p3Red, 3));

    // A print-ready CMYK JPEG: its full cyan ink prints as a darker, bluer cyan than the
    // screen's, which its press profile says; without the profile it is the plain complement.
    QFile press(QStringLiteral("/usr/share/color/icc/ghostscript/default_cmyk.icc"));
    ASSERT_TRUE(press.open(QIODevice::ReadOnly)) << "ghostscript's CMYK profile is missing";
    const QByteArray cyanInk =
        makeJpeg(flatPicture(32, 32, QColor(0, 255, 255)), JpegKind::AdobeCmyk);
    const QColor printed =
        readPicture(PictureRequest(put(QStringLiteral("cmyk-profile.jpg"),
                                       withIccProfile(cyanInk, press.readAll()))))
            .image.pixelColor(16, 16);
    EXPECT_TRUE(printed.red() < 40 && printed.green() > 120 && printed.green() < 200 &&
                printed.blue() > 180)
        << printed.name().toStdString();
    const QColor unprofiled = readPicture(PictureRequest(put(QStringLiteral("cmyk.jpg"), cyanInk)))
                                  .image.pixelColor(16, 16);
    EXPECT_TRUE(near(unprofiled, QColor(0, 255, 255), 4)) << unprofiled.name().toStdString();
}

} // namespace
