// What only the window shows of the print preview: the Print menu's command and its shortcut
// open it, it follows the card's changes, and its Print prints the pages it shows.
#include "app/PrintPreviewDialog.h"
#include "support/FormFixture.h"
#include "support/ImageChecks.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace
{

class PrintPreviewForm : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        printer.setPaper(150, 1275, 1650, 40, 25, 15, 55); // small pages, unequal margins
        activate();
        pressContinue();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    PrintPreviewDialog* preview() const { return form->findChild<PrintPreviewDialog*>(); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(PrintPreviewForm, ShortcutOpensItItFollowsTheCardAndItsPrintPrintsWhatItShows)
{
    QImage photo = solidImage(600, 400, QColor(20, 140, 60));
    QPainter(&photo).fillRect(0, 0, 200, 100, QColor(220, 30, 160));
    openFrontPicture(savedPicture(photo, dir.filePath("photo.png")));
    printer.bothSides = true;

    auto* item = findControl<QAction>(*form, "PrintPreviewItem");
    EXPECT_TRUE(findControl<QMenu>(*form, "PrintMenu")->actions().contains(item));
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_NE(preview(), nullptr);
    ASSERT_TRUE(preview()->isVisible());
    ASSERT_FALSE(preview()->shown().fronts.isNull());
    ASSERT_FALSE(preview()->shown().backs.isNull());
    EXPECT_EQ(printer.documentsBegun, 0); // showing prints nothing

    // A nudge of the backs moves them in the preview once the change settles.
    const QImage backsBefore = preview()->shown().backs;
    findControl<UpDown>(*form, "PrintImageAdjustUpDown")->setPosition(30); // 0.15 inch
    EXPECT_TRUE(QTest::qWaitFor([&] { return preview()->shown().backs != backsBefore; }));
    // Another layout turns the paper.
    const QSize paper = preview()->shown().fronts.size();
    findControl<RadioGroup>(*form, "TypeOfDeckRadioGroup")->setChoice(Layout::PortraitPortrait);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return preview()->shown().fronts.size() == paper.transposed(); }));

    // Print sends the pages shown: both sides in one go on this printer.
    const SheetPreview shown = preview()->shown();
    findControl<QPushButton>(*preview(), "PreviewPrint")->click();
    ASSERT_EQ(printer.documentsEnded, 1);
    ASSERT_EQ(printer.docPages.back(), 2);
    EXPECT_LT(meanDifference(shown.fronts, printer.paintPaper(0)), 3);
    EXPECT_LT(meanDifference(shown.backs, printer.paintPaper(1)), 3);
    EXPECT_GT(meanDifference(shown.backs, printer.paintPaper(0)), 10);

    // On a one-sided printer: the fronts, the question how to put the sheets back, the backs.
    printer.bothSides = false;
    item->trigger();
    findControl<QPushButton>(*preview(), "PreviewPrint")->click();
    ASSERT_EQ(printer.documentsEnded, 3);
    EXPECT_EQ(printer.docPages, (std::vector<int>{2, 1, 1}));
    ASSERT_FALSE(dialogs.questions.isEmpty());
    EXPECT_TRUE(dialogs.questions.back().startsWith(QStringLiteral("Print Preview|")));
}
