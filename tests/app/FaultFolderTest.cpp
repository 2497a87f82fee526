// Folders that fail while the window runs: the work folder turned read-only or deleted, and a
// save into a folder that fills up or turns read-only. Each ends with a clear message, a window
// that still works and nothing of the user's lost.
#include "geometry/SheetLayout.h"
#include "support/FormFixture.h"
#include "support/PictureFiles.h"
#include "support/ScratchDisk.h"
#include "support/WindowChecks.h"
#include "support/WindowControls.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace
{

const QString Title = QStringLiteral("Greetings from the lighthouse");
constexpr int Copies = 2;

class FaultFolder : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        activate();
        pressContinue();
        findControl<QTextEdit>(*form, "TitleMemo")->setPlainText(Title);
        findControl<UpDown>(*form, "CopiesUpDown")->setPosition(Copies);
        form->DrawPostCardBack(form.get(), 1, 0, 0);
        dialogs.log.clear();
    }

    QString picture(int w, int h)
    {
        const QString file = dir.filePath(QStringLiteral("%1x%2.bmp").arg(w).arg(h));
        EXPECT_TRUE(blockPicture(w, h).save(file, "BMP"));
        return file;
    }
    // Prints backs, or fronts, in the layout; returns the number of documents it began.
    int print(Layout layout, bool fronts)
    {
        findControl<RadioGroup>(*form, "TypeOfDeckRadioGroup")->setChoice(layout);
        return printFromTab(fronts);
    }

    // The single error shown names the file and gives the reason.
    void expectOneError(const QString& file, const QString& reason)
    {
        ASSERT_EQ(dialogs.errors.size(), 1) << dialogs.log.join('\n').toStdString();
        EXPECT_TRUE(
            dialogs.errors[0].startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(file)) &&
            dialogs.errors[0].contains(reason))
            << dialogs.errors[0].toStdString();
        dialogs.errors.clear();
    }
    // The window takes the next command: no hourglass left, the print controls enabled, the
    // design as it was.
    void expectUsable()
    {
        expectReadyToPrint(*form);
        EXPECT_EQ(findControl<QTextEdit>(*form, "TitleMemo")->toPlainText(), Title);
        EXPECT_EQ(findControl<UpDown>(*form, "CopiesUpDown")->position(), Copies);
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(FaultFolder, WorkFolderTurnedReadOnlyStopsEachWriteWithItsReason)
{
    // The disk is mounted over the window's work folder while the window runs.
    ScratchDisk disk(form->state().WorkFolder, 64 * 1024);
    REQUIRE_MOUNTED(disk);
    const QString wide = picture(600, 400);
    const QString tall = picture(400, 600);
    openFrontPicture(wide);
    const QImage front = form->state().FrontSheetImage;

    struct Case {
        Layout layout;
        bool fronts;
        QString file; // the first file the print writes
    };
    for (const Case& c : {Case{Layout::LandscapeLandscape, false, QStringLiteral("~~page.bmp")},
                          Case{Layout::PortraitPortrait, false, QStringLiteral("~~a.bmp")},
                          Case{Layout::FourOnSheet, true, QStringLiteral("~~page.bmp")}}) {
        SCOPED_TRACE(c.file.toStdString() + " in layout " + std::to_string(int(c.layout)));
        disk.setReadOnly(false);
        EXPECT_EQ(print(c.layout, c.fronts), 1);
        EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
        disk.setReadOnly(true);
        EXPECT_EQ(print(c.layout, c.fronts), 0) << "a document began without its page file";
        expectOneError(workFile(c.file), QStringLiteral("is not writable"));
        expectUsable();
    }

    // A tall front picture: its turned copy cannot be written, and the front stays as it was.
    openFrontPicture(tall);
    expectOneError(workFile(QStringLiteral("~~a.bmp")), QStringLiteral("is not writable"));
    EXPECT_EQ(form->document().frontFile(), wide);
    EXPECT_FALSE(form->document().frontTurned());
    EXPECT_EQ(form->state().FrontSheetImage.size(), QSize(1100, 850)); // still the 4-on-sheet front
    expectUsable();

    disk.setReadOnly(false);
    openFrontPicture(tall);
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_TRUE(form->document().frontTurned());
}

TEST_F(FaultFolder, WorkFolderDeletedWhileRunningIsMadeAgain)
{
    openFrontPicture(picture(400, 600));
    ASSERT_TRUE(form->document().frontTurned());
    for (const bool fronts : {false, true}) {
        ASSERT_TRUE(QDir(form->state().WorkFolder).removeRecursively());
        ASSERT_FALSE(QFileInfo::exists(form->state().WorkFolder));
        EXPECT_EQ(print(Layout::PortraitPortrait, fronts), 1);
        EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
        EXPECT_TRUE(QFile::exists(workFile(QStringLiteral("~~page.bmp"))));
        expectUsable();
    }
}

TEST_F(FaultFolder, SaveThatCannotFinishKeepsTheFileOfThatName)
{
    ScratchDisk disk(dir.filePath(QStringLiteral("disk")), 4096);
    REQUIRE_MOUNTED(disk);
    const QImage back = form->state().BackSheetImage;
    const QString name = disk.file(QStringLiteral("card.bmp"));
    const QByteArray previous(200 * 1024, 'p'); // last week's card
    writeFile(name, previous);

    // The disk fills up during the write: only a few kilobytes are left for either picture.
    writeFile(disk.file(QStringLiteral("filler")), QByteArray((4096 - 200 - 8) * 1024, 'f'));
    for (QAction* command : {findControl<QAction>(*form, "SaveImageAsItem"),
                             findControl<QAction>(*form, "SaveAsJpgItem")}) {
        dialogs.saveAnswers = {name};
        command->trigger();
        expectOneError(name, QStringLiteral("No space left on device"));
        EXPECT_EQ(readFile(name), previous);
        EXPECT_EQ(disk.entries(),
                  (QStringList{QStringLiteral("card.bmp"), QStringLiteral("filler")}))
            << "a half-written file was left behind";
        expectUsable();
    }

    // The folder turns read-only.
    QFile::remove(disk.file(QStringLiteral("filler")));
    disk.setReadOnly(true);
    for (QAction* command : {findControl<QAction>(*form, "SaveImageAsItem"),
                             findControl<QAction>(*form, "SaveAsJpgItem")}) {
        dialogs.saveAnswers = {name};
        command->trigger();
        expectOneError(name, QStringLiteral("is not writable"));
        EXPECT_EQ(readFile(name), previous);
        expectUsable();
    }

    // Once the disk can be written again, the same save goes through.
    disk.setReadOnly(false);
    dialogs.saveAnswers = {name};
    findControl<QAction>(*form, "SaveImageAsItem")->trigger();
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    EXPECT_EQ(QImage(name, "BMP").convertToFormat(back.format()), back);
}

TEST_F(FaultFolder, SaveWhoseLastStepFailsKeepsTheFileAndLeavesNoPartBehind)
{
    // A file mounted over the name: every byte goes into the temporary file beside it, but
    // putting that in place of the old file, the save's last step, fails ("busy").
    const QString name = dir.filePath(QStringLiteral("card.bmp"));
    const QString mounted = dir.filePath(QStringLiteral("last week.bmp"));
    const QByteArray previous("last week's card");
    writeFile(name, previous);
    writeFile(mounted, previous);
    if (mount(mounted.toLocal8Bit().constData(), name.toLocal8Bit().constData(), nullptr, MS_BIND,
              nullptr) != 0)
        GTEST_SKIP() << "cannot mount over a file (needs root): " << std::strerror(errno);
    for (QAction* command : {findControl<QAction>(*form, "SaveImageAsItem"),
                             findControl<QAction>(*form, "SaveAsJpgItem")}) {
        dialogs.saveAnswers = {name};
        command->trigger();
        expectOneError(name, QStringLiteral("busy"));
        EXPECT_EQ(readFile(name), previous);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  (QStringList{QStringLiteral("card.bmp"), QStringLiteral("last week.bmp")}))
            << "a half-written file was left behind";
        expectUsable();
    }
    umount2(name.toLocal8Bit().constData(), MNT_DETACH);
}
