#pragma once
// The pictures of a card: read from the picture file the user chose, its bytes kept for the
// design, and decoded again when a design opens, by the same reader and within the same limits
// as a picture file.
#include "DesignFile.h"
#include "gfx/Picture.h"

// The bytes of a picture file, as a design keeps them: through the picture's end where its
// format tells it (JPEG, PNG, GIF, WebP, HEIF, AVIF), the whole file otherwise; at most
// MaxDesignPictureBytes. Raises AppError.
QByteArray readDesignPictureBytes(const QString& fileName);

// The picture file `fileName` for a use that draws it into `drawBox`: decoded, and its bytes
// kept for the design. `progress`, if given, can cancel the reading from another thread.
// Raises AppError.
CardPicture loadCardPicture(const QString& fileName, QSize drawBox,
                            PictureProgress* progress = nullptr);

// Decodes a design's picture with readPicture, for a use that draws it into `drawBox` (empty:
// at full size, as LoadPictureFile). A picture that cannot be used raises AppError naming the
// design and `role` ("the postcard front", "the lower left corner").
Picture decodeDesignPicture(const CardPicture& picture, const QString& designFile,
                            const QString& role, QSize drawBox = QSize(),
                            PictureProgress* progress = nullptr);

// Decodes the pictures of a card read from `designFile` (as bytes) for their uses: the corner
// for its box, the front for the card, laid on its side when tall. Raises AppError naming the
// design; the card is changed only when both are decoded.
void decodeDesignPictures(CardDocument& card, const QString& designFile,
                          PictureProgress* progress = nullptr);
