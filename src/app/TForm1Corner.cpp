// The lower-left corner picture and its preview box.
#include "TForm1.h"
#include "ui_TForm1.h"

#include "BackgroundWork.h"
#include "back/CardBack.h"
#include "back/CornerImage.h"
#include "back/PictureFile.h"
#include "design/DesignPictures.h"

std::optional<TForm1::LoadedPicture>
TForm1::loadPictureInBackground(const QString& fileName, QSize drawBox,
                                std::function<void(LoadedPicture&)> prepare)
{
    const QString text = tr("Opening the picture \"%1\"...").arg(fileName);
    return runInBackground(
        dialogs(), text, [fileName, drawBox, prepare = std::move(prepare)](BackgroundJob& job) {
            Picture read = readPicture(PictureRequest(fileName, drawBox, &job.progress));
            LoadedPicture loaded{std::move(read.image), read.trueSize};
            if (prepare)
                prepare(loaded);
            return loaded;
        });
}

void TForm1::createCornerImage()
{
    CornerImage = newCornerImage();
    CornerImageSize = CornerImage.size();
    drawCornerPreview(ui.PostCardBackImage->canvas(), CornerImage, CornerImageSize,
                      CornerPreviewFill);
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
    // The dialog opens on the file chosen last, loaded or not.
    OpenPictureDialog1.fileName = *chosen;
    // Read no larger than the corner box of the back needs; the preview box is smaller still.
    std::optional<LoadedPicture> loaded =
        loadPictureInBackground(*chosen, QSize(CornerBoxSide, CornerBoxSide));
    if (!loaded)
        return;                                      // cancelled: the corner keeps its picture
    DesignPicture kept = readDesignPicture(*chosen); // the bytes a design keeps
    // Named only once loaded: a file that failed must not count as the chosen picture.
    CornerImage = std::move(loaded->image);
    CornerImageSize = loaded->size;
    CornerImageFile = *chosen;
    CornerImageBytes = std::move(kept.bytes);
    drawCornerPreview(ui.PostCardBackImage->canvas(), CornerImage, CornerImageSize,
                      CornerPreviewFill);
    ui.PostCardBackImage->update();
}

void TForm1::OpenImage1Click(QObject* Sender)
{
    PostCardBackImageClick(Sender);
}

void TForm1::DeleteImageClick(QObject*)
{
    CornerPreviewFill = TColors::Cream;
    clearCornerPreview(ui.PostCardBackImage->canvas(), CornerPreviewFill);
    ui.PostCardBackImage->update();
    CornerImageFile.clear();
    CornerImageBytes.clear();
    OpenPictureDialog1.fileName.clear();
    ui.LowerLeftCornerRadioGroup->setChoice(LowerLeftCorner::None);
}
