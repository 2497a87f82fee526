#pragma once
// What a print preview shows: the pages of a prepared print made by the very code that prints
// them, onto a PreviewPrinter instead of the printer, one sheet at a time.
#include "CardRender.h"

#include <QImage>
#include <QRect>

// The print a preview shows for the card on `printer`: fronts and backs (backs alone before the
// card has a front picture), on both sides in one go when the printer can, else the fronts and
// then the backs on the sheets turned as the card's Sheet Turn says. Raises AppError as
// preparePrint does.
PreparedPrint preparePreview(PrinterDevice& printer, const CardDocument& card,
                             PrintQuality quality);

// The print's part of `side` alone (its fronts or its backs), as one pass of a one-sided
// printer prints it.
PreparedPrint printOfSide(const PreparedPrint& print, PrintSide side);

// One sheet of a print as the preview shows it: each page the whole paper at the preview's
// resolution, white where nothing prints.
struct SheetPreview {
    QImage fronts;   // null when the print has no fronts
    QImage backs;    // null when it has no backs
    QRect printable; // the part of the paper the printer reaches, in the pages' pixels
    int copies = 1;
    PrintSides sides = PrintSides::OneSided;
};

// Sheet `sheet` of `print` (from 0) at `pixelsPerInch`.
SheetPreview previewSheet(const PreparedPrint& print, int sheet, double pixelsPerInch);
