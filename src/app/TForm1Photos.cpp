// A photo run: several pictures opened on the front at once, one a card in their order, and
// stepped through on the front preview.
#include "TForm1.h"
#include "ui_TForm1.h"

#include "StepPanel.h"
#include "gfx/AppError.h"
#include "gfx/BmpFile.h"

#include <QLabel>

namespace
{
// Below the front preview, which is never taller than a 6 x 4 inch card at a quarter scale.
constexpr QRect PhotoStepPlace(288, 236, 296, 24);
} // namespace

void TForm1::createPhotoControls()
{
    const StepPanel steps = makeStepPanel(
        ui.FrontTabSheet, PhotoStepPlace,
        {QStringLiteral("PhotoStepPanel"), QStringLiteral("PhotoStepLabel"),
         QStringLiteral("PreviousPhotoButton"), QStringLiteral("NextPhotoButton"),
         tr("Previous photo"), tr("Next photo")},
        [this](QObject* button, int step) { guard([&] { PhotoStepButtonClick(button, step); }); });
    PhotoStepPanel = steps.panel;
    PhotoStepLabel = steps.label;
}

void TForm1::openFrontPictures(const QStringList& fileNames)
{
    if (fileNames.size() == 1) {
        openFrontPicture(fileNames.constFirst());
        return;
    }
    if (fileNames.size() > MaxFrontPhotos)
        throw AppError(tr("At most %1 photos make a run of cards, and %2 were chosen, so the "
                          "front is unchanged. Choose fewer photos.")
                           .arg(MaxFrontPhotos)
                           .arg(fileNames.size()));
    // Every photo is read before the front changes: a failure or Cancel at any of them leaves
    // the front as it was.
    std::vector<SharedPicture> photos;
    for (const QString& fileName : fileNames) {
        std::optional<CardPicture> loaded =
            loadPictureInBackground(fileName, FrontPictureBox, layTallFrontOnItsSide);
        if (!loaded)
            return;
        photos.emplace_back(std::move(*loaded));
    }
    if (photos.front()->turned)
        writeBmpFile(photos.front()->image, workFile(TurnedWorkFile));
    FrontOpenPictureDialog.fileName = fileNames.constFirst();
    CardDocument card = document();
    card.front = photos.front();
    card.morePhotos.assign(photos.begin() + 1, photos.end());
    shownPhoto_ = 0;
    commit(card, tr("Front Pictures"));
    FrontImageRefresh(nullptr);
}

void TForm1::PhotoStepButtonClick(QObject* Sender, int step)
{
    const int count = document().photoCount();
    if (count < 2)
        return;
    shownPhoto_ = (shownPhoto_ + step + count) % count;
    FrontImageRefresh(Sender);
}

CardDocument TForm1::shownFront() const
{
    return document().withPhoto(
        std::clamp(shownPhoto_, 0, std::max(0, document().photoCount() - 1)));
}

void TForm1::showPhotoStep()
{
    if (!PhotoStepPanel)
        return;
    const int count = document().photoCount();
    PhotoStepPanel->setVisible(count > 1);
    shownPhoto_ = std::clamp(shownPhoto_, 0, std::max(0, count - 1));
    PhotoStepLabel->setText(tr("Photo %1 of %2").arg(shownPhoto_ + 1).arg(count));
    PhotoStepPanel->raise();
}
