// Picture files dropped on the window: the corner's picture box and the front's preview open them
// as their Open commands open a chosen file; drags of anything else are not taken.
#include "support/FormFixture.h"
#include "support/PhotoFiles.h"
#include "support/PictureFiles.h"
#include "support/WindowControls.h"

#include "gfx/ColourProfile.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>

namespace
{

class PictureDrop : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        activate();
    }

    // Drags `urls` over `box` and drops them there, as a file manager does; whether the box
    // took the drag.
    static bool drop(ImageBox* box, const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        const QPoint at(10, 10);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(box, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(box, &dropped);
        return dropped.isAccepted();
    }

    QString put(const QString& name, const QByteArray& bytes) const
    {
        const QString path = dir.filePath(name);
        writeFile(path, bytes);
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(PictureDrop, APictureDroppedOpensWhereItFalls)
{
    const QString photo =
        put(QStringLiteral("photo.webp"), makeWebp(blockPicture(640, 480), false));
    const QString other =
        put(QStringLiteral("other.jpg"), makeJpeg(blockPicture(320, 240), JpegKind::Colour));
    auto* front = findControl<ImageBox>(*form, "FrontImage");
    auto* corner = findControl<ImageBox>(*form, "PostCardBackImage");
    struct Case {
        ImageBox* box;
        QList<QUrl> urls;
        QString file; // what the place then holds
    };
    const Case cases[] = {
        {front, {QUrl::fromLocalFile(photo)}, photo},
        // Several files: the first, one picture a place.
        {front, {QUrl::fromLocalFile(other), QUrl::fromLocalFile(photo)}, other},
        {corner, {QUrl::fromLocalFile(photo)}, photo},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        EXPECT_TRUE(drop(c.box, c.urls));
        const bool isFront = c.box == front;
        EXPECT_EQ(isFront ? form->document().frontFile() : form->document().cornerFile(), c.file);
        const SharedPicture& picture = isFront ? form->document().front : form->document().corner;
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->bytes, readFile(c.file));
    }
    // No dialog was asked: the drop is the choice.
    EXPECT_TRUE(dialogs.openShown.empty());
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(PictureDrop, WhatIsNoPictureIsRefusedAsItsOpenCommandRefusesIt)
{
    const QString photo =
        put(QStringLiteral("photo.jpg"), makeJpeg(blockPicture(320, 240), JpegKind::Colour));
    auto* front = findControl<ImageBox>(*form, "FrontImage");
    ASSERT_TRUE(drop(front, {QUrl::fromLocalFile(photo)}));
    const QString notes = put(QStringLiteral("notes.txt"), "Dear Anna");
    EXPECT_TRUE(drop(front, {QUrl::fromLocalFile(notes)}));
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith(
        QStringLiteral("The file \"%1\" is not a picture that can be read.").arg(notes)));
    // The front keeps its picture.
    EXPECT_EQ(form->document().frontFile(), photo);
    // A web address or text is not taken at all.
    EXPECT_FALSE(drop(front, {QUrl(QStringLiteral("https://example.org/photo.jpg"))}));
    EXPECT_FALSE(drop(front, {}));
    EXPECT_EQ(dialogs.errors.size(), 1);
}

TEST_F(PictureDrop, ADroppedPhotosColoursArriveAsSrgb)
{
    // A Display P3 photo of sRGB's pure red: the front composes red, not a duller one.
    const QString photo = put(QStringLiteral("p3.jpg"),
                              withIccProfile(makeJpeg(flatPicture(1600, 1200, QColor(234, 51, 35)),
                                                      JpegKind::Colour, 100),
                                             displayP3Profile()));
    ASSERT_TRUE(drop(findControl<ImageBox>(*form, "FrontImage"), {QUrl::fromLocalFile(photo)}));
    const QImage sheet = form->state().FrontSheetImage;
    ASSERT_FALSE(sheet.isNull());
    EXPECT_TRUE(near(sheet.pixelColor(sheet.width() / 2, sheet.height() / 2), QColor(255, 0, 0), 4))
        << sheet.pixelColor(sheet.width() / 2, sheet.height() / 2).name().toStdString();
}

} // namespace
