// Picture files dropped on the window: on the corner's picture box or the front's preview, a
// dropped file opens there as the Open command opens the file its dialog chose, with the same
// questions, limits, hourglass and Cancel; several on the front make a photo run.
#include "TForm1.h"
#include "ui_TForm1.h"

void TForm1::connectPictureDrops()
{
    const auto on = [this](ImageBox* box, auto open) {
        box->acceptFileDrops(true);
        connect(box, &ImageBox::filesDropped, this,
                [this, open](const QStringList& files) { guard([&] { open(files); }); });
    };
    // The corner takes one picture, the first of several; several on the front make a run.
    on(ui.PostCardBackImage,
       [this](const QStringList& files) { openCornerPicture(files.constFirst()); });
    on(ui.FrontImage, [this](const QStringList& files) { openFrontPictures(files); });
}
