#include "SheetLayout.h"

#include "gfx/TColor.h"

#include <QPainter>
#include <cstring>

namespace
{
constexpr QSize CardSize(1200, 800);       // 6 x 4 inches
constexpr QSize FourUpCardSize(1100, 850); // a quarter of an 11 x 8.5 inch sheet

QPageSize letterPaper()
{
    return QPageSize(QPageSize::Letter);
}

QPageSize photoPaper()
{
    return QPageSize(QSizeF(4, 6), QPageSize::Inch, QStringLiteral("4 x 6 in"),
                     QPageSize::ExactMatch);
}

// The page turned a quarter turn: `clockwise`, the pixel at (x, y) of a W x H page goes to
// (H - 1 - y, x), else to (y, W - 1 - x).
void turnPage(QImage& page, bool clockwise)
{
    const QImage source =
        page.format() == QImage::Format_RGB888 ? page : page.convertToFormat(QImage::Format_RGB888);
    const int w = source.width();
    const int h = source.height();
    QImage turned(h, w, QImage::Format_RGB888);
    uchar* to = turned.bits();
    const qsizetype stride = turned.bytesPerLine();
    for (int y = 0; y < h; ++y) {
        const uchar* from = source.constScanLine(y);
        if (clockwise) {
            // Source row y becomes destination column h - 1 - y, read top to bottom.
            uchar* column = to + 3 * (h - 1 - y);
            for (int x = 0; x < w; ++x)
                std::memcpy(column + x * stride, from + 3 * x, 3);
        } else {
            // Source row y becomes destination column y, read bottom to top.
            uchar* column = to + 3 * y;
            for (int x = 0; x < w; ++x)
                std::memcpy(column + (w - 1 - x) * stride, from + 3 * x, 3);
        }
    }
    page = turned;
}

} // namespace

std::optional<SheetLayout> sheetLayoutAt(int index)
{
    using namespace SheetLayouts;
    switch (index) {
    case PortraitPortrait:
        return SheetLayout{index, QPageLayout::Portrait, CardSize, letterPaper()};
    case LandscapeLandscape:
        return SheetLayout{index, QPageLayout::Landscape, CardSize, letterPaper()};
    case SingleOn4x6:
        return SheetLayout{index, QPageLayout::Landscape, CardSize, photoPaper()};
    case FourOnSheet:
        return SheetLayout{index, QPageLayout::Landscape, FourUpCardSize, letterPaper()};
    default:
        return std::nullopt;
    }
}

PageTiling backPageTiling(int layout, QSize card)
{
    const int w = card.width();
    const int h = card.height();
    using namespace SheetLayouts;
    switch (layout) {
    case SingleOn4x6:
        return {QSize(w, h), {QPoint(0, 0)}};
    case FourOnSheet:
        return {QSize(2 * w, 2 * h), {QPoint(0, 0), QPoint(0, h), QPoint(w, 0), QPoint(w, h)}};
    default: // the two layouts of two cards, one above the other
        return {QSize(w, 2 * h), {QPoint(0, 0), QPoint(0, h)}};
    }
}

PageTiling frontPageTiling(int layout)
{
    const int w = CardSize.width();
    const int h = CardSize.height();
    const int w4 = FourUpCardSize.width();
    const int h4 = FourUpCardSize.height();
    using namespace SheetLayouts;
    switch (layout) {
    case SingleOn4x6:
        return {QSize(w, h), {QPoint(0, 0)}};
    case FourOnSheet:
        return {QSize(2 * w4, 2 * h4),
                {QPoint(0, 0), QPoint(w4, 0), QPoint(0, h4), QPoint(w4, h4)}};
    default: // the two layouts of two cards, one above the other
        return {QSize(w, 2 * h), {QPoint(0, 0), QPoint(0, h)}};
    }
}

QImage TilePage(const QImage& card, const PageTiling& tiling, QImage::Format format)
{
    QImage page(tiling.page, format);
    page.fill(fromTColor(TColors::White));
    QPainter p(&page);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QPoint& at : tiling.at)
        p.drawImage(at, card);
    return page;
}

QSize printedPageSize(int layout)
{
    const QSize page = frontPageTiling(layout).page;
    return layout == SheetLayouts::PortraitPortrait ? page.transposed() : page;
}

void RotatePageClockwise(QImage& page)
{
    turnPage(page, true);
}

void RotatePageCounterClockwise(QImage& page)
{
    turnPage(page, false);
}
