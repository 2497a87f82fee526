// The layout choice and the print commands of the main window, on the recording printer.
#include "back/CardBack.h"
#include "geometry/SheetLayout.h"
#include "support/FormFixture.h"
#include "support/ScratchDisk.h"
#include "support/WindowChecks.h"
#include "support/WindowControls.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

namespace
{

QSize bmpSize(const QString& file)
{
    QImageReader reader(file, "bmp");
    return reader.size();
}

} // namespace

class PrintCommands : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        activate();
        pressContinue();
        dialogs.messages.clear();
        dialogs.errors.clear();
        // These tests follow the page as shown through its bands.
        quality()->setChoice(PrintQuality::AsShown);
    }

    RadioGroup* quality() { return findControl<RadioGroup>(*form, "PrintQualityRadioGroup"); }

    void chooseLayout(Layout layout)
    {
        findControl<RadioGroup>(*form, "TypeOfDeckRadioGroup")->setChoice(layout);
    }
    void print() { findControl<QPushButton>(*form, "PrintButton")->click(); }
    // A front picture in one colour, opened as the user does; the front tab shown.
    void openFront(QColor colour)
    {
        QImage picture(1200, 800, QImage::Format_RGB32);
        picture.fill(colour);
        openFrontPicture(savedPicture(picture, pictures.filePath(QStringLiteral("front.png"))));
        userSelects(findControl<QTabWidget>(*form, "PageControl1"),
                    findControl<QWidget>(*form, "FrontTabSheet"));
    }
    void showBacks()
    {
        userSelects(findControl<QTabWidget>(*form, "PageControl1"),
                    findControl<QWidget>(*form, "TextTabSheet"));
    }

    bool allEnabled() const
    {
        for (QWidget* w : printControls(*form))
            if (!w->isEnabled())
                return false;
        return true;
    }
    bool noneEnabled() const
    {
        for (QWidget* w : printControls(*form))
            if (w->isEnabled())
                return false;
        return true;
    }

    QTemporaryDir pictures;
};

TEST_F(PrintCommands, PrintQualityIsFineAtFirstAndKeptBetweenRuns)
{
    // A first run prints fine; the choice is the next run's.
    FormFixture::SetUp();
    activate();
    pressContinue();
    EXPECT_EQ(quality()->choice<PrintQuality>(), PrintQuality::Fine);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(quality())->text(QAccessible::Name),
              QStringLiteral("Print Quality"));
    EXPECT_EQ(printFromTab(false), 1);
    EXPECT_TRUE(printer.bands.empty());
    EXPECT_EQ(printer.drawings.size(), 1u);
    quality()->setChoice(PrintQuality::AsShown);
    form = std::make_unique<TForm1>(dialogs, printer);
    activate();
    pressContinue();
    EXPECT_EQ(quality()->choice<PrintQuality>(), PrintQuality::AsShown);
    EXPECT_EQ(printFromTab(false), 1);
    EXPECT_EQ(printer.drawings.size(), 1u);
    EXPECT_FALSE(printer.bands.empty());
}

TEST_F(PrintCommands, FirstActivationAppliesTheDefaultLayout)
{
    EXPECT_FALSE(findControl<QFrame>(*form, "Panel1")->isHidden());
    EXPECT_EQ(printer.currentOrientation, QPageLayout::Landscape);
    EXPECT_EQ(form->document().sheetSize().width(), 1200);
    EXPECT_EQ(form->document().sheetSize().height(), 800);
    EXPECT_EQ(findControl<ImageBox>(*form, "LayoutImage")->canvas().copy(0, 0, 88, 88),
              findControl<ImageBox>(*form, "llImage")
                  ->canvas()
                  .convertToFormat(findControl<ImageBox>(*form, "LayoutImage")->canvas().format()));
}

TEST_F(PrintCommands, LayoutsSetCardSizeOrientationAndDiagram)
{
    const QImage& surface = findControl<ImageBox>(*form, "LayoutImage")->canvas();
    const QColor outside = surface.pixelColor(100, 100);
    chooseLayout(Layout::FourOnSheet);
    EXPECT_EQ(form->document().sheetSize().width(), 1100);
    EXPECT_EQ(form->document().sheetSize().height(), 850);
    EXPECT_EQ(printer.currentOrientation, QPageLayout::Landscape);
    EXPECT_EQ(
        surface.copy(0, 0, 88, 88),
        findControl<ImageBox>(*form, "FourupImage")->canvas().convertToFormat(surface.format()));
    chooseLayout(Layout::SingleOn4x6);
    EXPECT_EQ(form->document().sheetSize().width(), 1200);
    EXPECT_EQ(form->document().sheetSize().height(), 800);
    EXPECT_EQ(printer.currentOrientation, QPageLayout::Landscape);
    chooseLayout(Layout::PortraitPortrait);
    EXPECT_EQ(printer.currentOrientation, QPageLayout::Portrait);
    EXPECT_EQ(surface.copy(0, 0, 88, 88),
              findControl<ImageBox>(*form, "ppImage")->canvas().convertToFormat(surface.format()));
    // Only the diagram's 88 x 88 corner of the 112 x 112 surface is drawn over.
    EXPECT_EQ(surface.pixelColor(100, 100), outside);
}

TEST_F(PrintCommands, FourOnSheetPrintsTheTiledPageAtThePapersCorner)
{
    chooseLayout(Layout::FourOnSheet);
    print();
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("\n").toStdString();
    EXPECT_EQ(printer.documentsBegun, 1);
    EXPECT_EQ(printer.documentsEnded, 1);
    // Landscape letter with 150-pixel margins: the page goes to (-150, -150), 2200 x 1700 sheet
    // pixels in 34 bands of 150 device rows.
    ASSERT_EQ(printer.bands.size(), 34u);
    EXPECT_EQ(printer.bands.front().device, QRect(-150, -150, 6600, 150));
    EXPECT_EQ(printer.lines.size(), 8u); // corner marks, no centre marks
    EXPECT_EQ(bmpSize(workFile("~~page.bmp")), QSize(2200, 1700));
    // The page is white again afterwards and keeps its size.
    EXPECT_EQ(form->state().PrintPageImage.size(), QSize(2200, 1700));
    QImage white(form->state().PrintPageImage.size(), form->state().PrintPageImage.format());
    white.fill(Qt::white);
    EXPECT_EQ(form->state().PrintPageImage, white);
    // Back on the text page, with no message for a successful print.
    EXPECT_EQ(findControl<QTabWidget>(*form, "PageControl1")->currentWidget(),
              findControl<QWidget>(*form, "TextTabSheet"));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(allEnabled());
}

TEST_F(PrintCommands, PortraitLayoutTurnsThePageAndNudgesItAcross)
{
    chooseLayout(Layout::PortraitPortrait);
    findControl<UpDown>(*form, "PrintImageAdjustUpDown")->setPosition(25);
    print();
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("\n").toStdString();
    EXPECT_EQ(bmpSize(workFile("~~a.bmp")), QSize(1600, 1200));
    EXPECT_EQ(bmpSize(workFile("~~page.bmp")), QSize(1600, 1200));
    // Portrait letter, PageWidth 4800: (4800 x 200 / 600 - 1600 + 25) x 600 / 200 = 75.
    ASSERT_EQ(printer.bands.size(), 24u);
    EXPECT_EQ(printer.bands.front().device, QRect(75, 0, 4800, 150));
    EXPECT_EQ(printer.lines.size(), 12u); // corner and centre marks
}

TEST_F(PrintCommands, LandscapeLayoutLiesCentredAcrossTheLetterPage)
{
    print();
    // Landscape letter: (6600 - 3600) / 2 from the paper's edge, less the 150-pixel margin.
    ASSERT_EQ(printer.bands.size(), 32u);
    EXPECT_EQ(printer.bands.front().device, QRect(1350, 0, 3600, 150));
    EXPECT_EQ(printer.lines.size(), 12u);
}

TEST_F(PrintCommands, NudgesMoveTheBacksRightAndDownInSheetPixelsInEveryLayout)
{
    // Unequal margins and 300 dpi: 25 is 1/8 inch, 37 device pixels; -50 is 75 up.
    printer.setPaper(300, 2550, 3300, 75, 50, 90, 100);
    for (Layout layout : Layouts) {
        chooseLayout(layout);
        const auto firstBand = [&](int across, int down) {
            findControl<UpDown>(*form, "PrintImageAdjustUpDown")->setPosition(across);
            findControl<UpDown>(*form, "PrintImageVAdjustUpDown")->setPosition(down);
            printer.bands.clear();
            printer.drawings.clear();
            print();
            return printer.bands.empty() ? QPoint(-9999, -9999)
                                         : printer.bands.front().device.topLeft();
        };
        const QPoint still = firstBand(0, 0);
        EXPECT_EQ(firstBand(25, 0) - still, QPoint(37, 0)) << layout;
        EXPECT_EQ(firstBand(-50, 0) - still, QPoint(-75, 0)) << layout;
        EXPECT_EQ(firstBand(0, 25) - still, QPoint(0, 37)) << layout;
        EXPECT_EQ(firstBand(0, -50) - still, QPoint(0, -75)) << layout;
        // The fronts stay where they are.
        openFront(Qt::red);
        const QPoint front = firstBand(0, 0);
        EXPECT_EQ(firstBand(50, 50), front) << layout;
        showBacks();
    }
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("\n").toStdString();
}

TEST_F(PrintCommands, PaperTooSmallForTheLayoutAsksFirstAndNoPrintsNothing)
{
    printer.setPaper(600, 4961, 7016, 150, 150, 150, 150); // A4 with 1/4 inch margins
    chooseLayout(Layout::FourOnSheet);
    dialogs.questionAnswers = {false};
    print();
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(dialogs.questions[0],
              "Cards Cut Off|This layout needs Letter paper; on A4 the bottom 6 mm of the lower "
              "cards is cut. Print anyway?");
    EXPECT_EQ(printer.documentsBegun, 0);
    EXPECT_TRUE(allEnabled());
    EXPECT_EQ(form->state().PrintPageImage.pixelColor(0, 0), QColor(Qt::white));

    dialogs.questionAnswers = {true};
    print();
    EXPECT_EQ(dialogs.questions.size(), 2);
    EXPECT_EQ(printer.documentsEnded, 1);

    // The fronts ask too; on letter nothing is asked.
    openFront(Qt::red);
    dialogs.questionAnswers = {false};
    print();
    EXPECT_EQ(dialogs.questions.size(), 3);
    EXPECT_EQ(printer.documentsEnded, 1);
    printer.setPaper(600, 5100, 6600, 150, 150, 150, 150);
    print();
    EXPECT_EQ(dialogs.questions.size(), 3);
    EXPECT_EQ(printer.documentsEnded, 2);
}

TEST_F(PrintCommands, EachLayoutAsksForItsPaper)
{
    for (Layout layout :
         {Layout::PortraitPortrait, Layout::LandscapeLandscape, Layout::FourOnSheet}) {
        chooseLayout(layout);
        EXPECT_EQ(printer.layoutPaper.id(), QPageSize::Letter) << layout;
    }
    chooseLayout(Layout::SingleOn4x6);
    EXPECT_EQ(printer.layoutPaper.size(QPageSize::Inch), QSizeF(4, 6));
}

TEST_F(PrintCommands, SingleCardShowsThePageSizeBeforeTheDocument)
{
    // A 4 x 6 inch card printer at 300 dpi: 1740 x 1140 printable, 30 x 30 offsets.
    printer.setFigures(300, 1740, 1140, 30, 30, 30, 30);
    chooseLayout(Layout::SingleOn4x6);
    int messagesAtBegin = -1;
    printer.onBeginDoc = [&] { messagesAtBegin = dialogs.messages.size(); };
    print();
    ASSERT_EQ(dialogs.messages, QStringList{"1740x1140\r\n30x30"});
    EXPECT_EQ(messagesAtBegin, 1);
    // 1740 x 100 / 300 = 580 is below 6 inches: the card goes to the paper's corner.
    EXPECT_EQ(printer.bands.front().device, QRect(-30, -30, 1800, 75));
}

TEST_F(PrintCommands, CopiesMakeOneDocumentWithACopyCount)
{
    findControl<UpDown>(*form, "CopiesUpDown")->setPosition(3);
    print();
    EXPECT_EQ(printer.documentsBegun, 1);
    EXPECT_EQ(printer.copies, 3);
}

TEST_F(PrintCommands, ControlsAreDisabledDuringThePrintAndEnabledHoweverItEnds)
{
    bool disabledDuring = false;
    printer.onBeginDoc = [&] { disabledDuring = noneEnabled(); };
    print();
    EXPECT_TRUE(disabledDuring);
    EXPECT_TRUE(allEnabled());

    printer.bands.clear();
    printer.drawings.clear();
    printer.failAtBand = 3;
    print();
    EXPECT_EQ(dialogs.errors, QStringList{"The printer stopped responding."});
    EXPECT_EQ(printer.documentsAborted, 1);
    EXPECT_TRUE(allEnabled());

    printer.failAtBand = 0;
    printer.failBeginDoc = QStringLiteral("There is no default printer currently selected");
    print();
    EXPECT_EQ(dialogs.errors.last(), "There is no default printer currently selected");
    EXPECT_TRUE(allEnabled());
}

TEST_F(PrintCommands, APrinterWithResolutionZeroGetsAClearMessage)
{
    printer.dpiX = printer.dpiY = 0;
    print();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains("resolution of 0 x 0"))
        << dialogs.errors[0].toStdString();
    EXPECT_EQ(printer.documentsBegun, 0);
    EXPECT_TRUE(allEnabled());
}

TEST_F(PrintCommands, AnUnwritableWorkFolderStopsThePrintBeforeTheDocument)
{
    const BlockedFolder blocked(form->state().WorkFolder);
    print();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith("Cannot create file"))
        << dialogs.errors[0].toStdString();
    EXPECT_EQ(printer.documentsBegun, 0);
    EXPECT_TRUE(allEnabled());
}

TEST_F(PrintCommands, TheDevicesNoteIsShownAfterTheDocument)
{
    printer.endDocNote = QStringLiteral("No printer is installed, so the page was saved as x.pdf");
    print();
    EXPECT_EQ(dialogs.messages, QStringList{printer.endDocNote});
}

TEST_F(PrintCommands, FrontsWithoutAPictureAreNotPrinted)
{
    userSelects(findControl<QTabWidget>(*form, "PageControl1"),
                findControl<QWidget>(*form, "FrontTabSheet"));
    print();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains("no picture for the postcard front"));
    EXPECT_EQ(printer.documentsBegun, 0);
    EXPECT_TRUE(allEnabled());
}

TEST_F(PrintCommands, FrontsAreTiledAndPrintedWithoutMarks)
{
    chooseLayout(Layout::FourOnSheet);
    openFront(QColor(200, 30, 30));
    // Figures as they stand when printing, not as they were first read.
    printer.setFigures(600, 6600 - 90 - 60, 5100 - 120 - 30, 90, 120, 60, 30);
    print();
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("\n").toStdString();
    EXPECT_EQ(printer.documentsBegun, 1);
    EXPECT_TRUE(printer.lines.empty());
    ASSERT_EQ(printer.bands.size(), 34u);
    EXPECT_EQ(printer.bands.front().device, QRect(-90, -120, 6600, 150));
    // The first card's middle, (550, 425) on the sheet, is 3 device pixels to the sheet pixel
    // from the paper's corner.
    EXPECT_EQ(printer.paintPaper().pixelColor(550 * 3 - 90, 425 * 3 - 120), QColor(200, 30, 30));
    EXPECT_EQ(bmpSize(workFile("~~page.bmp")), QSize(2200, 1700));
    EXPECT_EQ(findControl<QTabWidget>(*form, "PageControl1")->currentWidget(),
              findControl<QWidget>(*form, "FrontTabSheet"));

    chooseLayout(Layout::LandscapeLandscape);
    print();
    // 1200 x 1600 centred across: (6600 - 3600) / 2 from the paper's edge, less its 90 pixels.
    EXPECT_EQ(printer.bands.back().device, QRect(1410, 31 * 150, 3600, 150));
}

TEST_F(PrintCommands, PrinterSetupRebuildsThePageForTheNewPrinter)
{
    printer.setFigures(300, 3000, 2400, 75, 75, 75, 75); // a narrower printer
    findControl<UpDown>(*form, "PrintImageAdjustUpDown")->setPosition(10);
    findControl<QPushButton>(*form, "PrinterSetupButton")->click();
    EXPECT_EQ(dialogs.printerSetups, 1);
    EXPECT_EQ(form->state().Metrics.DpiX, 300);
    EXPECT_EQ(form->state().Metrics.PageWidth, 3000);
    // SpareWidth = (3150 - 150 - 2250) x 200 / 300 = 500.
    EXPECT_EQ(form->state().PrintPageImage.size(), QSize(10 + 500 + 1500, 2100));
}

TEST_F(PrintCommands, BacksPrintedRightAfterEditingAreTheEditedCard)
{
    // Typed and chosen on the text page, the back's tab never shown: the print renders first.
    const QImage shownBefore = form->state().BackSheetImage.copy();
    findControl<QTextEdit>(*form, "TitleMemo")->setPlainText(QStringLiteral("Harbour lights"));
    findControl<RadioGroup>(*form, "AddressLinesRadioGroup")->setChoice(AddressLines::NoLines);
    findControl<RadioGroup>(*form, "StampBorderRadioGroup")->setChoice(StampBorder::ThickBox);
    print();
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("\n").toStdString();
    const QImage printedCard = form->state().BackSheetImage.copy();
    EXPECT_NE(printedCard, shownBefore);
    // The card printed is the one the back's tab now shows, at every place on the page sent.
    userSelects(findControl<QTabWidget>(*form, "PageControl1"),
                findControl<QWidget>(*form, "StandardTabSheet"));
    EXPECT_EQ(form->state().BackSheetImage, printedCard);
    QImageReader reader(workFile("~~page.bmp"), "bmp");
    const QImage page = reader.read().convertToFormat(QImage::Format_RGB888);
    EXPECT_EQ(page,
              tilePage(printedCard, backPageTiling(Layout::LandscapeLandscape, printedCard.size()),
                       QImage::Format_RGB888));
}

TEST_F(PrintCommands, ADocumentWhoseEndFailsIsReportedAndTheNextPrintGoesThrough)
{
    printer.failEndDoc = QStringLiteral("The page could not be sent to the printer \"Office\".");
    printer.endDocNote = QStringLiteral("saved as x.pdf"); // a success note, not to be shown
    print();
    EXPECT_EQ(dialogs.errors, QStringList{printer.failEndDoc});
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(printer.documentsEnded, 0);
    expectReadyToPrint(*form);
    EXPECT_FALSE(printer.inDocument);

    printer.failEndDoc.clear();
    print();
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(printer.documentsBegun, 2);
    EXPECT_EQ(printer.documentsEnded, 1);
    EXPECT_EQ(dialogs.messages, QStringList{printer.endDocNote});
}
