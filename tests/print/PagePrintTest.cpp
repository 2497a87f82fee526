#include "print/PagePrint.h"
#include "geometry/PrinterMetrics.h"
#include "gfx/AppError.h"
#include "support/RecordingPrinter.h"

#include <gtest/gtest.h>

namespace
{

PrinterMetrics letter600(int pageWidth = 4800, int pageHeight = 6300)
{
    PrinterMetrics m;
    m.DpiX = m.DpiY = 600;
    m.PageWidth = pageWidth;
    m.PageHeight = pageHeight;
    m.PhysicalWidth = 5100;
    m.PhysicalHeight = 6600;
    m.OffsetX = 150;
    m.OffsetY = 120;
    return m;
}

QImage page(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB888);
    image.fill(QColor(40, 120, 220));
    return image;
}

using Segment = std::pair<QPoint, QPoint>;

std::vector<Segment> segments(const RecordingPrinter& printer)
{
    std::vector<Segment> out;
    for (const auto& l : printer.lines) {
        EXPECT_EQ(l.penWidth, 4);
        EXPECT_EQ(l.colour, 0x00808080u);
        out.emplace_back(l.from, l.to);
    }
    return out;
}

} // namespace

TEST(ComposePages, PortraitFrontsAndBacksTurnOppositeWays)
{
    QImage card(1200, 800, QImage::Format_RGB32);
    card.fill(Qt::white);
    card.setPixelColor(0, 0, Qt::red); // the card's top-left corner
    const QImage backs =
        composeBackPage(Layout::PortraitPortrait, card.convertToFormat(QImage::Format_RGB888));
    const QImage fronts = composeFrontPage(Layout::PortraitPortrait, card);
    ASSERT_EQ(backs.size(), QSize(1600, 1200));
    ASSERT_EQ(fronts.size(), QSize(1600, 1200));
    // Backs clockwise: a card's top-left corner at the top right of its half; fronts the other
    // way: at the bottom left.
    EXPECT_EQ(backs.pixelColor(1599, 0), QColor(Qt::red));
    EXPECT_EQ(backs.pixelColor(799, 0), QColor(Qt::red));
    EXPECT_EQ(fronts.pixelColor(0, 1199), QColor(Qt::red));
    EXPECT_EQ(fronts.pixelColor(800, 1199), QColor(Qt::red));
    // The other layouts tile the fronts unturned.
    EXPECT_EQ(composeFrontPage(Layout::LandscapeLandscape, card).size(), QSize(1200, 1600));
    EXPECT_EQ(composeFrontPage(Layout::FourOnSheet, card).size(), QSize(2200, 1700));
}

TEST(PaperCutQuestion, NamesTheLayoutsPaperThePrintersAndWhatIsCut)
{
    PrinterMetrics a4; // half the resolution down the page: its cuts are millimetres of DpiY
    a4.DpiX = 600;
    a4.DpiY = 300;
    a4.PhysicalWidth = 7016; // landscape A4
    a4.PhysicalHeight = 2480;
    EXPECT_EQ(paperCutQuestion(Layout::FourOnSheet, a4, QMargins(0, 0, 0, 70)),
              "This layout needs Letter paper; on A4 the bottom 6 mm of the lower cards is cut. "
              "Print anyway?");
    EXPECT_EQ(paperCutQuestion(Layout::LandscapeLandscape, a4, QMargins(0, 35, 0, 35)),
              "This layout needs Letter paper; on A4 the top 3 mm of the upper card and the "
              "bottom 3 mm of the lower card are cut. Print anyway?");
    // Less than a millimetre is no reason to ask.
    EXPECT_EQ(paperCutQuestion(Layout::FourOnSheet, a4, QMargins(20, 0, 20, 0)), QString());

    PrinterMetrics letter = a4;
    letter.DpiY = 600;
    letter.PhysicalWidth = 5100; // upright
    letter.PhysicalHeight = 6600;
    EXPECT_EQ(paperCutQuestion(Layout::PortraitPortrait, letter, QMargins(150, 0, 0, 0)),
              "On this printer's Letter paper the left 6 mm of the left card is cut by the "
              "margins it cannot print on. Print anyway?");
    PrinterMetrics a6 = a4;
    a6.DpiX = a6.DpiY = 300;
    a6.PhysicalWidth = 1748; // 148 x 105 mm
    a6.PhysicalHeight = 1240;
    EXPECT_EQ(paperCutQuestion(Layout::SingleOn4x6, a6, QMargins(60, 0, 60, 0)),
              "This layout needs 4 x 6 in paper; on A6 the left 5 mm of the card and the right "
              "5 mm of the card are cut. Print anyway?");
    PrinterMetrics odd = a6;
    odd.PhysicalWidth = 1500; // 127 x 105 mm
    EXPECT_TRUE(paperCutQuestion(Layout::SingleOn4x6, odd, QMargins(60, 0, 0, 0))
                    .contains("on 105 x 127 mm"));
}

TEST(PageSizeMessage, GivesPrintableSizeThenOffsetsOnTwoLines)
{
    PrinterMetrics m;
    m.PageWidth = 1740;
    m.PageHeight = 1140;
    m.OffsetX = 30;
    m.OffsetY = 45;
    EXPECT_EQ(pageSizeMessage(m), QStringLiteral("1740x1140\r\n30x45"));
}

TEST(PrintPage, OneUntitledDocumentOfOnePageWithTheCopyCount)
{
    RecordingPrinter printer;
    printer.setSides(PrintSides::LongEdge); // as a two-sided print before it left the device
    printer.log.clear();
    const QString note =
        printPage(printer, letter600(), page(1200, 800), {0, 0}, 3, PageMarks::None);
    EXPECT_TRUE(note.isEmpty());
    EXPECT_EQ(printer.copies, 3);
    EXPECT_EQ(printer.documentsBegun, 1);
    EXPECT_EQ(printer.documentsEnded, 1);
    EXPECT_EQ(printer.docTitles, QStringList{QString()});
    // Copies and one side are set before the document, every band lies inside it.
    EXPECT_EQ(printer.log.mid(0, 3), (QStringList{"copies 3", "sides one-sided", "beginDoc"}));
    EXPECT_EQ(printer.docSides, std::vector<PrintSides>{PrintSides::OneSided});
    EXPECT_EQ(printer.log.last(), "endDoc");
    EXPECT_EQ(printer.log.count("band"), 16);
    EXPECT_TRUE(printer.lines.empty());
}

TEST(PrintPage, CornerMarksHaveTheirExactEndPoints)
{
    RecordingPrinter printer;
    // 1200 x 800 at 600 dpi: We = 3600, He = 2400; DpiY 300 would halve He.
    printPage(printer, letter600(), page(1200, 800), {10, 20}, 1, PageMarks::Corners);
    const int x = 10, y = 20, we = 3600, he = 2400;
    const std::vector<Segment> expected = {
        {{x, y + 150}, {x, y}},
        {{x, y}, {x + 150, y}},
        {{x + we - 1, y + 150}, {x + we - 1, y}},
        {{x + we - 1, y}, {x + we - 150, y}},
        {{x, y + he - 150}, {x, y + he - 1}},
        {{x, y + he - 1}, {x + 150, y + he - 1}},
        {{x + we - 1, y + he - 150}, {x + we - 1, y + he}},
        {{x + we - 1, y + he}, {x + we - 150, y + he}},
    };
    EXPECT_EQ(segments(printer), expected);
    // The marks come after the page and before the end of the document.
    EXPECT_EQ(printer.log.at(printer.log.size() - 2), "pen 4 00808080");
}

TEST(PrintPage, CornerMarksUseDpiYForTheHeight)
{
    RecordingPrinter printer;
    PrinterMetrics m = letter600();
    m.DpiY = 300;
    printPage(printer, m, page(1200, 800), {0, 0}, 1, PageMarks::Corners);
    // He = 800 x 300 / 200: the marks frame a page half as tall as the printed image.
    EXPECT_EQ(printer.lines[4].to, QPoint(0, 1199));
    EXPECT_EQ(printer.bands.back().device.bottom() + 1, 2400);
}

TEST(PrintPage, CentreMarksOnTheLongerSidesWhereTheCardsMeet)
{
    RecordingPrinter tall;
    printPage(tall, letter600(), page(1200, 1600), {0, 0}, 1, PageMarks::CornersAndCentre);
    ASSERT_EQ(tall.lines.size(), 12u);
    const std::vector<Segment> tallLines = segments(tall);
    const std::vector<Segment> tallCentre(tallLines.begin() + 8, tallLines.end());
    const int my = 4800 / 2;
    EXPECT_EQ(tallCentre, (std::vector<Segment>{{{0, my - 150}, {0, my + 150}},
                                                {{0, my}, {150, my}},
                                                {{3600, my - 150}, {3600, my + 150}},
                                                {{3600, my}, {3600 - 150, my}}}));

    RecordingPrinter wide;
    printPage(wide, letter600(), page(1600, 1200), {99, 0}, 1, PageMarks::CornersAndCentre);
    const std::vector<Segment> wideLines = segments(wide);
    const std::vector<Segment> wideCentre(wideLines.begin() + 8, wideLines.end());
    const int mx = 99 + 4800 / 2;
    EXPECT_EQ(wideCentre, (std::vector<Segment>{{{mx - 150, 0}, {mx + 150, 0}},
                                                {{mx, 0}, {mx, 150}},
                                                {{mx - 150, 3600}, {mx + 150, 3600}},
                                                {{mx, 3600}, {mx, 3600 - 150}}}));
}

TEST(PrintPage, MarksAndTilesLandWhereTheFiguresSay)
{
    RecordingPrinter printer;
    printer.setPaper(100, 850, 1100, 0, 0, 0, 0); // small figures: quick to paint
    const PrinterMetrics m = ReadPrinterMetrics(printer);
    printPage(printer, m, page(1000, 800), {50, 60}, 1, PageMarks::Corners);
    const QImage printed = printer.paint();
    // 1000 x 800 sheet pixels at 100 dpi: 500 x 400 device pixels, columns 50 to 549 and rows
    // 60 to 459; the 4-pixel marks straddle the page's edges.
    const QColor blue(40, 120, 220), white(Qt::white), grey(0x80, 0x80, 0x80);
    EXPECT_EQ(printed.pixelColor(45, 300), white);
    EXPECT_EQ(printed.pixelColor(60, 300), blue);
    EXPECT_EQ(printed.pixelColor(545, 300), blue);
    EXPECT_EQ(printed.pixelColor(553, 300), white);
    EXPECT_EQ(printed.pixelColor(300, 455), blue);
    EXPECT_EQ(printed.pixelColor(300, 463), white);
    EXPECT_EQ(printed.pixelColor(50, 100), grey);  // top left, down the left edge
    EXPECT_EQ(printed.pixelColor(150, 60), grey);  // top left, along the top
    EXPECT_EQ(printed.pixelColor(549, 400), grey); // bottom right
    EXPECT_EQ(printed.pixelColor(50, 260), blue);  // between the marks: no line
}

TEST(PrintPage, AFailurePartWayDropsTheDocument)
{
    RecordingPrinter printer;
    printer.failAtBand = 5;
    EXPECT_THROW(printPage(printer, letter600(), page(1200, 800), {0, 0}, 1, PageMarks::Corners),
                 AppError);
    EXPECT_EQ(printer.documentsBegun, 1);
    EXPECT_EQ(printer.documentsAborted, 1);
    EXPECT_EQ(printer.documentsEnded, 0);
    EXPECT_TRUE(printer.lines.empty());

    RecordingPrinter refusing;
    refusing.failBeginDoc = QStringLiteral("Operation not supported on selected printer");
    EXPECT_THROW(printPage(refusing, letter600(), page(1200, 800), {0, 0}, 1, PageMarks::None),
                 AppError);
    EXPECT_TRUE(refusing.bands.empty());
}

TEST(PrintPage, ReturnsTheDevicesNoteForTheUser)
{
    RecordingPrinter printer;
    printer.endDocNote = QStringLiteral("saved as x.pdf");
    EXPECT_EQ(printPage(printer, letter600(), page(100, 100), {0, 0}, 1, PageMarks::None),
              QStringLiteral("saved as x.pdf"));
}

TEST(PrintPage, ACardsLastRowsBelowTheWholeBandsArePrintedToo)
{
    // An A6 card is 827 rows: sixteen whole bands and 27 rows, sent in a last band of their own
    // filled out with white.
    RecordingPrinter printer;
    QImage card = page(1166, 827);
    card.fill(Qt::red);
    printPage(printer, letter600(), card, {0, 0}, 1, PageMarks::None);
    ASSERT_EQ(printer.bands.size(), 17u);
    const QImage& last = printer.bands.back().image;
    EXPECT_EQ(last.pixelColor(5, 26), QColor(Qt::red));
    EXPECT_EQ(last.pixelColor(5, 27), QColor(Qt::white));
    EXPECT_EQ(printer.bands.back().device.top(), 16 * 150);
}
