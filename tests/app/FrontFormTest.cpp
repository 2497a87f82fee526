// The card front page of the main window: opening, turning, picking and the delayed refresh.
#include "support/FormFixture.h"
#include "support/ScratchDisk.h"
#include "support/WindowControls.h"

#include "front/FrontComposer.h"
#include "support/ImageChecks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace
{

const QRgb Red = qRgb(255, 0, 0);
const QRgb White = qRgb(255, 255, 255);

class FrontForm : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        activate();
    }

    // A BMP picture of w x h pixels: red, with a blue top-right corner pixel.
    QString picture(int w, int h, const QString& name = QString())
    {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(Red);
        image.setPixel(w - 1, 0, qRgb(0, 0, 255));
        const QString file =
            dir.filePath(name.isEmpty() ? QStringLiteral("%1x%2.bmp").arg(w).arg(h) : name);
        EXPECT_TRUE(image.save(file, "BMP"));
        return file;
    }

    QImage preview() const { return findControl<ImageBox>(*form, "FrontImage")->canvas(); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(FrontForm, LayoutBeforeAnyPictureOnlyResizesTheGroupBox)
{
    findControl<RadioGroup>(*form, "TypeOfDeckRadioGroup")->setChoice(Layout::LandscapeLandscape);
    EXPECT_EQ(findControl<QGroupBox>(*form, "FrontGroupBox")->size(), QSize(304, 217));
    const QImage before = preview();
    findControl<RadioGroup>(*form, "TypeOfDeckRadioGroup")->setChoice(Layout::FourOnSheet);
    EXPECT_EQ(findControl<QGroupBox>(*form, "FrontGroupBox")->size(), QSize(279, 229));
    EXPECT_EQ(findControl<ImageBox>(*form, "FrontImage")->size(), QSize(275, 212));
    EXPECT_EQ(preview(), before);
    EXPECT_TRUE(form->state().FrontSheetImage.isNull());
    EXPECT_TRUE(dialogs.log.isEmpty());
    findControl<RadioGroup>(*form, "TypeOfDeckRadioGroup")->setChoice(Layout::LandscapeLandscape);
    EXPECT_EQ(findControl<QGroupBox>(*form, "FrontGroupBox")->size(), QSize(304, 217));
}

TEST_F(FrontForm, ClickOnTheEmptyPreviewOpensTheDialogAndComposes)
{
    dialogs.openAnswers.push_back(picture(1600, 1200));
    QTest::mouseClick(findControl<ImageBox>(*form, "FrontImage"), Qt::LeftButton, {},
                      QPoint(10, 10));
    ASSERT_EQ(dialogs.openShown.size(), 1u);
    EXPECT_EQ(dialogs.openShown[0].title, QStringLiteral("Open an image for Front of PostCard"));
    EXPECT_FALSE(form->document().frontTurned());
    ASSERT_EQ(form->state().FrontSheetImage.size(), QSize(1200, 800));
    EXPECT_EQ(form->state().FrontSheetImage.pixel(66, 400), White);
    EXPECT_EQ(form->state().FrontSheetImage.pixel(67, 400), Red);
    EXPECT_EQ(preview().pixel(150, 100), Red);
    EXPECT_EQ(preview().pixel(5, 100), White);

    // With a picture chosen a click on the preview opens nothing.
    QTest::mouseClick(findControl<ImageBox>(*form, "FrontImage"), Qt::LeftButton, {},
                      QPoint(10, 10));
    EXPECT_EQ(dialogs.openShown.size(), 1u);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(FrontForm, TallPictureIsTurnedWrittenAndLetteredUpFromTheLowerLeft)
{
    findControl<QTextEdit>(*form, "FrontMemo")->setPlainText(QStringLiteral("Hi"));
    openFrontPicture(picture(800, 1200));
    EXPECT_TRUE(form->document().frontTurned());
    ASSERT_EQ(form->document().frontImage().size(), QSize(1200, 800));
    // Its top edge now on the left.
    EXPECT_EQ(form->document().frontImage().pixel(0, 0), qRgb(0, 0, 255));
    const QImage written(workFile(QStringLiteral("~~a.bmp")), "BMP");
    EXPECT_EQ(written.size(), QSize(1200, 800));
    EXPECT_EQ(written.pixel(0, 0), qRgb(0, 0, 255));
    ASSERT_EQ(form->state().FrontSheetImage.size(), QSize(1200, 800));

    // With no place picked the text stands upward from near the lower left (20, 780): ink right
    // of x = 20, below the middle of the card and above y = 780.
    const auto darkInk = [this] {
        QRect ink;
        for (int y = 0; y < 800; ++y)
            for (int x = 0; x < 1200; ++x)
                if (QColor(form->state().FrontSheetImage.pixel(x, y)).value() < 60)
                    ink |= QRect(x, y, 1, 1);
        return ink;
    };
    QRect ink = darkInk();
    ASSERT_FALSE(ink.isNull());
    EXPECT_GT(ink.height(), ink.width());
    EXPECT_GE(ink.left(), 20);
    EXPECT_LE(ink.bottom(), 780);
    EXPECT_GT(ink.top(), 400);

    // A place picked is kept, for turned pictures too.
    findControl<RadioGroup>(*form, "FrontTextAtRadioGroup")->setChoice(FrontTextPicker::Position);
    QTest::mouseClick(findControl<ImageBox>(*form, "FrontImage"), Qt::LeftButton, {},
                      QPoint(100, 150));
    ink = darkInk();
    EXPECT_GE(ink.left(), 400);
    EXPECT_LE(ink.bottom(), 600);
    EXPECT_LT(ink.top(), 600 - ink.width());

    // A square picture is not turned.
    openFrontPicture(picture(1000, 1000));
    EXPECT_FALSE(form->document().frontTurned());
    EXPECT_EQ(form->document().frontImage().size(), QSize(1000, 1000));
}

TEST_F(FrontForm, PortraitFrontReadsUprightAndUnmirroredOnceTheCardIsTurned)
{
    // A portrait photo of four coloured quarters, as a person would see it.
    const QRgb quarter[2][2] = {{Red, qRgb(0, 0, 255)}, {qRgb(0, 160, 0), qRgb(255, 255, 0)}};
    QImage photo(600, 900, QImage::Format_RGB32);
    for (int y = 0; y < 900; ++y)
        for (int x = 0; x < 600; ++x)
            photo.setPixel(x, y, quarter[y / 450][x / 300]);
    const QString file = dir.filePath(QStringLiteral("portrait.bmp"));
    ASSERT_TRUE(photo.save(file, "BMP"));
    openFrontPicture(file);
    ASSERT_TRUE(form->document().frontTurned());

    // The printed card turned a quarter turn clockwise, as the reader holds it for the upward
    // text: 800 x 1200, the photo filling it (2:3 like the card) in its own arrangement.
    const QImage held = form->state().FrontSheetImage.transformed(QTransform().rotate(90));
    ASSERT_EQ(held.size(), QSize(800, 1200));
    for (int qy = 0; qy < 2; ++qy)
        for (int qx = 0; qx < 2; ++qx)
            EXPECT_EQ(held.pixel(200 + 400 * qx, 300 + 600 * qy), quarter[qy][qx])
                << "quarter " << qx << ", " << qy;
}

TEST_F(FrontForm, FailedOpenLeavesTheFrontAsItWas)
{
    const QString good = picture(1600, 1200);
    openFrontPicture(good);
    const QImage sheet = form->state().FrontSheetImage;
    const QImage shown = preview();

    QFile broken(dir.filePath(QStringLiteral("broken.bmp")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("BM not really a bitmap");
    broken.close();
    openFrontPicture(broken.fileName());
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(
        dialogs.errors[0],
        QStringLiteral("The picture \"%1\" is damaged and cannot be read.").arg(broken.fileName()));
    EXPECT_EQ(form->document().frontFile(), good);
    EXPECT_EQ(form->document().frontImage().size(), QSize(1600, 1200));
    EXPECT_EQ(form->state().FrontSheetImage, sheet);

    // Later refreshes still compose the former picture.
    findControl<RadioGroup>(*form, "TypeOfDeckRadioGroup")->setChoice(Layout::FourOnSheet);
    EXPECT_EQ(form->state().FrontSheetImage.size(), QSize(1100, 850));
    EXPECT_EQ(dialogs.errors.size(), 1);
}

TEST_F(FrontForm, FailedFirstOpenKeepsThePreviewEmpty)
{
    openFrontPicture(dir.filePath(QStringLiteral("missing.bmp")));
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(form->document().frontFile().isEmpty());
    form->FrontImageRefresh(form.get()); // nothing to fit: no division, no picture
    EXPECT_TRUE(form->state().FrontSheetImage.isNull());
    // The next click on the preview offers the dialog again.
    QTest::mouseClick(findControl<ImageBox>(*form, "FrontImage"), Qt::LeftButton, {},
                      QPoint(10, 10));
    EXPECT_EQ(dialogs.openShown.size(), 2u);
}

TEST_F(FrontForm, UnwritableTurnedCopyReportsAndNeverShowsTheTurnedPictureFlat)
{
    const QString wide = picture(1600, 1200);
    openFrontPicture(wide);
    const QImage sheet = form->state().FrontSheetImage;

    const BlockedFolder blocked(form->state().WorkFolder);
    openFrontPicture(picture(800, 1200));
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith(
        QStringLiteral("Cannot create file \"%1\". ").arg(workFile(QStringLiteral("~~a.bmp")))))
        << dialogs.errors[0].toStdString();
    EXPECT_EQ(form->document().frontFile(), wide);
    EXPECT_FALSE(form->document().frontTurned());
    EXPECT_EQ(form->document().frontImage().size(), QSize(1600, 1200));
    EXPECT_EQ(form->state().FrontSheetImage, sheet);
    form->FrontImageRefresh(form.get());
    EXPECT_EQ(form->state().FrontSheetImage, sheet);
}

TEST_F(FrontForm, CancelledDialogsChangeNothing)
{
    QTest::mouseClick(findControl<ImageBox>(*form, "FrontImage"), Qt::LeftButton, {},
                      QPoint(10, 10));
    EXPECT_EQ(dialogs.openShown.size(), 1u);
    EXPECT_TRUE(form->document().frontFile().isEmpty());
    openFrontPicture(picture(1600, 1200));
    const QImage sheet = form->state().FrontSheetImage;
    const QFont font = form->document().FrontFont;
    findControl<QPushButton>(*form, "SelectFontButton")->click();
    findControl<QPushButton>(*form, "FrontSelectColorButton")->click();
    EXPECT_EQ(form->document().FrontFont, font);
    EXPECT_EQ(form->document().FrontTextColour, TColors::Black);
    EXPECT_EQ(form->state().FrontSheetImage.cacheKey(), sheet.cacheKey()); // no refresh ran
}

TEST_F(FrontForm, ChosenFontAndColourRecomposeTheFront)
{
    findControl<QTextEdit>(*form, "FrontMemo")->setPlainText(QStringLiteral("Greetings"));
    openFrontPicture(picture(1600, 1200));
    ASSERT_EQ(dialogs.errors.size(), 0);
    QFont small(QStringLiteral("Arial"));
    small.setPointSize(10);
    dialogs.fontAnswers.push_back(small);
    findControl<QPushButton>(*form, "SelectFontButton")->click();
    ASSERT_EQ(dialogs.fontShown.size(), 1u);
    EXPECT_EQ(dialogs.fontShown[0].pixelSize(), 64);
    EXPECT_FALSE(dialogs.fontScalableOnly[0]);
    EXPECT_EQ(form->document().FrontFont, small);

    dialogs.colorAnswers.push_back(QColor(0, 255, 0));
    findControl<QPushButton>(*form, "FrontSelectColorButton")->click();
    EXPECT_EQ(dialogs.colorShown[0], QColor(0, 0, 0));
    EXPECT_EQ(form->document().FrontTextColour, 0x0000FF00u);
    int green = 0;
    for (int y = 400; y < 440; ++y)
        for (int x = 67; x < 400; ++x)
            green += form->state().FrontSheetImage.pixel(x, y) == qRgb(0, 255, 0);
    EXPECT_GT(green, 20);
}

TEST_F(FrontForm, PickerModes)
{
    openFrontPicture(picture(1600, 1200));
    // Mode 0: a click changes nothing.
    QTest::mouseClick(findControl<ImageBox>(*form, "FrontImage"), Qt::LeftButton, {},
                      QPoint(50, 100));
    EXPECT_EQ(form->document().FrontTextX, 20);
    EXPECT_EQ(form->document().FrontTextY, 400);

    findControl<RadioGroup>(*form, "FrontTextAtRadioGroup")->setChoice(FrontTextPicker::Position);
    QTest::mouseClick(findControl<ImageBox>(*form, "FrontImage"), Qt::LeftButton, {},
                      QPoint(50, 100));
    EXPECT_EQ(form->document().FrontTextX, 200);
    EXPECT_EQ(form->document().FrontTextY, 400);
    QTest::mouseClick(findControl<ImageBox>(*form, "FrontImage"), Qt::MiddleButton, {},
                      QPoint(60, 10));
    EXPECT_EQ(form->document().FrontTextX, 240);
    EXPECT_EQ(form->document().FrontTextY, 40);

    // Mode 2 takes the colour the preview shows and opens the colour dialog with it.
    findControl<RadioGroup>(*form, "FrontTextAtRadioGroup")->setChoice(FrontTextPicker::Colour);
    QTest::mouseClick(findControl<ImageBox>(*form, "FrontImage"), Qt::LeftButton, {},
                      QPoint(150, 100));
    EXPECT_EQ(form->document().FrontTextColour, 0x000000FFu); // red
    findControl<QPushButton>(*form, "FrontSelectColorButton")->click();
    ASSERT_EQ(dialogs.colorShown.size(), 1u);
    EXPECT_EQ(dialogs.colorShown[0], QColor(255, 0, 0));
    QTest::mouseClick(findControl<ImageBox>(*form, "FrontImage"), Qt::LeftButton, {},
                      QPoint(5, 100));
    EXPECT_EQ(form->document().FrontTextColour, TColors::White);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(FrontForm, QuickSpinnerClicksGiveOneRefreshAfterThePause)
{
    openFrontPicture(picture(1600, 1200));
    const QTimer& timer = form->state().FrontImageTimer;
    QSignalSpy fired(&timer, &QTimer::timeout);
    const std::function<void()> clicks[] = {
        [&] { findControl<UpDown>(*form, "ImageSizeUpDown")->click(true); },
        [&] { findControl<UpDown>(*form, "ImageSizeUpDown")->click(true); },
        [&] { findControl<UpDown>(*form, "ImageSizeUpDown")->click(true); },
        [&] { findControl<UpDown>(*form, "ImageHOffsetUpDown")->click(false); },
        [&] { findControl<UpDown>(*form, "ImageVOffsetUpDown")->click(false); },
    };
    // Each click starts the pause again: once part of it has passed, the next click gives the
    // whole of it back. Only upper bounds on waiting: a slow machine makes this slower, not red.
    for (std::size_t i = 0; i < std::size(clicks); ++i) {
        if (i > 0) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return timer.remainingTime() <= 300; }, 5000));
        }
        const qsizetype refreshes = fired.count();
        const qint64 shown = form->state().FrontSheetImage.cacheKey();
        clicks[i]();
        EXPECT_TRUE(timer.isActive());
        EXPECT_GT(timer.remainingTime(), 300);
        EXPECT_EQ(fired.count(), refreshes);
        // Nothing until the pause is over.
        EXPECT_EQ(form->state().FrontSheetImage.cacheKey(), shown);
    }
    EXPECT_TRUE(timer.isSingleShot());
    EXPECT_EQ(timer.interval(), 500);
    const qsizetype refreshes = fired.count();
    ASSERT_TRUE(fired.wait(5000));
    EXPECT_EQ(fired.count(), refreshes + 1);
    EXPECT_FALSE(timer.isActive()); // so no second refresh follows
    // Size 103 at offsets 49: 1097 x 824 from (51 - 12, -12 - 8).
    EXPECT_EQ(form->state().FrontSheetImage.pixel(38, 400), White);
    EXPECT_EQ(form->state().FrontSheetImage.pixel(39, 400), Red);
}

TEST_F(FrontForm, FourOnSheetComposesInsideThePrinterFrame)
{
    // The recording printer's margins are 150 pixels at 600 dpi: a 50-pixel frame.
    openFrontPicture(picture(1600, 1200));
    findControl<RadioGroup>(*form, "TypeOfDeckRadioGroup")->setChoice(Layout::FourOnSheet);
    const QImage& sheet = form->state().FrontSheetImage;
    ASSERT_EQ(sheet.size(), QSize(1100, 850));
    EXPECT_EQ(sheet.pixel(49, 400), White);
    EXPECT_EQ(sheet.pixel(50, 400), Red);
    EXPECT_EQ(sheet.pixel(1049, 799), Red);
    EXPECT_EQ(sheet.pixel(1050, 799), White);
    EXPECT_EQ(preview().pixel(274, 211), White);
}

TEST_F(FrontForm, ChoosingTheFrontPageRefreshes)
{
    pressContinue();
    openFrontPicture(picture(1600, 1200));
    findControl<QTextEdit>(*form, "FrontMemo")->setPlainText(QStringLiteral("Typed later"));
    const qint64 before = form->state().FrontSheetImage.cacheKey();
    userSelects(findControl<QTabWidget>(*form, "PageControl1"),
                findControl<QWidget>(*form, "FrontTabSheet"));
    EXPECT_NE(form->state().FrontSheetImage.cacheKey(), before);
}

TEST_F(FrontForm, DeleteRemovesTheFrontPictureAsBeforeTheFirstOne)
{
    findControl<QTextEdit>(*form, "FrontMemo")->setPlainText(QStringLiteral("Kept"));
    findControl<UpDown>(*form, "ImageSizeUpDown")->setPosition(120);
    openFrontPicture(picture(800, 1200));
    ASSERT_FALSE(form->state().FrontSheetImage.isNull());
    findControl<QAction>(*form, "DeletePopup")->trigger();
    EXPECT_TRUE(form->document().frontFile().isEmpty());
    EXPECT_TRUE(form->document().frontImage().isNull());
    EXPECT_FALSE(form->document().frontTurned());
    EXPECT_TRUE(form->state().FrontSheetImage.isNull());
    EXPECT_TRUE(inkIn(preview()).isNull());
    EXPECT_EQ(findControl<QTextEdit>(*form, "FrontMemo")->toPlainText(), QStringLiteral("Kept"));
    EXPECT_EQ(findControl<UpDown>(*form, "ImageSizeUpDown")->position(), 120);

    // A refresh composes nothing, printing fronts says there is no picture, and a click on the
    // preview offers the dialog again.
    userSelects(findControl<QTabWidget>(*form, "PageControl1"),
                findControl<QWidget>(*form, "FrontTabSheet"));
    EXPECT_TRUE(form->state().FrontSheetImage.isNull());
    EXPECT_EQ(printFromTab(true), 0);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith(QStringLiteral("There is no picture")));
    QTest::mouseClick(findControl<ImageBox>(*form, "FrontImage"), Qt::LeftButton, {},
                      QPoint(10, 10));
    EXPECT_EQ(dialogs.openShown.size(), 2u);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(FrontForm, EveryStyleOfTheFontDialogIsDrawn)
{
    // The dialog's font for a style beyond bold and italic carries the style's name; the front
    // is drawn in that face: narrower for Condensed, with thinner strokes for ExtraLight.
    struct Ink {
        int width;
        int dark;
    };
    const auto inkOf = [this](const QString& style) {
        dialogs.fontAnswers.push_back(
            QFontDatabase::font(QStringLiteral("DejaVu Sans"), style, 30));
        findControl<QPushButton>(*form, "SelectFontButton")->click();
        const QImage& sheet = form->state().FrontSheetImage;
        int dark = 0;
        for (int y = 0; y < sheet.height(); ++y)
            for (int x = 0; x < sheet.width(); ++x)
                dark += qGray(sheet.pixel(x, y)) < 128;
        return Ink{inkIn(sheet).width(), dark};
    };
    findControl<QTextEdit>(*form, "FrontMemo")->setPlainText(QStringLiteral("WWWWWWWW"));
    QImage white(1600, 1200, QImage::Format_RGB32);
    white.fill(White); // ink of the text only
    openFrontPicture(savedPicture(white, dir.filePath(QStringLiteral("white.png"))));
    const Ink book = inkOf(QStringLiteral("Book"));
    const Ink condensed = inkOf(QStringLiteral("Condensed"));
    EXPECT_EQ(QFontInfo(frontSheetFont(form->document().FrontFont)).styleName(),
              QStringLiteral("Condensed"));
    EXPECT_LT(condensed.width, book.width * 95 / 100);
    const Ink light = inkOf(QStringLiteral("ExtraLight"));
    EXPECT_EQ(QFontInfo(frontSheetFont(form->document().FrontFont)).styleName(),
              QStringLiteral("ExtraLight"));
    EXPECT_LT(light.dark, book.dark * 3 / 4);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(FrontForm, WorkFilesGoWithTheWindowAndThoseOfAKilledRunAtStartUp)
{
    openFrontPicture(picture(800, 1200));
    const QString turned = workFile(QStringLiteral("~~a.bmp"));
    ASSERT_TRUE(QFile::exists(turned));
    form.reset();
    EXPECT_FALSE(QFile::exists(turned));

    QFile left(turned);
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    left.write("left by a run that was killed");
    left.close();
    form = std::make_unique<TForm1>(dialogs, printer);
    EXPECT_FALSE(QFile::exists(turned));
}
