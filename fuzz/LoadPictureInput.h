#pragma once
// One input of the picture fuzzer, shared with the test that replays its corpus: the file read
// as a corner picture is read and, when it loads, drawn into the corner preview as the program
// does. A refusal must be an AppError; anything else escaping is a finding.
#include "back/CornerImage.h"
#include "back/PictureFile.h"
#include "gfx/AppError.h"

inline void LoadAndPreviewPicture(const QString& fileName)
{
    QImage image;
    try {
        LoadPictureFile(fileName, image);
    } catch (const AppError&) {
        return;
    }
    QImage box(CornerPreviewSide, CornerPreviewSide, QImage::Format_RGB32);
    DrawCornerPreview(box, image, TColors::Cream);
}
