#include "RecentDesigns.h"

#include "gfx/AppError.h"
#include "gfx/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace
{

// Far more than four paths need; a larger file is not ours.
constexpr qint64 MaxListBytes = 64 * 1024;

void writeList(const QString& listFile, const QStringList& list)
{
    try {
        QDir().mkpath(QFileInfo(listFile).absolutePath());
        writeWholeFile(listFile, (list.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    } catch (const AppError&) {
        // See the header: the menu then offers the list of this run only.
    }
}

} // namespace

QString recentDesignsFile()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::home().filePath(QStringLiteral(".local/state"));
    return QDir(state).filePath(QStringLiteral("Talmiro Inc/recent-designs"));
}

QStringList readRecentDesigns(const QString& listFile)
{
    QFile file(listFile);
    if (!QFileInfo(listFile).isFile() || file.size() > MaxListBytes ||
        !file.open(QIODevice::ReadOnly))
        return {};
    QStringList list;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QString path = line.endsWith(QLatin1Char('\r')) ? line.chopped(1) : line;
        if (!path.isEmpty() && QDir::isAbsolutePath(path) && !list.contains(path))
            list << path;
        if (list.size() == RecentDesignCount)
            break;
    }
    return list;
}

QStringList rememberRecentDesign(const QString& listFile, const QString& design)
{
    const QString path = QFileInfo(design).absoluteFilePath();
    QStringList list = readRecentDesigns(listFile);
    list.removeAll(path);
    list.prepend(path);
    while (list.size() > RecentDesignCount)
        list.removeLast();
    writeList(listFile, list);
    return list;
}

QStringList forgetRecentDesign(const QString& listFile, const QString& design)
{
    QStringList list = readRecentDesigns(listFile);
    if (list.removeAll(QFileInfo(design).absoluteFilePath()) > 0)
        writeList(listFile, list);
    return list;
}
