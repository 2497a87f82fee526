// The card back's texts, options and per-area fonts and colours.
#include "TForm1.h"
#include "ui_TForm1.h"

#include "back/CardBack.h"

#include <QAbstractTextDocumentLayout>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>

namespace
{

// A line is laid out from a window of the text past its start: at first this many characters,
// or twice the last line's length and this margin. The window grows until the line ends this
// many characters short of its end, so that what lies beyond cannot change where it breaks.
constexpr int LineWindowChars = 64;
constexpr int LineWindowMargin = 16;

// The first line of `text` from `start`, as a QTextLayout at `width` breaks it: its length.
int lineLength(const QString& text, int start, int& window, const QFont& font,
               const QTextOption& option, qreal width)
{
    for (;;) {
        const int end = int(std::min<qsizetype>(text.size(), qsizetype(start) + window));
        QTextLayout layout(text.mid(start, end - start), font);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(width);
        const int length = std::max(1, line.textLength());
        layout.endLayout();
        if (end == text.size() || start + length + LineWindowMargin <= end)
            return length;
        window *= 2;
    }
}

} // namespace

QStringList displayedLines(QTextEdit* memo, int maxLines)
{
    // A hidden memo has not laid out its viewport at its width: make it do so first.
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->ensurePolished();
    QResizeEvent memoResize(memo->size(), QSize(-1, -1));
    QCoreApplication::sendEvent(memo, &memoResize);

    // The lines are broken here as the memo's document breaks them (its font, options and
    // width), one line at a time and only as many as asked for: Qt's layout of the whole
    // document measures a long word to its end for every line it breaks, and took seconds
    // for a word of 100,000 letters.
    const QTextDocument* doc = memo->document();
    const qreal width = memo->viewport()->width() - 2 * doc->documentMargin();
    QStringList lines;
    bool cut = false; // lines were left out
    for (QTextBlock block = doc->begin(); block.isValid() && !cut; block = block.next()) {
        const QString text = block.text();
        QTextOption option = doc->defaultTextOption();
        option.setTextDirection(block.textDirection());
        const QFont font = block.charFormat().font().resolve(doc->defaultFont());
        int start = 0;
        int window = LineWindowChars;
        do {
            if (lines.size() >= maxLines) {
                cut = true;
                break;
            }
            const int length = lineLength(text, start, window, font, option, width);
            QString part = text.mid(start, length);
            start += length;
            // A soft wrap keeps the breaking space at the end of the line: it is not drawn.
            if (start < text.size())
                while (part.endsWith(QLatin1Char(' ')))
                    part.chop(1);
            lines << part;
            window = std::max(LineWindowChars, 2 * length + LineWindowMargin);
        } while (start < text.size());
    }
    if (!cut && !lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

std::array<bool, AreaCount> TForm1::tickedAreas() const
{
    return {ui.TitleCheckBox->isChecked(),           ui.DescriptiveCheckBox->isChecked(),
            ui.LowerLeftTextCheckBox->isChecked(),   ui.AddressVerticalTextCheckBox->isChecked(),
            ui.StampBorderTextCheckBox->isChecked(), ui.PostCardCheckBox->isChecked(),
            ui.AddressLinesCheckBox->isChecked(),    ui.PostalBarCodeCheckBox->isChecked()};
}

int TForm1::NextArea(QObject*, int start) const
{
    return ::NextArea(tickedAreas(), start);
}

void TForm1::FontButtonClick(QObject* Sender)
{
    int first = NextArea(Sender, 0);
    const fc& seed = AreaStyleTable[std::size_t(first)];
    FontDialogFont.size = seed.size;
    FontDialogFont.name = seed.name;
    FontDialogFont.style = seed.style;

    const std::optional<QFont> chosen = dialogs().chooseFont(dialogFont(FontDialogFont), true);
    if (!chosen)
        return;
    copyFontInto(*chosen, FontDialogFont);
    do {
        const int n = NextArea(Sender, first);
        fc& record = AreaStyleTable[std::size_t(n)];
        record.size = FontDialogFont.size;
        record.name = FontDialogFont.name;
        record.style = FontDialogFont.style;
        first = n + 1;
    } while (first < AreaCount);
    DrawPostCardBack(Sender, 1, 0, 0);
}

void TForm1::ColorButtonClick(QObject* Sender)
{
    int first = NextArea(Sender, 0);
    FontDialogFont = AreaStyleTable[std::size_t(first)];
    ColorDialogColor = FontDialogFont.colour;

    const std::optional<QColor> chosen = dialogs().chooseColor(fromTColor(ColorDialogColor));
    if (!chosen)
        return;
    ColorDialogColor = toTColor(*chosen);
    FontDialogFont.colour = ColorDialogColor;
    do {
        const int n = NextArea(Sender, first);
        dialogs().message(QString::number(n));
        AreaStyleTable[std::size_t(n)] = FontDialogFont;
        first = n + 1;
    } while (first < AreaCount);
    DrawPostCardBack(Sender, 1, 0, 0);
}

void TForm1::UnSelectAllButtonClick(QObject*)
{
    // "PostCard" keeps its tick: the button clears the other seven.
    for (QCheckBox* box : {ui.AddressLinesCheckBox, ui.AddressVerticalTextCheckBox,
                           ui.DescriptiveCheckBox, ui.LowerLeftTextCheckBox,
                           ui.PostalBarCodeCheckBox, ui.StampBorderTextCheckBox, ui.TitleCheckBox})
        box->setChecked(false);
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
    // design being opened brings its own corner, or none.
    if (ui.LowerLeftCornerRadioGroup->choice<LowerLeftCorner>() == LowerLeftCorner::Image &&
        CornerImageFile.isEmpty() && !ui.ContinueButton->isEnabled() && !openingDesign_)
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
