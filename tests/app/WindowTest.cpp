// The main window's controls: focus order, names for screen readers, spinners, radio groups,
// pop-up menus and resizing.
#include "app/ProgramVersion.h"
#include "back/CardBack.h"
#include "front/FrontComposer.h"
#include "geometry/PagePlacement.h"
#include "geometry/SheetLayout.h"
#include "support/FormFixture.h"
#include "support/WindowControls.h"

#include <QAccessible>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace
{

// The names of the controls the Tab key visits on a page, in order; a radio button stands for
// its group.
QStringList tabOrder(QWidget* page)
{
    QStringList names;
    for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain()) {
        if (!page->isAncestorOf(w) || !(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(page))
            continue;
        QWidget* named = qobject_cast<RadioGroup*>(w->parentWidget()) ? w->parentWidget() : w;
        names << named->objectName();
    }
    return names;
}

QString accessibleName(QWidget* w)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}

} // namespace

class Window : public FormFixture
{
protected:
    // "Continue", answering the corner picture dialog with a picture: the corner box stays
    // enabled (with no picture it is disabled and takes no mouse).
    void continueWithACornerPicture()
    {
        const QString file = folder.filePath(QStringLiteral("corner.bmp"));
        QImage picture(30, 20, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        ASSERT_TRUE(picture.save(file, "BMP"));
        dialogs.openAnswers.push_back(file);
        pressContinue();
        ASSERT_TRUE(findControl<ImageBox>(*form, "PostCardBackImage")->isEnabled());
    }
    QTemporaryDir folder;
};

TEST_F(Window, TabVisitsTheControlsInTheirListedOrder)
{
    EXPECT_EQ(tabOrder(findControl<QWidget>(*form, "TextTabSheet")),
              (QStringList{"TitleMemo", "DescMemo", "CreatedByMemo", "StampMemo",
                           "AddressLinesRadioGroup", "AddressSeperatorRadioGroup",
                           "StampBorderRadioGroup", "PostalBarCodeBoxRadioGroup",
                           "LowerLeftTextMemo", "LowerLeftCornerRadioGroup", "PostalBarCodeEdit",
                           "PostCardEdit", "PostCardRadioGroup", "AddressMemo"}));
    EXPECT_EQ(
        tabOrder(findControl<QWidget>(*form, "FrontTabSheet")),
        (QStringList{"ImageSizeEdit", "ImageSizeUpDown", "ImageHOffsetEdit", "ImageHOffsetUpDown",
                     "ImageVOffsetEdit", "ImageVOffsetUpDown", "FrontMemo", "SelectFontButton",
                     "FrontSelectColorButton", "FrontTextAtRadioGroup"}));
    findControl<QFrame>(*form, "Panel1")->show(); // as the first activation does
    EXPECT_EQ(
        tabOrder(findControl<QWidget>(*form, "PrintControlTabSheet")),
        (QStringList{"PrinterSetupButton", "PrintButton", "CopiesEdit", "CopiesUpDown",
                     "PrintImageAdjustUpDown", "PrintImageAdjustEdit", "PrintImageVAdjustEdit",
                     "PrintImageVAdjustUpDown", "TypeOfDeckRadioGroup", "SheetTurnRadioGroup",
                     "PrintQualityRadioGroup", "ExitButton"}));
    EXPECT_EQ(tabOrder(findControl<QWidget>(*form, "TextSetupTabSheet")),
              (QStringList{"TitleCheckBox", "DescriptiveCheckBox", "LowerLeftTextCheckBox",
                           "AddressVerticalTextCheckBox", "StampBorderTextCheckBox",
                           "AddressLinesCheckBox", "PostalBarCodeCheckBox", "UnSelectAllButton",
                           "PostCardCheckBox", "FontButton", "ColorButton"}));
    EXPECT_EQ(tabOrder(findControl<QWidget>(*form, "AboutTabSheet")).mid(0, 2),
              (QStringList{"ContinueButton", "ExitAboutButton"}));
}

TEST_F(Window, ArrowKeysMoveARadioGroupsChoice)
{
    RadioGroup* group = findControl<RadioGroup>(*form, "AddressSeperatorRadioGroup");
    QSignalSpy spy(group, &RadioGroup::changed);
    QTest::keyClick(group->button(3), Qt::Key_Up);
    EXPECT_EQ(group->itemIndex(), 2);
    QTest::keyClick(group->button(2), Qt::Key_Down);
    QTest::keyClick(group->button(3), Qt::Key_Down); // already the last: stays
    EXPECT_EQ(group->itemIndex(), 3);
    EXPECT_EQ(spy.count(), 2);
    // Only the chosen item is a Tab stop.
    EXPECT_TRUE(group->button(3)->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(group->button(0)->focusPolicy() & Qt::TabFocus);
    group->setItemIndex(3); // no change, no notification
    EXPECT_EQ(spy.count(), 2);
}

// Each radio group's enumeration names its items by index, the numbers a design file stores: a
// value moved to another item would open every saved design with that choice changed.
TEST_F(Window, EachChoiceEnumerationNamesTheItemAtItsIndex)
{
    const auto item = [this](const char* group, auto choice) {
        return findControl<RadioGroup>(*form, group)->items().value(int(choice)).toStdString();
    };
    EXPECT_EQ(item("AddressLinesRadioGroup", AddressLines::NoLines), "No lines");
    EXPECT_EQ(item("AddressLinesRadioGroup", AddressLines::Lines), "Lines");
    EXPECT_EQ(item("AddressLinesRadioGroup", AddressLines::Text), "Text");
    EXPECT_EQ(item("AddressSeperatorRadioGroup", AddressSeparator::None), "None");
    EXPECT_EQ(item("AddressSeperatorRadioGroup", AddressSeparator::ThinLine), "Thin line");
    EXPECT_EQ(item("AddressSeperatorRadioGroup", AddressSeparator::HeavyLine), "Heavy line");
    EXPECT_EQ(item("AddressSeperatorRadioGroup", AddressSeparator::VerticalText), "Vertical Text");
    EXPECT_EQ(item("StampBorderRadioGroup", StampBorder::None), "None");
    EXPECT_EQ(item("StampBorderRadioGroup", StampBorder::ThinBox), "Thin box");
    EXPECT_EQ(item("StampBorderRadioGroup", StampBorder::ThickBox), "Thick box");
    EXPECT_EQ(item("StampBorderRadioGroup", StampBorder::Stamp), "Stamp ");
    EXPECT_EQ(item("PostalBarCodeBoxRadioGroup", PostalBarCodeBox::No), "No");
    EXPECT_EQ(item("PostalBarCodeBoxRadioGroup", PostalBarCodeBox::Yes), "Yes");
    EXPECT_EQ(item("LowerLeftCornerRadioGroup", LowerLeftCorner::None), "None");
    EXPECT_EQ(item("LowerLeftCornerRadioGroup", LowerLeftCorner::Text), "Text");
    EXPECT_EQ(item("LowerLeftCornerRadioGroup", LowerLeftCorner::Image), "Image");
    EXPECT_EQ(item("PostCardRadioGroup", PostCardCaption::No), "No");
    EXPECT_EQ(item("PostCardRadioGroup", PostCardCaption::Yes), "Yes");
    EXPECT_EQ(item("TypeOfDeckRadioGroup", Layout::PortraitPortrait), "Portrait - Portrait");
    EXPECT_EQ(item("TypeOfDeckRadioGroup", Layout::LandscapeLandscape), "Landscape-Landscape");
    EXPECT_EQ(item("TypeOfDeckRadioGroup", Layout::SingleOn4x6), "Single on 4x6 paper");
    EXPECT_EQ(item("TypeOfDeckRadioGroup", Layout::FourOnSheet), "4 on Sheet");
    EXPECT_EQ(item("SheetTurnRadioGroup", SheetTurn::Book), "Book");
    EXPECT_EQ(item("SheetTurnRadioGroup", SheetTurn::Calendar), "Calendar");
    EXPECT_EQ(item("FrontTextAtRadioGroup", FrontTextPicker::Current), "Current Position/Color");
    EXPECT_EQ(item("FrontTextAtRadioGroup", FrontTextPicker::Position),
              "Pick New Position with Cursor");
    EXPECT_EQ(item("FrontTextAtRadioGroup", FrontTextPicker::Colour),
              "Pick New Font Color with Cursor");
}

TEST_F(Window, ControlsCarryTheirCaptionsForScreenReaders)
{
    EXPECT_EQ(accessibleName(findControl<QTextEdit>(*form, "TitleMemo")),
              QStringLiteral("Title Text"));
    EXPECT_EQ(accessibleName(findControl<QTextEdit>(*form, "AddressMemo")),
              QStringLiteral("Name and Address Text:"));
    EXPECT_EQ(accessibleName(findControl<QLineEdit>(*form, "PostalBarCodeEdit")),
              QStringLiteral("Postal Bar Code Area Text"));
    EXPECT_EQ(accessibleName(findControl<ImageBox>(*form, "PostCardBackImage")),
              QStringLiteral("Image (right click menu)"));
    EXPECT_EQ(accessibleName(findControl<ImageBox>(*form, "FrontImage")),
              QStringLiteral("PostCard Front Image (right click for menu)"));
    EXPECT_EQ(accessibleName(findControl<QLineEdit>(*form, "CopiesEdit")),
              QStringLiteral("Number of Copies"));
    EXPECT_EQ(accessibleName(findControl<RadioGroup>(*form, "StampBorderRadioGroup")->button(3)),
              QStringLiteral("Stamp "));
    EXPECT_EQ(accessibleName(findControl<QPushButton>(*form, "PrintButton")),
              QStringLiteral("Print"));
    EXPECT_EQ(accessibleName(findControl<RadioGroup>(*form, "SheetTurnRadioGroup")->button(1)),
              QStringLiteral("Calendar"));
    // Every control that takes focus has a name a screen reader can say.
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->window() == form.get() &&
            !w->inherits("QTabBar") && !w->inherits("QScrollBar")) {
            EXPECT_FALSE(accessibleName(w).trimmed().isEmpty()) << w->objectName().toStdString();
        }
    }
    // ...and its hint as its description.
    QAccessibleInterface* iface =
        QAccessible::queryAccessibleInterface(findControl<QTextEdit>(*form, "DescMemo"));
    ASSERT_TRUE(iface);
    EXPECT_EQ(iface->text(QAccessible::Description),
              QStringLiteral("A short description for your postcard."));
}

TEST_F(Window, SpinnersKeepTheirRangesAndWriteTheirEdits)
{
    for (int i = 0; i < 6; ++i)
        findControl<UpDown>(*form, "CopiesUpDown")->click(true);
    EXPECT_EQ(findControl<UpDown>(*form, "CopiesUpDown")->position(), 4);
    EXPECT_EQ(findControl<QLineEdit>(*form, "CopiesEdit")->text(), QStringLiteral("4"));
    EXPECT_TRUE(findControl<QLineEdit>(*form, "CopiesEdit")->isReadOnly());
    EXPECT_TRUE(findControl<QLineEdit>(*form, "PrintImageAdjustEdit")->isReadOnly());
    for (int i = 0; i < 60; ++i)
        findControl<UpDown>(*form, "PrintImageAdjustUpDown")->click(false);
    EXPECT_EQ(findControl<QLineEdit>(*form, "PrintImageAdjustEdit")->text(), QStringLiteral("-50"));
    EXPECT_EQ(findControl<UpDown>(*form, "ImageSizeUpDown")->position(), 100);
    EXPECT_EQ(findControl<UpDown>(*form, "ImageSizeUpDown")->minimum(), 1);
    EXPECT_EQ(findControl<UpDown>(*form, "ImageSizeUpDown")->maximum(), 200);
    EXPECT_EQ(findControl<QLineEdit>(*form, "ImageHOffsetEdit")->text(), QStringLiteral("50"));
    EXPECT_EQ(findControl<UpDown>(*form, "ImageVOffsetUpDown")->maximum(), 100);
    // The front edits take typing, which changes no spinner until its next click, which then
    // starts from the typed number.
    EXPECT_FALSE(findControl<QLineEdit>(*form, "ImageSizeEdit")->isReadOnly());
    findControl<QLineEdit>(*form, "ImageSizeEdit")->clear();
    QTest::keyClicks(findControl<QLineEdit>(*form, "ImageSizeEdit"), QStringLiteral("150"));
    EXPECT_EQ(findControl<UpDown>(*form, "ImageSizeUpDown")->position(), 100);
    findControl<UpDown>(*form, "ImageSizeUpDown")->click(true);
    EXPECT_EQ(findControl<UpDown>(*form, "ImageSizeUpDown")->position(), 151);
    findControl<QLineEdit>(*form, "ImageSizeEdit")->setText(QStringLiteral("900"));
    findControl<UpDown>(*form, "ImageSizeUpDown")->click(false);
    EXPECT_EQ(findControl<QLineEdit>(*form, "ImageSizeEdit")->text(), QStringLiteral("199"));
    // The Up key in an attached edit presses the spinner's up arrow.
    QSignalSpy spy(findControl<UpDown>(*form, "ImageHOffsetUpDown"), &UpDown::clicked);
    QTest::keyClick(findControl<QLineEdit>(*form, "ImageHOffsetEdit"), Qt::Key_Up);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_TRUE(spy[0][0].toBool());
    EXPECT_EQ(findControl<QLineEdit>(*form, "ImageHOffsetEdit")->text(), QStringLiteral("51"));
}

TEST_F(Window, RadioGroupsLayTheirItemsOutInColumns)
{
    EXPECT_EQ(findControl<RadioGroup>(*form, "TypeOfDeckRadioGroup")->choice<Layout>(),
              Layout::LandscapeLandscape);
    EXPECT_EQ(findControl<RadioGroup>(*form, "FrontTextAtRadioGroup")->choice<FrontTextPicker>(),
              FrontTextPicker::Current);
    RadioGroup* barCode =
        findControl<RadioGroup>(*form, "PostalBarCodeBoxRadioGroup"); // five columns, two items
    const QRect no = barCode->button(0)->geometry();
    const QRect yes = barCode->button(1)->geometry();
    EXPECT_EQ(no.top(), yes.top());
    EXPECT_GT(yes.left(), no.left());
    EXPECT_LT(yes.right(), barCode->width() / 2);
    RadioGroup* separator = findControl<RadioGroup>(
        *form, "AddressSeperatorRadioGroup"); // two columns, filled downwards
    EXPECT_EQ(separator->button(0)->x(), separator->button(1)->x());
    EXPECT_GT(separator->button(2)->x(), separator->button(0)->x());
    EXPECT_EQ(findControl<RadioGroup>(*form, "StampBorderRadioGroup")->items().last(),
              QStringLiteral("Stamp "));
}

TEST_F(Window, StatusBarAndCornerBoxShareTheImageMenu)
{
    continueWithACornerPicture(); // the corner box's page is shown, the box enabled
    form->show();
    ASSERT_EQ(findControl<QMenu>(*form, "ImagePopupMenu")->actions().size(), 2);
    EXPECT_EQ(findControl<QMenu>(*form, "ImagePopupMenu")->actions()[0]->text(),
              QStringLiteral("Open Image..."));
    EXPECT_EQ(findControl<QMenu>(*form, "ImagePopupMenu")->actions()[1]->text(),
              QStringLiteral("Delete Image"));
    // A right click as the window system delivers it, on each of the two.
    for (QWidget* w : {static_cast<QWidget*>(findControl<QStatusBar>(*form, "StatusBar1")),
                       static_cast<QWidget*>(findControl<ImageBox>(*form, "PostCardBackImage"))}) {
        const QPoint at = w->mapTo(form.get(), QPoint(10, 5));
        QWidget* under = form->childAt(at);
        ASSERT_TRUE(under == w || w->isAncestorOf(under)) << w->objectName().toStdString();
        QTest::mouseClick(form->windowHandle(), Qt::RightButton, {}, at);
        EXPECT_TRUE(findControl<QMenu>(*form, "ImagePopupMenu")->isVisible())
            << w->objectName().toStdString();
        EXPECT_FALSE(findControl<QMenu>(*form, "PopupMenu1")->isVisible());
        findControl<QMenu>(*form, "ImagePopupMenu")->hide();
    }
    EXPECT_EQ(findControl<QMenu>(*form, "PopupMenu1")->actions()[0]->text(),
              QStringLiteral("Open..."));
    EXPECT_EQ(findControl<QMenu>(*form, "PopupMenu1")->actions()[1]->text(),
              QStringLiteral("Delete"));
    // The picture and exit entries close the Files menu, below the design entries.
    const QList<QAction*> files =
        findControl<QMenu>(*form, "FilesMenu")
            ->actions()
            .mid(findControl<QMenu>(*form, "FilesMenu")->actions().size() - 5);
    ASSERT_EQ(files.size(), 5);
    EXPECT_EQ(files[0]->text(), QStringLiteral("Save Image BitMap..."));
    EXPECT_EQ(files[1]->text(), QStringLiteral("Save Image jpg..."));
    EXPECT_EQ(files[2]->text(), QStringLiteral("Export PDF..."));
    EXPECT_TRUE(files[3]->isSeparator());
    EXPECT_EQ(files[4]->text(), QStringLiteral("Exit"));
}

TEST_F(Window, StatusBarShowsTheMakersNoticeAndTheBuildsVersion)
{
    const QList<QLabel*> panels =
        findControl<QStatusBar>(*form, "StatusBar1")->findChildren<QLabel*>();
    ASSERT_EQ(panels.size(), 2);
    EXPECT_EQ(panels[0]->width(), 400);
    EXPECT_TRUE(panels[0]->text().startsWith(QStringLiteral("Talmiro Inc.")));
    // The version comes from the build; the panel keeps its month-day-year form.
    EXPECT_TRUE(panels[1]->text().contains(QLatin1String(ProgramVersion)));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\w* \\d\\d-\\d\\d-\\d\\d$"))
                    .match(panels[1]->text())
                    .hasMatch())
        << panels[1]->text().toStdString();
}

TEST_F(Window, ResizingKeepsControlsInPlaceAndTheStatusBarAtTheBottom)
{
    form->show();
    const QRect memo = findControl<QTextEdit>(*form, "TitleMemo")->geometry();
    const QRect tabs = findControl<QTabWidget>(*form, "PageControl1")->geometry();
    form->resize(1000, 700);
    QTest::qWait(20);
    EXPECT_EQ(findControl<QTextEdit>(*form, "TitleMemo")->geometry(), memo);
    EXPECT_EQ(findControl<QTabWidget>(*form, "PageControl1")->geometry(), tabs);
    EXPECT_EQ(findControl<QStatusBar>(*form, "StatusBar1")->geometry().bottom(),
              form->height() - 1);
    EXPECT_EQ(findControl<QStatusBar>(*form, "StatusBar1")->width(), 1000);
}

TEST_F(Window, APressInAPictureBoxReleasedOutsideItIsNotAClick)
{
    activate();
    continueWithACornerPicture();
    const std::size_t dialogsBefore = dialogs.openShown.size();
    for (ImageBox* box : {findControl<ImageBox>(*form, "PostCardBackImage"),
                          findControl<ImageBox>(*form, "FrontImage")}) {
        SCOPED_TRACE(box->objectName().toStdString());
        QSignalSpy clicks(box, &ImageBox::clicked);
        for (const QPoint outside :
             {QPoint(-3, 10), QPoint(10, box->height() + 2), QPoint(box->width(), 10)}) {
            QTest::mousePress(box, Qt::LeftButton, {}, QPoint(10, 10));
            QTest::mouseRelease(box, Qt::LeftButton, {}, outside);
        }
        EXPECT_EQ(clicks.count(), 0);
        // A release without its press is no click either; a press and release inside is one.
        QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(10, 10));
        EXPECT_EQ(clicks.count(), 0);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, 10));
        EXPECT_EQ(clicks.count(), 1);
    }
    // Only the two real clicks asked for a picture (the corner's and the front's).
    EXPECT_EQ(dialogs.openShown.size(), dialogsBefore + 2);
}
