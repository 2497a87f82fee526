#include "SheetLayout.h"

#include "gfx/QuarterTurn.h"
#include "gfx/TColor.h"

#include <QPainter>

namespace
{
constexpr QSize FourUpCardSize(1100, 850); // a quarter of an 11 x 8.5 inch sheet

QPageSize letterPaper()
{
    return QPageSize(QPageSize::Letter);
}

QPageSize photoPaper()
{
    return QPageSize(QSizeF(4, 6), QPageSize::Inch, QString(), QPageSize::ExactMatch);
}

// The page turned a quarter turn, as the 24-bit bitmap it is printed from.
void turnPage(QImage& page, QuarterTurn turn)
{
    page = turnedQuarter(
        page.format() == QImage::Format_RGB888 ? page : page.convertToFormat(QImage::Format_RGB888),
        turn);
}

} // namespace

std::optional<SheetLayout> sheetLayoutAt(Layout layout)
{
    switch (layout) {
    case Layout::PortraitPortrait:
        return SheetLayout{layout, QPageLayout::Portrait, CardSize, letterPaper()};
    case Layout::LandscapeLandscape:
        return SheetLayout{layout, QPageLayout::Landscape, CardSize, letterPaper()};
    case Layout::SingleOn4x6:
        return SheetLayout{layout, QPageLayout::Landscape, CardSize, photoPaper()};
    case Layout::FourOnSheet:
        return SheetLayout{layout, QPageLayout::Landscape, FourUpCardSize, letterPaper()};
    default:
        return std::nullopt;
    }
}

QSize cardSizeOf(Layout layout)
{
    const auto sheet = sheetLayoutAt(layout);
    return sheet ? sheet->card : CardSize;
}

PageTiling backPageTiling(Layout layout, QSize card)
{
    const int w = card.width();
    const int h = card.height();
    switch (layout) {
    case Layout::SingleOn4x6:
        return {QSize(w, h), {QPoint(0, 0)}};
    case Layout::FourOnSheet:
        return {QSize(2 * w, 2 * h), {QPoint(0, 0), QPoint(0, h), QPoint(w, 0), QPoint(w, h)}};
    default: // the two layouts of two cards, one above the other
        return {QSize(w, 2 * h), {QPoint(0, 0), QPoint(0, h)}};
    }
}

PageTiling frontPageTiling(Layout layout)
{
    const int w = CardSize.width();
    const int h = CardSize.height();
    const int w4 = FourUpCardSize.width();
    const int h4 = FourUpCardSize.height();
    switch (layout) {
    case Layout::SingleOn4x6:
        return {QSize(w, h), {QPoint(0, 0)}};
    case Layout::FourOnSheet:
        return {QSize(2 * w4, 2 * h4),
                {QPoint(0, 0), QPoint(w4, 0), QPoint(0, h4), QPoint(w4, h4)}};
    default: // the two layouts of two cards, one above the other
        return {QSize(w, 2 * h), {QPoint(0, 0), QPoint(0, h)}};
    }
}

QImage tilePage(const QImage& card, const PageTiling& tiling, QImage::Format format)
{
    return tilePage(std::vector<QImage>(tiling.at.size(), card), tiling, format);
}

QImage tilePage(const std::vector<QImage>& cards, const PageTiling& tiling, QImage::Format format)
{
    QImage page(tiling.page, format);
    page.fill(fromTColor(TColors::White));
    QPainter p(&page);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (std::size_t i = 0; i < tiling.at.size() && i < cards.size(); ++i)
        if (!cards[i].isNull())
            p.drawImage(tiling.at[i], cards[i]);
    return page;
}

QSize printedPageSize(Layout layout)
{
    const QSize page = frontPageTiling(layout).page;
    return layout == Layout::PortraitPortrait ? page.transposed() : page;
}

void RotatePageClockwise(QImage& page)
{
    turnPage(page, QuarterTurn::Clockwise);
}

void rotatePageCounterClockwise(QImage& page)
{
    turnPage(page, QuarterTurn::CounterClockwise);
}
