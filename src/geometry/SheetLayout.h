#pragma once
// The four ways of putting cards on a printed page. Sizes and positions are sheet pixels
// (1/200 inch).
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPoint>
#include <QSize>
#include <optional>
#include <vector>

// The layouts as the items of the layout choice: a design file stores these numbers. A choice
// with no item selected holds -1, which is none of them.
enum class Layout : int {
    PortraitPortrait = 0,   // "Portrait - Portrait"
    LandscapeLandscape = 1, // "Landscape-Landscape"
    SingleOn4x6 = 2,        // "Single on 4x6 paper"
    FourOnSheet = 3,        // "4 on Sheet"
};
constexpr Layout Layouts[] = {Layout::PortraitPortrait, Layout::LandscapeLandscape,
                              Layout::SingleOn4x6, Layout::FourOnSheet};

// One card of 6 x 4 inches: the card of three layouts, and of the window before any layout.
constexpr QSize CardSize(1200, 800);

struct SheetLayout {
    Layout kind;
    QPageLayout::Orientation orientation; // of the printer
    QSize card;                           // SheetWidth x SheetHeight
    QPageSize paper;                      // the paper the layout is made for, upright
};

// The layout's figures; none for a choice that names no layout (no item selected).
std::optional<SheetLayout> sheetLayoutAt(Layout layout);

// The card's size in a layout; CardSize for a choice that names none.
QSize cardSizeOf(Layout layout);
// A page of copies of one card: the page size and where each copy's top-left corner goes.
struct PageTiling {
    QSize page;
    std::vector<QPoint> at;
};

// The page of backs before any turn, for a card of `card` size.
PageTiling backPageTiling(Layout layout, QSize card);
// The page of fronts before any turn: fixed sizes, whatever the card size.
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
