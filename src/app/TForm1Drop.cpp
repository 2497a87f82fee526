// Picture files dropped on the window: on the corner's picture box or the front's preview, a
// dropped file opens there as the Open command opens the file its dialog chose, with the same
// questions, limits, hourglass and Cancel.
#include "TForm1.h"
#include "ui_TForm1.h"

void TForm1::connectPictureDrops()
{
    const auto on = [this](ImageBox* box, void (TForm1::*open)(const QString&)) {
        box->acceptFileDrops(true);
        // Several files give the first: one picture goes in each place.
        connect(box, &ImageBox::filesDropped, this, [this, open](const QStringList& files) {
            guard([&] { (this->*open)(files.constFirst()); });
        });
    };
    on(ui.PostCardBackImage, &TForm1::openCornerPicture);
    on(ui.FrontImage, &TForm1::openFrontPicture);
}
