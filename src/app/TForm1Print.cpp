// Sheet layouts, the printer's figures and the print commands.
#include "TForm1.h"
#include "WaitCursor.h"

#include "back/CardBack.h"
#include "front/FrontComposer.h"
#include "geometry/PagePlacement.h"
#include "geometry/SheetLayout.h"
#include "gfx/AppError.h"
#include "gfx/BmpFile.h"
#include "print/PagePrint.h"
#include "print/PrinterDevice.h"

#include <QPainter>
#include <vector>

namespace
{

const QString NoFrontPictureText =
    QStringLiteral("There is no picture for the postcard front yet, so nothing was printed. "
                   "Click the front preview to open a picture, then print again.");
const QString PaperCutTitle = QStringLiteral("Cards Cut Off");
const QString NoLayoutText =
    QStringLiteral("No Post Card Back Layout is chosen, so nothing was printed. Choose one and "
                   "print again.");

// Disables the print controls, in order, for its lifetime and enables them again, in the same
// order, however the print ends: errors included.
class ControlsDisabled
{
public:
    explicit ControlsDisabled(std::vector<QWidget*> controls) : controls_(std::move(controls))
    {
        for (QWidget* w : controls_)
            w->setEnabled(false);
    }
    ~ControlsDisabled()
    {
        for (QWidget* w : controls_)
            w->setEnabled(true);
    }
    ControlsDisabled(const ControlsDisabled&) = delete;
    ControlsDisabled& operator=(const ControlsDisabled&) = delete;

private:
    std::vector<QWidget*> controls_;
};

// The nudges: sheet pixels right and down that the backs move.
QPoint nudgeOf(const Ui::TForm1& ui)
{
    return {ui.PrintImageAdjustUpDown->position(), ui.PrintImageVAdjustUpDown->position()};
}

} // namespace

void TForm1::TypeOfDeckRadioGroupClick(QObject* Sender)
{
    ui.Panel1->show();
    SheetWidth = 1200;
    SheetHeight = 800;
    if (const auto layout = sheetLayoutAt(ui.TypeOfDeckRadioGroup->itemIndex())) {
        const ImageBox* diagrams[] = {ui.ppImage, ui.llImage, ui.slImage, ui.FourupImage};
        {
            QPainter p(&ui.LayoutImage->canvas());
            p.drawImage(QPoint(0, 0), diagrams[layout->index]->canvas());
        }
        ui.LayoutImage->update();
        printer().setOrientation(layout->orientation);
        printer().setLayoutPaper(layout->paper);
        SheetWidth = layout->card.width();
        SheetHeight = layout->card.height();
    }
    FrontImageRefresh(Sender);
}

void TForm1::RefreshPrintPage()
{
    Metrics = ReadPrinterMetrics(printer());
    PrintPageImage = CreatePrintPage(Metrics, ui.PrintImageAdjustUpDown->position());
}

void TForm1::PrintButtonClick(QObject* Sender)
{
    const ControlsDisabled disabled(
        {ui.PrinterSetupButton, ui.Label2, ui.Label3, ui.CopiesEdit, ui.CopiesUpDown,
         ui.PrintImageAdjustEdit, ui.PrintImageAdjustUpDown, ui.PrintImageVAdjustLabel,
         ui.PrintImageVAdjustEdit, ui.PrintImageVAdjustUpDown, ui.PreviewButton, ui.PrintButton,
         ui.ExitButton, ui.TypeOfDeckRadioGroup});
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
    Metrics = ReadPrinterMetrics(printer());
    const auto layout = sheetLayoutAt(ui.TypeOfDeckRadioGroup->itemIndex());
    if (!layout)
        throw AppError(NoLayoutText);
    PrintPageImage = composeBackPage(layout->index, BackSheetImage);
    if (layout->index == SheetLayouts::PortraitPortrait)
        writeBmpFile(PrintPageImage, workFile(TurnedWorkFile));
    PrintPostCardBacks();
}

void TForm1::PrintPostCardBacks()
{
    const int layout = ui.TypeOfDeckRadioGroup->itemIndex();
    writeBmpFile(PrintPageImage, workFile(PageWorkFile));
    if (layout == SheetLayouts::SingleOn4x6)
        dialogs().message(PageSizeMessage(Metrics));
    const PagePlacement placement = placePages(layout, Metrics, SheetTurn::Book, nudgeOf(ui));
    const bool twoCards =
        layout == SheetLayouts::PortraitPortrait || layout == SheetLayouts::LandscapeLandscape;
    QString note;
    if (paperHoldsCards(layout, placement))
        note = PrintPage(printer(), Metrics, PrintPageImage, placement.backs,
                         ui.CopiesUpDown->position(),
                         twoCards ? PageMarks::CornersAndCentre : PageMarks::Corners);
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
    const int layout = ui.TypeOfDeckRadioGroup->itemIndex();
    const QImage page = composeFrontPage(layout, FrontSheetImage);
    writeBmpFile(page, workFile(PageWorkFile));
    const PagePlacement placement = placePages(layout, Metrics, SheetTurn::Book, nudgeOf(ui));
    if (!paperHoldsCards(layout, placement))
        return;
    const QString note = PrintPage(printer(), Metrics, page, placement.fronts,
                                   ui.CopiesUpDown->position(), PageMarks::None);
    if (!note.isEmpty())
        dialogs().message(note);
}

bool TForm1::paperHoldsCards(int layout, const PagePlacement& placement)
{
    const QMargins cut =
        contentCut(placement, Metrics, SheetTurn::Book, FrontCardForLayout(layout, Metrics).frame,
                   BackMargin(layout, Metrics));
    const QString question = paperCutQuestion(layout, Metrics, cut);
    return question.isEmpty() || dialogs().question(PaperCutTitle, question);
}

void TForm1::PrinterSetupButtonClick(QObject*)
{
    const WaitCursor wait;
    dialogs().printerSetup();
    RefreshPrintPage();
    showPrintHint();
}
