// Folders that fail while the window runs: the work folder turned read-only or deleted, and a
// save into a folder that fills up or turns read-only. Each ends with a clear message, a window
// that still works and nothing of the user's lost.
#include "support/FormFixture.h"
#include "support/PictureFiles.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace
{

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

#define REQUIRE_MOUNTED(disk)                                                                      \
    if (!(disk).mounted())                                                                         \
    GTEST_SKIP() << (disk).why().toStdString()

const QString Title = QStringLiteral("Greetings from the lighthouse");

class FaultFolder : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        activate();
        pressContinue();
        form->ui.TitleMemo->setPlainText(Title);
        form->DrawPostCardBack(form.get(), 1, 0, 0);
        back = form->BackSheetImage;
        dialogs.log.clear();
    }

    // The single error shown starts as `start` and gives `reason`.
    void expectOneError(const QString& start, const QString& reason)
    {
        ASSERT_EQ(dialogs.errors.size(), 1) << dialogs.log.join('\n').toStdString();
        EXPECT_TRUE(dialogs.errors[0].startsWith(start) && dialogs.errors[0].contains(reason))
            << dialogs.errors[0].toStdString();
        dialogs.errors.clear();
    }
    // The window takes the next command: no hourglass left, the design as it was.
    void expectUsable()
    {
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(form->ui.TitleMemo->toPlainText(), Title);
        EXPECT_EQ(form->BackSheetImage, back);
    }

    QTemporaryDir dir;
    QImage back;
};

} // namespace

TEST_F(FaultFolder, TallFrontPictureWithTheWorkFolderReadOnly)
{
    ScratchDisk disk(dir.filePath(QStringLiteral("disk")), 1024);
    REQUIRE_MOUNTED(disk);
    form->WorkFolder = disk.file(QStringLiteral("Talmiro Inc"));
    ASSERT_TRUE(QDir().mkpath(form->WorkFolder));
    const QString wide = dir.filePath(QStringLiteral("wide.bmp"));
    const QString tall = dir.filePath(QStringLiteral("tall.bmp"));
    ASSERT_TRUE(blockPicture(600, 400).save(wide, "BMP"));
    ASSERT_TRUE(blockPicture(400, 600).save(tall, "BMP"));
    dialogs.openAnswers = {wide};
    form->ui.OpenPopup->trigger();
    const QImage front = form->FrontSheetImage;

    disk.setReadOnly(true);
    dialogs.openAnswers = {tall};
    form->ui.OpenPopup->trigger();
    const QString turned = QDir(form->WorkFolder).filePath(QStringLiteral("~~a.bmp"));
    expectOneError(QStringLiteral("Cannot create file \"%1\". ").arg(turned),
                   QStringLiteral("Read-only file system"));
    EXPECT_EQ(form->FrontPictureFile, wide);
    EXPECT_EQ(form->FrontSheetImage, front);
    expectUsable();

    disk.setReadOnly(false);
    dialogs.openAnswers = {tall};
    form->ui.OpenPopup->trigger();
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_TRUE(form->FrontPictureTurned);
}

TEST_F(FaultFolder, SaveThatCannotFinishKeepsTheFileOfThatName)
{
    ScratchDisk disk(dir.filePath(QStringLiteral("disk")), 4096);
    REQUIRE_MOUNTED(disk);
    const QString name = disk.file(QStringLiteral("card.bmp"));
    const QByteArray previous(200 * 1024, 'p'); // last week's card
    writeFile(name, previous);

    // The disk fills up during the write: only a few kilobytes are left for either picture.
    writeFile(disk.file(QStringLiteral("filler")), QByteArray((4096 - 200 - 8) * 1024, 'f'));
    for (QAction* command : {form->ui.SaveImageAsItem, form->ui.SaveAsJpgItem}) {
        dialogs.saveAnswers = {name};
        command->trigger();
        expectOneError(QStringLiteral("Cannot create file \"%1\". ").arg(name),
                       QStringLiteral("No space left on device"));
        EXPECT_EQ(readFile(name), previous);
        EXPECT_EQ(disk.entries(),
                  (QStringList{QStringLiteral("card.bmp"), QStringLiteral("filler")}))
            << "a half-written file was left behind";
        expectUsable();
    }

    // The folder turns read-only.
    QFile::remove(disk.file(QStringLiteral("filler")));
    disk.setReadOnly(true);
    for (QAction* command : {form->ui.SaveImageAsItem, form->ui.SaveAsJpgItem}) {
        dialogs.saveAnswers = {name};
        command->trigger();
        expectOneError(QStringLiteral("Cannot create file \"%1\". ").arg(name),
                       QStringLiteral("is not writable"));
        EXPECT_EQ(readFile(name), previous);
        expectUsable();
    }

    // Once the disk can be written again, the same save goes through.
    disk.setReadOnly(false);
    dialogs.saveAnswers = {name};
    form->ui.SaveImageAsItem->trigger();
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    EXPECT_EQ(QImage(name, "BMP").convertToFormat(back.format()), back);
}
