// Replays the fuzzer's corpus (fuzz/corpus) through the picture reader, so every test run, the
// sanitizer build included, checks the inputs the fuzzer found interesting.
#include "../fuzz/LoadPictureInput.h"
#include "support/PictureFiles.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

namespace
{

QFileInfoList corpus()
{
    const QDir dir(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../fuzz/corpus"));
    return dir.entryInfoList(QDir::Files, QDir::Name);
}

TEST(FuzzCorpus, EveryInputLoadsAndDrawsOrIsRefused)
{
    const QFileInfoList files = corpus();
    ASSERT_GE(files.size(), 10) << "corpus missing";
    QTemporaryDir dir;
    for (const QFileInfo& info : files) {
        const QString name = dir.filePath(info.fileName());
        writeFile(name, readFile(info.filePath()));
        loadAndPreviewPicture(name);
    }
}

TEST(FuzzCorpus, SeedsAreGoodPicturesOfTheirFormat)
{
    QTemporaryDir dir;
    int seeds = 0;
    // Seeds are named after their format ("jpeg-grey", "bmp24", "png-alpha"); the other inputs
    // are the fuzzer's finds.
    for (const QFileInfo& info : corpus()) {
        const QString base = info.fileName();
        static const QStringList formats = {QStringLiteral("jpeg"), QStringLiteral("bmp"),
                                            QStringLiteral("png"),  QStringLiteral("gif"),
                                            QStringLiteral("heic"), QStringLiteral("avif"),
                                            QStringLiteral("webp"), QStringLiteral("tiff")};
        if (std::none_of(formats.begin(), formats.end(),
                         [&](const QString& f) { return base.startsWith(f); }))
            continue;
        const QString name = dir.filePath(base);
        writeFile(name, readFile(info.filePath()));
        QImage image;
        EXPECT_NO_THROW(LoadPictureFile(name, image)) << base.toStdString();
        EXPECT_FALSE(image.isNull()) << base.toStdString();
        ++seeds;
    }
    EXPECT_GE(seeds, 30);
}

} // namespace
