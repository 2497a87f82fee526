// The card back: rendering and its previews.
#include "TForm1.h"
#include "ui_TForm1.h"

#include "WaitCursor.h"
#include "back/AboutSample.h"
#include "back/CardBack.h"

CardBackInput TForm1::cardBackInput() const
{
    CardBackInput in = ::cardBackInput(shownCard(), Metrics);
    in.welcome = ui.ContinueButton->isEnabled();
    in.samplePicture = ui.Image1->canvas();
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
    showAddressStep();
}

void TForm1::drawAboutSample()
{
    const CardDocument& card = document();
    const AboutSampleInput input{card.postalBarCodeText, card.AreaStyleTable[Area::PostalBarCode],
                                 card.AreaStyleTable[Area::Separator],
                                 palette().color(QPalette::WindowText)};
    ui.AboutSampleImage->ensureCanvas(BackPreviewSize.width(), BackPreviewSize.height());
    drawAboutSampleOverlay(ui.AboutSampleImage->canvas(), input);
    ui.AboutSampleImage->update();
}
