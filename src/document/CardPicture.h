#pragma once
// A picture of the card (the lower-left corner's or the front's) as the user chose it: the
// file's bytes, which a design keeps, and the image decoded from them. Immutable once made and
// shared between the copies of a document, so that an undo history of many steps holds one
// photo, not one a step.
#include "gfx/SharedFile.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

struct CardPicture {
    QByteArray bytes; // the file's bytes as read
    QString fileName;
    QImage image;        // upright, reduced to what its use needs; a tall front laid on its side
    QSize size;          // its own size as it lies on the card, for every fitting
    bool turned = false; // a tall front laid on its side: its text runs upward
};

// A shared, immutable picture, or none.
using SharedPicture = SharedFile<CardPicture>;

// A front picture as the front uses it: laid on its side (turned counter-clockwise) when taller
// than wide, so that it fills the card; the card turned clockwise to read its upward text shows
// it upright, never mirrored. The picture goes as soon as its turned copy is made: never both in
// memory at once.
void layTallFrontOnItsSide(CardPicture& picture);

// The picture's pixels for drawing it into a `target` of sheet pixels (as it lies on the card)
// at `scale` device pixels a sheet pixel: the image held when it has as many as that needs or
// is whole, else decoded again from the file's bytes, reduced no further than the target needs
// and laid as the card lays it. The image held when the bytes are gone or cannot be read again.
QImage pictureForScale(const CardPicture& picture, QSize target, qreal scale);
