#pragma once
// The four ways of putting cards on a printed page. Sizes and positions are sheet pixels
// (1/200 inch); the layout is the item index of the layout choice.
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPoint>
#include <QSize>
#include <optional>
#include <vector>

namespace SheetLayouts
{
constexpr int PortraitPortrait = 0;   // "Portrait - Portrait"
constexpr int LandscapeLandscape = 1; // "Landscape-Landscape"
constexpr int SingleOn4x6 = 2;        // "Single on 4x6 paper"
constexpr int FourOnSheet = 3;        // "4 on Sheet"
} // namespace SheetLayouts

struct SheetLayout {
    int index;
    QPageLayout::Orientation orientation; // of the printer
    QSize card;                           // SheetWidth x SheetHeight
    QPageSize paper;                      // the paper the layout is made for, upright
};

// The layout of an item index; none for an index that names no layout (no item selected).
std::optional<SheetLayout> sheetLayoutAt(int index);

// A page of copies of one card: the page size and where each copy's top-left corner goes.
struct PageTiling {
    QSize page;
    std::vector<QPoint> at;
};

// The page of backs before any turn, for a card of `card` size.
PageTiling backPageTiling(int layout, QSize card);
// The page of fronts before any turn: fixed sizes, whatever the card size.
PageTiling frontPageTiling(int layout);

// The page as it goes to the printer, fronts and backs alike: "Portrait - Portrait" turns its
// two cards upright side by side (1600 x 1200).
QSize printedPageSize(int layout);

// A new page of `format`, white, with `card` drawn unscaled at every position of the tiling.
QImage TilePage(const QImage& card, const PageTiling& tiling, QImage::Format format);

// Turns the page a quarter turn clockwise: the pixel at (x, y) of a W x H page goes to
// (H - 1 - y, x) of the H x W result.
void RotatePageClockwise(QImage& page);

// The other way: the pixel at (x, y) goes to (y, W - 1 - x). The fronts of "Portrait - Portrait"
// are turned so, to lie head to head with the backs turned clockwise once the sheet is turned
// over like a page of a book.
void RotatePageCounterClockwise(QImage& page);
