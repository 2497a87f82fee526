// The print preview: its pages are the pages that print, sheet by sheet, at the printer's own
// resolution and reduced to the screen's; and it shows the sides as they will be printed.
#include "document/PrintPreview.h"
#include "print/PreviewPrinter.h"
#include "support/ImageChecks.h"
#include "support/PdfRaster.h"
#include "support/RecordingPrinter.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace
{

// A card of four on a sheet with a photo of distinct colours and a list of five addresses
// starting at the second card: two sheets, each with its own backs.
CardDocument runCard()
{
    CardDocument card = defaultCardDocument();
    const AddressTable table =
        readAddressList("Name,Street\nAl,Rd 1\nBea,Ave 2\nCy,Lane 3\nDot,Way 4\nEd,Row 5\n",
                        QStringLiteral("people.csv"));
    card.addressColumns = table.defaults;
    card.addresses = SharedAddressList(table);
    card.addressLines = AddressLines::Text;
    card.layout = Layout::FourOnSheet;
    card.startCard = 2;
    card.copies = 3;
    card.AreaStyleTable[Area::Address].colour = toTColor(QColor(230, 0, 0));
    CardPicture photo;
    photo.image = solidImage(1200, 800, QColor(30, 90, 200));
    QPainter(&photo.image).fillRect(0, 0, 300, 200, QColor(250, 200, 0));
    photo.size = photo.image.size();
    photo.fileName = QStringLiteral("sea.jpg");
    card.front = SharedPicture(photo);
    return card;
}

// Each sheet of the preview, in each quality, at the printer's resolution and at a screen's, is
// the paper the printer is sent for that sheet: fronts and backs, the run's own addresses, the
// marks, where the unequal margins put them.
TEST(PrintPreview, PagesAreThePagesThatPrint)
{
    struct Case {
        PrintQuality quality;
        int sheet;
        double pixelsPerInch;
        double mostDifference;
    };
    const Case cases[] = {
        {PrintQuality::Fine, 0, 150, 0},     {PrintQuality::Fine, 1, 150, 0},
        {PrintQuality::AsShown, 1, 150, 0},  {PrintQuality::Fine, 1, 50, 2.5},
        {PrintQuality::AsShown, 0, 50, 2.5},
    };
    const CardDocument card = runCard();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "quality " << int(c.quality) << " sheet " << c.sheet
                                        << " at " << c.pixelsPerInch);
        RecordingPrinter printer; // it keeps every document's pages
        printer.setPaper(150, 1275, 1650, 40, 25, 15, 55);
        applyLayoutToPrinter(printer, card.layout);
        const PreparedPrint print = preparePreview(printer, card, c.quality);
        ASSERT_EQ(print.side, PrintSide::Both);
        ASSERT_EQ(print.run.sheets(), 2);
        const SheetPreview shown = previewSheet(print, c.sheet, c.pixelsPerInch);
        sendPrint(printer, print);
        ASSERT_EQ(printer.docPages.back(), 4);
        const double scale = c.pixelsPerInch / 150;
        EXPECT_EQ(shown.fronts.size(), QSize(1650, 1275) * scale); // landscape
        const QRectF printable(QPointF(55, 40) * scale, QSizeF(1570, 1220) * scale);
        EXPECT_LE((QRectF(shown.printable).topLeft() - printable.topLeft()).manhattanLength(), 1);
        EXPECT_LE(
            (QRectF(shown.printable).bottomRight() - printable.bottomRight()).manhattanLength(), 2);
        EXPECT_EQ(shown.copies, 3);
        const QImage fronts = printer.paintPaper(2 * c.sheet);
        const QImage backs = printer.paintPaper(2 * c.sheet + 1);
        EXPECT_LE(meanDifference(shown.fronts, fronts), c.mostDifference);
        EXPECT_LE(meanDifference(shown.backs, backs), c.mostDifference);
        // The two sheets' backs differ (their addresses), so a preview of the wrong one fails.
        EXPECT_GT(meanDifference(shown.backs, printer.paintPaper(3 - 2 * c.sheet)), 0.05);
    }
}

// The preview shows the print that Print makes: both sides in one go as the printer's set-up
// turns them on a two-sided printer, else the fronts and the backs turned as the card says;
// the backs alone before there is a front picture. Seen through the sheet, the backs are the
// mirror image across the turn's axis.
TEST(PrintPreview, ShowsTheSidesAsTheyPrint)
{
    struct Case {
        bool bothSides, frontPicture;
        PrintSides setup;
        SheetTurn cardTurn;
        PrintSide side;
        PrintSides sides;
        SheetTurn turn;
        QPoint seenAt; // where the backs' top-left block shows through, in quarters of the paper
    };
    // clang-format off
    const Case cases[] = {
        {true, true, PrintSides::ShortEdge, SheetTurn::Book,
         PrintSide::Both, PrintSides::ShortEdge, SheetTurn::ShortEdge, {1, 0}},
        {true, true, PrintSides::OneSided, SheetTurn::Calendar,
         PrintSide::Both, PrintSides::LongEdge, SheetTurn::LongEdge, {0, 1}},
        {false, true, PrintSides::OneSided, SheetTurn::Calendar,
         PrintSide::Both, PrintSides::OneSided, SheetTurn::Calendar, {0, 1}},
        {false, false, PrintSides::OneSided, SheetTurn::Book,
         PrintSide::Backs, PrintSides::OneSided, SheetTurn::Book, {1, 0}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "two-sided " << c.bothSides << " turn " << int(c.cardTurn));
        CardDocument card = runCard();
        card.addresses = {};
        card.layout =
            Layout::LandscapeLandscape; // on its side: the long edge turns it as a calendar
        card.turn = c.cardTurn;
        if (!c.frontPicture)
            card.front = {};
        RecordingPrinter printer;
        printer.setPaper(100, 850, 1100, 25, 25, 25, 25);
        printer.bothSides = c.bothSides;
        printer.setupSides = c.setup;
        applyLayoutToPrinter(printer, card.layout);
        const PreparedPrint print = preparePreview(printer, card, PrintQuality::Fine);
        EXPECT_EQ(print.side, c.side);
        EXPECT_EQ(print.sides, c.sides);
        EXPECT_EQ(print.turn, c.turn);
        const SheetPreview shown = previewSheet(print, 0, 100);
        EXPECT_EQ(shown.fronts.isNull(), !c.frontPicture);
        EXPECT_EQ(shown.sides, c.sides);

        QImage backs = solidImage(400, 300, Qt::white);
        QPainter(&backs).fillRect(0, 0, 100, 75, Qt::red);
        const QImage seen = backsSeenThrough(solidImage(400, 300, Qt::white), backs,
                                             turnOnPage(print.turn, print.layout));
        const QRect red = boundsOf(seen, [](QColor p) { return p.red() > p.blue() + 40; });
        EXPECT_EQ(red, QRect(QPoint(c.seenAt.x() * 300, c.seenAt.y() * 225), QSize(100, 75)));
    }
}

} // namespace
