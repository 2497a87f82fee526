// The card back's texts, options and per-area fonts and colours.
#include "TForm1.h"
#include "ui_TForm1.h"

#include "back/CardBack.h"

std::array<bool, AreaCount> TForm1::tickedAreas() const
{
    const CardDocument& card = document();
    std::array<bool, AreaCount> ticked{};
    std::copy(card.ticked.begin(), card.ticked.end(), ticked.begin());
    return ticked;
}

int TForm1::NextArea(QObject*, int start) const
{
    return ::NextArea(tickedAreas(), start);
}

void TForm1::FontButtonClick(QObject* Sender)
{
    CardDocument card = document();
    int first = NextArea(Sender, 0);
    const fc& seed = card.AreaStyleTable[std::size_t(first)];
    FontDialogFont.size = seed.size;
    FontDialogFont.name = seed.name;
    FontDialogFont.style = seed.style;
    const std::optional<QFont> chosen = dialogs().chooseFont(dialogFont(FontDialogFont), true);
    if (!chosen)
        return;
    copyFontInto(*chosen, FontDialogFont);
    do {
        const int n = NextArea(Sender, first);
        fc& record = card.AreaStyleTable[std::size_t(n)];
        record.size = FontDialogFont.size;
        record.name = FontDialogFont.name;
        record.style = FontDialogFont.style;
        first = n + 1;
    } while (first < AreaCount);
    // Every ticked area's font in one step.
    commit(card, tr("Font"));
    DrawPostCardBack(Sender, 1, 0, 0);
}

void TForm1::ColorButtonClick(QObject* Sender)
{
    CardDocument card = document();
    int first = NextArea(Sender, 0);
    FontDialogFont = card.AreaStyleTable[std::size_t(first)];
    ColorDialogColor = FontDialogFont.colour;
    const std::optional<QColor> chosen = dialogs().chooseColor(fromTColor(ColorDialogColor));
    if (!chosen)
        return;
    ColorDialogColor = toTColor(*chosen);
    FontDialogFont.colour = ColorDialogColor;
    do {
        const int n = NextArea(Sender, first);
        dialogs().message(QString::number(n));
        card.AreaStyleTable[std::size_t(n)] = FontDialogFont;
        first = n + 1;
    } while (first < AreaCount);
    commit(card, tr("Color"));
    DrawPostCardBack(Sender, 1, 0, 0);
}

void TForm1::UnSelectAllButtonClick(QObject*)
{
    // "PostCard" keeps its tick: the button clears the other seven, in one step.
    CardDocument card = document();
    for (Area area : {Area::Address, Area::Separator, Area::Descriptive, Area::LowerLeftText,
                      Area::PostalBarCode, Area::Stamp, Area::Title})
        card.ticked[area] = false;
    commit(card, tr("UnSelect All"));
}

namespace
{

void clearIfFirstLineIs(QTextEdit* memo, const QString& prompt)
{
    if (memo->toPlainText().section(QLatin1Char('\n'), 0, 0) == prompt)
        memo->clear();
}

void enableWithLabel(QWidget* input, QWidget* label, bool enabled)
{
    input->setEnabled(enabled);
    label->setEnabled(enabled);
}

} // namespace

void TForm1::TitleMemoClick(QObject*)
{
    clearIfFirstLineIs(ui.TitleMemo, QStringLiteral("Enter Title Text here"));
}

void TForm1::DescMemoClick(QObject*)
{
    clearIfFirstLineIs(ui.DescMemo, QStringLiteral("Enter Descriptive Text here"));
}

void TForm1::CreatedByMemoClick(QObject*)
{
    clearIfFirstLineIs(ui.CreatedByMemo, QStringLiteral("Enter CreatedBy Text here"));
}

void TForm1::AddressLinesRadioGroupClick(QObject*)
{
    // With no item selected the memo stays as it is.
    if (ui.AddressLinesRadioGroup->itemIndex() >= 0)
        enableWithLabel(ui.AddressMemo, ui.Label11,
                        ui.AddressLinesRadioGroup->choice<AddressLines>() == AddressLines::Text);
}

void TForm1::AddressSeperatorRadioGroupClick(QObject*)
{
    enableWithLabel(ui.CreatedByMemo, ui.Label6,
                    ui.AddressSeperatorRadioGroup->choice<AddressSeparator>() ==
                        AddressSeparator::VerticalText);
}

void TForm1::PostalBarCodeBoxRadioGroupClick(QObject*)
{
    const auto choice = ui.PostalBarCodeBoxRadioGroup->choice<PostalBarCodeBox>();
    if (choice == PostalBarCodeBox::No || choice == PostalBarCodeBox::Yes)
        enableWithLabel(ui.PostalBarCodeEdit, ui.Label9, choice == PostalBarCodeBox::Yes);
}

void TForm1::PostCardRadioGroupClick(QObject*)
{
    const auto choice = ui.PostCardRadioGroup->choice<PostCardCaption>();
    if (choice == PostCardCaption::No || choice == PostCardCaption::Yes)
        enableWithLabel(ui.PostCardEdit, ui.Label1, choice == PostCardCaption::Yes);
}

void TForm1::LowerLeftCornerRadioGroupClick(QObject* Sender)
{
    showCornerChoice();
    // Once the About page has been left, choosing "Image" without a picture asks for one; a
    // design being opened, or an undo, brings its own corner, or none.
    if (document().lowerLeftCorner == LowerLeftCorner::Image && !document().cornerChosen() &&
        !ui.ContinueButton->isEnabled() && !showingCard_)
        PostCardBackImageClick(Sender);
}

void TForm1::showCornerChoice()
{
    switch (ui.LowerLeftCornerRadioGroup->choice<LowerLeftCorner>()) {
    case LowerLeftCorner::None:
        enableWithLabel(ui.LowerLeftTextMemo, ui.Label7, false);
        enableWithLabel(ui.PostCardBackImage, ui.Label10, false);
        break;
    case LowerLeftCorner::Text:
        enableWithLabel(ui.LowerLeftTextMemo, ui.Label7, true);
        enableWithLabel(ui.PostCardBackImage, ui.Label10, false);
        break;
    case LowerLeftCorner::Image:
        enableWithLabel(ui.PostCardBackImage, ui.Label10, true);
        enableWithLabel(ui.LowerLeftTextMemo, ui.Label7, false);
        break;
    default:
        break;
    }
}
