#include "back/CardBack.h"
#include "back/PerforatedBorder.h"
#include "gfx/AppError.h"
#include "gfx/SheetText.h"
#include "support/ImageChecks.h"
#include "support/QtPrinters.h"
#include "support/SampleCard.h"

#include <QFontMetrics>
#include <QPainter>
#include <gtest/gtest.h>

namespace
{

const QRgb White = 0xFFFFFFFF;
const QRgb Grey = 0xFF808080;

// Letter paper at 600 dots per inch with the largest unprintable margin `margin` pixels.
PrinterMetrics printer600(int margin, int pageWidth = 4800, int pageHeight = 6300)
{
    PrinterMetrics m;
    m.PageWidth = pageWidth;
    m.PageHeight = pageHeight;
    m.DpiX = m.DpiY = 600;
    m.PhysicalWidth = 5100;
    m.PhysicalHeight = 6600;
    m.OffsetX = m.OffsetY = 100;
    m.RightMargin = margin;
    m.BottomMargin = 120;
    return m;
}

QImage render(const CardBackInput& in)
{
    QImage sheet;
    renderCardBack(sheet, in);
    return sheet;
}

bool allOf(const QImage& img, const QRect& region, QRgb colour)
{
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (img.pixel(x, y) != colour)
                return false;
    return true;
}

QFontMetrics metricsOf(const fc& record)
{
    return QFontMetrics(sheetFont(record));
}

// The line height of a record's font: its cell height, the same for every text.
int lh(const fc& record)
{
    return metricsOf(record).height();
}

int tw(const fc& record, const QString& text)
{
    return metricsOf(record).horizontalAdvance(text);
}

// Where `lines` in the record's font land when drawn alone, the first at (x, y): the extent
// a text must have on the card, whatever fonts this machine has.
QRect expectedInk(QSize sheet, const fc& record, const QStringList& lines, int x, int y)
{
    QImage img = solidImage(sheet.width(), sheet.height(), Qt::white);
    QPainter p(&img);
    prepareSheetPainter(p);
    setSheetFont(p, sheetFont(record));
    p.setPen(fromTColor(record.colour));
    for (const QString& line : lines) {
        drawTextTopLeft(p, x, y, line);
        y += p.fontMetrics().height();
    }
    p.end();
    return inkIn(img, img.rect());
}

QRect expectedRotatedInk(QSize sheet, const fc& record, const QString& text, int x, int y)
{
    QImage img = solidImage(sheet.width(), sheet.height(), Qt::white);
    QPainter p(&img);
    prepareSheetPainter(p);
    setSheetFont(p, sheetFont(record));
    DrawRotatedText(p, text, x, y, 90);
    p.end();
    return inkIn(img, img.rect());
}

// A horizontal rule of pen width 2 at y: its two rows straddle y.
bool ruleAt(const QImage& img, int x, int y, QRgb colour)
{
    return img.pixel(x, y) == colour || img.pixel(x, y - 1) == colour;
}

const fc& style(const CardBackInput& in, Area area)
{
    return in.styles[std::size_t(area)];
}

} // namespace

TEST(BackMargin, ByLayoutAndPrinter)
{
    const PrinterMetrics letter = printer600(150);
    EXPECT_EQ(backMargin(Layout::PortraitPortrait, letter), 30);
    EXPECT_EQ(backMargin(Layout::LandscapeLandscape, letter), 30);
    EXPECT_EQ(backMargin(Layout(-1), letter), 30);
    // "4 on Sheet": the largest unprintable margin, 150 device pixels at 600 dpi.
    EXPECT_EQ(backMargin(Layout::FourOnSheet, letter), 50);
    // "Single on 4x6 paper": no margin when the printable area holds 6 x 4 inches...
    EXPECT_EQ(backMargin(Layout::SingleOn4x6, letter), 0);
    EXPECT_EQ(backMargin(Layout::SingleOn4x6, printer600(150, 3600, 2400)), 0);
    // ...else the largest margin, all four converted by the horizontal resolution.
    EXPECT_EQ(backMargin(Layout::SingleOn4x6, printer600(150, 3599, 6300)), 50);
    EXPECT_EQ(backMargin(Layout::SingleOn4x6, printer600(150, 4800, 2399)), 50);
    PrinterMetrics tall = printer600(30, 3000, 2000);
    tall.DpiY = 300;
    tall.OffsetY = 240;
    EXPECT_EQ(backMargin(Layout::SingleOn4x6, tall), 80);
    EXPECT_EQ(backMargin(Layout::FourOnSheet, tall), 80);
}

TEST(BackMargin, UnknownPrinterFiguresDoNotDivideByZero)
{
    // No printer could be read: the preview still renders, with the full-sheet margin.
    const PrinterMetrics none;
    EXPECT_EQ(backMargin(Layout::SingleOn4x6, none), 30);
    EXPECT_EQ(backMargin(Layout::FourOnSheet, none), 30);
}

TEST(CardBack, DefaultCardTextsWhereTheTableSaysTheyAre)
{
    const CardBackInput in = defaultCardBack();
    const QImage sheet = render(in);
    ASSERT_EQ(sheet.size(), QSize(1200, 800));
    const QSize size = sheet.size();

    // Title centred on x = 300 from y = 30; nothing above it on the left half.
    const fc& title = style(in, Area::Title);
    const int titleLh = lh(title);
    EXPECT_EQ(inkIn(sheet, QRect(0, 0, 600, 30)), QRect());
    EXPECT_EQ(inkIn(sheet, QRect(0, 30, 590, titleLh)),
              expectedInk(size, title, in.titleLines, 300 - tw(title, in.titleLines[0]) / 2, 30));
    // Descriptive text right under it at the margin.
    const fc& desc = style(in, Area::Descriptive);
    EXPECT_EQ(inkIn(sheet, QRect(0, 30 + titleLh, 590, lh(desc))),
              expectedInk(size, desc, in.descLines, 30, 30 + titleLh));

    // Stamp text from (1050, 55), one line height per line, inside the perforated tile.
    const fc& stamp = style(in, Area::Stamp);
    EXPECT_EQ(inkIn(sheet, QRect(1041, 52, 105, 130)),
              expectedInk(size, stamp, in.stampLines, 1050, 55));

    // Caption centred on x = 820 with its top at y = 75.
    const fc& caption = style(in, Area::PostCard);
    EXPECT_EQ(
        inkIn(sheet, QRect(610, 40, 405, 185)),
        expectedInk(size, caption, {in.postCardText}, 820 - tw(caption, in.postCardText) / 2, 75));

    // Vertical text: reads upwards right of x = 600, centred on y = 375.
    const fc& sep = style(in, Area::Separator);
    const QString vertical = in.createdByLines[0];
    const QRect verticalInk = inkIn(sheet, QRect(590, 220, 60, 320));
    EXPECT_EQ(verticalInk,
              expectedRotatedInk(size, sep, vertical, 600, 375 + tw(sep, vertical) / 2));
    EXPECT_GE(verticalInk.left(), 600);
    EXPECT_LT(verticalInk.right(), 600 + lh(sep));
    EXPECT_NEAR(verticalInk.center().y(), 375, 3);
    EXPECT_GT(verticalInk.height(), 4 * verticalInk.width());

    // Bar-code text: right edge at x = 1100, standing on the strip's line (cell bottom 698).
    const fc& bar = style(in, Area::PostalBarCode);
    const QString& t = in.postalBarCodeText;
    const QRect barInk = inkIn(sheet, QRect(460, 640, 740, 58));
    EXPECT_EQ(barInk, expectedInk(size, bar, {t}, 1100 - tw(bar, t), 698 - lh(bar)));
    EXPECT_LE(barInk.right(), 1100);
    EXPECT_LE(barInk.bottom(), 698);
}

TEST(CardBack, DefaultCardLinesAndBordersByPixel)
{
    const QImage sheet = render(defaultCardBack());

    // Perforated stamp tile at (1018, 30): outline (1030, 42) to (1156, 191).
    QImage tile = solidImage(152, 175, Qt::white);
    DrawPerforatedBorder(tile, TColors::Black);
    for (int y = 0; y < 175; ++y)
        for (int x = 0; x < 152; ++x)
            if (tile.pixel(x, y) != White) {
                ASSERT_EQ(sheet.pixel(1018 + x, 30 + y), tile.pixel(x, y)) << x << "," << y;
            }
    EXPECT_NE(sheet.pixel(1030, 47), White);
    EXPECT_NE(sheet.pixel(1156, 47), White);
    EXPECT_NE(sheet.pixel(1034, 191), White);
    EXPECT_EQ(inkIn(sheet, QRect(1000, 0, 200, 30)), QRect());
    EXPECT_EQ(inkIn(sheet, QRect(1160, 0, 40, 250)), QRect());

    // Five grey address lines from x = 700 to 1170, 64 apart from y = 375.
    for (int y : {375, 439, 503, 567, 631}) {
        for (int x = 700; x <= 1170; x += 10)
            EXPECT_TRUE(ruleAt(sheet, x, y, Grey)) << x << "," << y;
        EXPECT_EQ(sheet.pixel(690, y), White);
        EXPECT_EQ(sheet.pixel(1180, y), White);
        EXPECT_EQ(inkIn(sheet, QRect(700, y + 2, 470, 20)), QRect()) << y;
    }

    // Bar-code line: (450, 800) up to (450, 699), then to (1200, 699).
    for (int y = 700; y < 800; y += 5)
        EXPECT_TRUE(sheet.pixel(450, y) == Grey || sheet.pixel(449, y) == Grey) << y;
    for (int x = 452; x < 1200; x += 5)
        EXPECT_TRUE(ruleAt(sheet, x, 699, Grey)) << x;
    EXPECT_EQ(inkIn(sheet, QRect(453, 701, 747, 99)), QRect()); // the strip stays blank
    EXPECT_EQ(inkIn(sheet, QRect(0, 702, 447, 98)), QRect());

    // No corner picture after "Continue": the corner box is empty.
    EXPECT_EQ(inkIn(sheet, QRect(0, 300, 440, 500)), QRect());
}

TEST(CardBack, SeparatorLineEndsByTheStripChoice)
{
    CardBackInput in = defaultCardBack();
    in.separatorChoice = AddressSeparator::ThinLine;
    for (PostalBarCodeBox strip : {PostalBarCodeBox::Yes, PostalBarCodeBox::No}) {
        in.postalBarCodeBoxChoice = strip;
        const QImage sheet = render(in);
        const int yEnd = strip == PostalBarCodeBox::Yes ? 675 : 750;
        for (int y = 50; y <= yEnd; y += 5)
            EXPECT_NE(sheet.pixel(600, y), White) << y;
        EXPECT_EQ(sheet.pixel(600, 45), White);
        EXPECT_EQ(sheet.pixel(600, yEnd + 4), White);
        // A pen of width 4 straddling x = 600.
        EXPECT_NE(sheet.pixel(598, 400), White);
        EXPECT_NE(sheet.pixel(601, 400), White);
        EXPECT_EQ(sheet.pixel(596, 400), White);
        EXPECT_EQ(sheet.pixel(603, 400), White);
    }
    in.separatorChoice = AddressSeparator::HeavyLine;
    const QImage heavy = render(in);
    EXPECT_NE(heavy.pixel(596, 400), White);
    EXPECT_NE(heavy.pixel(603, 400), White);
    EXPECT_EQ(heavy.pixel(594, 400), White);
    EXPECT_EQ(heavy.pixel(605, 400), White);

    in.separatorChoice = AddressSeparator::None;
    EXPECT_EQ(inkIn(render(in), QRect(560, 220, 80, 450)), QRect());
}

TEST(CardBack, StampBoxesThinAndThick)
{
    CardBackInput in = defaultCardBack();
    in.stampLines.clear();
    in.stampBorderChoice = StampBorder::ThinBox;
    const QImage thin = render(in);
    // (1020, 30) to (1170, 200), pen 4 straddling each side.
    for (int y = 32; y <= 198; y += 6) {
        EXPECT_NE(thin.pixel(1020, y), White) << y;
        EXPECT_NE(thin.pixel(1170, y), White) << y;
        EXPECT_EQ(thin.pixel(1023, y), White) << y;
        EXPECT_EQ(thin.pixel(1016, y), White) << y;
    }
    for (int x = 1022; x <= 1168; x += 6) {
        EXPECT_NE(thin.pixel(x, 30), White) << x;
        EXPECT_NE(thin.pixel(x, 200), White) << x;
    }
    EXPECT_EQ(inkIn(thin, QRect(1024, 34, 143, 163)), QRect()); // no stamp text, clear inside
    EXPECT_EQ(inkIn(thin, QRect(1000, 0, 200, 26)), QRect());

    in.stampBorderChoice = StampBorder::ThickBox;
    const QImage thick = render(in);
    EXPECT_NE(thick.pixel(1016, 100), White);
    EXPECT_NE(thick.pixel(1023, 100), White);
    EXPECT_EQ(thick.pixel(1025, 100), White);
    EXPECT_EQ(thick.pixel(1014, 100), White);
}

TEST(CardBack, StampTextAndBorderAreIndependent)
{
    CardBackInput in = defaultCardBack();
    // No border: the stamp text is still drawn, from (1050, 55).
    in.stampBorderChoice = StampBorder::None;
    const QImage bare = render(in);
    const fc& stamp = style(in, Area::Stamp);
    EXPECT_EQ(inkIn(bare, QRect(1000, 0, 200, 250)),
              expectedInk(bare.size(), stamp, in.stampLines, 1050, 55));
    // An empty stamp memo: no text, the chosen border alone.
    in.stampBorderChoice = StampBorder::Stamp;
    in.stampLines.clear();
    const QImage border = render(in);
    EXPECT_EQ(inkIn(border, QRect(1041, 52, 105, 130)), QRect());
    EXPECT_NE(border.pixel(1030, 47), White);
}

TEST(CardBack, EmptyTitlePutsTheDescriptionAtTheMargin)
{
    CardBackInput in = defaultCardBack();
    in.titleLines.clear();
    const QImage sheet = render(in);
    const fc& desc = style(in, Area::Descriptive);
    EXPECT_EQ(inkIn(sheet, QRect(0, 0, 590, 200)),
              expectedInk(sheet.size(), desc, in.descLines, 30, 30));
}

TEST(CardBack, TitleLinesFollowEachOtherAndAWideLineStartsAtTheMargin)
{
    CardBackInput in = defaultCardBack();
    const QString wide = QString(60, QLatin1Char('W'));
    in.titleLines = {QStringLiteral("A"), wide};
    in.descLines.clear();
    in.stampLines.clear();
    in.postCardChoice = PostCardCaption::No;
    in.separatorChoice = AddressSeparator::ThinLine;
    const QImage sheet = render(in);
    const fc& title = style(in, Area::Title);
    const int titleLh = lh(title);
    EXPECT_EQ(inkIn(sheet, QRect(0, 30, 590, titleLh)),
              expectedInk(sheet.size(), title, {QStringLiteral("A")},
                          300 - tw(title, QStringLiteral("A")) / 2, 30));
    // The second line is wider than the left half: it starts at M and runs on to the right,
    // under the separator line and into the stamp tile, which hides what lies under it.
    const QRect expectedWide = expectedInk(sheet.size(), title, {wide}, 30, 30 + titleLh);
    ASSERT_GT(expectedWide.right(), 1170);
    EXPECT_EQ(inkIn(sheet, QRect(0, 30 + titleLh, 590, titleLh)).left(), expectedWide.left());
    EXPECT_NE(sheet.pixel(600, 30 + titleLh + 10), White);
    EXPECT_EQ(inkIn(sheet, QRect(1041, 30 + titleLh, 105, titleLh)), QRect());
    EXPECT_NE(inkIn(sheet, QRect(900, 30 + titleLh, 110, titleLh)), QRect());
}

TEST(CardBack, VerticalTextLinesStepRightByTheLineHeight)
{
    CardBackInput in = defaultCardBack();
    in.createdByLines = {QStringLiteral("First line"), QStringLiteral("Second, longer line")};
    const QImage sheet = render(in);
    const fc& sep = style(in, Area::Separator);
    const int step = lh(sep);
    const QString& second = in.createdByLines[1];
    EXPECT_EQ(inkIn(sheet, QRect(600 + step, 200, step, 350)),
              expectedRotatedInk(sheet.size(), sep, second, 600 + step, 375 + tw(sep, second) / 2));
}

TEST(CardBack, AddressTextInsteadOfLines)
{
    CardBackInput in = defaultCardBack();
    in.addressLinesChoice = AddressLines::Text;
    in.addressLines = {QStringLiteral("Jo Reader"), QStringLiteral("12 Lane"),
                       QStringLiteral("Townsville")};
    const QImage sheet = render(in);
    const fc& address = style(in, Area::Address);
    EXPECT_EQ(inkIn(sheet, QRect(660, 360, 540, 300)),
              expectedInk(sheet.size(), address, in.addressLines, 700, 375));
    EXPECT_NE(sheet.pixel(700, 375), Grey); // no ruled lines

    in.addressLinesChoice = AddressLines::NoLines;
    EXPECT_EQ(inkIn(render(in), QRect(660, 360, 540, 300)), QRect());
}

TEST(CardBack, LowerLeftTextEndsThirtyPlusALineAboveTheBottomWhateverM)
{
    CardBackInput in = defaultCardBack();
    in.lowerLeftCornerChoice = LowerLeftCorner::Text;
    in.lowerLeftLines = {QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")};
    const fc& ll = style(in, Area::LowerLeftText);
    const int step = lh(ll);
    for (Layout layout : {Layout::LandscapeLandscape, Layout::SingleOn4x6}) {
        in.layout = layout;
        in.metrics = printer600(150); // M = 0 in "Single on 4x6 paper"
        const int m = layout == Layout::LandscapeLandscape ? 30 : 0;
        const QImage sheet = render(in);
        const int top = 800 - 30 - 4 * step;
        EXPECT_EQ(inkIn(sheet, QRect(0, 400, 440, 400)),
                  expectedInk(sheet.size(), ll, in.lowerLeftLines, m, top))
            << layout;
        EXPECT_EQ(inkIn(sheet, QRect(0, 800 - 30 - step, 440, 30 + step)), QRect());
    }
}

TEST(CardBack, CornerPictureKeepsItsProportionsInTheBottomLeftOfTheBox)
{
    CardBackInput in = defaultCardBack();
    in.cornerChosen = true;
    const QRgb red = qRgb(255, 0, 0);
    struct Case {
        QSize picture;
        QRect drawn;
    };
    // Box (30, 470) to (330, 770).
    const Case cases[] = {
        {{600, 300}, QRect(30, 620, 300, 150)}, {{300, 600}, QRect(30, 470, 150, 300)},
        {{300, 300}, QRect(30, 470, 300, 300)}, {{77, 77}, QRect(30, 470, 300, 300)},
        {{1000, 1}, QRect(30, 770, 300, 0)}, // 300 / 1000 of a pixel high: nothing shows
    };
    for (const Case& c : cases) {
        in.cornerImage = solidImage(c.picture.width(), c.picture.height(), Qt::red);
        const QImage sheet = render(in);
        const QRect expected = c.drawn.isEmpty() ? QRect() : c.drawn;
        EXPECT_EQ(inkIn(sheet, QRect(0, 300, 440, 500)), expected) << c.picture.width();
        EXPECT_TRUE(allOf(sheet, expected, red)) << c.picture.width();
    }
}

TEST(CardBack, CornerPictureIsFittedByItsOwnSizeWhateverItsPixels)
{
    // A 1600 x 800 photo read at an eighth: still drawn 300 x 150, not by its 200 x 100 pixels'
    // proportions rounded differently, nor by a size it was never read at.
    CardBackInput in = defaultCardBack();
    in.cornerChosen = true;
    in.cornerImage = solidImage(200, 99, Qt::red);
    in.cornerImageSize = QSize(1600, 800);
    EXPECT_EQ(inkIn(render(in), QRect(0, 300, 440, 500)), QRect(30, 620, 300, 150));
}

TEST(CardBack, CornerPhotoIsSmoothed)
{
    CardBackInput in = defaultCardBack();
    in.cornerChosen = true;
    in.cornerImage = checkerImage(1200, 1200); // shrunk 4 times into the 300 x 300 box
    const QImage sheet = render(in);
    const auto [darkest, lightest] = greyRange(sheet, QRect(40, 480, 280, 280));
    EXPECT_GE(darkest, 90);
    EXPECT_LE(lightest, 165);
}

TEST(CardBack, CornerBoxIsClearedBeforeThePicture)
{
    CardBackInput in = defaultCardBack();
    in.titleLines = QStringList(30, QStringLiteral("MMMM"));
    in.cornerChosen = true;
    in.cornerImage = solidImage(600, 300, Qt::red);
    const QImage sheet = render(in);
    EXPECT_EQ(inkIn(sheet, QRect(30, 470, 300, 150)), QRect());
    EXPECT_NE(inkIn(sheet, QRect(30, 300, 300, 170)), QRect());
}

TEST(CardBack, EmptyCornerPictureLeavesTheCornerEmpty)
{
    CardBackInput in = defaultCardBack();
    in.cornerChosen = true;
    in.cornerImage = QImage();
    in.welcome = true;
    in.samplePicture = solidImage(300, 250, Qt::green);
    for (const QImage& empty : {QImage(), QImage(0, 10, QImage::Format_RGB32)}) {
        in.cornerImage = empty;
        EXPECT_EQ(inkIn(render(in), QRect(0, 300, 440, 500)), QRect());
    }
}

TEST(CardBack, SamplePictureOnlyWhileWelcome)
{
    CardBackInput in = defaultCardBack();
    in.samplePicture = solidImage(300, 250, Qt::green);
    in.welcome = true;
    // Fixed at (25, 525) to (325, 775), whatever M and the sheet size.
    for (Layout layout : {Layout::LandscapeLandscape, Layout::FourOnSheet}) {
        in.layout = layout;
        in.metrics = printer600(150);
        const QImage sheet = render(in);
        EXPECT_TRUE(allOf(sheet, QRect(25, 525, 300, 250), qRgb(0, 255, 0)));
        EXPECT_EQ(inkIn(sheet, QRect(0, 300, 440, 550)), QRect(25, 525, 300, 250));
    }
    in.welcome = false;
    in.layout = Layout::LandscapeLandscape;
    EXPECT_EQ(inkIn(render(in), QRect(0, 300, 440, 500)), QRect());
}

TEST(CardBack, FourOnSheetWithFiftyPixelMargin)
{
    CardBackInput in = defaultCardBack();
    in.layout = Layout::FourOnSheet;
    in.sheetWidth = 1100;
    in.sheetHeight = 850;
    in.metrics = printer600(150);
    in.stampBorderChoice = StampBorder::ThinBox;
    in.stampLines.clear();
    const QImage sheet = render(in);
    ASSERT_EQ(sheet.size(), QSize(1100, 850));

    const fc& title = style(in, Area::Title);
    EXPECT_EQ(inkIn(sheet, QRect(0, 0, 550, 50)), QRect());
    EXPECT_EQ(
        inkIn(sheet, QRect(0, 50, 540, lh(title))),
        expectedInk(sheet.size(), title, in.titleLines, 275 - tw(title, in.titleLines[0]) / 2, 50));
    // Stamp box from x = 900 to 1050, top at y = 50.
    EXPECT_NE(sheet.pixel(900, 120), White);
    EXPECT_NE(sheet.pixel(1050, 120), White);
    EXPECT_NE(sheet.pixel(1000, 50), White);
    EXPECT_NE(sheet.pixel(1000, 220), White);
    EXPECT_EQ(sheet.pixel(1055, 120), White);
    // Address lines from 650 to 1050 at H - 425 = 425 onwards.
    for (int y : {425, 489, 553, 617, 681}) {
        EXPECT_TRUE(ruleAt(sheet, 650, y, Grey)) << y;
        EXPECT_TRUE(ruleAt(sheet, 1050, y, Grey)) << y;
        EXPECT_EQ(sheet.pixel(1054, y), White);
    }
}

TEST(CardBack, SingleOnLargePaperHasNoMargin)
{
    CardBackInput in = defaultCardBack();
    in.layout = Layout::SingleOn4x6;
    in.metrics = printer600(150);
    in.stampBorderChoice = StampBorder::ThinBox;
    in.stampLines.clear();
    const QImage sheet = render(in);
    // The stamp box touches the top-right corner and the title starts at the top edge.
    EXPECT_NE(sheet.pixel(1199, 100), White);
    EXPECT_NE(sheet.pixel(1100, 0), White);
    EXPECT_NE(sheet.pixel(1050, 100), White);
    const fc& title = style(in, Area::Title);
    EXPECT_EQ(
        inkIn(sheet, QRect(0, 0, 590, lh(title))),
        expectedInk(sheet.size(), title, in.titleLines, 300 - tw(title, in.titleLines[0]) / 2, 0));
}

TEST(CardBack, RenderReusesOrResizesTheSheet)
{
    QImage sheet(1100, 850, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    CardBackInput in = defaultCardBack();
    renderCardBack(sheet, in);
    EXPECT_EQ(sheet.size(), QSize(1200, 800));
    EXPECT_EQ(sheet.pixel(5, 5), White); // redrawn whole
}

TEST(BackPreview, HalfSizeFillsTheImageForTheDefaultCard)
{
    const QImage sheet = render(defaultCardBack());
    QImage canvas = solidImage(600, 400, Qt::black);
    drawBackPreview(canvas, sheet);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 600; ++x)
            ASSERT_NE(canvas.pixel(x, y), qRgb(0, 255, 255)) << x << "," << y;
    // Thin lines stay visible at half size: the address lines and the bar-code line.
    EXPECT_LT(qGray(canvas.pixel(400, 187)), 230);
    EXPECT_LT(qGray(canvas.pixel(225, 380)), 230);
}

TEST(BackPreview, FourOnSheetLeavesACyanStripAndCutsTheBottom)
{
    // 1100 x 850 at half size is 550 x 425 in the 600 x 400 image.
    QImage sheet = solidImage(1100, 850, Qt::white);
    sheet.setPixel(0, 0, qRgb(0, 0, 0));
    QImage canvas = solidImage(600, 400, Qt::black);
    drawBackPreview(canvas, sheet);
    const QRgb cyan = qRgb(0, 255, 255);
    EXPECT_TRUE(allOf(canvas, QRect(550, 0, 50, 400), cyan));
    EXPECT_TRUE(allOf(canvas, QRect(1, 1, 549, 399), White));
    EXPECT_NE(canvas.pixel(0, 0), cyan);
}

TEST(BackPreview, AboutSampleStretchesTheWholeBack)
{
    QImage sheet = solidImage(1200, 800, Qt::white);
    QPainter(&sheet).fillRect(QRect(600, 400, 600, 400), Qt::blue);
    QImage canvas = solidImage(600, 400, Qt::black);
    drawBackOnAboutSample(canvas, sheet);
    EXPECT_TRUE(allOf(canvas, QRect(0, 0, 300, 200), White));
    EXPECT_TRUE(allOf(canvas, QRect(301, 201, 299, 199), qRgb(0, 0, 255)));
}

namespace
{

// Whether `colour` itself (not a blend) appears in the region.
bool has(const QImage& img, const QRect& region, QRgb colour)
{
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (img.pixel(x, y) == colour)
                return true;
    return false;
}

// Eight distinct colours at once, so that an element drawn in another area's colour shows.
const QRgb AreaColours[AreaCount] = {qRgb(200, 0, 0),   qRgb(0, 150, 0),    qRgb(0, 0, 200),
                                     qRgb(200, 0, 200), qRgb(0, 160, 160),  qRgb(190, 120, 0),
                                     qRgb(90, 40, 10),  qRgb(120, 120, 250)};

// The default back with each area in its colour and the lower-left text shown.
CardBackInput colouredBack()
{
    CardBackInput in = defaultCardBack();
    for (int a = 0; a < AreaCount; ++a)
        in.styles[std::size_t(a)].colour = toTColor(QColor(AreaColours[a]));
    in.lowerLeftCornerChoice = LowerLeftCorner::Text;
    return in;
}

} // namespace

TEST(CardBack, EachAreasColourReachesOnlyItsOwnElement)
{
    const auto& colours = AreaColours;
    CardBackInput in = colouredBack();
    const int titleLh = lh(style(in, Area::Title));
    // Where each element stands on the default card, none overlapping another.
    struct Element {
        const char* name;
        Area area;
        QRect region;
    };
    const std::vector<Element> common = {
        {"title", Area::Title, QRect(0, 30, 590, titleLh)},
        {"descriptive text", Area::Descriptive, QRect(0, 30 + titleLh, 590, 40)},
        {"lower-left text", Area::LowerLeftText, QRect(0, 600, 440, 170)},
        {"stamp", Area::Stamp, QRect(1010, 26, 170, 180)},
        {"caption", Area::PostCard, QRect(610, 40, 395, 185)},
        {"bar-code strip", Area::PostalBarCode, QRect(445, 680, 755, 120)},
    };
    for (int variant = 0; variant < 2; ++variant) {
        // First the vertical text, perforated stamp and ruled address lines; then the thin
        // separator line, the thin stamp box and a typed address.
        std::vector<Element> elements = common;
        if (variant == 0) {
            elements.push_back({"vertical text", Area::Separator, QRect(595, 220, 50, 320)});
            elements.push_back({"address lines", Area::Address, QRect(690, 360, 490, 280)});
        } else {
            in.separatorChoice = AddressSeparator::ThinLine;
            in.stampBorderChoice = StampBorder::ThinBox;
            in.stampLines.clear();
            in.addressLinesChoice = AddressLines::Text;
            in.addressLines = {QStringLiteral("Jo Reader"), QStringLiteral("12 Lane")};
            elements.push_back({"separator line", Area::Separator, QRect(590, 230, 20, 400)});
            elements.push_back({"address text", Area::Address, QRect(690, 360, 490, 280)});
        }
        const QImage sheet = render(in);
        for (const Element& e : elements) {
            SCOPED_TRACE(std::string(e.name) + (variant ? " (lines)" : ""));
            EXPECT_TRUE(has(sheet, e.region, colours[std::size_t(e.area)]));
            for (int other = 0; other < AreaCount; ++other) {
                if (other != int(e.area)) {
                    EXPECT_FALSE(has(sheet, e.region, colours[other])) << "colour of " << other;
                }
            }
        }
    }
}

TEST(CardBack, FromTheSmallestCardToA5NothingOverlapsOrIsCutAndRealSizesStay)
{
    const auto& colours = AreaColours;
    CardBackInput in = colouredBack();
    in.lowerLeftLines = {QStringLiteral("Lower left"), QStringLiteral("two lines")};
    in.descLines = {QStringLiteral("A descriptive line")};
    // Each area's drawing on a card of `size`, as the rectangle its colour covers.
    const auto boxes = [&](QSize size) {
        in.sheetWidth = size.width();
        in.sheetHeight = size.height();
        const QImage sheet = render(in);
        std::vector<QRect> box(AreaCount);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                for (int a = 0; a < AreaCount; ++a)
                    if (sheet.pixel(x, y) == colours[a])
                        box[std::size_t(a)] |= QRect(x, y, 1, 1);
        return box;
    };
    const std::vector<QRect> today = boxes(CardSize);
    const auto at = [](const std::vector<QRect>& box, Area area) { return box[std::size_t(area)]; };
    for (const QSize size : {SmallestCard, QSize(1166, 827), LargestCard}) {
        SCOPED_TRACE(testing::Message() << size.width() << " x " << size.height());
        const std::vector<QRect> box = boxes(size);
        const QRect inside = QRect(QPoint(), size).adjusted(1, 1, -1, -1);
        for (int a = 0; a < AreaCount; ++a) {
            ASSERT_FALSE(box[std::size_t(a)].isEmpty()) << "area " << a;
            // The strip's boundary runs to the card's bottom and right edges; all else is clear.
            if (Area(a) != Area::PostalBarCode) {
                EXPECT_TRUE(inside.contains(box[std::size_t(a)])) << "area " << a << " is cut";
            }
            for (int b = a + 1; b < AreaCount; ++b)
                EXPECT_FALSE(box[std::size_t(a)].intersects(box[std::size_t(b)]))
                    << "areas " << a << " and " << b;
        }
        // What has a real size keeps it and its place from the nearest edges: the stamp at the
        // top right, the strip at the foot, the title at the top left.
        const QPoint right(size.width() - CardSize.width(), 0);
        const QPoint down(0, size.height() - CardSize.height());
        EXPECT_EQ(at(box, Area::Stamp), at(today, Area::Stamp).translated(right));
        EXPECT_EQ(at(box, Area::PostalBarCode).height(), at(today, Area::PostalBarCode).height());
        EXPECT_EQ(at(box, Area::PostalBarCode).top(),
                  at(today, Area::PostalBarCode).translated(down).top());
        EXPECT_EQ(at(box, Area::Title).size(), at(today, Area::Title).size());
        EXPECT_EQ(at(box, Area::Title).top(), at(today, Area::Title).top());
        // The areas keep their proportions: the strip starts at 3/8 of the width.
        EXPECT_NEAR(at(box, Area::PostalBarCode).left(), 3 * size.width() / 8, 2);
    }
    in.sheetWidth = 999;
    in.sheetHeight = 700;
    try {
        render(in);
        ADD_FAILURE() << "a card below 5 x 3.5 inches was drawn";
    } catch (const AppError& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("126.9 x 88.9 mm")))
            << e.what();
    }
}

TEST(BackMargin, OtherLayoutsKeepClearOfWhatThePrinterCannotReach)
{
    // The largest margin is 80 sheet pixels (240 device pixels at 600 dpi across).
    const PrinterMetrics m = printer600(240);
    // 4 A6 on A4 and Single A6 reach the paper's edge: the whole margin.
    EXPECT_EQ(backMargin(Layout::FourA6OnA4, m), 80);
    EXPECT_EQ(backMargin(Layout::SingleA6, m), 80);
    // Stock with 6.5 mm (51 pixels) of paper round its cards loses only the rest, 29, and keeps
    // the 30 of every card; with 2 mm round them (15 pixels at the foot, as rounded), 65.
    const auto own = [](double margin) {
        return ownLayout({QStringLiteral("margin %1").arg(margin), QSizeF(148, 105), 1, 1,
                          QSizeF(105 + 2 * margin, 148 + 2 * margin), QSizeF(0, 0),
                          QPointF(margin, margin)});
    };
    EXPECT_EQ(backMargin(own(6.5), m), 30);
    EXPECT_EQ(backMargin(own(2), m), 65);
    EXPECT_EQ(backMargin(Layout::FourA6OnA4, PrinterMetrics()), 30); // figures unknown
}
