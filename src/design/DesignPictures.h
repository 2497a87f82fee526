#pragma once
// The pictures of a design: their bytes read from the picture file the user chose, and decoded
// again when a design opens, by the same reader and within the same limits as a picture file.
#include "DesignFile.h"

#include "gfx/Picture.h"

// The bytes of a picture file, as a design keeps them: through the picture's end where its
// format tells it (JPEG, PNG, GIF, WebP, HEIF, AVIF), the whole file otherwise; at most
// MaxDesignPictureBytes. Raises AppError.
DesignPicture readDesignPicture(const QString& fileName);

// Decodes a design's picture with readPicture, for a use that draws it into `drawBox` (empty:
// at full size, as LoadPictureFile). A picture that cannot be used raises AppError naming the
// design and `role` ("the postcard front", "the lower left corner"). `progress`, if given, can
// cancel the decoding from another thread.
Picture decodeDesignPicture(const DesignPicture& picture, const QString& designFile,
                            const QString& role, QSize drawBox = QSize(),
                            PictureProgress* progress = nullptr);
