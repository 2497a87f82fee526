#include "JpegCodec.h"

#include "AppError.h"

#include <QImageReader>
#include <QImageWriter>

QImage readJpegFile(const QString& fileName)
{
    QImageReader reader(fileName, "jpeg");
    QImage image = reader.read();
    if (image.isNull())
        throw AppError(QStringLiteral("JPEG error #%1").arg(53));
    return image;
}

void writeJpegFile(const QImage& image, const QString& fileName, int quality)
{
    QImageWriter writer(fileName, "jpeg");
    writer.setQuality(quality);
    if (!writer.write(image))
        raiseCannotCreate(fileName, writer.errorString());
}
