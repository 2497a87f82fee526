#pragma once
// Reading the pictures the user chooses, for the corner, the front and the dialogs' previews.
// A file is read by what it holds, not by its name: JPEG through libjpeg-turbo, HEIC and AVIF
// through libheif, WebP through libwebp, BMP, PNG, GIF and TIFF through Qt's image readers. Every
// reader keeps to the same limits: a memory budget for one picture, judged from its header before
// any large allocation, and a bound on the decoder's work. Safe to call from a worker thread:
// nothing here touches the user interface.
#include "gfx/Picture.h"

#include <QList>
#include <QString>
#include <QStringList>

// Reads the request's file. Raises an AppError with a clear text when the file cannot be opened
// (a folder, a pipe or a device is refused at once, without waiting on it), is none of the
// readable formats, is damaged, would need more than MaxPictureMemoryMb or more than
// MaxPictureWork; PictureCancelled when the request's progress asks to cancel.
Picture readPicture(const PictureRequest& request);
// The same for a picture file's `bytes` kept in memory (a design's, a card's), through a private
// copy; the errors name the file as `fileName`.
Picture readPictureBytes(const QByteArray& bytes, const QString& fileName, QSize drawBox,
                         PictureProgress* progress = nullptr);

// The memory one picture may take while it is read: the decoder's own buffers and the pixels.
constexpr qint64 MaxPictureMemoryMb = 400;
// The decoder's work bound, in blocks (see PictureProgress::work): about half a second of
// decoding here on a quiet machine. Real photographs stay far below it (a 200-megapixel one
// needs under 10 million, a progressive one within the memory budget under 15 million); only
// pathological files reach it.
constexpr qint64 MaxPictureWork = 40'000'000;

// The formats readPicture reads, for the open dialogs' filters: a name ("JPEG") and the file
// name patterns, lower case ("*.jpg"). Dialogs should match patterns without regard to case.
struct PictureFormat {
    QString name;
    QStringList patterns;
};
QList<PictureFormat> readablePictureFormats();
// The same as a dialog filter: "All pictures (*.jpg;*.jpeg;...)|*.jpg;*.jpeg;...|JPEG (*.jpg;
// *.jpeg...)|*.jpg;*.jpeg...|...|All files (*)|*" with one entry a format after the first one
// for all of them, and a last one for every file.
QString readablePictureFilter();

// Reads a picture file at its full size into `target` (readPicture with an empty draw box): on
// failure an AppError is raised and `target` keeps its former contents.
void LoadPictureFile(const QString& fileName, QImage& target);
