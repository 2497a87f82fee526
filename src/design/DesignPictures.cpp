#include "DesignPictures.h"

#include "back/PictureFile.h"
#include "gfx/AppError.h"

#include <QTemporaryDir>

DesignPicture readDesignPicture(const QString& fileName)
{
    return {readRegularFile(fileName, MaxDesignPictureBytes,
                            QStringLiteral("The picture \"%1\" is too large to be kept in a "
                                           "design: %2 MB.")),
            fileName};
}

QImage decodeDesignPicture(const DesignPicture& picture, const QString& designFile,
                           const QString& role)
{
    // The reader takes files. Every picture a design keeps was read before under a name that
    // matched its content, so the name of the copy is chosen by the content.
    const bool jpeg = picture.bytes.startsWith("\xFF\xD8");
    QTemporaryDir dir;
    const QString copy =
        dir.filePath(jpeg ? QStringLiteral("picture.jpg") : QStringLiteral("picture.bmp"));
    QImage image;
    try {
        if (!dir.isValid())
            raiseCannotCreate(copy, dir.errorString());
        writeWholeFile(copy, picture.bytes);
        LoadPictureFile(copy, image);
    } catch (const AppError& e) {
        QString reason = e.text();
        reason.replace(copy, picture.fileName);
        if (!reason.endsWith(QLatin1Char('.')))
            reason += QLatin1Char('.');
        throw AppError(QStringLiteral("The design \"%1\" cannot be opened: its picture for %2 "
                                      "cannot be used. %3 Nothing was changed.")
                           .arg(designFile, role, reason));
    }
    return image;
}
