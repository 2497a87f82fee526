#pragma once
// The card front: a picture fitted, scaled and shifted on a card-sized sheet, with lines of text
// over it. Plain inputs only; the main window reads its controls into a FrontComposition.
#include "gfx/TColor.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QStringList>

struct PrinterMetrics;

// One card in sheet pixels and the white frame the printer needs around it.
struct FrontCard {
    int width = 1200;
    int height = 800;
    int frame = 0; // m
};

// The card and frame of a sheet layout (the index of the layout radio group). The frame comes
// from the printer's figures; without them (resolution 0) no frame can be known and none is drawn.
FrontCard FrontCardForLayout(int layout, const PrinterMetrics& metrics);

// Everything a front is composed from.
struct FrontComposition {
    QImage picture;
    bool pictureTurned = false; // the picture was transposed: text runs upward
    int size = 100;             // percent of the fitted size
    int hOffset = 50;           // percent; 50 is centred
    int vOffset = 50;
    QStringList lines; // as the memo displays them
    QFont font;        // as chosen; drawn at twice its size in points
    TColor colour = TColors::Black;
    int textX = 20;
    int textY = 400;
    FrontCard card;
};

// Where the picture is stretched to on the card: fitted into the card less its frame keeping
// its proportions, scaled by `size`, centred on the whole card and shifted by the offsets.
// An empty rectangle when the picture has no pixels.
QRect FitFrontPicture(const FrontComposition& front);

// The font the text is drawn in on the sheet.
QFont FrontSheetFont(const QFont& chosen);

// The composed front, card.width x card.height: white, the picture, the frame, then the text.
QImage ComposeFront(const FrontComposition& front);

// The preview shows the card at a quarter of sheet scale.
constexpr int FrontPreviewScale = 4;

// The quarter-scale preview of `front` drawn at the top-left of `surface`.
void DrawFrontPreview(QImage& surface, const QImage& front);

// The picture mirrored about its top-left diagonal: the pixel at (x, y) goes to (y, x).
QImage TransposePicture(const QImage& picture);
