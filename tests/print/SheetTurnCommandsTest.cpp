// The sheet's turn, the alignment test and printing both sides in one go, from the window on the
// recording printer: whichever turn the sheet makes, by hand or in a two-sided printer, each
// back lands head to head behind its front.
#include "back/CardBack.h"
#include "geometry/PagePlacement.h"
#include "geometry/SheetLayout.h"
#include "print/AlignmentPages.h"
#include "print/PagePrint.h"
#include "support/AlignmentReading.h"
#include "support/FormFixture.h"
#include "support/TurnSimulation.h"
#include "support/WindowChecks.h"
#include "support/WindowControls.h"

#include <QMenu>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace
{

std::string turnName(SheetTurn turn)
{
    return turn == SheetTurn::Calendar ? "calendar turn" : "book turn";
}

std::string sidesName(PrintSides sides)
{
    return sides == PrintSides::ShortEdge  ? "short edge"
           : sides == PrintSides::LongEdge ? "long edge"
                                           : "one-sided";
}

} // namespace

class SheetTurnCommands : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        activate();
        pressContinue();
        dialogs.messages.clear();
    }

    // The layout and turn chosen on a printer whose margins all differ (4 x 6 paper for the
    // single card), its figures read for them: the renderer's margin comes from the last reading.
    void choose(Layout layout, SheetTurn turn, int dpi = 300)
    {
        useTestPaper(printer, dpi, layout == Layout::SingleOn4x6 ? PhotoPaper : LetterPaper,
                     UnequalMargins);
        findControl<RadioGroup>(*form, "TypeOfDeckRadioGroup")->setChoice(layout);
        findControl<RadioGroup>(*form, "SheetTurnRadioGroup")->setChoice(turn);
        findControl<QPushButton>(*form, "PrinterSetupButton")->click(); // the figures read again
    }

    // The turn's markers on each card, through picture files the user opens.
    void markCards() { markTurnCards(*form, dialogs, pictures.path()); }

    // Print with the page of fronts or the Text/Image page shown; the paper as printed.
    QImage printPage(bool fronts)
    {
        printer.bands.clear();
        printer.drawings.clear();
        printer.lines.clear();
        userSelects(findControl<QTabWidget>(*form, "PageControl1"),
                    fronts ? findControl<QWidget>(*form, "FrontTabSheet")
                           : findControl<QWidget>(*form, "TextTabSheet"));
        const int before = printer.documentsBegun;
        findControl<QPushButton>(*form, "PrintButton")->click();
        EXPECT_EQ(printer.documentsBegun, before + 1);
        return printer.paintPaper();
    }

    QTemporaryDir pictures;

    static int cardsOf(Layout layout) { return int(frontPageTiling(layout).at.size()); }
};

TEST_F(SheetTurnCommands, EitherTurnPutsEveryBackHeadToHeadBehindItsFront)
{
    for (const Layout layout : Layouts)
        for (const SheetTurn turn : {SheetTurn::Book, SheetTurn::Calendar}) {
            const std::string where =
                "layout " + std::to_string(int(layout)) + ", " + turnName(turn);
            choose(layout, turn);
            markCards();
            const QImage fronts = printPage(true);
            const QImage backs = printPage(false);
            EXPECT_EQ(turnFaults(backsBehindFronts(fronts, backs, turnOnPage(turn, layout)),
                                 cardsOf(layout)),
                      "")
                << where;
            EXPECT_TRUE(dialogs.errors.isEmpty()) << where;
        }
    // The turn goes into designs with the rest of the print settings.
    EXPECT_EQ(form->document().turn, SheetTurn::Calendar);
}

TEST_F(SheetTurnCommands, TheCalendarTurnNamesACutOfTheBacksAtTheFrontsTheyLieBehind)
{
    // Landscape letter with 1/8 inch at the page's top and 5/8 at its bottom: the 8-inch page,
    // centred down the paper, loses 3/8 inch at its bottom, fronts and backs alike. The backs
    // are printed upside down, so their cut lies behind the fronts' top edge.
    printer.setPaper(600, 5100, 6600, 75, 150, 375, 150);
    findControl<RadioGroup>(*form, "SheetTurnRadioGroup")->setChoice(SheetTurn::Calendar);
    printPage(false);
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions[0].contains(QStringLiteral("the top")) &&
                dialogs.questions[0].contains(QStringLiteral("of the upper card")))
        << dialogs.questions[0].toStdString();
    EXPECT_TRUE(dialogs.questions[0].contains(QStringLiteral("the bottom")))
        << dialogs.questions[0].toStdString();

    // Both sides on a printer that turns the sheet over its long edge (like a calendar for
    // these pages), the book turn chosen by hand: the question is about the printer's turn.
    const QString calendarQuestion = dialogs.questions[0];
    markCards();
    printer.bothSides = true;
    printer.setupSides = PrintSides::LongEdge;
    findControl<QPushButton>(*form, "PrinterSetupButton")->click();
    findControl<RadioGroup>(*form, "SheetTurnRadioGroup")->setChoice(SheetTurn::Book);
    dialogs.questions.clear();
    findControl<QAction>(*form, "PrintBothSidesItem")->trigger();
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(dialogs.questions[0], calendarQuestion);
}

TEST_F(SheetTurnCommands, PrintBothSidesSendsBothPagesInOneDocumentForThePrintersTurn)
{
    struct Case {
        Layout layout;
        SheetTurn chosen;   // the turn by hand, which a two-sided print does not use
        PrintSides setUp;   // in the printer's set-up
        PrintSides printed; // the job's sides
        SheetTurn turned;   // how the printer turns the page: over the upright paper's long edge
                            // a page on its side goes over its top, like a calendar
    };
    const Case cases[] = {
        {Layout::LandscapeLandscape, SheetTurn::Book, PrintSides::OneSided, PrintSides::LongEdge,
         SheetTurn::Calendar},
        {Layout::LandscapeLandscape, SheetTurn::Calendar, PrintSides::ShortEdge,
         PrintSides::ShortEdge, SheetTurn::Book},
        {Layout::PortraitPortrait, SheetTurn::Calendar, PrintSides::LongEdge, PrintSides::LongEdge,
         SheetTurn::Book},
        {Layout::PortraitPortrait, SheetTurn::Book, PrintSides::ShortEdge, PrintSides::ShortEdge,
         SheetTurn::Calendar},
        {Layout::FourOnSheet, SheetTurn::Book, PrintSides::LongEdge, PrintSides::LongEdge,
         SheetTurn::Calendar},
        {Layout::SingleOn4x6, SheetTurn::Calendar, PrintSides::ShortEdge, PrintSides::ShortEdge,
         SheetTurn::Book},
    };
    printer.bothSides = true;
    findControl<UpDown>(*form, "CopiesUpDown")->setPosition(3);
    for (const Case& c : cases) {
        const std::string where = "layout " + std::to_string(int(c.layout)) + ", " +
                                  sidesName(c.setUp) + " set up, " + turnName(c.chosen);
        printer.setupSides = c.setUp;
        findControl<QPushButton>(*form, "PrinterSetupButton")->click();
        ASSERT_TRUE(findControl<QAction>(*form, "PrintBothSidesItem")->isEnabled()) << where;
        choose(c.layout, c.chosen);
        markCards();
        printer.bands.clear();
        printer.drawings.clear();
        printer.lines.clear();
        const int before = printer.documentsBegun;
        findControl<QAction>(*form, "PrintBothSidesItem")->trigger();
        ASSERT_EQ(printer.documentsBegun, before + 1) << where;
        EXPECT_EQ(printer.docPages.back(), 2) << where;
        EXPECT_EQ(printer.docSides.back(), c.printed) << where;
        EXPECT_EQ(printer.copies, 3) << where;
        // Page 2, turned over as the printer turns the sheet, lies behind page 1; only the
        // backs carry the corner marks.
        EXPECT_EQ(
            turnFaults(backsBehindFronts(printer.paintPaper(0), printer.paintPaper(1), c.turned),
                       cardsOf(c.layout)),
            "")
            << where;
        ASSERT_FALSE(printer.lines.empty()) << where;
        for (const RecordingPrinter::Line& l : printer.lines)
            EXPECT_EQ(l.page, 1) << where;
        expectReadyToPrint(*form);
        EXPECT_TRUE(findControl<QAction>(*form, "PrintBothSidesItem")->isEnabled()) << where;
    }
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    // The next page printed on its own goes on one side again.
    printPage(false);
    EXPECT_EQ(printer.docSides.back(), PrintSides::OneSided);
}

TEST_F(SheetTurnCommands, PrintBothSidesIsOfferedOnlyWhenThePrinterCanAndSaysWhyNot)
{
    QAction* both = findControl<QAction>(*form, "PrintBothSidesItem");
    EXPECT_FALSE(both->isEnabled());
    const QString why = both->property("hint").toString();
    EXPECT_TRUE(why.contains(QStringLiteral("cannot print both sides"))) << why.toStdString();
    // Its hint shows when the pointer is on it, disabled as it is.
    form->show();
    findControl<QMenu>(*form, "PrintMenu")->popup(form->mapToGlobal(QPoint(40, 20)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(findControl<QMenu>(*form, "PrintMenu")));
    QTest::mouseMove(findControl<QMenu>(*form, "PrintMenu"),
                     findControl<QMenu>(*form, "PrintMenu")->actionGeometry(both).center());
    QTest::qWait(50);
    EXPECT_EQ(findControl<QTextEdit>(*form, "Memo2")->toPlainText(), why);
    findControl<QMenu>(*form, "PrintMenu")->hide();

    // A print leaves it as it was.
    printPage(false);
    EXPECT_FALSE(both->isEnabled());
    expectReadyToPrint(*form);

    // Printer Setup asks the printer again.
    printer.bothSides = true;
    printer.setupSides = PrintSides::ShortEdge;
    findControl<QPushButton>(*form, "PrinterSetupButton")->click();
    EXPECT_TRUE(both->isEnabled());
    EXPECT_TRUE(both->property("hint").toString().contains(QStringLiteral("short edge")));
    printer.setupSides = PrintSides::OneSided;
    findControl<QPushButton>(*form, "PrinterSetupButton")->click();
    EXPECT_TRUE(both->property("hint").toString().contains(QStringLiteral("long edge")));

    // Without a front picture there is nothing to print on the other side.
    const int before = printer.documentsBegun;
    both->trigger();
    EXPECT_EQ(printer.documentsBegun, before);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("no picture for the postcard front")));

    printer.bothSides = false;
    findControl<QPushButton>(*form, "PrinterSetupButton")->click();
    EXPECT_FALSE(both->isEnabled());
}

TEST_F(SheetTurnCommands, AlignmentTestPrintsFrontsSaysHowToTurnThenPrintsBacksThatRead)
{
    // The printer puts its second pass 2 sheet pixels left and 5 down: the scales read the nudges
    // that take that back, whatever the nudges the test was printed with.
    const QPoint error(-6, 15); // device pixels at 600 dpi
    const QPoint expected(2, -5);
    findControl<UpDown>(*form, "PrintImageAdjustUpDown")->setPosition(7);
    findControl<UpDown>(*form, "PrintImageVAdjustUpDown")->setPosition(-4);
    findControl<UpDown>(*form, "CopiesUpDown")->setPosition(3);
    for (const Layout layout :
         {Layout::LandscapeLandscape, Layout::FourOnSheet, Layout::PortraitPortrait})
        for (const SheetTurn turn : {SheetTurn::Book, SheetTurn::Calendar}) {
            const std::string where =
                "layout " + std::to_string(int(layout)) + ", " + turnName(turn);
            choose(layout, turn, 600);
            printer.bands.clear();
            printer.drawings.clear();
            QImage fronts;
            std::vector<qsizetype> questionsAtBegin;
            printer.onBeginDoc = [&] {
                questionsAtBegin.push_back(dialogs.questions.size());
                if (questionsAtBegin.size() == 2) {
                    fronts = printer.paint();
                    printer.bands.clear();
                    printer.drawings.clear();
                }
            };
            dialogs.questions.clear();
            const int before = printer.documentsBegun;
            findControl<QAction>(*form, "AlignmentTestItem")->trigger();
            printer.onBeginDoc = nullptr;
            // Fronts, the question how to turn the sheet, then backs; one copy of each.
            ASSERT_EQ(printer.documentsBegun, before + 2) << where;
            EXPECT_EQ(questionsAtBegin, (std::vector<qsizetype>{0, 1})) << where;
            ASSERT_EQ(dialogs.questions.size(), 1) << where;
            EXPECT_TRUE(dialogs.questions[0].startsWith(QStringLiteral("Alignment Test|")));
            EXPECT_TRUE(dialogs.questions[0].contains(turn == SheetTurn::Calendar
                                                          ? QStringLiteral("like a wall calendar")
                                                          : QStringLiteral("page of a book")))
                << where;
            EXPECT_EQ(printer.copies, 1) << where;
            EXPECT_EQ(printer.docSides.back(), PrintSides::OneSided) << where;

            const AlignmentSheet sheet =
                alignmentSheetFor(layout, form->state().Metrics, turn, {7, -4});
            const HeldSheet held{fronts, printer.paint(), form->state().Metrics,
                                 turnOnPage(turn, layout), error};
            ASSERT_EQ(int(sheet.cards.size()), cardsOf(layout)) << where;
            for (int i = 0; i < int(sheet.cards.size()); ++i) {
                const Reading r = readScales(held, sheet, i);
                EXPECT_EQ(r.across, expected.x()) << where << ", card " << i;
                EXPECT_EQ(r.down, expected.y()) << where << ", card " << i;
            }
            expectReadyToPrint(*form);
        }
    // No to the question: the backs are not printed.
    dialogs.questionAnswers.push_back(false);
    const int before = printer.documentsBegun;
    findControl<QAction>(*form, "AlignmentTestItem")->trigger();
    EXPECT_EQ(printer.documentsBegun, before + 1);
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
}
