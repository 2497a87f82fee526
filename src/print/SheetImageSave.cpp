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
    if (format == SheetImageFormat::Bitmap)
        return back;
    // Area-averaged rather than sampled: at 3/8 scale, sampling every other pixel would drop
    // about a quarter of the card's 2-pixel lines (address lines, bar-code strip, perforation).
    return back.scaled(jpegSheetSize(back.size()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void SaveSheetImage(const QImage& back, SheetImageFormat format, const QString& fileName)
{
    const QImage copy = sheetImageCopy(back, format);
    if (format == SheetImageFormat::Bitmap)
        writeBmpFile(copy, fileName);
    else
        writeJpegFile(copy, fileName, JpegQuality);
}
