// The card front: composing, picking and the delayed refresh.
#include "TForm1.h"
#include "ui_TForm1.h"

#include "WaitCursor.h"
#include "design/DesignPictures.h"
#include "front/FrontComposer.h"
#include "gfx/BmpFile.h"
#include "gfx/QuarterTurn.h"
#include "gfx/SheetText.h"

#include <algorithm>

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
    const FrontCard card = frontCardForLayout(ui.TypeOfDeckRadioGroup->choice<Layout>(), Metrics);
    const QSize preview(card.width / FrontPreviewScale, card.height / FrontPreviewScale);
    const QSize box = preview + FrontGroupBoxFrame;
    if (ui.FrontGroupBox->width() != box.width()) {
        ui.FrontGroupBox->resize(box);
        ui.FrontImage->resize(preview);
        ui.FrontGroupBox->repaint();
    }
    // A picture is only ever taken with its file name, but a front is never fitted to a
    // picture without pixels.
    if (FrontPictureFile.isEmpty() || FrontPicture.isNull())
        return;

    FrontComposition front;
    front.picture = FrontPicture;
    front.pictureSize = FrontPictureSize;
    front.pictureTurned = FrontPictureTurned;
    front.size = ui.ImageSizeUpDown->position();
    front.hOffset = ui.ImageHOffsetUpDown->position();
    front.vOffset = ui.ImageVOffsetUpDown->position();
    if (!ui.FrontMemo->document()->isEmpty())
        front.lines = displayedLines(ui.FrontMemo, linesWithin(frontSheetFont(FrontFont),
                                                               std::max(card.width, card.height)));
    front.font = FrontFont;
    front.colour = FrontTextColour;
    front.card = card;
    // Upward text from the horizontal text's start would run off the top of the card at once.
    const QPoint start = FrontPictureTurned && !FrontTextPicked ? turnedFrontTextStart(card)
                                                                : QPoint(FrontTextX, FrontTextY);
    front.textX = start.x();
    front.textY = start.y();

    const QImage composed = composeFront(front);
    drawFrontPreview(ui.FrontImage->canvas(), composed);
    ui.FrontImage->update();
    FrontSheetImage = composed;
}

void TForm1::OpenPopupClick(QObject*)
{
    const std::optional<QString> chosen = dialogs().openPicture(FrontOpenPictureDialog);
    if (!chosen)
        return;
    openFrontPicture(*chosen);
}

void TForm1::openFrontPicture(const QString& fileName)
{
    const std::optional<QString> chosen = fileName;
    FrontOpenPictureDialog.fileName = *chosen;

    // Nothing of the front changes until the picture is loaded, turned and its turned copy
    // written: a failure anywhere, or Cancel, leaves the former picture, its file name and its
    // text direction together.
    const QString turnedFile = workFile(TurnedWorkFile);
    std::optional<LoadedPicture> loaded =
        loadPictureInBackground(*chosen, FrontPictureBox, [turnedFile](LoadedPicture& picture) {
            turnTallFront(picture, turnedFile);
        });
    if (!loaded)
        return;
    DesignPicture kept = readDesignPicture(*chosen); // the bytes a design keeps
    FrontPictureFile = *chosen;
    FrontPictureBytes = std::move(kept.bytes);
    FrontPicture = std::move(loaded->image);
    FrontPictureSize = loaded->size;
    FrontPictureTurned = loaded->turned;
    FrontImageRefresh(nullptr);
}

void TForm1::turnTallFront(LoadedPicture& loaded, const QString& turnedFile)
{
    if (loaded.size.width() >= loaded.size.height())
        return;
    // The picture goes as soon as its turned copy is made: never both and the copy's file in
    // memory at once. Turned counter-clockwise: the card turned clockwise to read the upward text
    // shows it upright, never mirrored.
    loaded.image =
        turnedQuarter(std::exchange(loaded.image, QImage()), QuarterTurn::CounterClockwise);
    loaded.size.transpose();
    loaded.turned = true;
    writeBmpFile(loaded.image, turnedFile);
}

void TForm1::FrontImageClick(QObject* Sender)
{
    if (FrontPictureFile.isEmpty())
        OpenPopupClick(Sender);
}

void TForm1::DeletePopupClick(QObject*)
{
    // The front as it was before its first picture: a white preview, nothing to print, and a
    // click on the preview opens a picture again. Text, font, colour, size and offsets stay.
    FrontImageTimer.stop();
    FrontPictureFile.clear();
    FrontPictureBytes.clear();
    FrontOpenPictureDialog.fileName.clear();
    FrontPicture = QImage();
    FrontPictureSize = QSize();
    FrontPictureTurned = false;
    FrontSheetImage = QImage();
    ui.FrontImage->canvas().fill(Qt::white);
    ui.FrontImage->update();
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
    const std::optional<QFont> font = dialogs().chooseFont(FrontFont, false);
    if (!font)
        return;
    FrontFont = *font;
    FrontImageRefresh(Sender);
}

void TForm1::FrontSelectColorButtonClick(QObject* Sender)
{
    const std::optional<QColor> colour = dialogs().chooseColor(fromTColor(FrontTextColour));
    if (!colour)
        return;
    FrontTextColour = toTColor(*colour);
    FrontImageRefresh(Sender);
}

void TForm1::FrontImageMouseDown(QObject* Sender, Qt::MouseButton, Qt::KeyboardModifiers, int x,
                                 int y)
{
    switch (ui.FrontTextAtRadioGroup->choice<FrontTextPicker>()) {
    case FrontTextPicker::Position:
        FrontTextX = FrontPreviewScale * x;
        FrontTextY = FrontPreviewScale * y;
        FrontTextPicked = true;
        FrontImageRefresh(Sender);
        break;
    case FrontTextPicker::Colour: {
        const QImage& surface = ui.FrontImage->canvas();
        if (!surface.valid(x, y))
            return;
        FrontTextColour = toTColor(surface.pixelColor(x, y));
        FrontImageRefresh(Sender);
        break;
    }
    default: // the current position and colour stay
        break;
    }
}
