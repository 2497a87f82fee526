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
// step of Undo.
TEST_F(PictureDrop, SeveralPhotosOnTheFrontMakeARunShownOneByOne)
{
    const QColor colours[] = {QColor(200, 30, 30), QColor(30, 170, 40), QColor(40, 60, 210)};
    QList<QUrl> run;
    for (int i = 0; i < 3; ++i) {
        QImage photo(600, 400, QImage::Format_RGB32);
        photo.fill(colours[i]);
        run << QUrl::fromLocalFile(
            put(QStringLiteral("photo %1.jpg").arg(i), makeJpeg(photo, JpegKind::Colour, 95)));
    }
    auto* front = findControl<ImageBox>(*form, "FrontImage");
    auto* panel = findControl<QWidget>(*form, "PhotoStepPanel");
    auto* label = findControl<QLabel>(*form, "PhotoStepLabel");
    ASSERT_TRUE(drop(front, {run[0]}));
    EXPECT_TRUE(panel->isHidden());

    const QString notes = put(QStringLiteral("notes.txt"), "Dear Anna");
    EXPECT_TRUE(drop(front, {run[1], QUrl::fromLocalFile(notes), run[2]}));
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(form->document().photoCount(), 1);

    ASSERT_TRUE(drop(front, run));
    ASSERT_EQ(form->document().photoCount(), 3);
    EXPECT_FALSE(panel->isHidden());
    const auto shown = [front] { return front->canvas().pixelColor(150, 100); };
    const auto near = [](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                   std::abs(a.blue() - b.blue()) <
               30;
    };
    const struct {
        const char* button;
        QString label;
        QColor colour;
    } steps[] = {
        {nullptr, QStringLiteral("Photo 1 of 3"), colours[0]},
        {"NextPhotoButton", QStringLiteral("Photo 2 of 3"), colours[1]},
        {"NextPhotoButton", QStringLiteral("Photo 3 of 3"), colours[2]},
        {"NextPhotoButton", QStringLiteral("Photo 1 of 3"), colours[0]},
        {"PreviousPhotoButton", QStringLiteral("Photo 3 of 3"), colours[2]},
    };
    for (const auto& step : steps) {
        if (step.button)
            findControl<QToolButton>(*form, step.button)->click();
        EXPECT_EQ(label->text(), step.label);
        EXPECT_TRUE(near(shown(), step.colour)) << step.label.toStdString();
    }
    // The run is the photos' files, in order; undo gives back the one photo before it.
    EXPECT_EQ(form->document().morePhotos[1]->bytes, readFile(run[2].toLocalFile()));
    findControl<QAction>(*form, "UndoItem")->trigger();
    EXPECT_EQ(form->document().photoCount(), 1);
    EXPECT_TRUE(panel->isHidden());
    EXPECT_TRUE(near(shown(), colours[0]));
}
