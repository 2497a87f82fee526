#include "back/AreaStyles.h"

#include <gtest/gtest.h>

TEST(AreaStyles, DefaultsAsLoaded)
{
    AreaStyleArray table;
    const fc dialog = loadDefaultAreaStyles(table);
    EXPECT_EQ(dialog, (fc{TColors::Black, 10, QStringLiteral("Times New Roman"), FontStyle::Bold}));
    EXPECT_EQ(table[Area::Title],
              (fc{TColors::Black, 10, QStringLiteral("Arial"), FontStyle::Bold}));
    EXPECT_EQ(table[Area::Descriptive],
              (fc{TColors::Black, 8, QStringLiteral("Arial"), FontStyle::None}));
    EXPECT_EQ(table[Area::Stamp],
              (fc{TColors::Black, 8, QStringLiteral("Arial"), FontStyle::Bold}));
    EXPECT_EQ(table[Area::PostCard],
              (fc{TColors::Blue, 30, QStringLiteral("Coronet"), FontStyle::Bold}));
    EXPECT_EQ(table[Area::Address],
              (fc{TColors::Grey, 12, QStringLiteral("Arial"), FontStyle::Bold}));
    EXPECT_EQ(table[Area::PostalBarCode],
              (fc{TColors::Grey, 6, QStringLiteral("Arial"), FontStyle::Bold}));
    // The spare record keeps the dialog font copied in before the areas were set.
    EXPECT_EQ(table[Area::Spare], dialog);
}

TEST(AreaStyles, NextAreaWalksTickedBoxesThenTheSpare)
{
    std::array<bool, AreaCount> ticked{};
    EXPECT_EQ(NextArea(ticked, 0), 8);
    ticked[0] = ticked[4] = true;
    EXPECT_EQ(NextArea(ticked, 0), 0);
    EXPECT_EQ(NextArea(ticked, 1), 4);
    EXPECT_EQ(NextArea(ticked, 5), 8);
    EXPECT_EQ(NextArea(ticked, 8), 8);
    EXPECT_EQ(NextArea(ticked, 12), 8);
}

TEST(AreaStyles, SheetFontIsTwiceThePointSizeInPixels)
{
    const fc title{TColors::Black, 10, QStringLiteral("Arial"),
                   FontStyle::Bold | FontStyle::Italic};
    const QFont f = sheetFont(title);
    EXPECT_EQ(f.pixelSize(), 27);
    EXPECT_TRUE(f.bold());
    EXPECT_TRUE(f.italic());
    EXPECT_FALSE(f.underline());
    fc round;
    copyFontInto(dialogFont(title), round);
    EXPECT_EQ(round.size, 10);
    EXPECT_EQ(round.style, FontStyles(FontStyle::Bold | FontStyle::Italic));
}
