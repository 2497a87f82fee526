#include "PictureFile.h"

#include "gfx/AppError.h"
#include "gfx/JpegCodec.h"

#include <QImageReader>

void LoadPictureFile(const QString& fileName, QImage& target)
{
    if (fileName.contains(QLatin1String(".jp")) || fileName.contains(QLatin1String(".JP"))) {
        target = readJpegFile(fileName);
        return;
    }
    QImageReader reader(fileName, "bmp");
    QImage image = reader.read();
    if (image.isNull())
        throw AppError(QStringLiteral("Bitmap image is not valid"));
    target = image;
}
