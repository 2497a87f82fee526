#pragma once
// The card front: a picture fitted, scaled and shifted on a card-sized sheet, with lines of text
// over it. Plain inputs only; the main window reads its controls into a FrontComposition.
#include "geometry/SheetLayout.h"
#include "gfx/TColor.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

class QPainter;

struct PrinterMetrics;

// One card in sheet pixels and the white frame the printer needs around it.
struct FrontCard {
    int width = CardSize.width();
    int height = CardSize.height();
    int frame = 0; // m
};

// The card and frame of a sheet layout (the index of the layout radio group). The frame comes
// from the printer's figures; without them (resolution 0) no frame can be known and none is drawn.
FrontCard frontCardForLayout(Layout layout, const PrinterMetrics& metrics);

// Everything a front is composed from.
struct FrontComposition {
    QImage picture;
    // The picture's own width and height, as it lies on the card (turned where the front turned
    // it), which the fitting uses whatever size its pixels arrived at; empty: the pixels' size.
    QSize pictureSize;
    bool pictureTurned = false; // the picture was turned onto its side: text runs upward
    int size = 100;             // percent of the fitted size
    int hOffset = 50;           // percent; 50 is centred
    int vOffset = 50;
    QStringList lines; // as the memo displays them
    QFont font;        // as chosen; drawn at twice its size in points
    TColor colour = TColors::Black;
    int textX = 20;
    int textY = 400;
    FrontCard card;
    // Sheet pixels the picture reaches past each edge of the card it meets (a print shop's bleed,
    // cut off when the cards are cut); 0 on every printed page.
    int bleed = 0;
};

// Where the picture is stretched to on the card: fitted into the card less its frame keeping
// its proportions, scaled by `size`, centred on the whole card and shifted by the offsets.
// An empty rectangle when the picture has no pixels.
QRect fitFrontPicture(const FrontComposition& front);
// Where the picture is drawn: fitted, and grown by the bleed at each edge that meets the card's.
QRect frontPictureTarget(const FrontComposition& front);

// The font the text is drawn in on the sheet: the chosen one whole (face, weight, width and
// every style the font dialog offers) at twice its size in points.
QFont frontSheetFont(const QFont& chosen);

// Where the text of a turned front starts until the user picks a place: near the card's lower
// left corner, so that its lines run up the card.
QPoint turnedFrontTextStart(const FrontCard& card);

// The composed front, card.width x card.height: white, the picture, the frame, then the text.
QImage composeFront(const FrontComposition& front);

// The same front drawn on any painter in sheet pixels from (0, 0), cut off at the card's edges:
// the bitmap above, or a printer page at the printer's resolution (text as text, the picture
// resampled to `scale` device pixels a sheet pixel). The painter's state is given back.
void drawFront(QPainter& painter, const FrontComposition& front, qreal scale);

// The front with its picture resampled once for `scale` (drawFront then draws it as it is): for
// a page that draws the same front several times.
FrontComposition frontAtScale(FrontComposition front, qreal scale);

// The largest box a front ever draws its picture into, either way up: the 6 x 4 inch card's
// width at the largest picture size, 200 %.
constexpr QSize FrontPictureBox(2400, 2400);

// The preview shows the card at a quarter of sheet scale.
constexpr int FrontPreviewScale = 4;

// What a click on the preview does, as the items of the front text picker: nothing (the text
// keeps its place and colour), place the text there, or take its colour from there.
enum class FrontTextPicker : int { Current = 0, Position = 1, Colour = 2 };

// The quarter-scale preview of `front` drawn at the top-left of `surface`.
void drawFrontPreview(QImage& surface, const QImage& front);
