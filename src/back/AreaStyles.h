#pragma once
// The font and colour of each text area of the card back.
#include "gfx/TColor.h"

#include <QFont>
#include <QString>
#include <array>

enum FontStyle : unsigned {
    fsNone = 0,
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};

// One area's font and colour; size is in points as the user picks it.
struct fc {
    TColor colour = TColors::Black;
    int size = 10;
    QString name;
    unsigned style = fsNone;

    bool operator==(const fc&) const = default;
};

// Indexes of the areas, in the order of the Text Setup check boxes.
enum Area : int {
    AreaTitle = 0,
    AreaDescriptive = 1,
    AreaLowerLeftText = 2,
    AreaSeparator = 3,
    AreaStamp = 4,
    AreaPostCard = 5,
    AreaAddress = 6,
    AreaPostalBarCode = 7,
    AreaSpare = 8,
};
constexpr int AreaCount = 8;

using AreaStyleArray = std::array<fc, 9>;

// Loads the defaults as the program always has: the Text Setup dialog's font ("Times New
// Roman" 10 bold black) goes into records 7 and 8 first, then records 0 to 7 get their own
// values, which is how the spare record 8 gets its values. Returns the dialog font as set.
fc LoadDefaultAreaStyles(AreaStyleArray& table);

// The first index from `start` up to 7 whose area is ticked, or 8 when none is.
int NextArea(const std::array<bool, AreaCount>& ticked, int start);

// The font of a record on a sheet bitmap: face, twice the size (as pixels at 96 dpi), style.
QFont sheetFont(const fc& record);

// Conversions for the font dialog, which speaks QFont in points.
QFont dialogFont(const fc& record);
void copyFontInto(const QFont& font, fc& record); // size, face and style; not the colour
// A font's size in whole points, also for one sized in pixels (at 96 pixels per inch).
int fontPointSize(const QFont& font);
