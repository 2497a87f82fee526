// The card as a document: its settings table, its undo history, and the back, the front and
// the pages of a print made from it without a window.
#include "document/CardHistory.h"
#include "document/CardRender.h"
#include "document/CardSettings.h"
#include "gfx/AppError.h"
#include "support/ImageChecks.h"
#include "support/RecordingPrinter.h"

#include <QBuffer>
#include <QPainter>
#include <QSet>
#include <QSignalSpy>
#include <array>
#include <gtest/gtest.h>

namespace
{

SharedPicture photo(QSize size, QColor colour)
{
    CardPicture p;
    p.image = solidImage(size.width(), size.height(), colour);
    p.size = size;
    p.fileName = QStringLiteral("/photos/%1.jpg").arg(colour.name());
    p.bytes = p.fileName.toUtf8();
    return SharedPicture(std::move(p));
}

// A value for the setting other than the default card's, and of its kind and range.
SettingValue otherValue(const CardSetting& s, const CardDocument& card)
{
    const SettingValue now = s.get(card);
    switch (s.kind) {
    case SettingKind::Text:
        return std::get<QString>(now) + QStringLiteral(" and more about ") + s.name;
    case SettingKind::Flag:
        return !std::get<bool>(now);
    case SettingKind::Choice:
    case SettingKind::Number:
        break;
    }
    const int n = std::get<int>(now);
    return n == s.maximum ? s.minimum : s.maximum;
}

// One colour an element of the card, and only it, is drawn in.
constexpr std::array<QRgb, 10> Inks = {
    qRgb(230, 0, 0),   qRgb(0, 150, 0),   qRgb(0, 0, 230),   qRgb(200, 0, 200), qRgb(0, 140, 150),
    qRgb(240, 130, 0), qRgb(120, 60, 20), qRgb(100, 0, 160), qRgb(150, 150, 0), qRgb(0, 210, 210)};

// The smallest rectangle around the pixels of each ink, in one pass: a pixel is an ink's when
// each of its channels is within 40 of it (the cores of text strokes, not their smoothed rims).
std::array<QRect, Inks.size()> inkBounds(const QImage& page)
{
    std::array<QRect, Inks.size()> bounds{};
    for (int y = 0; y < page.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            const QRgb c = row[x];
            if (qRed(c) > 215 && qGreen(c) > 215 && qBlue(c) > 215)
                continue;
            for (std::size_t i = 0; i < Inks.size(); ++i) {
                if (std::abs(qRed(c) - qRed(Inks[i])) < 40 &&
                    std::abs(qGreen(c) - qGreen(Inks[i])) < 40 &&
                    std::abs(qBlue(c) - qBlue(Inks[i])) < 40) {
                    bounds[i] |= QRect(x, y, 1, 1);
                    break;
                }
            }
        }
    }
    return bounds;
}

} // namespace

TEST(CardSettings, EachSettingReadsAndWritesItsOwnFieldAndNoOther)
{
    const CardDocument start = defaultCardDocument();
    QSet<QString> keys;
    QSet<QString> controls;
    for (const CardSetting& s : cardSettings()) {
        EXPECT_FALSE(keys.contains(s.key())) << s.key().toStdString();
        EXPECT_FALSE(controls.contains(s.control)) << s.control.toStdString();
        keys.insert(s.key());
        controls.insert(s.control);
        EXPECT_EQ(cardSetting(s.key()), &s);
        EXPECT_LE(s.since, DesignFormat);

        CardDocument card = start;
        const SettingValue value = otherValue(s, card);
        s.set(card, value);
        EXPECT_TRUE(s.get(card) == value) << s.key().toStdString();
        EXPECT_FALSE(card == start) << s.key().toStdString();
        // Every other setting keeps the start's value.
        for (const CardSetting& other : cardSettings()) {
            if (&other != &s) {
                EXPECT_TRUE(other.get(card) == other.get(start))
                    << s.key().toStdString() << " wrote " << other.key().toStdString();
            }
        }
    }
    EXPECT_EQ(cardSetting(QStringLiteral("back.nothing")), nullptr);
}

TEST(CardHistory, StepsAreTheUsersChangesTypingJoinedUntilAPause)
{
    CardDocument start = defaultCardDocument();
    start.front = photo(QSize(4000, 3000), Qt::blue);
    CardHistory history(start);
    QSignalSpy restored(&history, &CardHistory::restored);
    const auto typed = [&](const QString& title, int field = 0) {
        CardDocument card = history.card();
        (field == 0 ? card.title : card.description) = title;
        history.change(card,
                       field == 0 ? QStringLiteral("Typing in Title")
                                  : QStringLiteral("Typing in Descriptive Text"),
                       field);
    };

    // Typing in one field, a pause, more typing, another field, a layout, a picture.
    typed(QStringLiteral("H"));
    typed(QStringLiteral("Hi"));
    history.closeStep();
    typed(QStringLiteral("Hi there"));
    typed(QStringLiteral("Dear"), 1);
    CardDocument layout = history.card();
    layout.layout = Layout::FourOnSheet;
    history.change(layout, QStringLiteral("Layout"));
    history.change(layout, QStringLiteral("Layout")); // no change, no step
    CardDocument picture = history.card();
    picture.front = photo(QSize(3000, 4000), Qt::red);
    history.change(picture, QStringLiteral("Front Picture"));
    EXPECT_EQ(history.stack().count(), 5);
    EXPECT_EQ(history.stack().undoText(), QStringLiteral("Front Picture"));

    const std::pair<QString, QString> undone[] = {
        {QStringLiteral("Front Picture"), QStringLiteral("Dear")},
        {QStringLiteral("Layout"), QStringLiteral("Dear")},
        {QStringLiteral("Typing in Descriptive Text"), QStringLiteral("Descriptive Text")},
        {QStringLiteral("Typing in Title"), QStringLiteral("Descriptive Text")},
    };
    for (const auto& [step, description] : undone) {
        EXPECT_EQ(history.stack().undoText(), step);
        history.undo();
        EXPECT_EQ(history.card().description, description) << step.toStdString();
    }
    EXPECT_EQ(history.card().title, QStringLiteral("Hi"));
    EXPECT_EQ(history.card().layout, Layout::LandscapeLandscape);
    // The picture shared by every step is the one the card began with, not a copy.
    EXPECT_EQ(history.card().front.get(), start.front.get());
    history.undo();
    EXPECT_TRUE(history.card() == start);
    EXPECT_FALSE(history.stack().canUndo());
    EXPECT_EQ(restored.count(), 5);

    history.redo();
    history.redo();
    EXPECT_EQ(history.card().title, QStringLiteral("Hi there"));
    // Typing after an undo never joins a step that was undone or redone.
    typed(QStringLiteral("Hi there!"));
    EXPECT_EQ(history.stack().count(), 3);
    EXPECT_FALSE(history.stack().canRedo());
    history.undo();
    EXPECT_EQ(history.card().title, QStringLiteral("Hi there"));

    // Typing that ends where it began is no step; a new history has none.
    history.closeStep();
    const int steps = history.stack().index();
    typed(QStringLiteral("Hi there?"));
    typed(QStringLiteral("Hi there"));
    EXPECT_EQ(history.stack().count(), steps);
    EXPECT_EQ(history.stack().index(), steps);
    history.reset(start);
    EXPECT_FALSE(history.stack().canUndo());
    EXPECT_TRUE(history.card() == start);
}

TEST(CardRender, ThePagesOfAPrintAreTheCardAsItIsNow)
{
    CardDocument card = defaultCardDocument();
    card.layout = Layout::FourOnSheet;
    card.copies = 3;
    card.imageAdjust = 7;
    card.imageAdjustDown = -4;
    card.front = photo(QSize(1600, 1200), QColor(40, 160, 90));
    RecordingPrinter printer;
    printer.setPaper(600, 5100, 6600, 150, 120, 90, 60);
    applyLayoutToPrinter(printer, card.layout);
    EXPECT_EQ(printer.currentOrientation, QPageLayout::Landscape);

    // Text typed on the front is on the page of fronts, in its colour.
    const PreparedPrint plain = preparePrint(printer, card, PrintSide::Fronts, SheetTurn::Book);
    card.frontText = QStringLiteral("Greetings\nfrom the coast");
    card.FrontTextColour = TColors::Yellow;
    const PreparedPrint texted = preparePrint(printer, card, PrintSide::Fronts, SheetTurn::Book);
    ASSERT_EQ(texted.frontPage.size(), plain.frontPage.size());
    EXPECT_NE(texted.frontPage, plain.frontPage);
    EXPECT_FALSE(inkIn(texted.frontPage.copy(0, 0, 1100, 850)).isEmpty());
    EXPECT_TRUE(texted.backPage.isNull());

    // Both sides: fronts then backs, the backs as renderBack draws the card, nudged.
    card.title = QStringLiteral("Lighthouse");
    const PreparedPrint both = preparePrint(printer, card, PrintSide::Both, SheetTurn::Calendar);
    EXPECT_EQ(both.back, renderBack(card, both.metrics));
    const PagePlacement placed =
        placePages(card.layout, both.metrics, SheetTurn::Calendar, QPoint(7, -4));
    EXPECT_EQ(both.placement.backs, placed.backs);
    EXPECT_EQ(both.placement.fronts, placed.fronts);
    sendPrint(printer, both);
    EXPECT_EQ(printer.copies, 3);
    ASSERT_EQ(printer.docPages.size(), 1u);
    EXPECT_EQ(printer.docPages.front(), 2);

    // What cannot be printed says why and sends nothing.
    const int documents = printer.documentsBegun;
    CardDocument noPicture = card;
    noPicture.front = {};
    for (const auto& [refused, side, text] :
         {std::tuple{noPicture, PrintSide::Fronts, noFrontPictureText()},
          std::tuple{noPicture, PrintSide::Both, noFrontPictureText()},
          std::tuple{[&] {
                         CardDocument none = card;
                         none.layout = Layout(-1);
                         return none;
                     }(),
                     PrintSide::Backs, noLayoutText()}}) {
        try {
            preparePrint(printer, refused, side, SheetTurn::Book);
            ADD_FAILURE() << text.toStdString();
        } catch (const AppError& e) {
            EXPECT_EQ(e.text(), text);
        }
    }
    EXPECT_NO_THROW(preparePrint(printer, noPicture, PrintSide::Backs, SheetTurn::Book));
    EXPECT_EQ(printer.documentsBegun, documents);
}

// Fine printing draws the card for the printer at its own resolution; every element must land
// where the page as shown (200 pixels per inch, stretched) puts it.
TEST(FinePrint, EveryElementLiesWhereTheCardAsShownPutsIt)
{
    CardDocument card = defaultCardDocument();
    for (std::size_t a = 0; a < AreaCount; ++a)
        card.AreaStyleTable[a].colour = toTColor(QColor(Inks[a]));
    card.title = QStringLiteral("Lighthouse Bay");
    card.description = QStringLiteral("Greetings\nfrom the coast");
    card.stamp = QStringLiteral("Place\nstamp");
    card.verticalText = QStringLiteral("Made by Ana");
    card.corner = photo(QSize(600, 300), QColor(Inks[9]));
    card.front = photo(QSize(1600, 1000), QColor(Inks[8]));
    card.frontText = QStringLiteral("Hello\nfrom here");
    card.FrontTextColour = toTColor(QColor(Inks[2]));
    card.FrontTextX = 90;
    card.FrontTextY = 130;
    card.imageSize = 90;
    card.imageHOffset = 43;

    // Each layout at two resolutions, the turns, nudges, separators and stamp borders in turn.
    using S = AddressSeparator;
    using B = StampBorder;
    const struct {
        Layout layout;
        int dpi;
        SheetTurn turn;
        QPoint nudge;
        AddressSeparator separator;
        StampBorder stamp;
    } rows[] = {
        // clang-format off
        {Layout::PortraitPortrait, 600, SheetTurn::Book, {7, -4}, S::VerticalText, B::Stamp},
        {Layout::PortraitPortrait, 300, SheetTurn::Calendar, {-3, 5}, S::ThinLine, B::ThickBox},
        {Layout::LandscapeLandscape, 600, SheetTurn::Calendar, {5, 2}, S::HeavyLine, B::ThinBox},
        {Layout::LandscapeLandscape, 300, SheetTurn::Book, {0, -6}, S::VerticalText, B::Stamp},
        {Layout::SingleOn4x6, 600, SheetTurn::Calendar, {-2, 3}, S::VerticalText, B::Stamp},
        {Layout::SingleOn4x6, 300, SheetTurn::Book, {4, 0}, S::ThinLine, B::ThinBox},
        {Layout::FourOnSheet, 600, SheetTurn::Book, {-6, -1}, S::HeavyLine, B::Stamp},
        {Layout::FourOnSheet, 300, SheetTurn::Calendar, {3, 7}, S::VerticalText, B::ThickBox},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "layout " << int(row.layout) << " at " << row.dpi);
        card.layout = row.layout;
        card.turn = row.turn;
        card.imageAdjust = row.nudge.x();
        card.imageAdjustDown = row.nudge.y();
        card.addressSeparator = row.separator;
        card.stampBorder = row.stamp;
        // Unequal margins, so that a page put at the wrong corner shows.
        const int d = row.dpi;
        std::array<std::array<QImage, 2>, 2> pages; // [quality][fronts, backs]
        for (const PrintQuality quality : {PrintQuality::AsShown, PrintQuality::Fine}) {
            RecordingPrinter printer;
            printer.setPaper(d, d * 17 / 2, d * 11, d / 4, d / 5, d / 7, d / 10);
            applyLayoutToPrinter(printer, card.layout);
            const PreparedPrint print = preparePrint(printer, card, PrintSide::Both, card.turn,
                                                     PrintSides::OneSided, quality);
            sendPrint(printer, print);
            // The fine pages draw at the printer's resolution and send no bands.
            EXPECT_EQ(printer.bands.empty(), quality == PrintQuality::Fine);
            for (int page = 0; page < 2; ++page)
                pages[int(quality)][page] = printer.paint(page);
        }
        for (int page = 0; page < 2; ++page) {
            const auto shown = inkBounds(pages[int(PrintQuality::AsShown)][page]);
            const auto fine = inkBounds(pages[int(PrintQuality::Fine)][page]);
            for (std::size_t i = 0; i < Inks.size(); ++i) {
                SCOPED_TRACE(testing::Message() << "page " << page << ", ink " << i);
                // Lines, boxes and pictures within a device pixel. A text starts at the same
                // point, but its letters, smoothed at 200 pixels per inch, reach up to one of
                // those pixels further or less than the printer's sharper ones.
                const bool lines = i == 4 || i == 6 || i == 8 || i == 9 ||
                                   (i == 3 && row.separator != AddressSeparator::VerticalText);
                const int within = lines ? 1 : d / SheetPixelsPerInch + 1;
                EXPECT_EQ(fine[i].isNull(), shown[i].isNull());
                EXPECT_LE(std::abs(fine[i].left() - shown[i].left()), within);
                EXPECT_LE(std::abs(fine[i].top() - shown[i].top()), within);
                EXPECT_LE(std::abs(fine[i].right() - shown[i].right()), within);
                EXPECT_LE(std::abs(fine[i].bottom() - shown[i].bottom()), within);
            }
        }
    }
}

// Fine printing and the print shop's PDF draw a photo the card holds reduced from its own pixels
// again, decoded at what the page needs; a photo held whole, or without its file's bytes, is
// drawn as held. The held picture is green and the file's red and blue, so the page says which.
TEST(FinePrint, APhotoHeldReducedIsDrawnFromItsOwnPixels)
{
    QImage own = solidImage(1600, 1000, QColor(220, 20, 20));
    QPainter(&own).fillRect(800, 0, 800, 1000, QColor(20, 20, 220));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    own.save(&buffer, "PNG");
    const struct {
        const char* what;
        int heldWidth;
        bool bytes;
        bool own;
    } cases[] = {
        {"held reduced", 160, true, true},
        {"held whole", 1600, true, false},
        {"no bytes", 160, false, false},
    };
    const auto colours = [](const QImage& page) {
        int red = 0, green = 0, blue = 0;
        for (int y = 0; y < page.height(); y += 4)
            for (int x = 0; x < page.width(); x += 4) {
                const QColor c = page.pixelColor(x, y);
                red += c.red() > 150 && c.green() < 80;
                green += c.green() > 150 && c.red() < 80;
                blue += c.blue() > 150 && c.red() < 80;
            }
        return std::array<int, 3>{red, green, blue};
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CardDocument card = defaultCardDocument();
        card.layout = Layout::FourOnSheet;
        CardPicture picture;
        picture.image = solidImage(c.heldWidth, c.heldWidth * 5 / 8, QColor(20, 200, 20));
        picture.size = own.size();
        picture.fileName = QStringLiteral("harbour.png");
        picture.bytes = c.bytes ? png : QByteArray();
        card.front = SharedPicture(picture);
        RecordingPrinter printer;
        printer.setPaper(300, 2550, 3300, 60, 45, 30, 75);
        applyLayoutToPrinter(printer, card.layout);
        sendPrint(printer, preparePrint(printer, card, PrintSide::Fronts, SheetTurn::Book,
                                        PrintSides::OneSided, PrintQuality::Fine));
        const std::vector<PdfPage> shop =
            printShopPages(card, PrintSide::Fronts, ReadPrinterMetrics(printer), {});
        ASSERT_EQ(shop.size(), 1u);
        QImage shopPage((shop[0].inches * PrintShopDpi).toSize(), QImage::Format_RGB32);
        shopPage.fill(Qt::white);
        {
            QPainter painter(&shopPage);
            shop[0].paint(painter);
        }
        for (const QImage& page : {printer.paint(), shopPage}) {
            const std::array<int, 3> ink = colours(page);
            EXPECT_EQ(ink[0] > 1000 && ink[2] > 1000, c.own);
            EXPECT_EQ(ink[1] > 1000, !c.own);
        }
    }
}
