// The list of recent designs: most recent first, each once, four at most, and whatever the file
// holds never more than that.
#include "design/RecentDesigns.h"
#include "support/PictureFiles.h"
#include "support/QtPrinters.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

TEST(RecentDesigns, MostRecentFirstEachOnceFourAtMost)
{
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("state/Talmiro Inc/recent-designs"));
    EXPECT_TRUE(readRecentDesigns(list).isEmpty());
    for (const char* name : {"a", "b", "c", "d", "e"})
        rememberRecentDesign(list, dir.filePath(QLatin1String(name) + QStringLiteral(".postcard")));
    const auto path = [&](const char* n) {
        return dir.filePath(QLatin1String(n) + QStringLiteral(".postcard"));
    };
    EXPECT_EQ(readRecentDesigns(list), (QStringList{path("e"), path("d"), path("c"), path("b")}));
    // Opening one again brings it to the top without a second entry.
    EXPECT_EQ(rememberRecentDesign(list, path("c")),
              (QStringList{path("c"), path("e"), path("d"), path("b")}));
    EXPECT_EQ(forgetRecentDesign(list, path("e")), (QStringList{path("c"), path("d"), path("b")}));
    EXPECT_EQ(readRecentDesigns(list), (QStringList{path("c"), path("d"), path("b")}));
}

TEST(RecentDesigns, AListFileOfAnyContentGivesAtMostFourAbsolutePaths)
{
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("recent"));
    writeFile(list, "relative/x.postcard\r\n/one.postcard\r\n\n/one.postcard\n/two words.postcard\n"
                    "/three\n/four\n/five\n");
    EXPECT_EQ(readRecentDesigns(list),
              (QStringList{"/one.postcard", "/two words.postcard", "/three", "/four"}));
    writeFile(list, QByteArray(1024 * 1024, '/'));
    EXPECT_TRUE(readRecentDesigns(list).isEmpty());
    // A list that cannot be written is no error: the list of the run is still returned.
    EXPECT_EQ(rememberRecentDesign(dir.path(), QStringLiteral("/x.postcard")),
              QStringList{"/x.postcard"});
}

TEST(RecentDesigns, KeptInTheStateFolder)
{
    const QByteArray saved = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", "/somewhere/state");
    EXPECT_EQ(recentDesignsFile(), QStringLiteral("/somewhere/state/Talmiro Inc/recent-designs"));
    qputenv("XDG_STATE_HOME", "relative");
    EXPECT_EQ(recentDesignsFile(),
              QDir::home().filePath(QStringLiteral(".local/state/Talmiro Inc/recent-designs")));
    qputenv("XDG_STATE_HOME", saved);
}

} // namespace
