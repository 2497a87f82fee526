// The card as a document: its settings table, its undo history, and the back, the front and
// the pages of a print made from it without a window.
#include "document/CardHistory.h"
#include "document/CardRender.h"
#include "document/CardSettings.h"
#include "gfx/AppError.h"
#include "support/ImageChecks.h"
#include "support/RecordingPrinter.h"

#include <QSet>
#include <QSignalSpy>
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
