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

#include "document/PrintPreview.h"
#include "print/AlignmentPages.h"

#include <QAction>
#include <QPainter>
#include <QSettings>
#include <utility>
#include <vector>

namespace
{

const WindowText PaperCutTitle{QT_TRANSLATE_NOOP("TForm1", "Cards Cut Off")};
const WindowText PaperTitle{QT_TRANSLATE_NOOP("TForm1", "Paper")};
const WindowText AlignmentTestTitle{QT_TRANSLATE_NOOP("TForm1", "Alignment Test")};
const WindowText BothSidesHint{QT_TRANSLATE_NOOP(
    "TForm1", "Prints the fronts and, on the back of the same sheet, the backs in one go; the "
              "printer turns the sheet over its %1, as set in Printer Setup.  Number of "
              "Copies counts sheets.")};
const WindowText NoPrinterBothSidesHint{QT_TRANSLATE_NOOP(
    "TForm1", "No printer is installed, so this is not available: Print saves the fronts and "
              "the backs each as a PDF file of its own.")};
const WindowText BacksAfterFrontsQuestion{QT_TRANSLATE_NOOP(
    "TForm1", "The fronts are printed. %1\n\nPut the sheets back into the paper tray so that "
              "their blank side will be printed, turned over as the preview shows. Print the "
              "backs on them now?")};
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
    return ControlsDisabled(
        {ui.PrinterSetupButton, ui.Label2, ui.Label3, ui.CopiesEdit, ui.CopiesUpDown,
         ui.PrintImageAdjustEdit, ui.PrintImageAdjustUpDown, ui.PrintImageVAdjustLabel,
         ui.PrintImageVAdjustEdit, ui.PrintImageVAdjustUpDown, ui.PreviewButton, ui.PrintButton,
         ui.ExitButton, ui.TypeOfDeckRadioGroup, ui.SheetTurnRadioGroup, ui.PrintQualityRadioGroup},
        {ui.PrintBothSidesItem, ui.AlignmentTestItem});
}

} // namespace

void TForm1::TypeOfDeckRadioGroupClick(QObject* Sender)
{
    ui.Panel1->show();
    const Layout chosen = document().layout;
    if (isFirstLayout(chosen)) {
        const ImageBox* diagrams[] = {ui.ppImage, ui.llImage, ui.slImage, ui.FourupImage};
        {
            QPainter p(&ui.LayoutImage->canvas());
            p.drawImage(QPoint(0, 0), diagrams[std::size_t(chosen)]->canvas());
        }
        ui.LayoutImage->update();
    } else {
        drawLayoutMiniature();
    }
    applyLayoutToPrinter(printer(), chosen);
    FrontImageRefresh(Sender);
}

namespace
{
const QString PrintQualityKey = QStringLiteral("print/quality");
QSettings windowSettings()
{
    return QSettings(QStringLiteral("Talmiro"), QStringLiteral("Talmiro Postcard Print"));
}
} // namespace

void TForm1::bindPrintQuality()
{
    // The room beside the layout diagram holds a short caption; the full name is said.
    ui.PrintQualityRadioGroup->setAccessibleName(tr("Print Quality"));
    const int kept = windowSettings().value(PrintQualityKey, int(PrintQuality::Fine)).toInt();
    ui.PrintQualityRadioGroup->setChoice(kept == int(PrintQuality::AsShown) ? PrintQuality::AsShown
                                                                            : PrintQuality::Fine);
    connect(ui.PrintQualityRadioGroup, &RadioGroup::changed, this,
            [](int index) { windowSettings().setValue(PrintQualityKey, index); });
}

PrintQuality TForm1::printQuality() const
{
    return ui.PrintQualityRadioGroup->choice<PrintQuality>() == PrintQuality::AsShown
               ? PrintQuality::AsShown
               : PrintQuality::Fine;
}

void TForm1::refreshPrintPage()
{
    Metrics = ReadPrinterMetrics(printer());
    PrintPageImage = CreatePrintPage(Metrics, document().imageAdjust);
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
    if (!paperAgreed())
        return;
    // The back is drawn first, as the tab shows it; then the page made of the card as it is now.
    DrawPostCardBack(Sender, 1, 0, 0);
    const WaitCursor wait;
    const PreparedPrint print =
        preparePrint(printer(), document(), PrintSide::Backs, document().sheetTurn(),
                     PrintSides::OneSided, printQuality());
    Metrics = print.metrics;
    PrintPageImage = print.backPage;
    if (print.layout == Layout::PortraitPortrait)
        writeBmpFile(PrintPageImage, workFile(TurnedWorkFile));
    PrintPostCardBacks(print);
}

void TForm1::PrintPostCardBacks(const PreparedPrint& print)
{
    writeBmpFile(PrintPageImage, workFile(PageWorkFile));
    if (print.layout == Layout::SingleOn4x6)
        dialogs().message(pageSizeMessage(print.metrics));
    const QString note = sendPreparedPrint(print);
    PrintPageImage.fill(fromTColor(TColors::White));
    if (!note.isEmpty())
        dialogs().message(note);
}

QString TForm1::sendPreparedPrint(const PreparedPrint& print)
{
    if (!print.cutQuestion.isEmpty() && !dialogs().question(PaperCutTitle, print.cutQuestion))
        return {};
    return sendRun(print);
}

void TForm1::FrontPagePrint()
{
    // Before the first front picture there is no front: printing a blank page would waste paper.
    if (!document().hasFrontPicture()) {
        dialogs().message(noFrontPictureText());
        return;
    }
    if (!paperAgreed())
        return;
    const WaitCursor wait;
    // The card as it is now: text typed a moment ago is printed even before the preview shows it.
    const PreparedPrint print =
        preparePrint(printer(), document(), PrintSide::Fronts, document().sheetTurn(),
                     PrintSides::OneSided, printQuality());
    Metrics = print.metrics;
    writeBmpFile(print.frontPage, workFile(PageWorkFile));
    const QString note = sendPreparedPrint(print);
    if (!note.isEmpty())
        dialogs().message(note);
}

void TForm1::PrintBothSidesItemClick(QObject* Sender)
{
    const ControlsDisabled disabled = printControlsDisabled(ui);
    if (!document().hasFrontPicture()) {
        dialogs().message(noFrontPictureText());
        return;
    }
    if (!paperAgreed())
        return;
    DrawPostCardBack(Sender, 1, 0, 0);
    const WaitCursor wait;
    // The printer turns the sheet itself, the way its set-up says.
    const PrintSides sides = twoSidedSetting(printer().sidesSetting());
    const PreparedPrint print = preparePrint(printer(), document(), PrintSide::Both,
                                             sheetTurnOf(sides), sides, printQuality());
    Metrics = print.metrics;
    writeBmpFile(print.backPage, workFile(PageWorkFile));
    const QString note = sendPreparedPrint(print);
    if (!note.isEmpty())
        dialogs().message(note);
}

void TForm1::printPreviewed(const PreparedPrint& print)
{
    const ControlsDisabled disabled = printControlsDisabled(ui);
    if (print.side != PrintSide::Both || print.sides != PrintSides::OneSided) {
        const QString note = sendPreparedPrint(print);
        if (!note.isEmpty())
            dialogs().message(note);
        return;
    }
    // A one-sided printer: the fronts, the sheets turned over by hand, then the backs.
    if (!print.cutQuestion.isEmpty() && !dialogs().question(PaperCutTitle, print.cutQuestion))
        return;
    const QString frontNote = sendRun(printOfSide(print, PrintSide::Fronts));
    if (!dialogs().question(tr("Print Preview"), BacksAfterFrontsQuestion.arg(frontNote)))
        return;
    const QString backNote = sendRun(printOfSide(print, PrintSide::Backs));
    if (!backNote.isEmpty())
        dialogs().message(backNote);
}

void TForm1::AlignmentTestItemClick(QObject*)
{
    const ControlsDisabled disabled = printControlsDisabled(ui);
    if (!paperAgreed())
        return;
    const WaitCursor wait;
    layoutForPrint();
    AlignmentSheet sheet = alignmentSheetFor(document(), Metrics);
    sheet.acrossNudge = ui.Label3->text();
    sheet.downNudge = ui.PrintImageVAdjustLabel->text();
    const QString frontNote = printAlignmentPage(printer(), alignmentFrontPatches(sheet));
    if (!dialogs().question(AlignmentTestTitle, alignmentTurnQuestion(sheet.turn, frontNote)))
        return;
    const QString backNote = printAlignmentPage(printer(), alignmentBackPatches(sheet));
    if (!backNote.isEmpty())
        dialogs().message(backNote);
}

bool TForm1::paperAgreed()
{
    return agreeOnPaper(printer(), document().layout, [this](const QString& question) {
        return dialogs().question(PaperTitle, question);
    });
}

SheetLayout TForm1::layoutForPrint()
{
    // Read afresh: the layout may have turned the printer since the figures were last read.
    Metrics = ReadPrinterMetrics(printer());
    const auto layout = sheetLayoutAt(document().layout);
    if (!layout)
        throw AppError(noLayoutText());
    return *layout;
}

void TForm1::PrinterSetupButtonClick(QObject*)
{
    const WaitCursor wait;
    dialogs().printerSetup();
    refreshPrintPage();
    refreshPrintPreview();
    showPrintHint();
    showBothSidesCommand();
}

void TForm1::showBothSidesCommand()
{
    const bool both = printer().canPrintBothSides();
    QString hint = printer().pdfFolder().isEmpty() ? oneSidedPrinterText() : NoPrinterBothSidesHint;
    if (both)
        hint = BothSidesHint.arg(twoSidedSetting(printer().sidesSetting()) == PrintSides::ShortEdge
                                     ? tr("short edge")
                                     : tr("long edge"));
    ui.PrintBothSidesItem->setEnabled(both);
    ui.PrintBothSidesItem->setProperty("hint", hint);
}
