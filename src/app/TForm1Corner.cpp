// The lower-left corner picture and its preview box.
#include "TForm1.h"

#include "WaitCursor.h"
#include "back/CornerImage.h"
#include "back/PictureFile.h"
#include "design/DesignPictures.h"

namespace
{

constexpr int CornerChoiceNone = 0;

} // namespace

void TForm1::CreateCornerImage()
{
    CornerImage = NewCornerImage();
    DrawCornerPreview(ui.PostCardBackImage->canvas(), CornerImage, CornerPreviewFill);
    ui.PostCardBackImage->update();
}

void TForm1::PostCardBackImageClick(QObject*)
{
    const std::optional<QString> chosen = dialogs().openPicture(OpenPictureDialog1);
    if (!chosen) {
        // Runs the corner choice handler when the choice changes, as a click on "None" would.
        ui.LowerLeftCornerRadioGroup->setItemIndex(CornerChoiceNone);
        return;
    }
    // The dialog opens on the file chosen last, loaded or not.
    OpenPictureDialog1.fileName = *chosen;
    QImage picture;
    DesignPicture kept;
    {
        WaitCursor wait;
        LoadPictureFile(*chosen, picture);
        kept = readDesignPicture(*chosen);
    }
    // Named only once loaded: a file that failed must not count as the chosen picture.
    CornerImage = picture;
    CornerImageFile = *chosen;
    CornerImageBytes = kept.bytes;
    DrawCornerPreview(ui.PostCardBackImage->canvas(), CornerImage, CornerPreviewFill);
    ui.PostCardBackImage->update();
}

void TForm1::OpenImage1Click(QObject* Sender)
{
    PostCardBackImageClick(Sender);
}

void TForm1::DeleteImageClick(QObject*)
{
    CornerPreviewFill = TColors::Cream;
    ClearCornerPreview(ui.PostCardBackImage->canvas(), CornerPreviewFill);
    ui.PostCardBackImage->update();
    CornerImageFile.clear();
    CornerImageBytes.clear();
    OpenPictureDialog1.fileName.clear();
    ui.LowerLeftCornerRadioGroup->setItemIndex(CornerChoiceNone);
}
