#include "PrintPreview.h"

#include "print/PreviewPrinter.h"

PreparedPrint preparePreview(PrinterDevice& printer, const CardDocument& card, PrintQuality quality)
{
    const PrintSide side = card.hasFrontPicture() ? PrintSide::Both : PrintSide::Backs;
    if (side == PrintSide::Both && printer.canPrintBothSides()) {
        // As Print Both Sides: the printer turns the sheet the way its set-up says.
        const PrintSides sides = twoSidedSetting(printer.sidesSetting());
        return preparePrint(printer, card, side, sheetTurnOf(sides), sides, quality);
    }
    return preparePrint(printer, card, side, card.sheetTurn(), PrintSides::OneSided, quality);
}

PreparedPrint printOfSide(const PreparedPrint& print, PrintSide side)
{
    PreparedPrint part = print;
    part.side = side;
    part.sides = PrintSides::OneSided;
    return part;
}

SheetPreview previewSheet(const PreparedPrint& print, int sheet, double pixelsPerInch)
{
    PreviewPrinter device(print.metrics, pixelsPerInch);
    sendSheet(device, print, sheet);
    SheetPreview shown;
    const std::vector<QImage>& pages = device.pages();
    std::size_t next = 0;
    if (print.side != PrintSide::Backs && next < pages.size())
        shown.fronts = pages[next++];
    if (print.side != PrintSide::Fronts && next < pages.size())
        shown.backs = pages[next++];
    shown.printable = device.printableArea();
    shown.copies = device.copies();
    shown.sides = device.sides();
    return shown;
}
