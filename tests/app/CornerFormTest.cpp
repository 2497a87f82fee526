// The lower-left corner picture on the main window: the dialog, loading, the
// preview box, Delete Image and the corner choice.
#include "back/CardBack.h"
#include "support/FormFixture.h"
#include "support/WindowControls.h"

#include "back/PictureFile.h"
#include "support/PictureFiles.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QTemporaryDir>

namespace
{

const QColor Cream = fromTColor(TColors::Cream);
const QColor White = QColor(Qt::white);

class CornerForm : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        activate();
    }
    QString bmp(const QString& name, int w, int h)
    {
        const QString path = dir.filePath(name);
        writeFile(path, makeBmp(w, h, 24));
        return path;
    }
    LowerLeftCorner choice() const
    {
        return findControl<RadioGroup>(*form, "LowerLeftCornerRadioGroup")
            ->choice<LowerLeftCorner>();
    }
    QColor preview(int x, int y) const
    {
        return findControl<ImageBox>(*form, "PostCardBackImage")->canvas().pixelColor(x, y);
    }
    // "Open Image..." from the pop-up menu, answered with `file` (or Cancel).
    void openImage(const std::optional<QString>& file)
    {
        dialogs.openAnswers.push_back(file);
        findControl<QAction>(*form, "OpenImage1")->trigger();
    }

    QTemporaryDir dir;
};

TEST_F(CornerForm, StartsWithACreamSquareAndNoPicture)
{
    EXPECT_EQ(form->document().cornerImage().size(), QSize(300, 300));
    EXPECT_EQ(form->document().cornerImage().pixelColor(150, 150), Cream);
    EXPECT_TRUE(form->document().cornerFile().isEmpty());
    EXPECT_EQ(preview(0, 0), Cream);
    EXPECT_EQ(preview(115, 115), Cream);
    EXPECT_EQ(choice(), LowerLeftCorner::Image);
    // Activation applies the choice but asks for nothing while the About page is
    // up.
    EXPECT_TRUE(dialogs.openShown.empty());
}

TEST_F(CornerForm, ContinueAsksAtOnceAndCancelChoosesNone)
{
    pressContinue();
    ASSERT_EQ(dialogs.openShown.size(), 1u);
    const FileDialogSettings& shown = dialogs.openShown[0];
    EXPECT_EQ(shown.filter, readablePictureFilter()); // exactly what the reader reads
    EXPECT_EQ(shown.defaultExt, QStringLiteral(".bmp"));
    EXPECT_EQ(shown.initialDir, QStringLiteral("."));
    EXPECT_TRUE(shown.fileName.isEmpty());
    EXPECT_EQ(choice(), LowerLeftCorner::None);
    EXPECT_FALSE(findControl<ImageBox>(*form, "PostCardBackImage")->isEnabled());
    EXPECT_TRUE(form->document().cornerFile().isEmpty());
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(CornerForm, ChosenPictureIsFittedOnWhiteUntilTheFirstDelete)
{
    const QString wide = bmp(QStringLiteral("wide.bmp"), 300, 150);
    dialogs.openAnswers.push_back(wide);
    pressContinue();
    EXPECT_EQ(form->document().cornerFile(), wide);
    EXPECT_EQ(form->document().cornerImage().size(), QSize(300, 150));
    EXPECT_EQ(choice(), LowerLeftCorner::Image);
    // 116 x 58 at the top left; the rest of the box white.
    EXPECT_NE(preview(0, 0), White);
    EXPECT_NE(preview(115, 57), White);
    EXPECT_EQ(preview(0, 58), White);
    EXPECT_EQ(preview(115, 115), White);

    findControl<QAction>(*form, "DeleteImage")->trigger();
    EXPECT_TRUE(form->document().cornerFile().isEmpty());
    EXPECT_EQ(choice(), LowerLeftCorner::None);
    EXPECT_EQ(preview(0, 0), Cream);
    // The picture goes with its file: nothing of it is left to draw.
    EXPECT_FALSE(form->document().corner);

    // Choosing "Image" again asks at once; a tall picture now sits on cream.
    const QString tall = bmp(QStringLiteral("tall.bmp"), 150, 300);
    dialogs.openAnswers.push_back(tall);
    findControl<RadioGroup>(*form, "LowerLeftCornerRadioGroup")->setChoice(LowerLeftCorner::Image);
    EXPECT_EQ(form->document().cornerFile(), tall);
    EXPECT_NE(preview(57, 115), Cream);
    EXPECT_EQ(preview(58, 0), Cream);
}

TEST_F(CornerForm, DeletedPictureStaysOffWhenImageIsCancelled)
{
    dialogs.openAnswers.push_back(bmp(QStringLiteral("a.bmp"), 20, 20));
    pressContinue();
    findControl<QAction>(*form, "DeleteImage")->trigger();
    findControl<RadioGroup>(*form, "LowerLeftCornerRadioGroup")
        ->setChoice(LowerLeftCorner::Image); // dialog cancelled
    EXPECT_EQ(choice(), LowerLeftCorner::None);
    EXPECT_TRUE(form->document().cornerFile().isEmpty());
    EXPECT_EQ(dialogs.openShown.size(), 2u);
    EXPECT_TRUE(dialogs.openShown[1].fileName.isEmpty());
}

TEST_F(CornerForm, DialogReopensOnTheLastFile)
{
    const QString first = bmp(QStringLiteral("first.bmp"), 10, 10);
    dialogs.openAnswers.push_back(first);
    pressContinue();
    openImage(std::nullopt);
    ASSERT_EQ(dialogs.openShown.size(), 2u);
    EXPECT_EQ(dialogs.openShown[1].fileName, first);
    // Cancel through the menu keeps the picture but sets the choice to "None".
    EXPECT_EQ(form->document().cornerFile(), first);
    EXPECT_EQ(choice(), LowerLeftCorner::None);
}

TEST_F(CornerForm, FailedLoadLeavesEverythingAsItWas)
{
    const QString good = bmp(QStringLiteral("good.bmp"), 300, 150);
    dialogs.openAnswers.push_back(good);
    pressContinue();
    const QImage pictureBefore = form->document().cornerImage().copy();
    const QImage previewBefore = findControl<ImageBox>(*form, "PostCardBackImage")->canvas().copy();

    const QString cut = dir.filePath(QStringLiteral("cut.jpg"));
    const QByteArray jpeg = makeJpeg(blockPicture(64, 64), JpegKind::Colour);
    writeFile(cut, jpeg.left(jpeg.size() / 2));
    const QString huge = dir.filePath(QStringLiteral("huge.bmp"));
    writeFile(huge, bmpHeaderDeclaring(40000, 40000));
    const QString missing = dir.filePath(QStringLiteral("gone.bmp"));
    for (const QString& bad : {cut, huge, missing}) {
        SCOPED_TRACE(bad.toStdString());
        dialogs.errors.clear();
        openImage(bad);
        ASSERT_EQ(dialogs.errors.size(), 1);
        EXPECT_EQ(form->document().cornerFile(), good);
        EXPECT_EQ(form->document().cornerImage(), pictureBefore);
        EXPECT_EQ(findControl<ImageBox>(*form, "PostCardBackImage")->canvas(), previewBefore);
        EXPECT_EQ(choice(), LowerLeftCorner::Image);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(dialogs.errors[0], QStringLiteral("Cannot open file \"%1\". No such file or "
                                                "directory")
                                     .arg(missing));
}

TEST_F(CornerForm, FailedFirstLoadLeavesNoPictureChosen)
{
    const QString cut = dir.filePath(QStringLiteral("photo.jpg"));
    const QByteArray jpeg = makeJpeg(blockPicture(64, 64), JpegKind::Colour);
    writeFile(cut, jpeg.left(jpeg.size() / 2));
    dialogs.openAnswers.push_back(cut);
    pressContinue();
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("The file \"%1\" ends before its picture "
                                                         "does; it may have been cut short while "
                                                         "copying.")
                                              .arg(cut)});
    // The decoder's code is not in the sentence, but behind the box's details.
    ASSERT_EQ(dialogs.errorDetails.size(), 1);
    EXPECT_TRUE(dialogs.errorDetails[0].startsWith(QStringLiteral("JPEG error #")));
    EXPECT_TRUE(form->document().cornerFile().isEmpty());
    EXPECT_EQ(form->document().cornerImage().size(), QSize(300, 300));
    EXPECT_EQ(preview(60, 60), Cream);
}

} // namespace
