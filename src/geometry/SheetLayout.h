#pragma once
// The ways of putting cards on a printed page. Sizes and positions are sheet pixels (1/200 inch).
// A layout is a set of figures (card size, rows and columns, gaps, paper and where the cards lie
// on it): the four first layouts, two for A6 cards, and the user's own, made from figures in
// millimetres.
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPoint>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QVariantMap>
#include <optional>
#include <vector>

// The layouts by number. The first four are the items of the layout choice: a design file stores
// these numbers. A choice with no item selected holds -1, which is none of them. The user's own
// layouts get numbers from OwnLayoutsFrom on while the program runs (ownLayout).
enum class Layout : int {
    PortraitPortrait = 0,   // "Portrait - Portrait"
    LandscapeLandscape = 1, // "Landscape-Landscape"
    SingleOn4x6 = 2,        // "Single on 4x6 paper"
    FourOnSheet = 3,        // "4 on Sheet"
    FourA6OnA4 = 10,        // "4 A6 on A4": perforated A6 postcard stock on A4
    SingleA6 = 11,          // "Single A6": one A6 card on A6 (or 4 x 6 inch) paper
};
constexpr int OwnLayoutsFrom = 100;
// The four layouts of the choice, by item.
constexpr Layout Layouts[] = {Layout::PortraitPortrait, Layout::LandscapeLandscape,
                              Layout::SingleOn4x6, Layout::FourOnSheet};
// The built-in layouts beyond the four of the choice.
constexpr Layout OtherLayouts[] = {Layout::FourA6OnA4, Layout::SingleA6};
// Every built-in layout, the four of the choice first.
constexpr Layout AllLayouts[] = {Layout::PortraitPortrait, Layout::LandscapeLandscape,
                                 Layout::SingleOn4x6,      Layout::FourOnSheet,
                                 Layout::FourA6OnA4,       Layout::SingleA6};

// One card of 6 x 4 inches: the card of three layouts, and of the window before any layout.
constexpr QSize CardSize(1200, 800);

// Where the block of cards lies on the paper.
enum class CardsOnPaper {
    AtTop,     // centred across, at the top of the printable area where it fits
    Centred,   // centred both ways, as perforated stock has its cards
    AtMargins, // its top-left corner `margin` from the paper's
};

struct SheetLayout {
    Layout kind;
    QPageLayout::Orientation orientation; // of the printer
    QSize card;                           // SheetWidth x SheetHeight
    QPageSize paper;                      // the paper the layout is made for, upright
    int rows = 1;
    int columns = 1;
    QSize gap{0, 0}; // between neighbouring cards, across and down
    CardsOnPaper placement = CardsOnPaper::AtTop;
    QPoint margin; // AtMargins: the first card's top-left corner from the paper's
    // The page of cards printed turned a quarter: "Portrait - Portrait"'s upright pair.
    bool turnedQuarter = false;
};

// Whether two papers are the same size, upright, to the millimetre printers round them to.
bool samePaper(const QPageSize& a, const QPageSize& b);

// The layout's figures; none for a choice that names no layout (no item selected).
std::optional<SheetLayout> sheetLayoutAt(Layout layout);

// Whether the layout is one of the four of the layout choice.
constexpr bool isFirstLayout(Layout layout)
{
    return int(layout) >= 0 && int(layout) <= int(Layout::FourOnSheet);
}

// The least blank paper between the layout's cards and the paper's edges, sheet pixels: what
// the printer's margins may take without cutting a card. 0 for the four of the choice and none.
int roomAroundCards(Layout layout);

// The card's size in a layout; CardSize for a choice that names none.
QSize cardSizeOf(Layout layout);

// The layout's name as the window lists it.
QString layoutName(Layout layout);

// The sizes of card the back and front are drawn at: from 5 x 3.5 inches to A5 (210 x 148 mm),
// on the long side.
constexpr QSize SmallestCard(1000, 700);
constexpr QSize LargestCard(1654, 1165);
// Why a card of `card` sheet pixels cannot be drawn, naming its size; empty when it can.
QString cardSizeProblem(QSize card);

// A layout of the user's own, as they measure their stock, in millimetres.
struct OwnLayout {
    QString name;
    QSizeF card; // width (the long side) and height
    int rows = 1;
    int columns = 1;
    QSizeF paper;   // as the printer names it, upright
    QSizeF gap;     // between neighbouring cards, across and down
    QPointF margin; // the first card's top-left corner from the paper's, as the cards lie
    bool operator==(const OwnLayout&) const = default;
};

// Why the figures make no layout (the card outside the sizes drawn, no rows, cards off the
// paper); empty when they make one.
QString ownLayoutProblem(const OwnLayout& own);
// The number of the user's layout of these figures: the same figures get the same number while
// the program runs. The figures must make a layout (ownLayoutProblem); raises AppError if not.
Layout ownLayout(const OwnLayout& own);
// The figures of a layout made by ownLayout; none for any other number.
std::optional<OwnLayout> ownLayoutFigures(Layout layout);
// The figures as named values in millimetres, as the design file and the list of the user's
// layouts keep them; and back (a value missing reads as 0: check with ownLayoutProblem).
QVariantMap ownLayoutValues(const OwnLayout& own);
OwnLayout ownLayoutFromValues(const QVariantMap& values);

// A page of copies of one card: the page size and where each copy's top-left corner goes.
struct PageTiling {
    QSize page;
    std::vector<QPoint> at;
};

// The page of backs before any turn, for a card of `card` size: column by column.
PageTiling backPageTiling(Layout layout, QSize card);
// The page of fronts before any turn, row by row.
PageTiling frontPageTiling(Layout layout);

// The page as it goes to the printer, fronts and backs alike: "Portrait - Portrait" turns its
// two cards upright side by side (1600 x 1200).
QSize printedPageSize(Layout layout);

// A new page of `format`, white, with `card` drawn unscaled at every position of the tiling.
QImage tilePage(const QImage& card, const PageTiling& tiling, QImage::Format format);
// The same with a card of its own at each position, in the tiling's order; a null card leaves
// its place white.
QImage tilePage(const std::vector<QImage>& cards, const PageTiling& tiling, QImage::Format format);

// Turns the page a quarter turn clockwise: the pixel at (x, y) of a W x H page goes to
// (H - 1 - y, x) of the H x W result.
void RotatePageClockwise(QImage& page);

// The other way: the pixel at (x, y) goes to (y, W - 1 - x). The fronts of "Portrait - Portrait"
// are turned so, to lie head to head with the backs turned clockwise once the sheet is turned
// over like a page of a book.
void rotatePageCounterClockwise(QImage& page);
