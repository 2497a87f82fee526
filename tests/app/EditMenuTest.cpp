// What only the window shows of the card's history: the Edit menu's commands, their names and
// states, every kind of change taken back and made again on the controls, Ctrl+Z from a memo,
// the unsaved-changes question after an undo; and the front text printed as typed.
#include "support/FormFixture.h"
#include "support/ImageChecks.h"
#include "support/PictureFiles.h"

#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace
{

class EditMenu : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        activate();
        pressContinue();
        undo = findControl<QAction>(*form, "UndoItem");
        redo = findControl<QAction>(*form, "RedoItem");
    }

    QTemporaryDir dir;
    QAction* undo = nullptr;
    QAction* redo = nullptr;
};

} // namespace

TEST_F(EditMenu, EveryKindOfChangeIsOneStepTakenBackAndMadeAgain)
{
    // The menu stands between Files and Print; with nothing done it has nothing to undo.
    const QList<QAction*> menus = form->menuBar()->actions();
    ASSERT_GE(menus.size(), 3);
    EXPECT_EQ(menus[1]->menu(), findControl<QMenu>(*form, "EditMenu"));
    EXPECT_EQ(menus[2]->menu(), findControl<QMenu>(*form, "PrintMenu"));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(undo->text(), QStringLiteral("Undo"));
    EXPECT_TRUE(undo->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Z"))));
    EXPECT_TRUE(redo->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Y"))));

    const QString photo = savedPicture(blockPicture(300, 200), dir.filePath("photo.png"));
    auto* title = findControl<QTextEdit>(*form, "TitleMemo");
    const struct {
        const char* step;
        std::function<void()> change;
    } changes[] = {
        {"Typing in Title",
         [&] {
             title->setFocus();
             title->moveCursor(QTextCursor::End);
             QTest::keyClicks(title, QStringLiteral(" by the sea"));
         }},
        {"Layout",
         [&] {
             findControl<RadioGroup>(*form, "TypeOfDeckRadioGroup")->setChoice(Layout::FourOnSheet);
         }},
        {"Image Size", [&] { findControl<UpDown>(*form, "ImageSizeUpDown")->click(false); }},
        {"Title Tick", [&] { findControl<QCheckBox>(*form, "TitleCheckBox")->click(); }},
        {"Font",
         [&] {
             dialogs.fontAnswers.push_back(QFont(QStringLiteral("DejaVu Serif"), 17));
             findControl<QPushButton>(*form, "FontButton")->click();
         }},
        {"Front Picture", [&] { openFrontPicture(photo); }},
        {"UnSelect All", [&] { findControl<QPushButton>(*form, "UnSelectAllButton")->click(); }},
    };
    for (const auto& c : changes) {
        const CardDocument before = form->document();
        c.change();
        const CardDocument after = form->document();
        ASSERT_FALSE(after == before) << c.step;
        EXPECT_EQ(undo->text(), QStringLiteral("Undo %1").arg(QLatin1String(c.step)));
        undo->trigger();
        EXPECT_TRUE(form->document() == before) << c.step;
        // The controls show the card again.
        for (const CardSetting& s : cardSettings())
            EXPECT_EQ(s.get(before), s.get(form->document()));
        EXPECT_EQ(title->toPlainText(), before.title) << c.step;
        EXPECT_EQ(redo->text(), QStringLiteral("Redo %1").arg(QLatin1String(c.step)));
        redo->trigger();
        EXPECT_TRUE(form->document() == after) << c.step;
    }
    // The picture's step undone clears the front; the back is drawn from the card.
    while (undo->isEnabled() && form->document().front)
        undo->trigger();
    EXPECT_TRUE(form->state().FrontSheetImage.isNull());
    EXPECT_EQ(form->state().BackSheetImage.size(), form->document().sheetSize());
}

TEST_F(EditMenu, CtrlZInAMemoUndoesTheCardAndUndoingToTheSavedCardIsNoChange)
{
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    auto* desc = findControl<QTextEdit>(*form, "DescMemo");
    const QString saved = dir.filePath(QStringLiteral("card.postcard"));
    dialogs.saveFileAnswers.push_back(saved);
    findControl<QAction>(*form, "SaveDesignAsItem")->trigger();
    ASSERT_FALSE(form->designChanged());

    desc->setFocus();
    desc->moveCursor(QTextCursor::End);
    QTest::keyClicks(desc, QStringLiteral("xyz"));
    EXPECT_TRUE(form->designChanged());
    QTest::keySequence(desc, QKeySequence::Undo);
    EXPECT_EQ(desc->toPlainText(), QStringLiteral("Descriptive Text"));
    EXPECT_FALSE(form->designChanged());
    // Nothing to save: the program asks only whether to end.
    dialogs.questionAnswers.push_back(false);
    form->close();
    EXPECT_TRUE(dialogs.yesNoCancelAnswers.empty());
    EXPECT_EQ(dialogs.questions.size(), 1);
}

TEST_F(EditMenu, FrontTextTypedAMomentAgoIsPrinted)
{
    userSelects(findControl<QTabWidget>(*form, "PageControl1"),
                findControl<QWidget>(*form, "FrontTabSheet"));
    openFrontPicture(savedPicture(solidImage(300, 200, Qt::white), dir.filePath("white.png")));
    ASSERT_EQ(printFromTab(true), 1);
    const QImage blank = printer.paint();
    auto* memo = findControl<QTextEdit>(*form, "FrontMemo");
    memo->setFocus();
    QTest::keyClicks(memo, QStringLiteral("Hello"));
    // Print at once, before the preview's pause ends.
    printer.bands.clear();
    printer.drawings.clear();
    ASSERT_EQ(printFromTab(true), 1);
    EXPECT_NE(printer.paint(), blank);
    EXPECT_FALSE(inkIn(printer.paint()).isEmpty());
    EXPECT_TRUE(inkIn(blank).isEmpty());
}
