#include "DesignPictures.h"

#include "back/CornerImage.h"
#include "back/PictureExtent.h"
#include "back/PictureFile.h"
#include "front/FrontComposer.h"
#include "gfx/AppError.h"
#include "gfx/WholeFile.h"

#include <QCoreApplication>
#include <QFile>

QByteArray readDesignPictureBytes(const QString& fileName)
{
    QFile file(fileName);
    openForReading(file);
    // Only the picture: bytes after its end (a file padded with zeros) are neither read nor kept.
    const PictureExtent extent = pictureExtent(file, MaxDesignPictureBytes);
    const qint64 length = extent.kind == PictureExtent::Whole ? extent.end : file.size();
    if (length > MaxDesignPictureBytes)
        raisePictureFileTooLarge(fileName, length, MaxDesignPictureBytes);
    file.seek(0);
    QByteArray bytes = file.read(length);
    if (bytes.size() != length)
        raiseCannotOpen(fileName, file.errorString());
    return bytes;
}

CardPicture loadCardPicture(const QString& fileName, QSize drawBox, PictureProgress* progress)
{
    Picture read = readPicture(PictureRequest(fileName, drawBox, progress));
    CardPicture picture;
    picture.image = std::move(read.image);
    picture.size = read.trueSize;
    picture.fileName = fileName;
    picture.bytes = readDesignPictureBytes(fileName);
    return picture;
}

Picture decodeDesignPicture(const CardPicture& picture, const QString& designFile,
                            const QString& role, QSize drawBox, PictureProgress* progress)
{
    try {
        return readPictureBytes(picture.bytes, picture.fileName, drawBox, progress);
    } catch (const PictureCancelled&) {
        throw;
    } catch (const AppError& e) {
        QString reason = e.text();
        if (!reason.endsWith(QLatin1Char('.')))
            reason += QLatin1Char('.');
        throw AppError(QCoreApplication::translate("DesignFile",
                                                   "The design \"%1\" cannot be opened: its "
                                                   "picture for %2 cannot be used. %3 Nothing "
                                                   "was changed.")
                           .arg(designFile, role, reason),
                       e.details());
    }
}

void decodeDesignPictures(CardDocument& card, const QString& designFile, PictureProgress* progress)
{
    const auto decoded = [&](const SharedPicture& kept, const char* role, QSize box) {
        CardPicture picture = *kept;
        Picture read =
            decodeDesignPicture(picture, designFile,
                                QCoreApplication::translate("DesignPictures", role), box, progress);
        picture.image = std::move(read.image);
        picture.size = read.trueSize;
        picture.turned = false;
        return picture;
    };
    const auto decodedFront = [&](const SharedPicture& kept) {
        CardPicture picture = decoded(
            kept, QT_TRANSLATE_NOOP("DesignPictures", "the postcard front"), FrontPictureBox);
        layTallFrontOnItsSide(picture);
        return SharedPicture(std::move(picture));
    };
    SharedPicture corner;
    SharedPicture front;
    std::vector<SharedPicture> morePhotos;
    if (card.corner)
        corner = SharedPicture(decoded(card.corner,
                                       QT_TRANSLATE_NOOP("DesignPictures", "the lower left corner"),
                                       QSize(CornerBoxSide, CornerBoxSide)));
    if (card.front)
        front = decodedFront(card.front);
    for (const SharedPicture& photo : card.morePhotos)
        morePhotos.push_back(decodedFront(photo));
    card.corner = corner;
    card.front = front;
    card.morePhotos = std::move(morePhotos);
}
