// The card back on the main window: what DrawPostCardBack reads from the controls and where it
// shows the result, and the About sample drawn at the first activation.
#include "back/AboutSample.h"
#include "back/CardBack.h"
#include "support/FormFixture.h"
#include "support/ImageChecks.h"
#include "support/WindowControls.h"

#include <QApplication>

namespace
{

const QRgb White = 0xFFFFFFFF;
const QRgb Cyan = 0xFF00FFFF;
const QRgb Grey = 0xFF808080;

class BackForm : public FormFixture
{
protected:
    const QImage& sheet() const { return form->state().BackSheetImage; }
    const QImage& preview() const { return findControl<ImageBox>(*form, "Image2")->canvas(); }
    const QImage& about() const
    {
        return findControl<ImageBox>(*form, "AboutSampleImage")->canvas();
    }
    void showBack()
    {
        userSelects(findControl<QTabWidget>(*form, "PageControl1"),
                    findControl<QWidget>(*form, "StandardTabSheet"));
    }
    QImage expectedPreview() const
    {
        QImage canvas(600, 400, QImage::Format_RGB32);
        drawBackPreview(canvas, sheet());
        return canvas;
    }
};

} // namespace

TEST_F(BackForm, FirstActivationRendersTheDefaultCardWithTheSamplePicture)
{
    activate();
    ASSERT_EQ(sheet().size(), QSize(1200, 800));
    EXPECT_FALSE(QApplication::overrideCursor());

    // The built-in sample picture, 300 x 250, in the corner at (25, 525).
    const QImage& sample = findControl<ImageBox>(*form, "Image1")->canvas();
    ASSERT_EQ(sample.size(), QSize(300, 250));
    for (int y = 0; y < 250; y += 7)
        for (int x = 0; x < 300; x += 7)
            ASSERT_EQ(sheet().pixel(25 + x, 525 + y), sample.pixel(x, y)) << x << "," << y;

    // The default options: perforated tile, ruled address lines, the bar-code strip.
    EXPECT_NE(sheet().pixel(1030, 47), White);
    EXPECT_TRUE(sheet().pixel(700, 375) == Grey || sheet().pixel(700, 374) == Grey);
    EXPECT_TRUE(sheet().pixel(800, 699) == Grey || sheet().pixel(800, 698) == Grey);

    // The preview shows the card at half size over the whole of Image2.
    EXPECT_EQ(preview().copy(0, 0, 600, 400), expectedPreview());
}

TEST_F(BackForm, AboutSampleOverlaysTitleBarCodeTextAndTagline)
{
    activate();
    const QImage& img = about();
    ASSERT_GE(img.width(), 600);
    ASSERT_GE(img.height(), 400);

    // The title strip: "Talmiro Print Postcard Backs" from (13, 12), nothing else in it.
    const QRect title = inkIn(img, QRect(0, 0, 300, 50));
    EXPECT_NEAR(title.left(), 13, 2);
    EXPECT_GE(title.top(), 12);
    EXPECT_LT(title.bottom(), 12 + 20);
    EXPECT_GT(title.width(), 120);

    // The tagline: upwards in the strip between x = 300 and 325, centred on y = 187.
    const QRect tagline = inkIn(img, QRect(300, 50, 25, 299));
    EXPECT_GE(tagline.left(), 300);
    EXPECT_LT(tagline.right(), 325);
    EXPECT_NEAR(tagline.center().y(), 187, 3);
    EXPECT_GT(tagline.height(), 5 * tagline.width());

    // The bar-code text redrawn at the record's own size from x = 425, standing on y = 349.
    QFont barFont = sheetFont(form->document().AreaStyleTable[Area::PostalBarCode]);
    barFont.setPixelSize(8); // 6 points
    const QFontMetrics fm(barFont);
    const int h = fm.height();
    const QRect bar = inkIn(img, QRect(315, 349 - h, 285, h));
    EXPECT_NEAR(bar.left(), 425, 2);
    EXPECT_NEAR(
        bar.right(),
        425 + fm.horizontalAdvance(findControl<QLineEdit>(*form, "PostalBarCodeEdit")->text()), 2);
    EXPECT_LT(bar.bottom(), 349);
    // The half-size card outside the overlays, the sample picture among it.
    EXPECT_NE(inkIn(img, QRect(13, 263, 150, 125)), QRect());
}

TEST_F(BackForm, AfterContinueTheAboutSampleStaysAndTheCornerIsEmpty)
{
    activate();
    pressContinue(); // the corner picture dialog is cancelled: corner choice "None"
    const QImage aboutBefore = about().copy();
    const QImage previewBefore = preview().copy();

    // Typing changes only the input; showing the back renders it.
    const QImage sheetBefore = sheet().copy();
    findControl<QTextEdit>(*form, "TitleMemo")
        ->setPlainText(QStringLiteral("Greetings\nfrom the coast"));
    EXPECT_EQ(sheet(), sheetBefore);
    showBack();

    EXPECT_NE(sheet(), sheetBefore);
    EXPECT_NE(preview(), previewBefore);
    EXPECT_EQ(about(), aboutBefore);
    EXPECT_EQ(preview().copy(0, 0, 600, 400), expectedPreview());
    EXPECT_EQ(inkIn(sheet(), QRect(0, 400, 440, 400)), QRect());
    EXPECT_FALSE(QApplication::overrideCursor());
    // Two title lines: the descriptive text starts two line heights under y = 30.
    const QFontMetrics title(sheetFont(form->document().AreaStyleTable[Area::Title]));
    EXPECT_NE(inkIn(sheet(), QRect(0, 30 + 2 * title.height(), 300, 20)), QRect());
    EXPECT_NE(inkIn(sheet(), QRect(0, 30 + title.height(), 590, title.height())), QRect());
}

TEST_F(BackForm, OptionsAndStylesAreReadAtEachRender)
{
    activate();
    pressContinue();
    findControl<RadioGroup>(*form, "StampBorderRadioGroup")->setChoice(StampBorder::ThinBox);
    findControl<RadioGroup>(*form, "AddressSeperatorRadioGroup")
        ->setChoice(AddressSeparator::HeavyLine);
    findControl<RadioGroup>(*form, "PostalBarCodeBoxRadioGroup")->setChoice(PostalBarCodeBox::No);
    findControl<RadioGroup>(*form, "PostCardRadioGroup")->setChoice(PostCardCaption::No);
    findControl<RadioGroup>(*form, "AddressLinesRadioGroup")->setChoice(AddressLines::NoLines);
    // The separator's colour chosen on the Text Setup page.
    findControl<QPushButton>(*form, "UnSelectAllButton")->click();
    findControl<QCheckBox>(*form, "PostCardCheckBox")->setChecked(false);
    findControl<QCheckBox>(*form, "AddressVerticalTextCheckBox")->setChecked(true);
    dialogs.colorAnswers.push_back(QColor(255, 0, 0));
    findControl<QPushButton>(*form, "ColorButton")->click();
    ASSERT_EQ(form->document().AreaStyleTable[Area::Separator].colour, TColor(0x000000FF));
    showBack();
    EXPECT_EQ(sheet().pixel(600, 400), qRgb(255, 0, 0));
    EXPECT_NE(sheet().pixel(600, 740), White);                     // no strip: down to H - 50
    EXPECT_NE(sheet().pixel(1020, 100), White);                    // thin stamp box
    EXPECT_EQ(sheet().pixel(1030, 47), White);                     // no perforated tile
    EXPECT_EQ(inkIn(sheet(), QRect(620, 60, 390, 150)), QRect());  // no caption
    EXPECT_EQ(inkIn(sheet(), QRect(620, 360, 560, 330)), QRect()); // no address, no strip
}

TEST_F(BackForm, FourOnSheetPreviewHasACyanStrip)
{
    activate();
    pressContinue();
    findControl<RadioGroup>(*form, "TypeOfDeckRadioGroup")->setChoice(Layout::FourOnSheet);
    showBack();
    ASSERT_EQ(sheet().size(), QSize(1100, 850));
    // The recording printer's quarter-inch margins at 600 dpi: M = 50.
    EXPECT_EQ(inkIn(sheet(), QRect(0, 0, 550, 50)), QRect());
    EXPECT_NE(inkIn(sheet(), QRect(0, 50, 550, 30)), QRect());
    for (int y = 0; y < 400; y += 9)
        for (int x = 550; x < 600; x += 3)
            ASSERT_EQ(preview().pixel(x, y), Cyan) << x << "," << y;
    EXPECT_EQ(preview().copy(0, 0, 600, 400), expectedPreview());
}
