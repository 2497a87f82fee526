// The lower-left corner picture and its preview box.
#include "TForm1.h"
#include "ui_TForm1.h"

#include "BackgroundWork.h"
#include "back/CardBack.h"
#include "back/CornerImage.h"
#include "design/DesignPictures.h"

std::optional<CardPicture>
TForm1::loadPictureInBackground(const QString& fileName, QSize drawBox,
                                std::function<void(CardPicture&)> prepare)
{
    const QString text = tr("Opening the picture \"%1\"...").arg(fileName);
    return runInBackground(
        dialogs(), text, [fileName, drawBox, prepare = std::move(prepare)](BackgroundJob& job) {
            CardPicture loaded = loadCardPicture(fileName, drawBox, &job.progress);
            if (prepare)
                prepare(loaded);
            return loaded;
        });
}

void TForm1::createCornerImage()
{
    const CardDocument& card = document();
    const QImage image = card.corner ? card.corner->image : newCornerImage();
    const QSize size = card.corner ? card.corner->size : image.size();
    drawCornerPreview(ui.PostCardBackImage->canvas(), image, size, CornerPreviewFill);
    ui.PostCardBackImage->update();
}

void TForm1::PostCardBackImageClick(QObject*)
{
    const std::optional<QString> chosen = dialogs().openPicture(OpenPictureDialog1);
    if (!chosen) {
        // Runs the corner choice handler when the choice changes, as a click on "None" would.
        ui.LowerLeftCornerRadioGroup->setChoice(LowerLeftCorner::None);
        return;
    }
    openCornerPicture(*chosen);
}

void TForm1::openCornerPicture(const QString& fileName)
{
    // The dialog opens on the file chosen last, loaded or not.
    OpenPictureDialog1.fileName = fileName;
    // Read no larger than the corner box of the back needs; the preview box is smaller still.
    std::optional<CardPicture> loaded =
        loadPictureInBackground(fileName, QSize(CornerBoxSide, CornerBoxSide));
    if (!loaded)
        return; // cancelled: the corner keeps its picture
    // Named only once loaded: a file that failed must not count as the chosen picture.
    CardDocument card = document();
    card.corner = SharedPicture(std::move(*loaded));
    commit(card, tr("Corner Picture"));
}

void TForm1::OpenImage1Click(QObject* Sender)
{
    PostCardBackImageClick(Sender);
}

void TForm1::DeleteImageClick(QObject*)
{
    CornerPreviewFill = TColors::Cream;
    OpenPictureDialog1.fileName.clear();
    // The picture and the choice go in one step.
    CardDocument card = document();
    card.corner = {};
    card.lowerLeftCorner = LowerLeftCorner::None;
    commit(card, tr("Delete Corner Picture"));
    clearCornerPreview(ui.PostCardBackImage->canvas(), CornerPreviewFill);
    ui.PostCardBackImage->update();
}
