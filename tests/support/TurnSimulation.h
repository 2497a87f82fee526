#pragma once
// Turning a printed sheet over, as a person does between the page of fronts and the page of
// backs: the two printed pages, each as it lies on the paper in device pixels, the page of backs
// turned over onto the page of fronts, and each front card measured against the back found
// behind it. Cards are found by the three markers of turnTestCard, so any drawing of them works:
// the recording printer's paint, a rasterised PDF.
#include "geometry/PagePlacement.h"
#include "support/RecordingPrinter.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <vector>

// A card that shows where it lies and which way up it reads, on a `ground` of its own: a yellow
// square at its centre, a red one toward its top edge (the head) and a green one in its upper
// left quarter (telling the card from its mirror image). Every marker lies a quarter of the
// card or more from its edges, clear of any printer's margins.
QImage turnTestCard(QSize size, QColor ground);
// Grounds that tell the fronts from the backs.
inline const QColor FrontCardGround{40, 110, 230};
inline const QColor BackCardGround{150, 60, 200};

// The markers of one card on a page, in device pixels.
struct TestCardOnPage {
    QPointF centre;
    QPointF head;
    QPointF side;
};

// Every card of turnTestCard on `page`.
std::vector<TestCardOnPage> findTestCards(const QImage& page);

// Where a point of the page of backs (on `paper` pixels) lies behind the page of fronts once the
// sheet is turned: for the book turn mirrored left to right, for the calendar turn top to
// bottom. A two-sided printer's turn is given as the page sees it (turnOnPage).
QPointF turnedOver(QPointF at, QSize paper, SheetTurn turn);

// One front and what lies behind it.
struct BackBehindFront {
    QPointF front;             // the front's centre
    bool found = false;        // some back lies behind it
    QPointF offset;            // the back's centre less the front's, device pixels
    bool headToHead = false;   // the back's top edge lies behind the front's top edge
    bool readsUpright = false; // the back, seen from its own side, is not mirrored
};

// Each front card of `fronts` against the nearest back of `backs` (both as printed, on paper of
// the same size) once the sheet is turned.
std::vector<BackBehindFront> backsBehindFronts(const QImage& fronts, const QImage& backs,
                                               SheetTurn turn);

// How far a back may seem off on a rasterised PDF: Qt gives a PDF page's size in whole points
// (A4's 595.28 as 595) and a rasteriser samples a stretched image's edges its own way, so each
// page may lie a pixel off, which the mirror doubles. 0.2 mm at 300 dpi, 0.1 mm at 600.
constexpr double RasterisedTolerance = 2.5; // device pixels

// "" when every front has a back within `tolerance` device pixels, head to head and reading
// upright, and there are `cards` of them; else what is wrong, for the failure message.
std::string turnFaults(const std::vector<BackBehindFront>& found, int cards,
                       double tolerance = 1.0);

// Papers and margins to turn sheets on: inches, upright.
struct TestPaper {
    const char* name;
    double width, height;
};
struct TestMargins {
    const char* name;
    double left, top, right, bottom;
};
constexpr TestPaper LetterPaper{"Letter", 8.5, 11};
constexpr TestPaper A4Paper{"A4", 210 / 25.4, 297 / 25.4};
constexpr TestPaper PhotoPaper{"4x6", 4, 6};
constexpr TestMargins EqualMargins{"equal", 0.25, 0.25, 0.25, 0.25};
constexpr TestMargins UnequalMargins{"unequal", 0.25, 1.0 / 6, 0.25, 1.0 / 3};
constexpr TestMargins InkjetMargins{"inkjet", 0.125, 0.125, 0.125, 0.5};
constexpr TestMargins NoMargins{"none", 0, 0, 0, 0};
constexpr TestPaper TestPapers[] = {LetterPaper, A4Paper, PhotoPaper};
constexpr TestMargins TestMarginSets[] = {EqualMargins, UnequalMargins, InkjetMargins, NoMargins};

// Whole device pixels of `inches` at `dpi`, rounded.
int devicePixels(double inches, int dpi);
// The recording printer set to the paper and margins at `dpi`, upright.
void useTestPaper(RecordingPrinter& printer, int dpi, const TestPaper& paper,
                  const TestMargins& margins);
// Whether the paper can hold the layout's page at all (4 x 6 paper holds only the single card).
bool paperHoldsPage(Layout layout, const TestPaper& paper);
