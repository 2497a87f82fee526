#include "BmpFile.h"

#include "AppError.h"

#include <QImageWriter>
#include <QSaveFile>

void writeBmpFile(const QImage& image, const QString& fileName)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        raiseCannotCreate(fileName, file.errorString());
    QImageWriter writer(&file, "bmp");
    if (!writer.write(image)) {
        file.cancelWriting();
        raiseCannotCreate(fileName, writer.errorString());
    }
    if (!file.commit())
        raiseCannotCreate(fileName, file.errorString());
}
