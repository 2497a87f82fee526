// The card front: composing, picking and the delayed refresh.
#include "TForm1.h"
#include "ui_TForm1.h"

#include "WaitCursor.h"
#include "front/FrontComposer.h"
#include "gfx/BmpFile.h"

namespace
{

// The group box's border and caption around the preview.
const QSize FrontGroupBoxFrame(4, 17);

} // namespace

void TForm1::prepareFrontPreview()
{
    ui.FrontImage->resize(400, 300);
    ui.FrontImage->setCanvas(QImage());
    ui.FrontImage->ensureCanvas(400, 300, Qt::white);
    ui.FrontImage->resize(300, 200);
}

void TForm1::FrontImageRefresh(QObject*)
{
    WaitCursor wait;
    FrontImageTimer.stop();
    const FrontCard card = frontCardForLayout(document().layout, Metrics);
    const QSize preview(card.width / FrontPreviewScale, card.height / FrontPreviewScale);
    const QSize box = preview + FrontGroupBoxFrame;
    if (ui.FrontGroupBox->width() != box.width()) {
        ui.FrontGroupBox->resize(box);
        ui.FrontImage->resize(preview);
        ui.FrontGroupBox->repaint();
    }
    showPhotoStep();
    // A picture is only ever taken with its file name, but a front is never fitted to a
    // picture without pixels.
    if (!document().hasFrontPicture())
        return;
    FrontSheetImage = renderFront(shownFront(), Metrics);
    showFrontPreview();
}

void TForm1::showFrontPreview()
{
    if (FrontSheetImage.isNull())
        ui.FrontImage->canvas().fill(Qt::white);
    else
        drawFrontPreview(ui.FrontImage->canvas(), FrontSheetImage);
    ui.FrontImage->update();
}

void TForm1::OpenPopupClick(QObject*)
{
    const std::optional<QStringList> chosen = dialogs().openPictures(FrontOpenPictureDialog);
    if (!chosen)
        return;
    openFrontPictures(*chosen);
}

void TForm1::openFrontPicture(const QString& fileName)
{
    FrontOpenPictureDialog.fileName = fileName;

    // Nothing of the front changes until the picture is loaded, turned and its turned copy
    // written: a failure anywhere, or Cancel, leaves the former picture, its file name and its
    // text direction together.
    const QString turnedFile = workFile(TurnedWorkFile);
    std::optional<CardPicture> loaded =
        loadPictureInBackground(fileName, FrontPictureBox, [turnedFile](CardPicture& picture) {
            turnTallFront(picture, turnedFile);
        });
    if (!loaded)
        return;
    CardDocument card = document();
    card.front = SharedPicture(std::move(*loaded));
    card.morePhotos.clear();
    shownPhoto_ = 0;
    commit(card, tr("Front Picture"));
    FrontImageRefresh(nullptr);
}

void TForm1::turnTallFront(CardPicture& picture, const QString& turnedFile)
{
    layTallFrontOnItsSide(picture);
    if (picture.turned)
        writeBmpFile(picture.image, turnedFile);
}

void TForm1::FrontImageClick(QObject* Sender)
{
    if (!document().front)
        OpenPopupClick(Sender);
}

void TForm1::DeletePopupClick(QObject*)
{
    // The front as it was before its first picture: a white preview, nothing to print, and a
    // click on the preview opens a picture again. Text, font, colour, size and offsets stay.
    FrontImageTimer.stop();
    FrontOpenPictureDialog.fileName.clear();
    CardDocument card = document();
    card.front = {};
    card.morePhotos.clear();
    commit(card, tr("Delete Front Picture"));
    FrontSheetImage = QImage();
    showFrontPreview();
}

void TForm1::ImageSizeUpDownClick(QObject*, bool)
{
    // A run of clicks gives one refresh, once the clicks pause.
    FrontImageTimer.stop();
    FrontImageTimer.start();
}

void TForm1::ImageHOffsetUpDownClick(QObject* Sender, bool up)
{
    ImageSizeUpDownClick(Sender, up);
}

void TForm1::ImageVOffsetUpDownClick(QObject* Sender, bool up)
{
    ImageSizeUpDownClick(Sender, up);
}

void TForm1::FrontImageTimerTimer(QObject* Sender)
{
    FrontImageTimer.stop();
    FrontImageRefresh(Sender);
}

void TForm1::SelectFontButtonClick(QObject* Sender)
{
    const std::optional<QFont> font = dialogs().chooseFont(document().FrontFont, false);
    if (!font)
        return;
    CardDocument card = document();
    card.FrontFont = *font;
    commit(card, tr("Front Font"));
    FrontImageRefresh(Sender);
}

void TForm1::FrontSelectColorButtonClick(QObject* Sender)
{
    const std::optional<QColor> colour =
        dialogs().chooseColor(fromTColor(document().FrontTextColour));
    if (!colour)
        return;
    CardDocument card = document();
    card.FrontTextColour = toTColor(*colour);
    commit(card, tr("Front Text Color"));
    FrontImageRefresh(Sender);
}

void TForm1::FrontImageMouseDown(QObject* Sender, Qt::MouseButton, Qt::KeyboardModifiers, int x,
                                 int y)
{
    CardDocument card = document();
    switch (card.picker) {
    case FrontTextPicker::Position:
        card.FrontTextX = FrontPreviewScale * x;
        card.FrontTextY = FrontPreviewScale * y;
        card.FrontTextPicked = true;
        commit(card, tr("Front Text Place"));
        FrontImageRefresh(Sender);
        break;
    case FrontTextPicker::Colour: {
        const QImage& surface = ui.FrontImage->canvas();
        if (!surface.valid(x, y))
            return;
        card.FrontTextColour = toTColor(surface.pixelColor(x, y));
        commit(card, tr("Front Text Color"));
        FrontImageRefresh(Sender);
        break;
    }
    default: // the current position and colour stay
        break;
    }
}
