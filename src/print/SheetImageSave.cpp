#include "SheetImageSave.h"

#include "geometry/PrinterMetrics.h"
#include "gfx/BmpFile.h"
#include "gfx/JpegCodec.h"

namespace
{

constexpr int JpegPixelsPerInch = 75;
constexpr int JpegQuality = 100;

} // namespace

QSize jpegSheetSize(const QSize& sheet)
{
    return {sheet.width() * JpegPixelsPerInch / SheetPixelsPerInch,
            sheet.height() * JpegPixelsPerInch / SheetPixelsPerInch};
}

QImage sheetImageCopy(const QImage& back, SheetImageFormat format)
{
    // Area-averaged rather than sampled: at 3/8 scale, sampling every other pixel would drop
    // about a quarter of the card's 2-pixel lines (address lines, bar-code strip, perforation).
    QImage copy = format == SheetImageFormat::Bitmap
                      ? back
                      : back.scaled(jpegSheetSize(back.size()), Qt::IgnoreAspectRatio,
                                    Qt::SmoothTransformation);
    // The file says how large the card is: a picture program printing it at its actual size
    // then prints a 6 x 4 inch card.
    const int perInch = format == SheetImageFormat::Bitmap ? SheetPixelsPerInch : JpegPixelsPerInch;
    const int perMetre = qRound(perInch / InchInMetres);
    copy.setDotsPerMeterX(perMetre);
    copy.setDotsPerMeterY(perMetre);
    return copy;
}

void saveSheetImage(const QImage& back, SheetImageFormat format, const QString& fileName)
{
    const QImage copy = sheetImageCopy(back, format);
    if (format == SheetImageFormat::Bitmap)
        writeBmpFile(copy, fileName);
    else
        writeJpegFile(copy, fileName, JpegQuality);
}
