#pragma once
// The alignment test: a page of fronts with fine scales where the backs will land, and a page of
// backs with pointers that, seen through the sheet held against a light, fall on the scales.
// Where a pointer falls is the nudge that puts the backs exactly behind the fronts.
//
// Scales and pointers are drawn at the device's own resolution (a tick every 1/200 inch is finer
// than the 200-dpi pages), as small patches sent in bands; the rest of the page stays blank.
#include "geometry/PagePlacement.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <vector>

class PrinterDevice;
struct PrinterMetrics;

// One card as the test sees it, in device pixels from the printable area's corner.
struct AlignmentCard {
    QRect front; // on the page of fronts
    QRect back;  // the same card on the page of backs, as placed with the test's nudges
};

struct AlignmentSheet {
    std::vector<AlignmentCard> cards;
    SheetTurn turn = SheetTurn::Book; // Book or Calendar: how the sheet is turned over
    int dpiX = 600;
    int dpiY = 600;
    QPoint nudge;        // the nudges the page of backs is printed with, in sheet pixels
    QSize paper;         // device pixels, in the layout's orientation
    QPoint paperOffset;  // the printable area's corner on the paper
    QString acrossNudge; // the names of the two nudges, as the window labels them
    QString downNudge;
};

// The values the scales carry, in sheet pixels (1/200 inch): a little beyond the nudges' range,
// so that a printer off by more shows it.
constexpr int AlignmentScaleReach = 60;

// A part of a test page: its device rectangle and the pixels that go there.
struct AlignmentPatch {
    QRect area;
    QImage image;
};

std::vector<AlignmentPatch> alignmentFrontPatches(const AlignmentSheet& sheet);
std::vector<AlignmentPatch> alignmentBackPatches(const AlignmentSheet& sheet);

// Where on the page of fronts the scales of card `card` read `value`: the device pixel of the
// tick on the across scale's base line, and on the down scale's.
QPoint acrossScaleTick(const AlignmentSheet& sheet, int card, int value);
QPoint downScaleTick(const AlignmentSheet& sheet, int card, int value);

// The test's cards for a layout: the page tiling placed as the backs and fronts are printed.
AlignmentSheet alignmentSheetFor(Layout layout, const PrinterMetrics& m, SheetTurn turn,
                                 QPoint nudge);

// What to say between the two test pages: how to put the sheet back for `turn` (as the page
// sees it: Book or Calendar), after the device's `frontNote` on the page of fronts (where it was
// saved, when it was not printed), ending in the question whether to print the backs now.
QString alignmentTurnQuestion(SheetTurn turn, const QString& frontNote);

// Prints one test page as a document of its own, one copy, one-sided.
QString printAlignmentPage(PrinterDevice& printer, const std::vector<AlignmentPatch>& patches);

// All patches drawn onto a white picture of `size` (device pixels from the printable area's
// corner), for pictures of the pages and for tests.
QImage paintAlignmentPatches(const std::vector<AlignmentPatch>& patches, QSize size);
