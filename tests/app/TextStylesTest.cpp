// The card back's texts and options on the Text/Image page and the Text Setup walks.
#include "support/FormFixture.h"
#include "support/WindowControls.h"

#include "back/CardBack.h"
#include "document/CardRender.h"

#include <QAbstractTextDocumentLayout>
#include <QResizeEvent>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

namespace
{

// The lines of the memo's own document layout, laid out whole at the memo's width: what the
// memo shows, in time that grows with the square of a long word.
QStringList layoutLines(QTextEdit* memo)
{
    memo->ensurePolished();
    QResizeEvent memoResize(memo->size(), QSize(-1, -1));
    QCoreApplication::sendEvent(memo, &memoResize);
    QResizeEvent viewportResize(memo->viewport()->size(), QSize(-1, -1));
    QCoreApplication::sendEvent(memo->viewport(), &viewportResize);
    QStringList lines;
    for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            QString part =
                block.text().mid(layout->lineAt(i).textStart(), layout->lineAt(i).textLength());
            if (i + 1 < layout->lineCount())
                while (part.endsWith(QLatin1Char(' ')))
                    part.chop(1);
            lines << part;
        }
    }
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

// The lines the card draws of the text a memo holds: the card's text of that memo, wrapped as
// the card wraps it, without the memo.
QStringList displayedLines(QTextEdit* memo, int maxLines = std::numeric_limits<int>::max())
{
    static const std::map<QString, CardText> boxes{
        {QStringLiteral("TitleMemo"), CardText::Title},
        {QStringLiteral("DescMemo"), CardText::Description},
        {QStringLiteral("CreatedByMemo"), CardText::VerticalText},
        {QStringLiteral("StampMemo"), CardText::Stamp},
        {QStringLiteral("LowerLeftTextMemo"), CardText::LowerLeftText},
        {QStringLiteral("AddressMemo"), CardText::Address},
        {QStringLiteral("FrontMemo"), CardText::Front},
    };
    const auto* form = qobject_cast<const TForm1*>(memo->window());
    for (const CardSetting& s : cardSettings())
        if (s.control == memo->objectName())
            return displayedLines(std::get<QString>(s.get(form->document())),
                                  cardTextBox(boxes.at(memo->objectName())), maxLines);
    ADD_FAILURE() << memo->objectName().toStdString() << " holds no text of the card";
    return {};
}

} // namespace

using TextStyles = FormFixture;

TEST_F(TextStyles, SelectFontWithNothingTickedSeedsFromTheSpareAndChangesNoArea)
{
    activate();
    const AreaStyleArray before = form->document().AreaStyleTable;
    QFont chosen(QStringLiteral("Arial"));
    chosen.setPointSize(14);
    dialogs.fontAnswers = {chosen};
    findControl<QPushButton>(*form, "FontButton")->click();
    ASSERT_EQ(dialogs.fontShown.size(), 1u);
    EXPECT_EQ(dialogs.fontShown[0].family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(dialogs.fontShown[0].pointSize(), 10);
    EXPECT_TRUE(dialogs.fontShown[0].bold());
    EXPECT_TRUE(dialogs.fontScalableOnly[0]);
    for (std::size_t i = 0; i < std::size_t(AreaCount); ++i)
        EXPECT_EQ(form->document().AreaStyleTable[i], before[i]) << i;
    EXPECT_EQ(form->document().AreaStyleTable[Area::Spare].size, 14);
    EXPECT_EQ(form->document().AreaStyleTable[Area::Spare].name, QStringLiteral("Arial"));
}

TEST_F(TextStyles, SelectFontKeepsEachAreasColourAndCancelChangesNothing)
{
    activate();
    findControl<QCheckBox>(*form, "PostCardCheckBox")->setChecked(true);
    findControl<QCheckBox>(*form, "AddressLinesCheckBox")->setChecked(true);
    const AreaStyleArray before = form->document().AreaStyleTable;
    findControl<QPushButton>(*form, "FontButton")->click(); // cancelled
    EXPECT_EQ(form->document().AreaStyleTable, before);
    // Seeded from the first ticked area, the "PostCard" caption.
    EXPECT_EQ(dialogs.fontShown.back().family(), QStringLiteral("Coronet"));
    EXPECT_EQ(dialogs.fontShown.back().pointSize(), 30);

    QFont chosen(QStringLiteral("Times New Roman"));
    chosen.setPointSize(20);
    chosen.setItalic(true);
    dialogs.fontAnswers = {chosen};
    findControl<QPushButton>(*form, "FontButton")->click();
    for (Area a : {Area::PostCard, Area::Address, Area::Spare}) {
        EXPECT_EQ(form->document().AreaStyleTable[a].name, QStringLiteral("Times New Roman")) << a;
        EXPECT_EQ(form->document().AreaStyleTable[a].size, 20);
        EXPECT_EQ(form->document().AreaStyleTable[a].style, FontStyles(FontStyle::Italic));
    }
    EXPECT_EQ(form->document().AreaStyleTable[Area::PostCard].colour, TColors::Blue);
    EXPECT_EQ(form->document().AreaStyleTable[Area::Address].colour, TColors::Grey);
    EXPECT_EQ(form->document().AreaStyleTable[Area::Title], before[Area::Title]);
}

TEST_F(TextStyles, SelectColorWalksTheTickedAreasAndTheSpare)
{
    activate();
    findControl<QCheckBox>(*form, "TitleCheckBox")->setChecked(true);
    findControl<QCheckBox>(*form, "StampBorderTextCheckBox")->setChecked(true);
    const AreaStyleArray before = form->document().AreaStyleTable;
    dialogs.colorAnswers = {QColor(0, 128, 0)};
    findControl<QPushButton>(*form, "ColorButton")->click();
    EXPECT_EQ(dialogs.colorShown.front(), QColor(Qt::black));
    EXPECT_EQ(dialogs.messages, (QStringList{"0", "4", "8"}));
    const TColor green = 0x00008000;
    EXPECT_EQ(form->document().AreaStyleTable[Area::Title].colour, green);
    EXPECT_EQ(form->document().AreaStyleTable[Area::Stamp].colour, green);
    EXPECT_EQ(form->document().AreaStyleTable[Area::Spare].colour, green);
    // The stamp takes the title's face, size and style too.
    EXPECT_EQ(form->document().AreaStyleTable[Area::Stamp].size, before[Area::Title].size);
    EXPECT_EQ(form->document().AreaStyleTable[Area::Stamp].style, before[Area::Title].style);
    EXPECT_EQ(form->document().AreaStyleTable[Area::Descriptive], before[Area::Descriptive]);
}

TEST_F(TextStyles, SelectColorWithOnlyTheBarCodeTickedStopsThere)
{
    activate();
    const fc spare = form->document().AreaStyleTable[Area::Spare];
    findControl<QCheckBox>(*form, "PostalBarCodeCheckBox")->setChecked(true);
    dialogs.colorAnswers = {QColor(255, 0, 0)};
    findControl<QPushButton>(*form, "ColorButton")->click();
    EXPECT_EQ(dialogs.messages, QStringList{"7"});
    EXPECT_EQ(form->document().AreaStyleTable[Area::PostalBarCode].colour, 0x000000FFu);
    EXPECT_EQ(form->document().AreaStyleTable[Area::Spare], spare);

    dialogs.messages.clear();
    findControl<QPushButton>(*form, "ColorButton")
        ->click(); // cancelled: no message, nothing changes
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(form->document().AreaStyleTable[Area::PostalBarCode].colour, 0x000000FFu);
}

TEST_F(TextStyles, UnSelectAllLeavesThePostCardBoxAlone)
{
    for (QCheckBox* box : findControl<QGroupBox>(*form, "FontGroupBox")->findChildren<QCheckBox*>())
        box->setChecked(true);
    findControl<QPushButton>(*form, "UnSelectAllButton")->click();
    for (QCheckBox* box : findControl<QGroupBox>(*form, "FontGroupBox")->findChildren<QCheckBox*>())
        EXPECT_EQ(box->isChecked(), box == findControl<QCheckBox>(*form, "PostCardCheckBox"))
            << box->objectName().toStdString();
}

TEST_F(TextStyles, MemoPromptsAreClearedOnClickOnlyWhenTheyMatchExactly)
{
    auto click = [](QTextEdit* memo) {
        QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    };
    findControl<QTextEdit>(*form, "TitleMemo")
        ->setPlainText(QStringLiteral("Enter Title Text here\nsecond"));
    findControl<QTextEdit>(*form, "DescMemo")
        ->setPlainText(QStringLiteral("enter descriptive text here"));
    findControl<QTextEdit>(*form, "CreatedByMemo")
        ->setPlainText(QStringLiteral("Enter CreatedBy Text here"));
    click(findControl<QTextEdit>(*form, "TitleMemo"));
    click(findControl<QTextEdit>(*form, "DescMemo"));
    click(findControl<QTextEdit>(*form, "CreatedByMemo"));
    EXPECT_TRUE(findControl<QTextEdit>(*form, "TitleMemo")->toPlainText().isEmpty());
    EXPECT_EQ(findControl<QTextEdit>(*form, "DescMemo")->toPlainText(),
              QStringLiteral("enter descriptive text here"));
    EXPECT_TRUE(findControl<QTextEdit>(*form, "CreatedByMemo")->toPlainText().isEmpty());
    findControl<QTextEdit>(*form, "TitleMemo")->setPlainText(QStringLiteral("TITLE TEXT"));
    click(findControl<QTextEdit>(*form, "TitleMemo"));
    EXPECT_EQ(findControl<QTextEdit>(*form, "TitleMemo")->toPlainText(),
              QStringLiteral("TITLE TEXT"));
}

TEST_F(TextStyles, OptionsEnableTheirInputsWithTheirLabelsAlsoWhenSetByTheProgram)
{
    EXPECT_FALSE(findControl<QTextEdit>(*form, "AddressMemo")->isEnabled());
    findControl<RadioGroup>(*form, "AddressLinesRadioGroup")->setChoice(AddressLines::Text);
    EXPECT_TRUE(findControl<QTextEdit>(*form, "AddressMemo")->isEnabled());
    EXPECT_TRUE(findControl<QLabel>(*form, "Label11")->isEnabled());
    findControl<RadioGroup>(*form, "AddressLinesRadioGroup")->button(0)->click();
    EXPECT_FALSE(findControl<QTextEdit>(*form, "AddressMemo")->isEnabled());
    EXPECT_FALSE(findControl<QLabel>(*form, "Label11")->isEnabled());

    findControl<RadioGroup>(*form, "AddressSeperatorRadioGroup")
        ->setChoice(AddressSeparator::ThinLine);
    EXPECT_FALSE(findControl<QTextEdit>(*form, "CreatedByMemo")->isEnabled());
    EXPECT_FALSE(findControl<QLabel>(*form, "Label6")->isEnabled());
    findControl<RadioGroup>(*form, "AddressSeperatorRadioGroup")
        ->setChoice(AddressSeparator::VerticalText);
    EXPECT_TRUE(findControl<QTextEdit>(*form, "CreatedByMemo")->isEnabled());

    findControl<RadioGroup>(*form, "PostalBarCodeBoxRadioGroup")->setChoice(PostalBarCodeBox::No);
    EXPECT_FALSE(findControl<QLineEdit>(*form, "PostalBarCodeEdit")->isEnabled());
    EXPECT_FALSE(findControl<QLabel>(*form, "Label9")->isEnabled());
    findControl<RadioGroup>(*form, "PostCardRadioGroup")->setChoice(PostCardCaption::No);
    EXPECT_FALSE(findControl<QLineEdit>(*form, "PostCardEdit")->isEnabled());
    EXPECT_FALSE(findControl<QLabel>(*form, "Label1")->isEnabled());
    findControl<RadioGroup>(*form, "PostCardRadioGroup")->setChoice(PostCardCaption::Yes);
    EXPECT_TRUE(findControl<QLineEdit>(*form, "PostCardEdit")->isEnabled());

    findControl<RadioGroup>(*form, "LowerLeftCornerRadioGroup")->setChoice(LowerLeftCorner::Text);
    EXPECT_TRUE(findControl<QTextEdit>(*form, "LowerLeftTextMemo")->isEnabled());
    EXPECT_TRUE(findControl<QLabel>(*form, "Label7")->isEnabled());
    EXPECT_FALSE(findControl<ImageBox>(*form, "PostCardBackImage")->isEnabled());
    EXPECT_FALSE(findControl<QLabel>(*form, "Label10")->isEnabled());
    findControl<RadioGroup>(*form, "LowerLeftCornerRadioGroup")->setChoice(LowerLeftCorner::None);
    EXPECT_FALSE(findControl<QTextEdit>(*form, "LowerLeftTextMemo")->isEnabled());
    EXPECT_FALSE(findControl<ImageBox>(*form, "PostCardBackImage")->isEnabled());
    // In the welcome state choosing "Image" asks for no picture.
    findControl<RadioGroup>(*form, "LowerLeftCornerRadioGroup")->setChoice(LowerLeftCorner::Image);
    EXPECT_TRUE(findControl<ImageBox>(*form, "PostCardBackImage")->isEnabled());
    EXPECT_FALSE(findControl<QTextEdit>(*form, "LowerLeftTextMemo")->isEnabled());
    EXPECT_TRUE(dialogs.openShown.empty());
}

TEST_F(TextStyles, LinesAreThoseTheMemoDisplaysEvenOnAHiddenPage)
{
    QTextEdit* memo =
        findControl<QTextEdit>(*form, "TitleMemo"); // its page is hidden in the welcome state
    ASSERT_FALSE(memo->isVisible());
    memo->setPlainText(QString());
    EXPECT_TRUE(displayedLines(memo).isEmpty());
    memo->setPlainText(QStringLiteral("a\n"));
    EXPECT_EQ(displayedLines(memo), QStringList{"a"});
    memo->setPlainText(QStringLiteral("a\n\n"));
    EXPECT_EQ(displayedLines(memo), (QStringList{"a", ""}));
    memo->setPlainText(QStringLiteral("one\n\nthree"));
    EXPECT_EQ(displayedLines(memo), (QStringList{"one", "", "three"}));
    // A title too long for the memo's width wraps into several lines, each drawn as one.
    const QString longTitle =
        QStringLiteral("A summer afternoon by the lake with the whole family");
    memo->setPlainText(longTitle);
    const QStringList wrapped = displayedLines(memo);
    EXPECT_GE(wrapped.size(), 2);
    EXPECT_EQ(wrapped.join(QLatin1Char(' ')), longTitle);
    EXPECT_EQ(displayedLines(findControl<QTextEdit>(*form, "StampMemo")),
              (QStringList{"PLACE", "", "STAMP", "", "HERE"}));
}

TEST_F(TextStyles, LinesBreakWhereTheMemosOwnLayoutBreaksThem)
{
    const QString prose = QStringLiteral(
        "Dear Aunt Mathilde,  the ferry left at nine and the well-known lighthouse keeper waved "
        "from the pier while gulls\tcircled; we walked along the dunes until the tide came in "
        "and the children built a castle of sand, shells and driftwood.   ");
    const QString word(300, QLatin1Char('W'));
    const QString narrow(700, QLatin1Char('i'));
    const QStringList texts{prose, prose + word + QStringLiteral(" end"),
                            word + QLatin1Char(' ') + prose,
                            QStringLiteral("short\n") + narrow + QStringLiteral("\n\n") + prose,
                            QStringLiteral("x ") + word + word + QStringLiteral("\n")};
    // Every memo whose text the card draws, centred and left-aligned, of different widths and
    // fonts, on a hidden page.
    for (QTextEdit* memo : form->findChildren<QTextEdit*>()) {
        if (memo->objectName() == QLatin1String("Memo2") ||
            memo->objectName() == QLatin1String("Memo3"))
            continue;
        for (const QString& text : texts) {
            memo->setPlainText(text);
            const QStringList lines = displayedLines(memo);
            EXPECT_EQ(lines, layoutLines(memo)) << memo->objectName().toStdString();
            EXPECT_EQ(displayedLines(memo, 3), lines.mid(0, 3));
        }
    }
}

TEST_F(TextStyles, AMemoOfAHundredThousandLettersGivesOnlyTheLinesTheCardCanShow)
{
    activate();
    pressContinue();
    const QString word(100000, QLatin1Char('W'));
    findControl<QTextEdit>(*form, "TitleMemo")->setPlainText(word);
    const QStringList first = displayedLines(findControl<QTextEdit>(*form, "TitleMemo"), 40);
    ASSERT_EQ(first.size(), 40);
    EXPECT_TRUE(word.startsWith(first.join(QString())));
    EXPECT_GT(first[0].size(), 5);

    // What the card can show, at the default styles on the 1200 x 800 card: the sheet's
    // height in lines, its width for the vertical text, and above its foot for the lower-left.
    CardBackInput in;
    std::copy_n(form->document().AreaStyleTable.begin(), AreaCount, in.styles.begin());
    for (const Area area : {Area::Title, Area::Descriptive, Area::Stamp, Area::Address}) {
        const int height = QFontMetrics(sheetFont(in.styles[area])).height();
        EXPECT_EQ(visibleLineLimit(in, area), 800 / height + 1) << area;
    }
    const int vertical = QFontMetrics(sheetFont(in.styles[Area::Separator])).height();
    EXPECT_EQ(visibleLineLimit(in, Area::Separator), 1200 / vertical + 1);
    const int lower = QFontMetrics(sheetFont(in.styles[Area::LowerLeftText])).height();
    EXPECT_EQ(visibleLineLimit(in, Area::LowerLeftText), (800 - 30) / lower - 1);

    // A lower-left text too long for the card shows its beginning, from the card's top.
    findControl<RadioGroup>(*form, "LowerLeftCornerRadioGroup")->setChoice(LowerLeftCorner::Text);
    findControl<QTextEdit>(*form, "LowerLeftTextMemo")->setPlainText(word);
    findControl<QTextEdit>(*form, "TitleMemo")->clear();
    findControl<QTextEdit>(*form, "DescMemo")->clear();
    form->DrawPostCardBack(form.get(), 1, 0, 0);
    const QImage& back = form->state().BackSheetImage;
    int firstInk = back.height();
    for (int y = 0; y < back.height() && firstInk == back.height(); ++y)
        for (int x = 30; x < 300; ++x)
            if (qGray(back.pixel(x, y)) < 128) {
                firstInk = y;
                break;
            }
    EXPECT_LT(firstInk, lower) << "the text starts within its first line's height of the top";
    EXPECT_TRUE(dialogs.errors.isEmpty());
}
