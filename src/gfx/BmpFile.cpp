#include "BmpFile.h"

#include "AppError.h"
#include "WholeFile.h"

#include <QBuffer>
#include <QImageWriter>

void writeBmpFile(const QImage& image, const QString& fileName)
{
    // Encoded in memory first: the image writer does not notice a short write to a file.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(image))
        raiseCannotCreate(fileName, writer.errorString());
    writeWholeFile(fileName, bytes);
}
