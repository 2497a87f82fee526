#pragma once
// How far a picture goes in its file, told from the format's own structure without decoding it:
// where its last byte is (bytes after it belong to no picture, and a design does not keep them),
// and whether its data is all there (a decoder that guesses the missing part, as Qt's GIF
// reader does, must not be trusted with a file cut short).
#include <QtGlobal>

#include <atomic>

class QIODevice;

struct PictureExtent {
    enum Kind {
        Whole,    // the picture's data is complete; `end` is its last byte's offset plus one
        CutShort, // the file ends inside the picture
        Damaged,  // its structure is broken before its end
        Unknown,  // a format not walked here: the whole file counts
    };
    Kind kind = Unknown;
    qint64 end = 0;
};

// Walks the device from its start (it is left at an unknown position). Reads no more than
// `limit` bytes (0: no limit); a walk that would read more reports Damaged. A walk stops at its
// next block of 64 KB once `cancel` is set; what it then reports means nothing.
//   JPEG: markers and entropy-coded data, through the end-of-image marker;
//   PNG: chunks, through IEND;
//   GIF: blocks through the trailer, and the first image's LZW codes, which must give every
//        one of its pixels (a decoder would paint those missing in the background colour);
//   HEIF and AVIF: the top-level boxes, each of the length it declares;
//   WebP and other RIFF files: the RIFF chunk's declared size, which the file must hold;
//   TIFF: its first directory and the strips or tiles it names must be there; the whole file
//         counts, as its other directories may lie anywhere.
PictureExtent pictureExtent(QIODevice& device, qint64 limit = 0,
                            const std::atomic<bool>* cancel = nullptr);
