// The saved card back, read back from disk: sizes, pixels, JPEG parameters, and what a failed
// save leaves behind.
#include "print/SheetImageSave.h"
#include "gfx/AppError.h"
#include "support/PictureFiles.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace
{

// A back with something in every part, so a shrink or a re-render would show.
QImage patternedBack(int w, int h)
{
    QImage back(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            back.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, (x ^ y) & 0xff));
    return back;
}

// Files can grow to `bytes` at most while it lives, as on a disk that fills up during the save.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

quint32 littleEndian32(const QByteArray& bytes, int at)
{
    return quint32(quint8(bytes[at])) | quint32(quint8(bytes[at + 1])) << 8 |
           quint32(quint8(bytes[at + 2])) << 16 | quint32(quint8(bytes[at + 3])) << 24;
}

} // namespace

TEST(SheetImageSave, JpegSizeIsSeventyFiveOfEveryTwoHundredPixels)
{
    EXPECT_EQ(jpegSheetSize(QSize(1200, 800)), QSize(450, 300));
    EXPECT_EQ(jpegSheetSize(QSize(1100, 850)), QSize(412, 318));
}

TEST(SheetImageSave, BitmapIsTheBackUnchangedIn24Bits)
{
    QTemporaryDir dir;
    for (const QSize size : {QSize(1200, 800), QSize(1100, 850)}) {
        const QImage back = patternedBack(size.width(), size.height());
        const QString name = dir.filePath(QStringLiteral("back.bmp"));
        saveSheetImage(back, SheetImageFormat::Bitmap, name);

        const QByteArray bytes = readFile(name);
        ASSERT_GT(bytes.size(), 30);
        EXPECT_EQ(bytes.left(2), QByteArray("BM"));
        EXPECT_EQ(quint8(bytes[28]) | quint8(bytes[29]) << 8, 24) << "bits per pixel";
        EXPECT_EQ(quint32(quint8(bytes[30])), 0u) << "uncompressed";
        // 200 pixels per inch, in pixels per metre, across and down: the card prints 6 x 4 in.
        EXPECT_EQ(littleEndian32(bytes, 38), 7874u);
        EXPECT_EQ(littleEndian32(bytes, 42), 7874u);
        QImageReader reader(name, "bmp");
        const QImage read = reader.read();
        ASSERT_EQ(read.size(), size);
        EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), back);
    }
}

TEST(SheetImageSave, JpegIsAColourBaselineQuality100ShrinkOfTheWholeBack)
{
    QTemporaryDir dir;
    for (const QSize size : {QSize(1200, 800), QSize(1100, 850)}) {
        // Four coloured quarters: the whole back must land on the whole picture.
        QImage back(size, QImage::Format_RGB32);
        const int w = size.width(), h = size.height();
        const QRgb quarters[] = {qRgb(200, 30, 30), qRgb(30, 160, 30), qRgb(30, 30, 200),
                                 qRgb(230, 200, 40)};
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                back.setPixel(x, y, quarters[(y >= h / 2) * 2 + (x >= w / 2)]);
        const QString name = dir.filePath(QStringLiteral("back.jpg"));
        saveSheetImage(back, SheetImageFormat::Jpeg, name);

        const JpegHeaders facts = readJpegHeaders(readFile(name));
        ASSERT_TRUE(facts.problem.isEmpty()) << facts.problem.toStdString();
        EXPECT_EQ(facts.size, jpegSheetSize(size));
        EXPECT_EQ(facts.components, 3);
        EXPECT_FALSE(facts.progressive);
        EXPECT_TRUE(facts.baseline);
        EXPECT_TRUE(facts.allQuantStepsOne);
        // 75 dots per inch: at its actual size the picture is the card's size.
        EXPECT_TRUE(facts.jfif);
        EXPECT_EQ(facts.densityUnit, 1);
        EXPECT_EQ(facts.xDensity, 75);
        EXPECT_EQ(facts.yDensity, 75);

        QImageReader reader(name, "jpeg");
        const QImage read = reader.read().convertToFormat(QImage::Format_RGB32);
        const int sw = read.width(), sh = read.height();
        for (int q = 0; q < 4; ++q) {
            const QPoint centre((q % 2) ? sw * 3 / 4 : sw / 4, (q / 2) ? sh * 3 / 4 : sh / 4);
            EXPECT_TRUE(near(read.pixel(centre), quarters[q], 6)) << "quarter " << q;
        }
        // The corners come from the back's corners: nothing cropped, nothing padded.
        EXPECT_TRUE(near(read.pixel(0, 0), quarters[0], 12));
        EXPECT_TRUE(near(read.pixel(sw - 1, sh - 1), quarters[3], 12));
    }
}

TEST(SheetImageSave, ThinLinesSurviveTheJpegShrink)
{
    // The address lines of a default back: 2 pixels of grey, 64 apart.
    QImage back(1200, 800, QImage::Format_RGB32);
    back.fill(Qt::white);
    const int lineYs[] = {375, 439, 503, 567, 631};
    for (int y : lineYs)
        for (int x = 700; x < 1170; ++x)
            for (int t = 0; t < 2; ++t)
                back.setPixel(x, y + t, qRgb(128, 128, 128));
    const QImage copy = sheetImageCopy(back, SheetImageFormat::Jpeg);
    ASSERT_EQ(copy.size(), QSize(450, 300));
    for (int y : lineYs) {
        int darkest = 255;
        for (int sy = y * 3 / 8 - 1; sy <= (y + 2) * 3 / 8 + 1; ++sy)
            darkest = std::min(darkest, qGray(copy.pixel(300, sy)));
        EXPECT_LE(darkest, 215) << "line at " << y << " lost";
    }
}

TEST(SheetImageSave, AFolderThatCannotBeWrittenRaisesAndWritesNothing)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("no such folder/back.bmp"));
    for (auto format : {SheetImageFormat::Bitmap, SheetImageFormat::Jpeg}) {
        try {
            saveSheetImage(patternedBack(1200, 800), format, missing);
            ADD_FAILURE() << "no error for a missing folder";
        } catch (const AppError& e) {
            EXPECT_TRUE(e.text().startsWith(QStringLiteral("Cannot create file \"") + missing))
                << e.text().toStdString();
        }
    }

    // A read-only folder. Permissions do not bind the super-user, whose unwritable folder is
    // one on a read-only file system.
    const QString locked = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(locked));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    const QString folder = geteuid() == 0 ? QStringLiteral("/proc") : locked;
    for (auto format : {SheetImageFormat::Bitmap, SheetImageFormat::Jpeg}) {
        const QString name = folder + QStringLiteral("/back.img");
        EXPECT_THROW(saveSheetImage(patternedBack(1200, 800), format, name), AppError);
        EXPECT_FALSE(QFile::exists(name));
    }
    EXPECT_TRUE(QDir(locked).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(SheetImageSave, AWriteThatFailsPartWayKeepsTheExistingFile)
{
    QTemporaryDir dir;
    const QByteArray previous("the picture saved last week");
    for (auto format : {SheetImageFormat::Bitmap, SheetImageFormat::Jpeg}) {
        const QString name =
            dir.filePath(format == SheetImageFormat::Bitmap ? QStringLiteral("back.bmp")
                                                            : QStringLiteral("back.jpg"));
        writeFile(name, previous);
        {
            // Both files are far larger than this: the disk "fills up" during the write.
            FileSizeLimit limit(4096);
            EXPECT_THROW(saveSheetImage(patternedBack(1200, 800), format, name), AppError);
        }
        EXPECT_EQ(readFile(name), previous);
        // Nothing half-written is left beside it.
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList(QFileInfo(name).fileName()));
        QFile::remove(name);
    }
}

namespace
{

// Permissions bind the super-user only once it takes another user's identity: for root the
// test writes as "nobody" while this lives.
class WithoutSuperUserRights
{
public:
    WithoutSuperUserRights()
    {
        if (geteuid() == 0)
            switched_ = seteuid(Nobody) == 0;
    }
    ~WithoutSuperUserRights()
    {
        if (switched_)
            (void)seteuid(0);
    }

private:
    static constexpr uid_t Nobody = 65534;
    bool switched_ = false;
};

} // namespace

TEST(SheetImageSave, AWritableFileInAReadOnlyFolderIsReplacedInPlaceAndKeptWholeOnFailure)
{
    QTemporaryDir dir;
    // Readable and searchable by everyone, writable by no one. ("nobody" keeps root's group.)
    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                          QFile::ReadOther | QFile::ExeOther;
    const auto writable = readOnly | QFile::WriteOwner;
    QFile::setPermissions(dir.path(), writable);
    const QString locked = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(locked));
    const QByteArray previous("the picture saved last week");
    const auto everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                          QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    const QImage back = patternedBack(1200, 800);
    for (auto format : {SheetImageFormat::Bitmap, SheetImageFormat::Jpeg}) {
        SCOPED_TRACE(format == SheetImageFormat::Bitmap ? "bitmap" : "jpeg");
        const QString name =
            locked + (format == SheetImageFormat::Bitmap ? QStringLiteral("/back.bmp")
                                                         : QStringLiteral("/back.jpg"));
        QFile::setPermissions(locked, writable);
        writeFile(name, previous);
        QFile::setPermissions(name, everyone);
        QFile::setPermissions(locked, readOnly);

        {
            WithoutSuperUserRights nobody;
            // The disk fills up part-way: the former bytes are put back.
            {
                FileSizeLimit limit(4096);
                EXPECT_THROW(saveSheetImage(back, format, name), AppError);
            }
            EXPECT_EQ(readFile(name), previous);
            saveSheetImage(back, format, name);
        }
        QImageReader reader(name, format == SheetImageFormat::Bitmap ? "bmp" : "jpeg");
        const QImage read = reader.read();
        EXPECT_EQ(read.size(), sheetImageCopy(back, format).size());
        if (format == SheetImageFormat::Bitmap) {
            EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), back);
        }

        // A file that cannot be written either stays as it was.
        QFile::setPermissions(name, everyone);
        writeFile(name, previous);
        QFile::setPermissions(name, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        {
            WithoutSuperUserRights nobody;
            EXPECT_THROW(saveSheetImage(back, format, name), AppError);
        }
        EXPECT_EQ(readFile(name), previous);
        EXPECT_EQ(QDir(locked).entryList(QDir::Files), QStringList(QFileInfo(name).fileName()));
        QFile::setPermissions(locked, writable);
        QFile::setPermissions(name, everyone);
        QFile::remove(name);
    }
}

TEST(SheetImageSave, AFinalRenameThatFailsIsReportedAndLeavesTheOldFileWhole)
{
    // All bytes go into the temporary file; only putting it in the old one's place fails. A
    // file mounted over the name refuses that rename (EBUSY), as a busy network share or a
    // changed folder may. Mounting needs root, who runs the tests.
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("back.bmp"));
    const QString shown = dir.filePath(QStringLiteral("shown.bmp"));
    const QByteArray previous("the picture saved last week");
    writeFile(name, QByteArray("hidden under the mount"));
    writeFile(shown, previous);
    if (mount(QFile::encodeName(shown).constData(), QFile::encodeName(name).constData(), nullptr,
              MS_BIND, nullptr) != 0)
        GTEST_SKIP() << "cannot bind-mount a file (needs root): " << std::strerror(errno);
    QString why;
    try {
        saveSheetImage(patternedBack(1200, 800), SheetImageFormat::Bitmap, name);
    } catch (const AppError& e) {
        why = e.text();
    }
    const QByteArray after = readFile(name);
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    umount2(QFile::encodeName(name).constData(), MNT_DETACH);
    EXPECT_TRUE(why.contains(name)) << why.toStdString();
    EXPECT_EQ(after, previous);
    // No temporary file is left beside it.
    EXPECT_EQ(left, QStringList({QStringLiteral("back.bmp"), QStringLiteral("shown.bmp")}));
}
