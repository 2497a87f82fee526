// Picture files dropped on the window: the corner's picture box and the front's preview open them
// as their Open commands open a chosen file; drags of anything else are not taken.
#include "support/FormFixture.h"
#include "support/ImageChecks.h"
#include "support/PhotoFiles.h"
#include "support/PictureFiles.h"
#include "support/WindowControls.h"

#include "gfx/ColourProfile.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
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
        int photos = 1;
    };
    const Case cases[] = {
        {front, {QUrl::fromLocalFile(photo)}, photo},
        // Several files: a photo run on the front, the first in the corner.
        {front, {QUrl::fromLocalFile(other), QUrl::fromLocalFile(photo)}, other, 2},
        {corner, {QUrl::fromLocalFile(photo), QUrl::fromLocalFile(other)}, photo},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        EXPECT_TRUE(drop(c.box, c.urls));
        const bool isFront = c.box == front;
        EXPECT_EQ(isFront ? form->document().frontFile() : form->document().cornerFile(), c.file);
        const SharedPicture& picture = isFront ? form->document().front : form->document().corner;
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->bytes, readFile(c.file));
        if (isFront) {
            EXPECT_EQ(form->document().photoCount(), c.photos);
        }
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

// Several photos make a run, read whole before the front changes: the preview steps through
// them ("Photo N of M"), a file that fails leaves the front as it was, and choosing them is one
// step of Undo. Open... takes several files as a drop does.
TEST_F(PictureDrop, SeveralPhotosOnTheFrontMakeARunShownOneByOne)
{
    QList<QUrl> run; // red, green, blue: the preview's middle tells which is shown
    for (const QColor colour : {QColor(Qt::red), QColor(Qt::green), QColor(Qt::blue)})
        run << QUrl::fromLocalFile(put(colour.name() + QStringLiteral(".jpg"),
                                       makeJpeg(solidImage(600, 400, colour), JpegKind::Colour)));
    const auto shown = [this] {
        const QColor c = findControl<ImageBox>(*form, "FrontImage")->canvas().pixelColor(150, 100);
        return c.red() > 200 ? 0 : c.green() > 200 ? 1 : c.blue() > 200 ? 2 : -1;
    };
    auto* panel = findControl<QWidget>(*form, "PhotoStepPanel");
    auto* label = findControl<QLabel>(*form, "PhotoStepLabel");
    ASSERT_TRUE(drop(findControl<ImageBox>(*form, "FrontImage"), {run[0]}));
    EXPECT_TRUE(panel->isHidden());
    dialogs.openSeveralAnswers.push_back(QStringList{
        run[1].toLocalFile(), put(QStringLiteral("notes.txt"), "Dear Anna"), run[2].toLocalFile()});
    form->guard([&] { form->OpenPopupClick(nullptr); });
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(form->document().photoCount(), 1);

    ASSERT_TRUE(drop(findControl<ImageBox>(*form, "FrontImage"), run));
    ASSERT_EQ(form->document().photoCount(), 3);
    EXPECT_FALSE(panel->isHidden());
    const std::pair<const char*, int> steps[] = {{nullptr, 0},
                                                 {"NextPhotoButton", 1},
                                                 {"NextPhotoButton", 2},
                                                 {"NextPhotoButton", 0},
                                                 {"PreviousPhotoButton", 2}};
    for (const auto& [button, photo] : steps) {
        if (button)
            findControl<QToolButton>(*form, button)->click();
        EXPECT_EQ(label->text(), QStringLiteral("Photo %1 of 3").arg(photo + 1));
        EXPECT_EQ(shown(), photo);
    }
    EXPECT_EQ(form->document().morePhotos[1]->bytes, readFile(run[2].toLocalFile()));
    findControl<QAction>(*form, "UndoItem")->trigger();
    EXPECT_EQ(form->document().photoCount(), 1);
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(shown(), 0);
}
