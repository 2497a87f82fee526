#include "AreaStyles.h"

#include "gfx/SheetText.h"

namespace
{

void applyStyle(QFont& font, unsigned style)
{
    font.setBold(style & fsBold);
    font.setItalic(style & fsItalic);
    font.setUnderline(style & fsUnderline);
    font.setStrikeOut(style & fsStrikeOut);
}

} // namespace

fc LoadDefaultAreaStyles(AreaStyleArray& table)
{
    const fc dialogFont{TColors::Black, 10, QStringLiteral("Times New Roman"), fsBold};
    table[AreaPostalBarCode] = dialogFont;
    table[AreaSpare] = dialogFont;

    const QString arial = QStringLiteral("Arial");
    table[AreaTitle] = {TColors::Black, 10, arial, fsBold};
    table[AreaDescriptive] = {TColors::Black, 8, arial, fsNone};
    table[AreaLowerLeftText] = {TColors::Black, 8, arial, fsNone};
    table[AreaSeparator] = {TColors::Black, 8, arial, fsNone};
    table[AreaStamp] = {TColors::Black, 8, arial, fsBold};
    table[AreaPostCard] = {TColors::Blue, 30, QStringLiteral("Coronet"), fsBold};
    table[AreaAddress] = {TColors::Grey, 12, arial, fsBold};
    table[AreaPostalBarCode] = {TColors::Grey, 6, arial, fsBold};
    return dialogFont;
}

int NextArea(const std::array<bool, AreaCount>& ticked, int start)
{
    for (int i = start < 0 ? 0 : start; i < AreaCount; ++i)
        if (ticked[std::size_t(i)])
            return i;
    return AreaSpare;
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
    record.style = fsNone;
    if (font.bold())
        record.style |= fsBold;
    if (font.italic())
        record.style |= fsItalic;
    if (font.underline())
        record.style |= fsUnderline;
    if (font.strikeOut())
        record.style |= fsStrikeOut;
}

int fontPointSize(const QFont& font)
{
    return font.pointSize() > 0 ? font.pointSize() : MulDiv(font.pixelSize(), 72, 96);
}
