// Designs through the window: a card set up in every control, saved, and opened by a fresh
// window renders to the same pixels; the questions about unsaved changes; the command line;
// the recent designs; bad files that change nothing.
#include "app/BackgroundWork.h"
#include "back/CardBack.h"
#include "design/DesignFile.h"
#include "front/FrontComposer.h"
#include "geometry/SheetLayout.h"
#include "support/FormFixture.h"
#include "support/PictureFiles.h"
#include "support/QtPrinters.h"
#include "support/WindowControls.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QSpinBox>
#include <QTemporaryDir>

namespace
{

struct Renders {
    QImage back;
    QImage front;
};

Renders render(TForm1& form)
{
    form.DrawPostCardBack(&form, 1, 0, 0);
    form.FrontImageRefresh(&form);
    return {form.state().BackSheetImage.copy(), form.state().FrontSheetImage.copy()};
}

// A window of its own, as a fresh start of the program makes it.
struct FreshWindow {
    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    TForm1 form{dialogs, printer};
};

class DesignForm : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        activate();
        pressContinue(); // the corner question is cancelled: the choice is "None"
        dialogs.log.clear();
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    // Every control moved off its start-up value, both pictures chosen (the front taller than
    // wide, so it is turned), styles, front font, colour and place changed.
    void setUpEverything()
    {
        const QString corner = path(QStringLiteral("corner.bmp"));
        writeFile(corner, makeBmp(90, 60, 24));
        const QString front = path(QStringLiteral("front.jpg"));
        writeFile(front, makeJpeg(blockPicture(240, 320), JpegKind::Colour));
        for (const CardSetting& setting : cardSettings())
            moveOffStart(setting.key(), form->controlOf(setting));
        // What draws the most on the back.
        findControl<RadioGroup>(*form, "AddressLinesRadioGroup")->setChoice(AddressLines::Text);
        findControl<RadioGroup>(*form, "AddressSeperatorRadioGroup")
            ->setChoice(AddressSeparator::VerticalText);
        findControl<RadioGroup>(*form, "StampBorderRadioGroup")->setChoice(StampBorder::Stamp);
        findControl<RadioGroup>(*form, "PostalBarCodeBoxRadioGroup")
            ->setChoice(PostalBarCodeBox::Yes);
        findControl<RadioGroup>(*form, "PostCardRadioGroup")->setChoice(PostCardCaption::Yes);
        findControl<RadioGroup>(*form, "TypeOfDeckRadioGroup")->setChoice(Layout::FourOnSheet);
        dialogs.openAnswers.push_back(corner);
        findControl<RadioGroup>(*form, "LowerLeftCornerRadioGroup")
            ->setChoice(LowerLeftCorner::Image);
        ASSERT_EQ(form->document().cornerFile(), corner);
        openFrontPicture(front);
        ASSERT_TRUE(form->document().frontTurned());
        // Each area's font and colour of its own, chosen on the Text Setup page one area at a
        // time.
        const char* const areaBoxes[] = {"TitleCheckBox",           "DescriptiveCheckBox",
                                         "LowerLeftTextCheckBox",   "AddressVerticalTextCheckBox",
                                         "StampBorderTextCheckBox", "PostCardCheckBox",
                                         "AddressLinesCheckBox",    "PostalBarCodeCheckBox"};
        for (int i = 0; i < AreaCount; ++i) {
            findControl<QPushButton>(*form, "UnSelectAllButton")->click();
            findControl<QCheckBox>(*form, "PostCardCheckBox")->setChecked(false);
            findControl<QCheckBox>(*form, areaBoxes[i])->setChecked(true);
            QFont font(i % 2 ? QStringLiteral("Times New Roman") : QStringLiteral("DejaVu Sans"));
            font.setPointSize(6 + 2 * i);
            font.setBold(i & 1);
            font.setItalic(i & 2);
            dialogs.fontAnswers.push_back(font);
            findControl<QPushButton>(*form, "FontButton")->click();
            dialogs.colorAnswers.push_back(fromTColor(TColor(0x00200000 + 0x00030507 * i)));
            findControl<QPushButton>(*form, "ColorButton")->click();
        }
        findControl<QCheckBox>(*form, "PostCardCheckBox")->setChecked(true);
        ASSERT_TRUE(dialogs.fontAnswers.empty() && dialogs.colorAnswers.empty());
        QFont frontFont(QStringLiteral("DejaVu Serif"));
        frontFont.setPointSize(30);
        frontFont.setItalic(true);
        dialogs.fontAnswers.push_back(frontFont);
        findControl<QPushButton>(*form, "SelectFontButton")->click();
        dialogs.colorAnswers.push_back(QColor(0xC0, 0, 0));
        findControl<QPushButton>(*form, "FrontSelectColorButton")->click();
        placeFrontText(120, 640);
        ASSERT_EQ(form->document().FrontTextColour, TColor(0x000000C0));
        ASSERT_EQ(form->document().FrontTextX, 120);
        ASSERT_EQ(form->document().FrontTextY, 640);
        ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    }

    void moveOffStart(const QString& key, QWidget* control)
    {
        if (auto* memo = qobject_cast<QTextEdit*>(control))
            // A no-break space and a line break within the paragraph (Shift+Enter) as well.
            memo->setPlainText(QStringLiteral("%1 text\nsecond\u00a0line\u2028third").arg(key));
        else if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->setText(QStringLiteral("%1 words").arg(key));
        else if (auto* group = qobject_cast<RadioGroup*>(control))
            group->setItemIndex((group->itemIndex() + 1) % group->items().size());
        else if (auto* upDown = qobject_cast<UpDown*>(control)) {
            // Each spinner at a value of its own, so that two read back crosswise would show.
            const int span = upDown->maximum() - upDown->minimum() + 1;
            const int start = upDown->position() - upDown->minimum();
            int moved = (start + 1 + 13 * spinnersMoved_++) % span;
            if (moved == start)
                moved = (moved + 1) % span;
            upDown->setPosition(upDown->minimum() + moved);
        } else if (auto* box = qobject_cast<QAbstractButton*>(control))
            box->setChecked(!box->isChecked());
        else
            ADD_FAILURE() << "no way to change " << key.toStdString();
    }

    // The front text's place picked on the preview, in sheet pixels.
    void placeFrontText(int x, int y)
    {
        findControl<RadioGroup>(*form, "FrontTextAtRadioGroup")
            ->setChoice(FrontTextPicker::Position);
        form->FrontImageMouseDown(form.get(), Qt::LeftButton, Qt::NoModifier, x / FrontPreviewScale,
                                  y / FrontPreviewScale);
    }
    // The Files menu opened and closed again, as the user looks at it.
    void openFilesMenu()
    {
        QMenu* menu = findControl<QMenu>(*form, "FilesMenu");
        menu->popup(QPoint(0, 0));
        menu->hide();
    }
    void saveAs(const QString& file)
    {
        dialogs.saveFileAnswers.push_back(file);
        findControl<QAction>(*form, "SaveDesignAsItem")->trigger();
    }
    void openFromMenu(const QString& file)
    {
        dialogs.openFileAnswers.push_back(file);
        findControl<QAction>(*form, "OpenDesignItem")->trigger();
    }
    // Asks the window to close as its close box does; whether it closed.
    bool closeRequest()
    {
        QCloseEvent event;
        QCoreApplication::sendEvent(form.get(), &event);
        return event.isAccepted();
    }

    QTemporaryDir dir;
    int spinnersMoved_ = 0;
};

TEST_F(DesignForm, AFreshStartOpensTheSavedDesignToTheSamePixels)
{
    setUpEverything();
    const Renders before = render(*form);
    const CardDocument design = form->document();
    const QString file = path(QStringLiteral("lighthouse.postcard"));
    saveAs(file);
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    EXPECT_FALSE(form->designChanged());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("lighthouse.postcard - Talmiro Postcard Print"));
    // Nothing is lost when the photos go.
    QFile::remove(path(QStringLiteral("corner.bmp")));
    QFile::remove(path(QStringLiteral("front.jpg")));

    FreshWindow fresh;
    fresh.form.openDesignAtStart({file});
    fresh.form.guard([&] { fresh.form.FormActivate(); });
    EXPECT_TRUE(fresh.dialogs.log.isEmpty()) << fresh.dialogs.log.join('\n').toStdString();
    // Left as Continue leaves it, without the corner question.
    EXPECT_FALSE(findControl<QPushButton>(fresh.form, "ContinueButton")->isEnabled());
    EXPECT_TRUE(findControl<QTabWidget>(fresh.form, "PageControl2")->isVisible() ||
                !fresh.form.isVisible());
    EXPECT_TRUE(findControl<QMenu>(fresh.form, "FilesMenu")->menuAction()->isEnabled());
    EXPECT_EQ(findControl<QTabWidget>(fresh.form, "PageControl1")->currentWidget(),
              findControl<QWidget>(fresh.form, "TextTabSheet"));
    EXPECT_TRUE(fresh.form.document() == design);
    EXPECT_FALSE(fresh.form.designChanged());
    EXPECT_TRUE(fresh.form.document().frontTurned());
    EXPECT_EQ(fresh.form.document().sheetSize().width(), 1100);

    const Renders after = render(fresh.form);
    EXPECT_EQ(after.back, before.back);
    EXPECT_EQ(after.front, before.front);
    EXPECT_FALSE(after.front.isNull());

    // And by the menu, into a window whose own card is another one.
    findControl<QTextEdit>(*form, "TitleMemo")->setPlainText(QStringLiteral("something else"));
    placeFrontText(4, 8);
    dialogs.yesNoCancelAnswers.push_back(DialogAnswer::No);
    openFromMenu(file);
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    EXPECT_TRUE(form->document() == design);
    const Renders again = render(*form);
    EXPECT_EQ(again.back, before.back);
    EXPECT_EQ(again.front, before.front);
}

TEST_F(DesignForm, EveryControlThatHoldsTheCardIsKeptInDesigns)
{
    // Not part of a card: the hint panel, the About notes and the edits that only show their
    // spinners' positions.
    // The print quality is the program's setting, kept between runs, not the design's.
    QSet<QWidget*> notDesign{findControl<QTextEdit>(*form, "Memo2"),
                             findControl<QTextEdit>(*form, "Memo3"),
                             findControl<QWidget>(*form, "PrintQualityRadioGroup")};
    for (UpDown* upDown : form->findChildren<UpDown*>())
        notDesign.insert(upDown->associate());
    std::map<QWidget*, QString> bound;
    for (const CardSetting& setting : cardSettings())
        bound[form->controlOf(setting)] = setting.key();

    const auto insideAControl = [](QWidget* w) {
        for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
            if (qobject_cast<RadioGroup*>(p) || qobject_cast<QComboBox*>(p) ||
                qobject_cast<QAbstractSpinBox*>(p) || qobject_cast<UpDown*>(p))
                return true;
        return false;
    };
    QStringList unkept;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        const bool input =
            qobject_cast<QTextEdit*>(w) || qobject_cast<QLineEdit*>(w) ||
            qobject_cast<RadioGroup*>(w) || qobject_cast<UpDown*>(w) ||
            qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
            (qobject_cast<QAbstractButton*>(w) && static_cast<QAbstractButton*>(w)->isCheckable());
        if (input && !notDesign.contains(w) && !insideAControl(w) && !bound.count(w))
            unkept << w->objectName();
    }
    EXPECT_TRUE(unkept.isEmpty()) << "add to cardSettings(): "
                                  << unkept.join(QStringLiteral(", ")).toStdString();

    // Each setting is bound once, to a control of its kind and range.
    ASSERT_EQ(bound.size(), cardSettings().size());
    for (const CardSetting& s : cardSettings()) {
        const auto it = std::find_if(bound.begin(), bound.end(),
                                     [&](const auto& b) { return b.second == s.key(); });
        ASSERT_NE(it, bound.end()) << s.key().toStdString();
        QWidget* w = it->first;
        switch (s.kind) {
        case SettingKind::Text:
            EXPECT_TRUE(qobject_cast<QTextEdit*>(w) || qobject_cast<QLineEdit*>(w));
            break;
        case SettingKind::Flag:
            EXPECT_TRUE(qobject_cast<QAbstractButton*>(w));
            break;
        case SettingKind::Choice:
            if (auto* group = qobject_cast<RadioGroup*>(w)) {
                EXPECT_EQ(group->items().size(), s.maximum + 1) << s.key().toStdString();
            } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
                EXPECT_EQ(combo->count(), s.maximum + 1) << s.key().toStdString();
            } else {
                ADD_FAILURE() << s.key().toStdString();
            }
            break;
        case SettingKind::Number:
            if (auto* upDown = qobject_cast<UpDown*>(w)) {
                EXPECT_EQ(upDown->minimum(), s.minimum) << s.key().toStdString();
                EXPECT_EQ(upDown->maximum(), s.maximum) << s.key().toStdString();
            } else if (auto* spin = qobject_cast<QSpinBox*>(w)) {
                EXPECT_EQ(spin->minimum(), s.minimum) << s.key().toStdString();
                EXPECT_EQ(spin->maximum(), s.maximum) << s.key().toStdString();
            } else {
                ADD_FAILURE() << s.key().toStdString();
            }
            break;
        }
    }
}

TEST_F(DesignForm, TheExitQuestionAsksToSaveOnlyUnsavedChanges)
{
    // No change since start: the question the window always asked.
    dialogs.questionAnswers.push_back(false);
    EXPECT_FALSE(closeRequest());
    EXPECT_EQ(dialogs.log, QStringList{"question:End Program?"});

    findControl<QTextEdit>(*form, "TitleMemo")->setPlainText(QStringLiteral("Wish you were here"));
    dialogs.log.clear();
    dialogs.yesNoCancelAnswers = {DialogAnswer::Cancel};
    EXPECT_FALSE(closeRequest());
    EXPECT_EQ(dialogs.log, QStringList{"yesNoCancel:End Program?"});
    EXPECT_TRUE(dialogs.questions.last().contains(QStringLiteral("not saved")));

    // Yes, but the save dialog is cancelled: the window stays, nothing was written.
    dialogs.log.clear();
    dialogs.yesNoCancelAnswers = {DialogAnswer::Yes};
    dialogs.saveFileAnswers = {std::nullopt};
    EXPECT_FALSE(closeRequest());
    EXPECT_EQ(dialogs.log, (QStringList{"yesNoCancel:End Program?", "saveFile"}));

    // Yes and a name: saved, then closed.
    const QString file = path(QStringLiteral("wish.postcard"));
    dialogs.yesNoCancelAnswers = {DialogAnswer::Yes};
    dialogs.saveFileAnswers = {file};
    EXPECT_TRUE(closeRequest());
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_FALSE(form->designChanged());

    // After the save, no change: the old question again. A further change and No: closed,
    // unsaved, the file as it was.
    dialogs.log.clear();
    dialogs.questionAnswers.push_back(true);
    EXPECT_TRUE(closeRequest());
    EXPECT_EQ(dialogs.log, QStringList{"question:End Program?"});
    const QByteArray saved = readFile(file);
    findControl<UpDown>(*form, "CopiesUpDown")->setPosition(3);
    dialogs.yesNoCancelAnswers = {DialogAnswer::No};
    EXPECT_TRUE(closeRequest());
    EXPECT_EQ(readFile(file), saved);

    // Save Design saves to the design's own file without asking for a name.
    dialogs.log.clear();
    findControl<QAction>(*form, "SaveDesignItem")->trigger();
    EXPECT_TRUE(dialogs.log.isEmpty());
    EXPECT_NE(readFile(file), saved);
    EXPECT_FALSE(form->designChanged());
}

TEST_F(DesignForm, OpenDesignOffersToSaveUnsavedChangesFirst)
{
    // The other card is saved from a window of its own: this window's card was never saved.
    const QString other = path(QStringLiteral("other.postcard"));
    {
        FreshWindow second;
        second.form.guard([&] { second.form.FormActivate(); });
        findControl<QPushButton>(second.form, "ContinueButton")->click();
        findControl<QTextEdit>(second.form, "DescMemo")
            ->setPlainText(QStringLiteral("the other card"));
        second.dialogs.saveFileAnswers = {other};
        findControl<QAction>(second.form, "SaveDesignAsItem")->trigger();
        ASSERT_TRUE(QFileInfo::exists(other));
    }
    findControl<QTextEdit>(*form, "DescMemo")->setPlainText(QStringLiteral("this card, unsaved"));

    // Cancel: no file dialog, nothing changes.
    dialogs.log.clear();
    dialogs.yesNoCancelAnswers = {DialogAnswer::Cancel};
    openFromMenu(other);
    EXPECT_EQ(dialogs.log, QStringList{"yesNoCancel:Open Design"});
    EXPECT_EQ(findControl<QTextEdit>(*form, "DescMemo")->toPlainText(),
              QStringLiteral("this card, unsaved"));
    dialogs.openFileAnswers.clear();

    // Yes: this card is saved under a new name, then the other opens.
    const QString mine = path(QStringLiteral("mine.postcard"));
    dialogs.log.clear();
    dialogs.yesNoCancelAnswers = {DialogAnswer::Yes};
    dialogs.saveFileAnswers = {mine};
    openFromMenu(other);
    EXPECT_EQ(dialogs.log, (QStringList{"yesNoCancel:Open Design", "saveFile", "openFile"}));
    EXPECT_EQ(findControl<QTextEdit>(*form, "DescMemo")->toPlainText(),
              QStringLiteral("the other card"));
    EXPECT_EQ(form->state().DesignFile, other);

    FreshWindow check;
    check.form.openDesignAtStart({mine});
    check.form.guard([&] { check.form.FormActivate(); });
    EXPECT_EQ(findControl<QTextEdit>(check.form, "DescMemo")->toPlainText(),
              QStringLiteral("this card, unsaved"));
}

TEST_F(DesignForm, EachNumberOfTheFileOpensInTheSpinnerItsKeyNames)
{
    // What the file format says each key means, with a value of its own for each: files written
    // by earlier versions or by hand rely on it, whatever the window's binding table says.
    const struct {
        const char* key;
        const char* spinner;
        int value;
    } numbers[] = {
        {"front.size", "ImageSizeUpDown", 150},
        {"front.horizontalOffset", "ImageHOffsetUpDown", 20},
        {"front.verticalOffset", "ImageVOffsetUpDown", 70},
        {"print.copies", "CopiesUpDown", 3},
        {"print.imageAdjust", "PrintImageAdjustUpDown", 5},
        {"print.imageAdjustDown", "PrintImageVAdjustUpDown", -9},
    };
    CardDocument design = form->document();
    for (const auto& n : numbers)
        cardSetting(QLatin1String(n.key))->set(design, n.value);
    const QString file = path(QStringLiteral("numbers.postcard"));
    saveDesignFile(design, file);
    openFromMenu(file);
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    for (const auto& n : numbers)
        EXPECT_EQ(findControl<UpDown>(*form, n.spinner)->position(), n.value) << n.key;
}

TEST_F(DesignForm, ABadFileChangesNothingAndSaysWhy)
{
    setUpEverything();
    const QString good = path(QStringLiteral("good.postcard"));
    saveAs(good);
    const QByteArray bytes = readFile(good);
    findControl<QTextEdit>(*form, "TitleMemo")->setPlainText(QStringLiteral("unsaved title"));
    const CardDocument before = form->document();
    const Renders rendered = render(*form);

    // Cut short, not a design, a damaged picture inside, a newer major version.
    CardDocument spoiltFront = before;
    CardPicture cutFront = *spoiltFront.front;
    cutFront.bytes = cutFront.bytes.left(500);
    spoiltFront.front = SharedPicture(cutFront);
    QByteArray newer = bytes;
    const QString cut = path(QStringLiteral("cut.postcard"));
    writeFile(cut, bytes.left(bytes.size() / 2));
    const QString photo = path(QStringLiteral("photo.postcard"));
    writeFile(photo, makeJpeg(blockPicture(32, 32), JpegKind::Colour));
    const QString spoilt = path(QStringLiteral("spoilt.postcard"));
    writeFile(spoilt, writeDesign(spoiltFront));
    const std::pair<QString, QString> cases[] = {
        {cut, QStringLiteral("damaged or cut short")},
        {photo, QStringLiteral("is not a postcard design")},
        {spoilt, QStringLiteral("its picture for the postcard front cannot be used")},
        {path(QStringLiteral("missing.postcard")), QStringLiteral("Cannot open file")},
    };
    for (const auto& [file, why] : cases) {
        dialogs.errors.clear();
        dialogs.yesNoCancelAnswers = {DialogAnswer::No};
        openFromMenu(file);
        ASSERT_EQ(dialogs.errors.size(), 1) << file.toStdString();
        EXPECT_TRUE(dialogs.errors.first().contains(why)) << dialogs.errors.first().toStdString();
        EXPECT_TRUE(form->document() == before) << file.toStdString();
        EXPECT_EQ(form->state().DesignFile, good);
        const Renders now = render(*form);
        EXPECT_EQ(now.back, rendered.back);
        EXPECT_EQ(now.front, rendered.front);
    }
}

TEST_F(DesignForm, ADesignWithTheImageChoiceButNoPictureOpensWithoutTheCornerQuestion)
{
    // A corner picture that failed to load leaves "Image" chosen without a picture.
    const QString broken = path(QStringLiteral("broken.bmp"));
    writeFile(broken, "BM broken");
    dialogs.openAnswers.push_back(broken);
    findControl<RadioGroup>(*form, "LowerLeftCornerRadioGroup")->setChoice(LowerLeftCorner::Image);
    ASSERT_EQ(
        findControl<RadioGroup>(*form, "LowerLeftCornerRadioGroup")->choice<LowerLeftCorner>(),
        LowerLeftCorner::Image);
    ASSERT_TRUE(form->document().cornerFile().isEmpty());
    const QString file = path(QStringLiteral("image-but-none.postcard"));
    saveAs(file);

    findControl<RadioGroup>(*form, "LowerLeftCornerRadioGroup")->setChoice(LowerLeftCorner::None);
    dialogs.log.clear();
    dialogs.yesNoCancelAnswers = {DialogAnswer::No};
    openFromMenu(file);
    EXPECT_EQ(dialogs.log, (QStringList{"yesNoCancel:Open Design", "openFile"}));
    EXPECT_EQ(
        findControl<RadioGroup>(*form, "LowerLeftCornerRadioGroup")->choice<LowerLeftCorner>(),
        LowerLeftCorner::Image);
    EXPECT_TRUE(findControl<ImageBox>(*form, "PostCardBackImage")->isEnabled());
}

TEST_F(DesignForm, CancelWhileADesignOpensLeavesTheCardAsItWas)
{
    // A design whose two pictures take long to decode; the wait box offers Cancel at once, so
    // that it does so on every machine.
    const QString heavy = path(QStringLiteral("heavy.jpg"));
    writeFile(heavy, makeScanHeavyJpeg(2048, 2048, 560));
    dialogs.openAnswers.push_back(heavy);
    findControl<RadioGroup>(*form, "LowerLeftCornerRadioGroup")->setChoice(LowerLeftCorner::Image);
    openFrontPicture(heavy);
    findControl<QTextEdit>(*form, "TitleMemo")->setPlainText(QStringLiteral("the heavy card"));
    const QString file = path(QStringLiteral("heavy.postcard"));
    saveAs(file);
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();

    FreshWindow other;
    other.form.guard([&] { other.form.FormActivate(); });
    findControl<QPushButton>(other.form, "ContinueButton")->click();
    findControl<QTextEdit>(other.form, "TitleMemo")->setPlainText(QStringLiteral("my own card"));
    const CardDocument before = other.form.document();
    const QImage backBefore = other.form.state().BackSheetImage.copy();
    other.dialogs.yesNoCancelAnswers = {DialogAnswer::No}; // my card need not be saved
    other.dialogs.openFileAnswers = {file};
    other.dialogs.waitCancels = {true};
    setQuickWorkMs(0);
    findControl<QAction>(other.form, "OpenDesignItem")->trigger();
    setQuickWorkMs(QuickWorkMs);
    ASSERT_EQ(other.dialogs.waitsShown.size(), 1);

    EXPECT_TRUE(other.dialogs.errors.isEmpty()) << other.dialogs.errors.join('\n').toStdString();
    EXPECT_TRUE(other.form.document() == before);
    EXPECT_EQ(other.form.state().BackSheetImage, backBefore);
    EXPECT_TRUE(other.form.document().frontFile().isEmpty());
    EXPECT_TRUE(other.form.state().DesignFile.isEmpty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // The same design opens when the user waits for it.
    other.dialogs.yesNoCancelAnswers = {DialogAnswer::No};
    other.dialogs.openFileAnswers = {file};
    findControl<QAction>(other.form, "OpenDesignItem")->trigger();
    EXPECT_TRUE(other.dialogs.errors.isEmpty()) << other.dialogs.errors.join('\n').toStdString();
    EXPECT_EQ(findControl<QTextEdit>(other.form, "TitleMemo")->toPlainText(),
              QStringLiteral("the heavy card"));
    EXPECT_EQ(other.form.state().DesignFile, file);
}

TEST_F(DesignForm, TheCommandLineOpensOneDesign)
{
    FreshWindow two;
    two.form.openDesignAtStart({path("a.postcard"), path("b.postcard")});
    two.form.guard([&] { two.form.FormActivate(); });
    ASSERT_EQ(two.dialogs.errors.size(), 1);
    EXPECT_TRUE(two.dialogs.errors.first().contains(QStringLiteral("one design at a time")));
    EXPECT_TRUE(findControl<QPushButton>(two.form, "ContinueButton")
                    ->isEnabled()); // still on the About page

    FreshWindow missing;
    missing.form.openDesignAtStart({path("nowhere.postcard")});
    missing.form.guard([&] { missing.form.FormActivate(); });
    ASSERT_EQ(missing.dialogs.errors.size(), 1);
    EXPECT_TRUE(missing.dialogs.errors.first().startsWith(QStringLiteral("Cannot open file")));
    EXPECT_TRUE(findControl<QPushButton>(missing.form, "ContinueButton")->isEnabled());
}

TEST_F(DesignForm, TheFilesMenuOffersTheFourMostRecentDesigns)
{
    QStringList files;
    for (const char* name : {"one", "two", "three", "four", "five"}) {
        files << path(QLatin1String(name) + QStringLiteral(".postcard"));
        findControl<QTextEdit>(*form, "TitleMemo")->setPlainText(QLatin1String(name));
        saveAs(files.last());
    }
    openFilesMenu();
    const QList<QAction*> recent = {
        findControl<QAction>(*form, "RecentDesign1"), findControl<QAction>(*form, "RecentDesign2"),
        findControl<QAction>(*form, "RecentDesign3"), findControl<QAction>(*form, "RecentDesign4")};
    EXPECT_EQ(recent[0]->text(), QStringLiteral("&1 five.postcard"));
    EXPECT_EQ(recent[3]->text(), QStringLiteral("&4 two.postcard"));
    for (QAction* item : recent)
        EXPECT_TRUE(item->isVisible());
    EXPECT_EQ(recent[1]->property("hint").toString(),
              QStringLiteral("Open the design saved in %1.").arg(files[3]));

    recent[2]->trigger(); // three
    EXPECT_EQ(findControl<QTextEdit>(*form, "TitleMemo")->toPlainText(), QStringLiteral("three"));
    openFilesMenu();
    EXPECT_EQ(recent[0]->text(), QStringLiteral("&1 three.postcard"));

    // A design that has gone is said so and leaves the list.
    QFile::remove(files[4]);
    openFilesMenu();
    recent[1]->trigger(); // five
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.first().startsWith(QStringLiteral("Cannot open file")));
    openFilesMenu();
    EXPECT_EQ(recent[1]->text(), QStringLiteral("&2 four.postcard"));
    EXPECT_FALSE(recent[3]->isVisible());
}

TEST_F(DesignForm, TheDesignEntriesStandAboveTheOldOnesWithShortcutsAndHints)
{
    QStringList entries;
    for (QAction* a : findControl<QMenu>(*form, "FilesMenu")->actions())
        entries << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    EXPECT_EQ(entries,
              (QStringList{"OpenDesignItem", "SaveDesignItem", "SaveDesignAsItem", "-",
                           "RecentDesign1", "RecentDesign2", "RecentDesign3", "RecentDesign4", "-",
                           "AddressListItem", "RemoveAddressListItem", "-", "SaveImageAsItem",
                           "SaveAsJpgItem", "ExportPdfItem", "-", "ExitItem"}));
    EXPECT_EQ(findControl<QAction>(*form, "OpenDesignItem")->text(),
              QStringLiteral("Open Design..."));
    EXPECT_EQ(findControl<QAction>(*form, "SaveDesignItem")->text(), QStringLiteral("Save Design"));
    EXPECT_EQ(findControl<QAction>(*form, "SaveDesignAsItem")->text(),
              QStringLiteral("Save Design As..."));
    EXPECT_EQ(findControl<QAction>(*form, "OpenDesignItem")->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(findControl<QAction>(*form, "SaveDesignItem")->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+S")));
    // Like the menu, its shortcuts wait for Continue.
    FreshWindow welcome;
    EXPECT_FALSE(findControl<QAction>(welcome.form, "OpenDesignItem")->isEnabled());
    EXPECT_FALSE(findControl<QAction>(welcome.form, "SaveDesignItem")->isEnabled());
    EXPECT_TRUE(findControl<QAction>(*form, "OpenDesignItem")->isEnabled());
    EXPECT_TRUE(findControl<QAction>(*form, "SaveDesignItem")->isEnabled());
    for (QAction* a : {findControl<QAction>(*form, "OpenDesignItem"),
                       findControl<QAction>(*form, "SaveDesignItem"),
                       findControl<QAction>(*form, "SaveDesignAsItem")}) {
        emit findControl<QMenu>(*form, "FilesMenu")->hovered(a);
        EXPECT_EQ(findControl<QTextEdit>(*form, "Memo2")->toPlainText(),
                  a->property("hint").toString());
        EXPECT_TRUE(a->property("hint").toString().endsWith(QLatin1Char('.')));
    }
}

} // namespace
