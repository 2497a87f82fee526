#include "DesignPictures.h"

#include "back/PictureFile.h"
#include "gfx/AppError.h"

#include <QCoreApplication>
#include <QTemporaryDir>

DesignPicture readDesignPicture(const QString& fileName)
{
    return {readRegularFile(fileName, MaxDesignPictureBytes,
                            QCoreApplication::translate(
                                "DesignFile", "The picture \"%1\" is too large to be kept in a "
                                              "design: %2 MB.")),
            fileName};
}

Picture decodeDesignPicture(const DesignPicture& picture, const QString& designFile,
                            const QString& role, QSize drawBox, PictureProgress* progress)
{
    // The reader takes files, and reads them by their content: a private copy it is.
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("picture"));
    try {
        if (!dir.isValid())
            raiseCannotCreate(copy, dir.errorString());
        writeWholeFile(copy, picture.bytes);
        return readPicture(PictureRequest(copy, drawBox, progress));
    } catch (const AppError& e) {
        QString reason = e.text();
        reason.replace(copy, picture.fileName);
        if (!reason.endsWith(QLatin1Char('.')))
            reason += QLatin1Char('.');
        throw AppError(QCoreApplication::translate(
                           "DesignFile", "The design \"%1\" cannot be opened: its picture for %2 "
                                         "cannot be used. %3 Nothing was changed.")
                           .arg(designFile, role, reason));
    }
}
