// Replays the fuzzer's corpus (fuzz/corpus) through LoadPictureFile, so every test run, the
// sanitizer build included, checks the inputs the fuzzer found interesting.
#include "../fuzz/LoadPictureInput.h"
#include "support/PictureFiles.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

QFileInfoList corpus()
{
    const QDir dir(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../fuzz/corpus"));
    return dir.entryInfoList(QDir::Files, QDir::Name);
}

TEST(FuzzCorpus, EveryInputLoadsAndDrawsOrIsRefusedUnderEitherName)
{
    const QFileInfoList files = corpus();
    ASSERT_GE(files.size(), 10) << "corpus missing";
    QTemporaryDir dir;
    for (const QFileInfo& info : files) {
        const QByteArray data = readFile(info.filePath());
        for (const QString& suffix : {QStringLiteral(".jpg"), QStringLiteral(".bmp")}) {
            const QString name = dir.filePath(info.fileName() + suffix);
            writeFile(name, data);
            LoadAndPreviewPicture(name);
        }
    }
}

TEST(FuzzCorpus, SeedsAreGoodPicturesOfTheirFormat)
{
    QTemporaryDir dir;
    int seeds = 0;
    for (const QFileInfo& info : corpus()) {
        const QString base = info.fileName();
        const bool jpeg = base.startsWith(QStringLiteral("jpeg-"));
        if (!jpeg && !base.startsWith(QStringLiteral("bmp")))
            continue; // an input the fuzzer found
        const QString name = dir.filePath(base + (jpeg ? ".jpg" : ".bmp"));
        writeFile(name, readFile(info.filePath()));
        QImage image;
        EXPECT_NO_THROW(LoadPictureFile(name, image)) << base.toStdString();
        EXPECT_FALSE(image.isNull()) << base.toStdString();
        ++seeds;
    }
    EXPECT_GE(seeds, 10);
}

} // namespace
