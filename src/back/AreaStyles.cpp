#include "AreaStyles.h"

#include "gfx/SheetText.h"

namespace
{

void applyStyle(QFont& font, FontStyles style)
{
    font.setBold(style.testFlag(FontStyle::Bold));
    font.setItalic(style.testFlag(FontStyle::Italic));
    font.setUnderline(style.testFlag(FontStyle::Underline));
    font.setStrikeOut(style.testFlag(FontStyle::StrikeOut));
}

} // namespace

fc loadDefaultAreaStyles(AreaStyleArray& table)
{
    const fc dialogFont{TColors::Black, 10, QStringLiteral("Times New Roman"), FontStyle::Bold};
    table[Area::PostalBarCode] = dialogFont;
    table[Area::Spare] = dialogFont;

    const QString arial = QStringLiteral("Arial");
    table[Area::Title] = {TColors::Black, 10, arial, FontStyle::Bold};
    table[Area::Descriptive] = {TColors::Black, 8, arial, FontStyle::None};
    table[Area::LowerLeftText] = {TColors::Black, 8, arial, FontStyle::None};
    table[Area::Separator] = {TColors::Black, 8, arial, FontStyle::None};
    table[Area::Stamp] = {TColors::Black, 8, arial, FontStyle::Bold};
    table[Area::PostCard] = {TColors::Blue, 30, QStringLiteral("Coronet"), FontStyle::Bold};
    table[Area::Address] = {TColors::Grey, 12, arial, FontStyle::Bold};
    table[Area::PostalBarCode] = {TColors::Grey, 6, arial, FontStyle::Bold};
    return dialogFont;
}

int NextArea(const std::array<bool, AreaCount>& ticked, int start)
{
    for (int i = start < 0 ? 0 : start; i < AreaCount; ++i)
        if (ticked[std::size_t(i)])
            return i;
    return int(Area::Spare);
}

QFont sheetFont(const fc& record)
{
    QFont font(record.name);
    font.setPixelSize(pointsToPixels(2 * record.size));
    applyStyle(font, record.style);
    return font;
}

QFont dialogFont(const fc& record)
{
    QFont font(record.name);
    font.setPointSize(record.size > 0 ? record.size : 1);
    applyStyle(font, record.style);
    return font;
}

void copyFontInto(const QFont& font, fc& record)
{
    record.name = font.family();
    record.size = fontPointSize(font);
    record.style = FontStyle::None;
    if (font.bold())
        record.style |= FontStyle::Bold;
    if (font.italic())
        record.style |= FontStyle::Italic;
    if (font.underline())
        record.style |= FontStyle::Underline;
    if (font.strikeOut())
        record.style |= FontStyle::StrikeOut;
}

int fontPointSize(const QFont& font)
{
    return font.pointSize() > 0 ? font.pointSize() : mulDiv(font.pixelSize(), 72, 96);
}
