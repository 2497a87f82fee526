// Sheet layouts, the printer's figures and the print commands.
#include "TForm1.h"
#include "WaitCursor.h"
#include "WindowText.h"
#include "ui_TForm1.h"

#include "back/CardBack.h"
#include "front/FrontComposer.h"
#include "geometry/PagePlacement.h"
#include "geometry/SheetLayout.h"
#include "gfx/AppError.h"
#include "gfx/BmpFile.h"
#include "print/PagePrint.h"
#include "print/PrinterDevice.h"

#include "print/AlignmentTest.h"

#include <QAction>
#include <QPainter>
#include <utility>
#include <vector>

namespace
{

const WindowText NoFrontPictureText{QT_TRANSLATE_NOOP(
    "TForm1", "There is no picture for the postcard front yet, so nothing was printed. "
              "Click the front preview to open a picture, then print again.")};
const WindowText PaperCutTitle{QT_TRANSLATE_NOOP("TForm1", "Cards Cut Off")};
const WindowText AlignmentTestTitle{QT_TRANSLATE_NOOP("TForm1", "Alignment Test")};
const WindowText BothSidesHint{QT_TRANSLATE_NOOP(
    "TForm1", "Prints the fronts and, on the back of the same sheet, the backs in one go; the "
              "printer turns the sheet over its %1, as set in Printer Setup.  Number of "
              "Copies counts sheets.")};
const WindowText OneSidedPrinterHint{QT_TRANSLATE_NOOP(
    "TForm1", "This printer cannot print both sides of a sheet, so this is not available: "
              "print the fronts, turn the sheet over and print the backs, or choose a "
              "printer that prints both sides with Printer Setup.")};
const WindowText NoPrinterBothSidesHint{QT_TRANSLATE_NOOP(
    "TForm1", "No printer is installed, so this is not available: Print saves the fronts and "
              "the backs each as a PDF file of its own.")};
const WindowText NoLayoutText{QT_TRANSLATE_NOOP(
    "TForm1", "No Post Card Back Layout is chosen, so nothing was printed. Choose one and "
              "print again.")};

// Disables the print controls, in order, for its lifetime and gives each its state again, in
// the same order, however the print ends: errors included. A command that was disabled before
// (Print Both Sides on a one-sided printer) stays so.
class ControlsDisabled
{
public:
    ControlsDisabled(std::vector<QWidget*> controls, std::vector<QAction*> commands)
    {
        for (QWidget* w : controls) {
            widgets_.emplace_back(w, w->isEnabled());
            w->setEnabled(false);
        }
        for (QAction* a : commands) {
            actions_.emplace_back(a, a->isEnabled());
            a->setEnabled(false);
        }
    }
    ~ControlsDisabled()
    {
        for (const auto& [w, enabled] : widgets_)
            w->setEnabled(enabled);
        for (const auto& [a, enabled] : actions_)
            a->setEnabled(enabled);
    }
    ControlsDisabled(const ControlsDisabled&) = delete;
    ControlsDisabled& operator=(const ControlsDisabled&) = delete;

private:
    std::vector<std::pair<QWidget*, bool>> widgets_;
    std::vector<std::pair<QAction*, bool>> actions_;
};

// The print controls of the Print tab and menu, disabled while anything prints.
ControlsDisabled printControlsDisabled(const Ui::TForm1& ui)
{
    return ControlsDisabled({ui.PrinterSetupButton, ui.Label2, ui.Label3, ui.CopiesEdit,
                             ui.CopiesUpDown, ui.PrintImageAdjustEdit, ui.PrintImageAdjustUpDown,
                             ui.PrintImageVAdjustLabel, ui.PrintImageVAdjustEdit,
                             ui.PrintImageVAdjustUpDown, ui.PreviewButton, ui.PrintButton,
                             ui.ExitButton, ui.TypeOfDeckRadioGroup, ui.SheetTurnRadioGroup},
                            {ui.PrintBothSidesItem, ui.AlignmentTestItem});
}

// The nudges: sheet pixels right and down that the backs move.
QPoint nudgeOf(const Ui::TForm1& ui)
{
    return {ui.PrintImageAdjustUpDown->position(), ui.PrintImageVAdjustUpDown->position()};
}

// How the user turns the sheet between the page of fronts and the page of backs.
SheetTurn turnOf(const Ui::TForm1& ui)
{
    return ui.SheetTurnRadioGroup->choice<SheetTurn>() == SheetTurn::Calendar ? SheetTurn::Calendar
                                                                              : SheetTurn::Book;
}

} // namespace

void TForm1::TypeOfDeckRadioGroupClick(QObject* Sender)
{
    ui.Panel1->show();
    SheetWidth = 1200;
    SheetHeight = 800;
    if (const auto layout = sheetLayoutAt(ui.TypeOfDeckRadioGroup->choice<Layout>())) {
        const ImageBox* diagrams[] = {ui.ppImage, ui.llImage, ui.slImage, ui.FourupImage};
        {
            QPainter p(&ui.LayoutImage->canvas());
            p.drawImage(QPoint(0, 0), diagrams[std::size_t(layout->kind)]->canvas());
        }
        ui.LayoutImage->update();
        printer().setOrientation(layout->orientation);
        printer().setLayoutPaper(layout->paper);
        SheetWidth = layout->card.width();
        SheetHeight = layout->card.height();
    }
    FrontImageRefresh(Sender);
}

void TForm1::refreshPrintPage()
{
    Metrics = ReadPrinterMetrics(printer());
    PrintPageImage = CreatePrintPage(Metrics, ui.PrintImageAdjustUpDown->position());
}

void TForm1::PrintButtonClick(QObject* Sender)
{
    const ControlsDisabled disabled = printControlsDisabled(ui);
    if (ui.PageControl1->currentWidget() == ui.FrontTabSheet) {
        FrontPagePrint();
        return;
    }
    // Printing backs shows the back, also from the About page after a visit to the front: the
    // window is in back mode afterwards, so the Text/Image page it ends on has its tab.
    selectPage(ui.PageControl1, ui.StandardTabSheet);
    showBackTabs();
    Page1(Sender);
    selectPage(ui.PageControl1, ui.TextTabSheet);
}

void TForm1::Page1(QObject* Sender)
{
    DrawPostCardBack(Sender, 1, 0, 0);
    const WaitCursor wait;
    const SheetLayout layout = layoutForPrint();
    PrintPageImage = composeBackPage(layout.kind, BackSheetImage, turnOf(ui));
    if (layout.kind == Layout::PortraitPortrait)
        writeBmpFile(PrintPageImage, workFile(TurnedWorkFile));
    PrintPostCardBacks();
}

void TForm1::PrintPostCardBacks()
{
    const Layout layout = ui.TypeOfDeckRadioGroup->choice<Layout>();
    writeBmpFile(PrintPageImage, workFile(PageWorkFile));
    if (layout == Layout::SingleOn4x6)
        dialogs().message(pageSizeMessage(Metrics));
    const SheetTurn turn = turnOf(ui);
    const PagePlacement placement = placePages(layout, Metrics, turn, nudgeOf(ui));
    QString note;
    if (paperHoldsCards(layout, placement, turn))
        note = printPage(printer(), Metrics, PrintPageImage, placement.backs,
                         ui.CopiesUpDown->position(), backPageMarks(layout));
    PrintPageImage.fill(fromTColor(TColors::White));
    if (!note.isEmpty())
        dialogs().message(note);
}

void TForm1::FrontPagePrint()
{
    // Before the first front picture there is no front: printing a blank page would waste paper.
    if (FrontSheetImage.isNull()) {
        dialogs().message(NoFrontPictureText);
        return;
    }
    const WaitCursor wait;
    // Read afresh, as for backs: figures read before the layout turned the printer would put
    // the fronts off the backs by the difference of the margins.
    Metrics = ReadPrinterMetrics(printer());
    const Layout layout = ui.TypeOfDeckRadioGroup->choice<Layout>();
    const QImage page = composeFrontPage(layout, FrontSheetImage);
    writeBmpFile(page, workFile(PageWorkFile));
    const SheetTurn turn = turnOf(ui);
    const PagePlacement placement = placePages(layout, Metrics, turn, nudgeOf(ui));
    if (!paperHoldsCards(layout, placement, turn))
        return;
    const QString note = printPage(printer(), Metrics, page, placement.fronts,
                                   ui.CopiesUpDown->position(), PageMarks::None);
    if (!note.isEmpty())
        dialogs().message(note);
}

void TForm1::PrintBothSidesItemClick(QObject* Sender)
{
    const ControlsDisabled disabled = printControlsDisabled(ui);
    if (FrontSheetImage.isNull()) {
        dialogs().message(NoFrontPictureText);
        return;
    }
    DrawPostCardBack(Sender, 1, 0, 0);
    const WaitCursor wait;
    const SheetLayout layout = layoutForPrint();
    // The printer turns the sheet itself, the way its set-up says.
    const PrintSides sides = twoSidedSetting(printer().sidesSetting());
    const SheetTurn turn = sheetTurnOf(sides);
    const PagePlacement placement = placePages(layout.kind, Metrics, turn, nudgeOf(ui));
    if (!paperHoldsCards(layout.kind, placement, turn))
        return;
    const QImage fronts = composeFrontPage(layout.kind, FrontSheetImage);
    const QImage backs = composeBackPage(layout.kind, BackSheetImage, turn);
    writeBmpFile(backs, workFile(PageWorkFile));
    const QString note = printPages(printer(), Metrics,
                                    {{fronts, placement.fronts, PageMarks::None},
                                     {backs, placement.backs, backPageMarks(layout.kind)}},
                                    ui.CopiesUpDown->position(), sides);
    if (!note.isEmpty())
        dialogs().message(note);
}

void TForm1::AlignmentTestItemClick(QObject*)
{
    const ControlsDisabled disabled = printControlsDisabled(ui);
    const WaitCursor wait;
    const SheetLayout layout = layoutForPrint();
    AlignmentSheet sheet = alignmentSheetFor(layout.kind, Metrics, turnOf(ui), nudgeOf(ui));
    sheet.acrossNudge = ui.Label3->text();
    sheet.downNudge = ui.PrintImageVAdjustLabel->text();
    const QString frontNote = printAlignmentPage(printer(), alignmentFrontPatches(sheet));
    if (!dialogs().question(AlignmentTestTitle, alignmentTurnQuestion(sheet.turn, frontNote)))
        return;
    const QString backNote = printAlignmentPage(printer(), alignmentBackPatches(sheet));
    if (!backNote.isEmpty())
        dialogs().message(backNote);
}

SheetLayout TForm1::layoutForPrint()
{
    // Read afresh: the layout may have turned the printer since the figures were last read.
    Metrics = ReadPrinterMetrics(printer());
    const auto layout = sheetLayoutAt(ui.TypeOfDeckRadioGroup->choice<Layout>());
    if (!layout)
        throw AppError(NoLayoutText);
    return *layout;
}

bool TForm1::paperHoldsCards(Layout layout, const PagePlacement& placement, SheetTurn turn)
{
    const QMargins cut =
        contentCut(placement, Metrics, turnOnPage(turn, layout),
                   frontCardForLayout(layout, Metrics).frame, backMargin(layout, Metrics));
    const QString question = paperCutQuestion(layout, Metrics, cut);
    return question.isEmpty() || dialogs().question(PaperCutTitle, question);
}

void TForm1::PrinterSetupButtonClick(QObject*)
{
    const WaitCursor wait;
    dialogs().printerSetup();
    refreshPrintPage();
    showPrintHint();
    showBothSidesCommand();
}

void TForm1::showBothSidesCommand()
{
    const bool both = printer().canPrintBothSides();
    QString hint = printer().pdfFolder().isEmpty() ? OneSidedPrinterHint : NoPrinterBothSidesHint;
    if (both)
        hint = BothSidesHint.arg(twoSidedSetting(printer().sidesSetting()) == PrintSides::ShortEdge
                                     ? tr("short edge")
                                     : tr("long edge"));
    ui.PrintBothSidesItem->setEnabled(both);
    ui.PrintBothSidesItem->setProperty("hint", hint);
}
