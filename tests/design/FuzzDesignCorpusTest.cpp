// Replays the design fuzzer's corpus (fuzz/design-corpus) through the design reader and the
// picture decoding, so every test run, the sanitizer build included, checks the inputs the
// fuzzer found interesting.
#include "../fuzz/ReadDesignInput.h"
#include "support/PictureFiles.h"

#include <QDir>
#include <gtest/gtest.h>

namespace
{

QFileInfoList corpus()
{
    const QDir dir(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../fuzz/design-corpus"));
    return dir.entryInfoList(QDir::Files, QDir::Name);
}

TEST(FuzzDesignCorpus, EveryInputOpensOrIsRefused)
{
    const QFileInfoList files = corpus();
    ASSERT_GE(files.size(), 4) << "corpus missing";
    for (const QFileInfo& info : files)
        readAndDecodeDesign(readFile(info.filePath()));
}

TEST(FuzzDesignCorpus, SeedsAreDesignsThatOpen)
{
    int seeds = 0;
    for (const QFileInfo& info : corpus()) {
        if (!info.fileName().startsWith(QStringLiteral("seed-")))
            continue; // an input the fuzzer found
        const QByteArray input = readFile(info.filePath());
        const bool settingsOnly = input.startsWith('{');
        const CardDocument design = readDesign(settingsOnly ? designOfSettings(input) : input,
                                               fuzzDesignDefaults(), info.fileName());
        // The settings alone come with stand-in pictures; whole designs bring their own.
        for (const auto& picture : {design.corner, design.front}) {
            if (picture && !settingsOnly) {
                EXPECT_FALSE(
                    decodeDesignPicture(*picture, info.fileName(), "a picture").image.isNull());
            }
        }
        ++seeds;
    }
    EXPECT_GE(seeds, 6);
}

} // namespace
