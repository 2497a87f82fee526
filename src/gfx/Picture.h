#pragma once
// A picture as the readers hand it over, what a use asks of them, and what a reader shares with
// the thread that waits for it.
#include "AppError.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <atomic>

// Shared between the thread that reads a picture and the one that waits for it.
struct PictureProgress {
    // Set from any thread to stop the read; it ends soon after with PictureCancelled.
    std::atomic<bool> cancel{false};
    // The decoder's work so far, in 8 x 8 blocks decoded (each scan of a progressive JPEG counts
    // its blocks again). A read stops once it would pass its work bound.
    std::atomic<qint64> work{0};
};

// What a use of a picture asks of the file.
struct PictureRequest {
    explicit PictureRequest(QString file, QSize box = QSize(), PictureProgress* shared = nullptr)
        : fileName(std::move(file)), drawBox(box), progress(shared)
    {
    }
    QString fileName;
    // The largest box the use will ever draw the whole picture into, proportions kept: twice
    // the card for the front (its size goes up to 200 %), the corner's box for the corner, the
    // preview's box for a dialog. The picture may arrive reduced, never below what that box
    // needs. Empty: the picture at its full size.
    QSize drawBox;
    // Optional: cancel from another thread, and the work done.
    PictureProgress* progress;
};

// A picture as read: upright (its EXIF orientation applied) and possibly reduced.
struct Picture {
    // The pixels, in sRGB (a colour profile the file had is applied): RGB888 or Grayscale8 for
    // JPEG; RGB32, or ARGB32 where the file has alpha, for HEIF, AVIF and WebP; BMP keeps its
    // stored depth where Qt has it (24-bit as RGB888) unless reduced; other formats as Qt reads
    // them, with alpha only where the file has some.
    QImage image;
    // The picture's own width and height, upright: what every fitting calculation uses, whatever
    // size `image` arrived at.
    QSize trueSize;
    // The EXIF orientation (1 to 8) that was applied; 1 for a picture stored upright or with
    // none.
    int orientation = 1;
};

// The limits a reader keeps to; 0 is no limit.
struct PictureLimits {
    qint64 memoryBytes = 0; // the decoder's own buffers and the pixels, together
    qint64 work = 0;        // in blocks, as PictureProgress::work counts them
};

// Raised when a read was cancelled; nothing needs to be shown for it.
class PictureCancelled : public AppError
{
public:
    explicit PictureCancelled(const QString& fileName);
};

// "The picture "%s" is too large: ..." for a picture that would need `bytes` of memory, over
// `limitBytes`, and for one with more pixels than can be decoded in good time.
[[noreturn]] void raisePictureTooLarge(const QString& fileName, QSize size, qint64 bytes,
                                       qint64 limitBytes);
[[noreturn]] void raisePictureTooSlow(const QString& fileName, QSize size);

// The other refusals every reader gives, in the same words whatever the format; `details` (a
// decoder's code) goes to AppError::details(), never into the sentence.
// "The file "%s" ends before its picture does; it may have been cut short while copying."
[[noreturn]] void raisePictureCutShort(const QString& fileName, const QString& details = {});
// "The picture "%s" is damaged and cannot be read." (its headers or structure)
[[noreturn]] void raisePictureDamaged(const QString& fileName, const QString& details = {});
// "The picture "%s" is damaged in the middle: part of it cannot be decoded."
[[noreturn]] void raisePictureDamagedInside(const QString& fileName, const QString& details = {});
// "The picture "%s" is a kind of `format` file this program cannot read (`kind`)."
[[noreturn]] void raisePictureUnsupported(const QString& fileName, const QString& format,
                                          const QString& kind, const QString& details = {});
// "The picture "%s" is damaged: its file holds far more data than its W x H pixels can need."
// (without the size when it is not known): reading stopped at the bound of what the picture can
// need, before the end of a file padded with junk.
[[noreturn]] void raisePictureTooMuchData(const QString& fileName, QSize size,
                                          const QString& details = {});
// "Not enough memory to read the W x H picture "%s"."
[[noreturn]] void raiseNoMemoryFor(const QString& fileName, QSize size);
// A picture file over what may be read or kept of one (`limitBytes`), refused by its size.
[[noreturn]] void raisePictureFileTooLarge(const QString& fileName, qint64 bytes,
                                           qint64 limitBytes);

// The size a picture of `size` needs to arrive at to be drawn into `box` with its proportions
// kept: `size` itself when the box is empty or the picture fits it already.
QSize sizeNeededFor(QSize size, QSize box);

// The same size after an EXIF orientation: 5 to 8 swap width and height.
QSize orientedSize(QSize stored, int orientation);
// `stored` turned and mirrored as EXIF orientation `orientation` says, so that it shows upright.
QImage orientedImage(const QImage& stored, int orientation);
// The orientation (1 to 8) an APP1 marker's contents ("Exif\0\0" and a TIFF structure) give; 1
// when it gives none or is damaged.
int exifOrientation(QByteArrayView app1);
