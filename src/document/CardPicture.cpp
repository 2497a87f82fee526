#include "CardPicture.h"

#include "back/PictureFile.h"
#include "gfx/QuarterTurn.h"

#include <cmath>

#include <utility>

void layTallFrontOnItsSide(CardPicture& picture)
{
    if (picture.size.width() >= picture.size.height())
        return;
    picture.image =
        turnedQuarter(std::exchange(picture.image, QImage()), QuarterTurn::CounterClockwise);
    picture.size.transpose();
    picture.turned = true;
}

QImage pictureForScale(const CardPicture& picture, QSize target, qreal scale)
{
    const int needed = int(std::ceil(target.width() * scale));
    const bool reduced = picture.image.width() < picture.size.width();
    if (!reduced || picture.image.width() >= needed || picture.bytes.isEmpty())
        return picture.image;
    // The file holds the picture upright; the card may lay it on its side.
    QSize box(needed, int(std::ceil(target.height() * scale)));
    if (picture.turned)
        box.transpose();
    try {
        Picture read = readPictureBytes(picture.bytes, picture.fileName, box);
        CardPicture own;
        own.image = std::move(read.image);
        own.size = read.trueSize;
        if (picture.turned)
            layTallFrontOnItsSide(own);
        return own.image;
    } catch (const AppError&) {
        return picture.image; // it was read once: what it held still prints
    }
}
