// A run of cards from an address list: which address goes on which card of which sheet, the
// blank places, and each back behind its own front whatever the layout and the turn.
#include "document/CardRender.h"
#include "gfx/AppError.h"
#include "support/ImageChecks.h"
#include "support/RecordingPrinter.h"

#include <gtest/gtest.h>

namespace
{

constexpr SheetTurn PageTurns[] = {SheetTurn::Book, SheetTurn::Calendar};

// A photo run of one photo a colour, each as large as the layout's front card.
CardDocument withPhotos(CardDocument card, const std::vector<QColor>& colours)
{
    const FrontCard size = frontCardForLayout(card.layout, PrinterMetrics());
    for (std::size_t i = 0; i < colours.size(); ++i) {
        CardPicture photo;
        photo.image = solidImage(size.width, size.height, colours[i]);
        photo.size = photo.image.size();
        photo.fileName = QStringLiteral("photo %1.png").arg(i);
        (i == 0 ? card.front : card.morePhotos.emplace_back()) = SharedPicture(std::move(photo));
    }
    return card;
}

const std::vector<QColor> PhotoColours = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan};

// The fronts of a photo run, each sheet's as frontPageOfSheet makes it, and the backs at the
// tiles backTileBehindFront finds (the colour of their card's photo): each back lies behind its
// own front once the pages are turned over as a person turns the sheet, in every layout and
// turn, the last sheet's blank places blank on both sides.
TEST(CardRun, EachBackLiesBehindItsOwnFront)
{
    for (const Layout layout : Layouts) {
        for (const SheetTurn turn : PageTurns) {
            CardDocument card = defaultCardDocument();
            card.layout = layout;
            PreparedPrint print;
            print.layout = layout;
            print.card = withPhotos(card, PhotoColours);
            print.run = cardRun(print.card);
            print.front = frontComposition(print.card, print.metrics);
            ASSERT_EQ(print.run.sheets(), (5 + print.run.perSheet - 1) / print.run.perSheet);
            for (int sheet = 0; sheet < print.run.sheets(); ++sheet) {
                SCOPED_TRACE(testing::Message()
                             << int(layout) << " turn " << int(turn) << " sheet " << sheet);
                const QSize backCard = cardSizeOf(layout);
                std::vector<QImage> backCards(backPageTiling(layout, backCard).at.size());
                for (int i = 0; i < print.run.perSheet; ++i)
                    if (const int k = print.run.cardAt(sheet, i); k >= 0)
                        backCards[std::size_t(backTileBehindFront(layout, turn, i))] = solidImage(
                            backCard.width(), backCard.height(), PhotoColours[std::size_t(k)]);
                const QImage frontPage = frontPageOfSheet(print, sheet);
                const QImage backPage = composeBackPage(layout, backCards, turn);
                ASSERT_EQ(backPage.size(), frontPage.size());
                const QImage turned =
                    backPage.mirrored(turn == SheetTurn::Book, turn == SheetTurn::Calendar);
                // Every pixel of the sheet: front and back of one colour, or both blank.
                int differing = 0;
                for (int y = 0; y < frontPage.height(); y += 25)
                    for (int x = 0; x < frontPage.width(); x += 25)
                        differing += frontPage.pixelColor(x, y) != turned.pixelColor(x, y);
                EXPECT_EQ(differing, 0);
            }
        }
    }
}

// A list of `addresses`, or none when 0.
CardDocument cardWithList(int addresses, Layout layout, int startCard)
{
    if (addresses == 0) {
        CardDocument card = defaultCardDocument();
        card.layout = layout;
        card.startCard = startCard;
        return card;
    }
    QByteArray csv = "Name,Street\n";
    for (int i = 0; i < addresses; ++i)
        csv +=
            QByteArray("Person ") + QByteArray::number(i) + ",Road " + QByteArray::number(i) + "\n";
    csv += "Only A Name,\n"; // left out: no address
    CardDocument card = defaultCardDocument();
    const AddressTable table = readAddressList(csv, QStringLiteral("people.csv"));
    card.addressColumns = table.defaults;
    card.addresses = SharedAddressList(table);
    card.addressLines = AddressLines::Text;
    card.layout = layout;
    card.startCard = startCard;
    return card;
}

TEST(CardRun, AddressesFillTheSheetsInOrderAfterTheStartCard)
{
    struct RunCase {
        Layout layout;
        int addresses, startCard;
        int sheets;
        std::vector<std::vector<int>> cards; // each sheet's positions: card or -1
        int photos = 0;                      // of PhotoColours, in turn
    };
    const RunCase cases[] = {
        {Layout::FourOnSheet, 6, 3, 2, {{-1, -1, 0, 1}, {2, 3, 4, 5}}},
        {Layout::FourOnSheet, 5, 1, 2, {{0, 1, 2, 3}, {4, -1, -1, -1}}},
        {Layout::FourOnSheet, 2, 9, 2, {{-1, -1, -1, 0}, {1, -1, -1, -1}}}, // start kept in range
        {Layout::LandscapeLandscape, 3, 2, 2, {{-1, 0}, {1, 2}}},
        {Layout::PortraitPortrait, 1, 1, 1, {{0, -1}}},
        {Layout::SingleOn4x6, 3, 1, 3, {{0}, {1}, {2}}},
        // More photos than addresses: the last cards without an address.
        {Layout::FourOnSheet, 3, 2, 2, {{-1, 0, 1, 2}, {3, 4, -1, -1}}, 5},
        // Fewer: the photos start over.
        {Layout::LandscapeLandscape, 5, 2, 3, {{-1, 0}, {1, 2}, {3, 4}}, 2},
        // Photos alone: from the first card, whatever start card a list once had.
        {Layout::FourOnSheet, 0, 3, 1, {{0, 1, 2, -1}}, 3},
        {Layout::PortraitPortrait, 0, 1, 2, {{0, 1}, {2, 3}}, 4},
    };
    RecordingPrinter printer;
    printer.setPaper(600, 5100, 6600, 150, 120, 90, 60);
    for (const RunCase& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.layout) << " start " << c.startCard);
        const CardDocument card =
            withPhotos(cardWithList(c.addresses, c.layout, c.startCard),
                       std::vector(PhotoColours.begin(), PhotoColours.begin() + c.photos));
        applyLayoutToPrinter(printer, card.layout);
        const PreparedPrint print = preparePrint(
            printer, card, c.photos ? PrintSide::Both : PrintSide::Backs, SheetTurn::Calendar);
        ASSERT_EQ(print.run.sheets(), c.sheets);
        const QStringList addresses = card.listAddresses();
        ASSERT_EQ(addresses.size(), c.addresses);
        const PageTiling tiles = backPageTiling(card.layout, card.sheetSize());
        for (int sheet = 0; sheet < c.sheets; ++sheet) {
            // The page before composeBackPage turned it, to cut the tiles out of.
            QImage page = backPageOfSheet(print, sheet);
            if (card.layout == Layout::PortraitPortrait)
                page = page.transformed(QTransform().rotate(-90));
            const SheetTurn turn = turnOnPage(SheetTurn::Calendar, card.layout);
            if (turn == SheetTurn::Calendar)
                page.mirror(true, true);
            QImage fronts = c.photos ? frontPageOfSheet(print, sheet) : QImage();
            if (card.layout == Layout::PortraitPortrait && c.photos)
                fronts = fronts.transformed(QTransform().rotate(90));
            for (int position = 0; position < print.run.perSheet; ++position) {
                const int k = c.cards[std::size_t(sheet)][std::size_t(position)];
                EXPECT_EQ(print.run.cardAt(sheet, position), k);
                const int tile = backTileBehindFront(card.layout, turn, position);
                const QImage drawn = page.copy(QRect(tiles.at[std::size_t(tile)], card.sheetSize()))
                                         .convertToFormat(QImage::Format_RGB888);
                const QImage expected =
                    k < 0
                        ? solidImage(card.sheetSize().width(), card.sheetSize().height(), Qt::white)
                              .convertToFormat(QImage::Format_RGB888)
                        : renderBack(card.addresses ? card.withAddress(addresses.value(k)) : card,
                                     print.metrics)
                              .convertToFormat(QImage::Format_RGB888);
                EXPECT_TRUE(drawn == expected) << "sheet " << sheet << " position " << position;
                if (!c.photos)
                    continue;
                // The front's middle: photo k, the photos taken in turn, or blank.
                const QRect frontTile(frontPageTiling(card.layout).at[std::size_t(position)],
                                      QSize(print.front.card.width, print.front.card.height));
                EXPECT_EQ(fronts.pixelColor(frontTile.center()),
                          k < 0 ? QColor(Qt::white) : PhotoColours[std::size_t(k % c.photos)])
                    << "front of sheet " << sheet << " position " << position;
            }
        }
    }
}

// The run is one document, a sheet at a time; fronts print as many sheets as the backs need,
// and stopping after a sheet ends the document whole with what was sent.
TEST(CardRun, PrintsEverySheetAndStopsCleanlyAtASheet)
{
    CardDocument card = cardWithList(9, Layout::FourOnSheet, 2);
    CardPicture photo;
    photo.image = solidImage(1600, 1200, QColor(40, 160, 90));
    photo.size = photo.image.size();
    photo.fileName = QStringLiteral("sea.jpg");
    card.front = SharedPicture(photo);
    card.copies = 2;
    RecordingPrinter printer;
    printer.setPaper(600, 5100, 6600, 150, 120, 90, 60);
    applyLayoutToPrinter(printer, card.layout);
    for (const PrintSide side : {PrintSide::Fronts, PrintSide::Backs, PrintSide::Both}) {
        const PreparedPrint print = preparePrint(printer, card, side, SheetTurn::Book);
        int sent = 0;
        std::vector<int> progress;
        sendPrint(
            printer, print,
            [&progress](int done, int sheets) {
                progress.push_back(done * 10 + sheets);
                return true;
            },
            &sent);
        EXPECT_EQ(sent, 3);
        EXPECT_EQ(progress, (std::vector<int>{13, 23, 33}));
        EXPECT_EQ(printer.docPages.back(), side == PrintSide::Both ? 6 : 3);
        EXPECT_EQ(printer.copies, 2);
        sendPrint(
            printer, print, [](int done, int) { return done < 1; }, &sent);
        EXPECT_EQ(sent, 1);
        EXPECT_EQ(printer.docPages.back(), side == PrintSide::Both ? 2 : 1);
    }
    EXPECT_EQ(printer.documentsAborted, 0);

    // Columns that leave every address a bare name print nothing and say why.
    card.addressColumns.lines = {{0}};
    EXPECT_THROW(preparePrint(printer, card, PrintSide::Backs, SheetTurn::Book), AppError);
}

// The fine pages of a run carry each card's own address and photo where the pages as shown have
// them, and nothing on a blank place: on the backs the addresses' red and the titles' green, on
// the fronts the two photos' blue and teal, in each quarter of the page (a card of "4 on
// Sheet"), of addresses long and short, alike.
TEST(CardRun, FineSheetsCarryEachCardsOwnAddressAndPhoto)
{
    CardDocument card = defaultCardDocument();
    const AddressTable table = readAddressList(
        "Name,Street\nAl,Rd 1\nBarbara Longname-Smithson,Avenue of the Americas 1234\nCy,Lane 2\n"
        "Dorothea Fitzgerald-Holloway,Boulevard Saint-Germain 77\nEd,Way 5\n",
        QStringLiteral("people.csv"));
    card.addressColumns = table.defaults;
    card.addresses = SharedAddressList(table);
    card.addressLines = AddressLines::Text;
    card.layout = Layout::FourOnSheet;
    card.startCard = 2;
    card.AreaStyleTable[Area::Address].colour = toTColor(QColor(230, 0, 0));
    card.AreaStyleTable[Area::Title].colour = toTColor(QColor(0, 150, 0));
    card = withPhotos(card, {QColor(20, 20, 220), QColor(0, 130, 130)});
    const auto red = [](QRgb c) { return qRed(c) > 150 && qGreen(c) < 90; };
    const auto green = [](QRgb c) { return qGreen(c) > 100 && qRed(c) < 90 && qBlue(c) < 90; };
    const auto blue = [](QRgb c) { return qBlue(c) > 180 && qGreen(c) < 60; };
    const auto teal = [](QRgb c) { return qGreen(c) > 100 && qBlue(c) > 100 && qRed(c) < 60; };
    // Ink per quarter of each painted page (front, back, ...), in each quality.
    std::array<std::vector<std::array<int, 8>>, 2> ink;
    for (const PrintQuality quality : {PrintQuality::AsShown, PrintQuality::Fine}) {
        RecordingPrinter printer;
        printer.setPaper(300, 2550, 3300, 75, 60, 45, 30);
        applyLayoutToPrinter(printer, card.layout);
        const PreparedPrint print = preparePrint(printer, card, PrintSide::Both, SheetTurn::Book,
                                                 PrintSides::OneSided, quality);
        ASSERT_EQ(print.run.sheets(), 2);
        sendPrint(printer, print);
        for (int page = 0; page < 4; ++page) {
            const QImage painted = printer.paint(page).convertToFormat(QImage::Format_RGB32);
            const bool front = page % 2 == 0;
            std::array<int, 8> quarters{}; // red or blue, then green or teal
            for (int y = 0; y < painted.height(); ++y)
                for (int x = 0; x < painted.width(); ++x) {
                    const QRgb c = painted.pixel(x, y);
                    const auto q =
                        std::size_t((y * 2 / painted.height()) * 2 + x * 2 / painted.width());
                    quarters[q] += front ? blue(c) : red(c);
                    quarters[q + 4] += front ? teal(c) : green(c);
                }
            ink[int(quality)].push_back(quarters);
        }
    }
    for (std::size_t page = 0; page < 4; ++page)
        for (std::size_t q = 0; q < 8; ++q) {
            const int shown = ink[int(PrintQuality::AsShown)][page][q];
            const int fine = ink[int(PrintQuality::Fine)][page][q];
            EXPECT_NEAR(fine, shown, shown / 5 + 50) << "page " << page << " quarter " << q;
        }
}

} // namespace
