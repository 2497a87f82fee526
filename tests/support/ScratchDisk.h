#pragma once
// A disk that fills up or turns read-only, and a folder that cannot be written, for the tests of
// writes that fail.
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

// A small tmpfs of our own. Permissions do not bind root, who runs the tests: a read-only mount
// is a folder root cannot write, and a small one is a disk that fills up, without touching the
// machine's own file systems. Mounting needs root; the tests skip without it.
class ScratchDisk
{
public:
    ScratchDisk(const QString& mountPoint, int kib) : path_(mountPoint)
    {
        QDir().mkpath(path_);
        const QByteArray options = "size=" + QByteArray::number(kib) + "k,mode=0755";
        mounted_ = mount("tmpfs", path_.toLocal8Bit().constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                         options.constData()) == 0;
        if (!mounted_)
            why_ = QStringLiteral("cannot mount a tmpfs (needs root): %1")
                       .arg(QString::fromLocal8Bit(std::strerror(errno)));
    }
    ~ScratchDisk()
    {
        if (mounted_)
            umount2(path_.toLocal8Bit().constData(), MNT_DETACH);
    }
    ScratchDisk(const ScratchDisk&) = delete;
    ScratchDisk& operator=(const ScratchDisk&) = delete;

    bool mounted() const { return mounted_; }
    QString why() const { return why_; }
    QString file(const QString& name) const { return QDir(path_).filePath(name); }
    void setReadOnly(bool readOnly)
    {
        const unsigned long flags =
            MS_REMOUNT | MS_NOSUID | MS_NODEV | (readOnly ? unsigned(MS_RDONLY) : 0U);
        ASSERT_EQ(mount(nullptr, path_.toLocal8Bit().constData(), nullptr, flags, nullptr), 0)
            << std::strerror(errno);
    }
    QStringList entries() const { return QDir(path_).entryList(QDir::Files | QDir::Hidden); }

private:
    QString path_;
    bool mounted_ = false;
    QString why_;
};

// A folder taken away and a plain file put in its place: nothing can be written there, whoever
// runs the test. The folder comes back, empty, when this goes.
class BlockedFolder
{
public:
    explicit BlockedFolder(const QString& folder) : folder_(folder)
    {
        QDir(folder_).removeRecursively();
        QFile plain(folder_);
        EXPECT_TRUE(plain.open(QIODevice::WriteOnly)) << folder_.toStdString();
    }
    ~BlockedFolder()
    {
        QFile::remove(folder_);
        QDir().mkpath(folder_);
    }
    BlockedFolder(const BlockedFolder&) = delete;
    BlockedFolder& operator=(const BlockedFolder&) = delete;

private:
    QString folder_;
};

#define REQUIRE_MOUNTED(disk)                                                                      \
    if (!(disk).mounted())                                                                         \
    GTEST_SKIP() << (disk).why().toStdString()
