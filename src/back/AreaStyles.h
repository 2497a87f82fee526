#pragma once
// The font and colour of each text area of the card back.
#include "gfx/TColor.h"

#include <QFlags>
#include <QFont>
#include <QString>
#include <array>
#include <cstddef>

enum class FontStyle : unsigned {
    None = 0,
    Bold = 1,
    Italic = 2,
    Underline = 4,
    StrikeOut = 8,
};
using FontStyles = QFlags<FontStyle>;
Q_DECLARE_OPERATORS_FOR_FLAGS(FontStyles)

// One area's font and colour; size is in points as the user picks it.
struct fc {
    TColor colour = TColors::Black;
    int size = 10;
    QString name;
    FontStyles style = FontStyle::None;

    bool operator==(const fc&) const = default;
};

// The areas, in the order of the Text Setup check boxes: the index of each in the style table.
enum class Area : int {
    Title = 0,
    Descriptive = 1,
    LowerLeftText = 2,
    Separator = 3,
    Stamp = 4,
    PostCard = 5,
    Address = 6,
    PostalBarCode = 7,
    Spare = 8,
};
constexpr int AreaCount = 8; // all but the spare record

// An array with one entry an area, indexed by the area or by its number.
template <typename T, std::size_t N> struct AreaArray : std::array<T, N> {
    static constexpr std::size_t Count = N;
    using std::array<T, N>::operator[];
    T& operator[](Area area) { return (*this)[std::size_t(area)]; }
    const T& operator[](Area area) const { return (*this)[std::size_t(area)]; }
};

using AreaStyleArray = AreaArray<fc, 9>;

// Loads the defaults as the program always has: the Text Setup dialog's font ("Times New
// Roman" 10 bold black) goes into records 7 and 8 first, then records 0 to 7 get their own
// values, which is how the spare record 8 gets its values. Returns the dialog font as set.
fc loadDefaultAreaStyles(AreaStyleArray& table);

// The first index from `start` up to 7 whose area is ticked, or 8 when none is.
int NextArea(const std::array<bool, AreaCount>& ticked, int start);

// The font of a record on a sheet bitmap: face, twice the size (as pixels at 96 dpi), style.
QFont sheetFont(const fc& record);

// Conversions for the font dialog, which speaks QFont in points.
QFont dialogFont(const fc& record);
void copyFontInto(const QFont& font, fc& record); // size, face and style; not the colour
// A font's size in whole points, also for one sized in pixels (at 96 pixels per inch).
int fontPointSize(const QFont& font);
