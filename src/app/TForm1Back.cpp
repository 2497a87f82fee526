// The card back: rendering and its previews.
#include "TForm1.h"
#include "ui_TForm1.h"

#include "WaitCursor.h"
#include "back/AboutSample.h"
#include "back/CardBack.h"

#include <algorithm>

CardBackInput TForm1::cardBackInput() const
{
    CardBackInput in;
    in.postalBarCodeText = ui.PostalBarCodeEdit->text();
    in.postCardText = ui.PostCardEdit->text();

    in.addressLinesChoice = ui.AddressLinesRadioGroup->choice<AddressLines>();
    in.separatorChoice = ui.AddressSeperatorRadioGroup->choice<AddressSeparator>();
    in.stampBorderChoice = ui.StampBorderRadioGroup->choice<StampBorder>();
    in.postalBarCodeBoxChoice = ui.PostalBarCodeBoxRadioGroup->choice<PostalBarCodeBox>();
    in.lowerLeftCornerChoice = ui.LowerLeftCornerRadioGroup->choice<LowerLeftCorner>();
    in.postCardChoice = ui.PostCardRadioGroup->choice<PostCardCaption>();

    std::copy_n(AreaStyleTable.begin(), AreaCount, in.styles.begin());
    in.cornerImage = CornerImage;
    in.cornerImageSize = CornerImageSize;
    in.cornerChosen = !CornerImageFile.isEmpty();
    in.welcome = ui.ContinueButton->isEnabled();
    in.samplePicture = ui.Image1->canvas();

    in.sheetWidth = SheetWidth;
    in.sheetHeight = SheetHeight;
    in.layout = ui.TypeOfDeckRadioGroup->choice<Layout>();
    in.metrics = Metrics;

    // Only as many lines as the card can show: a memo may hold a whole book.
    const auto lines = [&in](QTextEdit* memo, Area area) {
        return displayedLines(memo, visibleLineLimit(in, area));
    };
    in.titleLines = lines(ui.TitleMemo, Area::Title);
    in.descLines = lines(ui.DescMemo, Area::Descriptive);
    in.lowerLeftLines = lines(ui.LowerLeftTextMemo, Area::LowerLeftText);
    in.createdByLines = lines(ui.CreatedByMemo, Area::Separator);
    in.stampLines = lines(ui.StampMemo, Area::Stamp);
    in.addressLines = lines(ui.AddressMemo, Area::Address);
    return in;
}

void TForm1::DrawPostCardBack(QObject*, int, int, int)
{
    WaitCursor wait;
    const CardBackInput input = cardBackInput();
    renderCardBack(BackSheetImage, input);

    if (input.welcome) {
        ui.AboutSampleImage->ensureCanvas(BackPreviewSize.width(), BackPreviewSize.height());
        drawBackOnAboutSample(ui.AboutSampleImage->canvas(), BackSheetImage);
        ui.AboutSampleImage->update();
    }

    ui.Image2->ensureCanvas(BackPreviewSize.width(), BackPreviewSize.height());
    drawBackPreview(ui.Image2->canvas(), BackSheetImage);
    ui.Image2->repaint();
}

void TForm1::drawAboutSample()
{
    const AboutSampleInput input{ui.PostalBarCodeEdit->text(), AreaStyleTable[Area::PostalBarCode],
                                 AreaStyleTable[Area::Separator],
                                 palette().color(QPalette::WindowText)};
    ui.AboutSampleImage->ensureCanvas(BackPreviewSize.width(), BackPreviewSize.height());
    drawAboutSampleOverlay(ui.AboutSampleImage->canvas(), input);
    ui.AboutSampleImage->update();
}
