#pragma once
// One input of the picture fuzzer, shared with the test that replays its corpus: the file is
// read at full size as the loader reads it and reduced for a small draw box as a dialog's
// preview asks, and what loads is drawn into the corner preview as the program does. A refusal
// must be an AppError; anything else escaping, and a picture that breaks the reader's promises
// (upright true size, never enlarged, never below what the box needs), is a finding.
#include "back/CornerImage.h"
#include "back/PictureFile.h"
#include "gfx/AppError.h"

inline void loadAndPreviewPicture(const QString& fileName)
{
    for (const QSize box : {QSize(), QSize(40, 30)}) {
        Picture picture;
        try {
            picture = readPicture(PictureRequest(fileName, box));
        } catch (const AppError&) {
            continue;
        }
        const QSize needed = sizeNeededFor(picture.trueSize, box);
        const QSize got = picture.image.size();
        if (picture.image.isNull() || picture.orientation < 1 || picture.orientation > 8 ||
            got.width() > picture.trueSize.width() || got.height() > picture.trueSize.height() ||
            got.width() < needed.width() || got.height() < needed.height())
            __builtin_trap();
        QImage preview(CornerPreviewSide, CornerPreviewSide, QImage::Format_RGB32);
        drawCornerPreview(preview, picture.image, picture.trueSize, TColors::Cream);
    }
}
