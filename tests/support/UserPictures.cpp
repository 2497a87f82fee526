#include "UserPictures.h"

#include "ScriptedDialogs.h"
#include "TurnSimulation.h"
#include "WindowControls.h"
#include "app/TForm1.h"
#include "back/CardBack.h"
#include "front/FrontComposer.h"
#include "geometry/SheetLayout.h"

#include <QDir>
#include <QPainter>
#include <gtest/gtest.h>

QString savedPicture(const QImage& image, const QString& path)
{
    EXPECT_TRUE(image.save(path, "PNG")) << path.toStdString();
    return path;
}

void openFrontPicture(TForm1& form, ScriptedDialogs& dialogs, const QString& file)
{
    dialogs.openAnswers.push_back(file);
    findControl<QAction>(form, "OpenPopup")->trigger();
}

void openCornerPicture(TForm1& form, ScriptedDialogs& dialogs, const QString& file)
{
    dialogs.openAnswers.push_back(file);
    findControl<QAction>(form, "OpenImage1")->trigger();
    findControl<RadioGroup>(form, "LowerLeftCornerRadioGroup")->setChoice(LowerLeftCorner::Image);
}

void markTurnCards(TForm1& form, ScriptedDialogs& dialogs, const QString& folder)
{
    const QImage markers = turnTestCard(QSize(600, 300), BackCardGround);
    openCornerPicture(form, dialogs, savedPicture(markers, QDir(folder).filePath("markers.png")));

    const Layout layout = findControl<RadioGroup>(form, "TypeOfDeckRadioGroup")->choice<Layout>();
    const QSize card = sheetLayoutAt(layout)->card;
    const int margin = backMargin(layout, form.state().Metrics);
    QImage front(card, QImage::Format_RGB32);
    front.fill(Qt::white);
    QPainter p(&front);
    p.drawImage(QRect(card.width() - margin - 300, card.height() - margin - 150, 300, 150),
                turnTestCard(QSize(600, 300), FrontCardGround));
    p.end();
    // The front fits its picture into the card less the white frame it draws round it: a
    // picture of exactly that room lies on the card pixel for pixel.
    const int frame = frontCardForLayout(layout, form.state().Metrics).frame;
    const QImage picture =
        front.copy(frame, frame, card.width() - 2 * frame, card.height() - 2 * frame);
    openFrontPicture(form, dialogs,
                     savedPicture(picture, QDir(folder).filePath("front-markers.png")));
    EXPECT_EQ(form.state().FrontSheetImage.convertToFormat(QImage::Format_RGB32), front)
        << "the front does not show its markers where the back's corner comes to lie";
}
