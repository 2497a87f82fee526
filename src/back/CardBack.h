#pragma once
// The card back renderer: one complete back drawn at sheet scale (200 pixels per inch) from
// plain inputs, and its half-size previews.
#include "back/AreaStyles.h"
#include "geometry/PrinterMetrics.h"
#include "geometry/SheetLayout.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <array>

class QPainter;

// The six option groups of the card back, by item index. The numbers are what a design file
// stores; a group with no item selected holds -1, which is none of these.
enum class AddressLines : int { NoLines = 0, Lines = 1, Text = 2 };
enum class AddressSeparator : int { None = 0, ThinLine = 1, HeavyLine = 2, VerticalText = 3 };
enum class StampBorder : int { None = 0, ThinBox = 1, ThickBox = 2, Stamp = 3 };
enum class PostalBarCodeBox : int { No = 0, Yes = 1 };
enum class LowerLeftCorner : int { None = 0, Text = 1, Image = 2 };
enum class PostCardCaption : int { No = 0, Yes = 1 };

// Everything one render reads, taken from the controls at the moment of drawing.
struct CardBackInput {
    // Texts as the controls display them, one entry per drawn line.
    QStringList titleLines;
    QStringList descLines;
    QStringList lowerLeftLines;
    QStringList createdByLines;
    QStringList stampLines;
    QStringList addressLines;
    QString postalBarCodeText;
    QString postCardText;

    AddressLines addressLinesChoice = AddressLines::Lines;
    AddressSeparator separatorChoice = AddressSeparator::VerticalText;
    StampBorder stampBorderChoice = StampBorder::Stamp;
    PostalBarCodeBox postalBarCodeBoxChoice = PostalBarCodeBox::Yes;
    LowerLeftCorner lowerLeftCornerChoice = LowerLeftCorner::Image;
    PostCardCaption postCardChoice = PostCardCaption::Yes;

    AreaArray<fc, AreaCount> styles; // records 0 to 7 of the style table

    QImage cornerImage;
    QSize cornerImageSize;     // its own size, for the fitting; empty: the size of its pixels
    bool cornerChosen = false; // a corner picture file has been chosen
    bool welcome = false;      // the About page is still active
    QImage samplePicture;      // the built-in corner picture shown while welcome

    int sheetWidth = CardSize.width();
    int sheetHeight = CardSize.height();
    Layout layout = Layout::LandscapeLandscape; // -1 when none is selected
    PrinterMetrics metrics;
};

// The most lines of an area's text that the card can show: those starting within the sheet's
// height (its width for the vertical text), and for the lower-left text those that fit above
// its foot. A memo may hold far more; the lines past these are never laid out or drawn, and a
// lower-left text too long for the card shows its beginning.
int visibleLineLimit(const CardBackInput& input, Area area);

// The margin M in sheet pixels for a sheet layout and the printer's figures.
int backMargin(Layout layout, const PrinterMetrics& metrics);

// Resizes `sheet` to the input's sheet size and draws the whole card back into it. The order
// of drawing is the stacking order where elements overlap.
void renderCardBack(QImage& sheet, const CardBackInput& input);

// The same card back drawn on any painter in sheet pixels from (0, 0): the bitmap above, or a
// printer page at the printer's resolution (text and lines as such, the corner picture resampled
// to `scale` device pixels a sheet pixel). The painter's state is given back.
void drawCardBack(QPainter& painter, const CardBackInput& input, qreal scale);

// Where the corner picture is drawn on the card; empty when none is.
QRect cornerPictureTarget(const CardBackInput& input);
// The input with its corner picture resampled once for `scale` (drawCardBack then draws it as it
// is): for a page that draws the same back several times.
CardBackInput cardBackAtScale(CardBackInput input, qreal scale);

// The canvas of the back's previews: the Postcard Back tab's and the About page's sample.
constexpr QSize BackPreviewSize(600, 400);

// The preview: `canvas` (at least BackPreviewSize) filled cyan over BackPreviewSize, with the
// back at half size on it from its top-left corner.
void drawBackPreview(QImage& canvas, const QImage& sheet);

// The About page's sample: the whole back stretched over BackPreviewSize of `canvas`.
void drawBackOnAboutSample(QImage& canvas, const QImage& sheet);
