#pragma once
// The card drawn and printed from its document, without any widget: the back, the front, the
// pages of a print command and the alignment test's cards. The window and the command line
// both go through these, so that they print the same pixels.
#include "CardDocument.h"
#include "CardRun.h"
#include "geometry/PrinterMetrics.h"
#include "gfx/TextLines.h"
#include "print/AlignmentPages.h"
#include "print/PagePrint.h"

#include <QImage>
#include <functional>

class PrinterDevice;

// The window's own font ("MS Sans Serif" as the window's table gives it), which its plain
// memos show their text in.
QFont windowFont();
// The texts of the two refusals of a print command.
QString noLayoutText();
QString noFrontPictureText();
// The refusal of a list none of whose addresses has more than a name.
QString noListAddressesText();
// Why both sides cannot be printed in one go on a printer that prints one side only.
QString oneSidedPrinterText();

// The card's texts, each wrapped as its memo on the window shows it.
enum class CardText { Title, Description, VerticalText, Stamp, LowerLeftText, Address, Front };
// The memo's font, the width its lines take and their alignment. The window gives its memos
// these fonts; a test holds their widths to the window's.
const TextBox& cardTextBox(CardText text);

// Everything one render of the back reads, from the document and the printer's figures; the
// About page's state (welcome, sample picture) is the window's to add.
CardBackInput cardBackInput(const CardDocument& card, const PrinterMetrics& metrics);
// The back at sheet scale.
QImage renderBack(const CardDocument& card, const PrinterMetrics& metrics);

// Everything a front is composed from; its picture is null while the card has none.
FrontComposition frontComposition(const CardDocument& card, const PrinterMetrics& metrics);
// The composed front at sheet scale; null while the card has no front picture.
QImage renderFront(const CardDocument& card, const PrinterMetrics& metrics);

// Turns the printer to the layout's orientation and gives it the layout's paper, as choosing
// the layout does. A layout that names none leaves the printer as it is.
void applyLayoutToPrinter(PrinterDevice& printer, Layout layout);

// Before printing: a layout beyond the first four prints on its own paper, which is put in the
// printer when it offers it; when not, `ask` is asked (with a question naming both papers)
// whether to print on the printer's paper instead. Whether printing may go on. The first four
// layouts print on the printer's paper, as they always have.
bool agreeOnPaper(PrinterDevice& printer, Layout layout,
                  const std::function<bool(const QString&)>& ask);

// What a print command prints.
enum class PrintSide { Fronts, Backs, Both };

// One print command, made ready: the pages composed, placed and checked against the paper,
// nothing sent yet.
struct PreparedPrint {
    PrintSide side = PrintSide::Backs;
    Layout layout = Layout::LandscapeLandscape;
    PrinterMetrics metrics;
    QImage back;      // the card back drawn for it (backs and both), the first of a run
    QImage backPage;  // the first page of backs as it goes to the printer
    QImage frontPage; // the first page of fronts (fronts and both), the same on every sheet
                      // unless the run's cards differ
    // What the other sheets of a run are made from, each only when it is sent.
    CardDocument card;
    CardRun run;
    // Drawn at the printer's resolution (Fine), or the pages above stretched to it.
    PrintQuality quality = PrintQuality::Fine;
    FrontComposition front; // the first photo's front, what a run of one photo draws
    SheetTurn turn = SheetTurn::Book;
    PagePlacement placement;
    PrintSides sides = PrintSides::OneSided;
    int copies = 1;
    // The question to ask before printing, when the paper or the printer cuts the cards; empty
    // when nothing worth asking is cut.
    QString cutQuestion;
};

// Reads the printer's figures afresh and composes the pages of `side` for the card, placed for
// `turn` (how the sheet is turned between its sides) and sent on `sides`. Raises AppError when
// no layout is chosen, or fronts are asked for and the card has no front picture.
// `quality`: drawn for the printer at its resolution, or the pages above stretched to it.
PreparedPrint preparePrint(PrinterDevice& printer, const CardDocument& card, PrintSide side,
                           SheetTurn turn, PrintSides sides = PrintSides::OneSided,
                           PrintQuality quality = PrintQuality::Fine);
// The page of backs of one sheet of the run.
QImage backPageOfSheet(const PreparedPrint& print, int sheet);
// The page of fronts of one sheet of the run: each card's own photo, blank where the sheet has
// no card.
QImage frontPageOfSheet(const PreparedPrint& print, int sheet);

// After each whole sheet: the sheets sent and of how many; false stops the run there.
using SheetProgress = std::function<bool(int sent, int sheets)>;

// Sends the prepared run as one document, sheet by sheet, each made only when it is sent, in its
// quality; returns the device's note for the user. `progress` may stop it at a sheet's end: what
// was sent goes out, and `sheetsSent` (if given) says how many.
QString sendPrint(PrinterDevice& printer, const PreparedPrint& print,
                  const SheetProgress& progress = {}, int* sheetsSent = nullptr);
// Sends sheet `sheet` of the run alone, made as sendPrint makes it, as a document of its own.
QString sendSheet(PrinterDevice& printer, const PreparedPrint& print, int sheet);

// A PDF for a print shop: each card on a page of its own at its real size.
struct PrintShopOptions {
    bool bleed = false;     // the front's picture reaches PrintShopBleed past the card's edges
    bool cropMarks = false; // marks of where to cut, outside the bleed
};
constexpr int PrintShopBleed = 25;    // sheet pixels: 1/8 inch, about 3 mm
constexpr int PrintShopMarkRoom = 75; // sheet pixels around the card that hold the crop marks
constexpr int PrintShopDpi = 600; // the pages' device pixels an inch: the most a picture is given

// The pages of `side`: the front, the back, or both in that order, drawn at PrintShopDpi as the
// card prints on a printer of `metrics`; of a run, those of each of its cards in turn. Raises
// AppError as preparePrint does.
std::vector<PdfPage> printShopPages(const CardDocument& card, PrintSide side,
                                    const PrinterMetrics& metrics, const PrintShopOptions& options);

// The alignment test's cards for the card's layout, turn and nudges.
AlignmentSheet alignmentSheetFor(const CardDocument& card, const PrinterMetrics& metrics);
