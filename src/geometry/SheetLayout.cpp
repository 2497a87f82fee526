#include "SheetLayout.h"

#include "PrinterMetrics.h"
#include "gfx/AppError.h"
#include "gfx/QuarterTurn.h"
#include "gfx/TColor.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <deque>
#include <mutex>

namespace
{
constexpr QSize FourUpCardSize(1100, 850); // a quarter of an 11 x 8.5 inch sheet
constexpr double MillimetresPerInch = 25.4;
constexpr int MostCardsAcross = 10; // rows or columns: more is no postcard stock

QPageSize letterPaper()
{
    return QPageSize(QPageSize::Letter);
}

QPageSize photoPaper()
{
    return QPageSize(QSizeF(4, 6), QPageSize::Inch, QString(), QPageSize::ExactMatch);
}

int sheetPixels(double millimetres)
{
    return qRound(millimetres * double(SheetPixelsPerInch) / MillimetresPerInch);
}

QSize sheetPixels(QSizeF millimetres)
{
    return {sheetPixels(millimetres.width()), sheetPixels(millimetres.height())};
}

// A6 postcards: 148 x 105 mm, an even width as the printed pages want (148.1 mm).
QSize a6Card()
{
    return {1166, sheetPixels(105)};
}

SheetLayout figures(Layout kind, QPageLayout::Orientation orientation, QSize card,
                    const QPageSize& paper, int rows = 1, int columns = 1)
{
    return SheetLayout{kind,        orientation,         card,     paper, rows, columns,
                       QSize(0, 0), CardsOnPaper::AtTop, QPoint(), false};
}

// The refusal of a card of `millimetres`, naming it.
QString cardSizeRefusal(QSizeF millimetres)
{
    return QCoreApplication::translate("SheetLayout",
                                       "A card of %1 x %2 mm cannot be drawn: cards are from "
                                       "5 x 3.5 inches (127 x 88.9 mm) to A5 (210 x 148 mm), "
                                       "the width being the long side.")
        .arg(millimetres.width(), 0, 'f', 1)
        .arg(millimetres.height(), 0, 'f', 1);
}

// The block of `rows` x `columns` cards with their gaps.
QSize blockOf(QSize card, int rows, int columns, QSize gap)
{
    return {columns * card.width() + (columns - 1) * gap.width(),
            rows * card.height() + (rows - 1) * gap.height()};
}

// The user's layouts, numbered from OwnLayoutsFrom by their place; never removed, so that a
// number stays good while the program runs. Render threads read it too.
struct OwnLayouts {
    std::mutex lock;
    std::deque<OwnLayout> figures;
};
OwnLayouts& ownLayouts()
{
    static OwnLayouts layouts;
    return layouts;
}

SheetLayout ownSheetLayout(Layout kind, const OwnLayout& own)
{
    SheetLayout l =
        figures(kind, QPageLayout::Portrait, sheetPixels(own.card),
                QPageSize(own.paper, QPageSize::Millimeter, own.name, QPageSize::ExactMatch));
    l.rows = own.rows;
    l.columns = own.columns;
    l.gap = sheetPixels(own.gap);
    l.placement = CardsOnPaper::AtMargins;
    l.margin = QPoint(sheetPixels(own.margin.x()), sheetPixels(own.margin.y()));
    // The paper lies the way the block of cards is laid out.
    const QSize block = blockOf(l.card, l.rows, l.columns, l.gap);
    if (block.width() > block.height())
        l.orientation = QPageLayout::Landscape;
    return l;
}

// The paper as the printer holds it for the layout, in sheet pixels.
QSize paperAsPrinted(const SheetLayout& l)
{
    const QSize upright = sheetPixels(l.paper.size(QPageSize::Millimeter));
    return l.orientation == QPageLayout::Landscape ? upright.transposed() : upright;
}

// The page turned a quarter turn, as the 24-bit bitmap it is printed from.
void turnPage(QImage& page, QuarterTurn turn)
{
    page = turnedQuarter(
        page.format() == QImage::Format_RGB888 ? page : page.convertToFormat(QImage::Format_RGB888),
        turn);
}

// The cards of `l` at `card` size: column by column, or row by row.
PageTiling tiling(const SheetLayout& l, QSize card, bool byColumn)
{
    PageTiling t{blockOf(card, l.rows, l.columns, l.gap), {}};
    const int outer = byColumn ? l.columns : l.rows;
    const int inner = byColumn ? l.rows : l.columns;
    for (int i = 0; i < outer; ++i)
        for (int j = 0; j < inner; ++j) {
            const int column = byColumn ? i : j;
            const int row = byColumn ? j : i;
            t.at.emplace_back(column * (card.width() + l.gap.width()),
                              row * (card.height() + l.gap.height()));
        }
    return t;
}

// The layout's figures, those of "Landscape-Landscape" for a choice that names none.
SheetLayout figuresOf(Layout layout)
{
    return sheetLayoutAt(layout).value_or(*sheetLayoutAt(Layout::LandscapeLandscape));
}

} // namespace

bool samePaper(const QPageSize& a, const QPageSize& b)
{
    const QSizeF x = a.size(QPageSize::Millimeter);
    const QSizeF y = b.size(QPageSize::Millimeter);
    return std::abs(x.width() - y.width()) <= 1 && std::abs(x.height() - y.height()) <= 1;
}

std::optional<SheetLayout> sheetLayoutAt(Layout layout)
{
    switch (layout) {
    case Layout::PortraitPortrait: {
        SheetLayout l = figures(layout, QPageLayout::Portrait, CardSize, letterPaper(), 2);
        l.turnedQuarter = true;
        return l;
    }
    case Layout::LandscapeLandscape:
        return figures(layout, QPageLayout::Landscape, CardSize, letterPaper(), 2);
    case Layout::SingleOn4x6:
        return figures(layout, QPageLayout::Landscape, CardSize, photoPaper());
    case Layout::FourOnSheet:
        return figures(layout, QPageLayout::Landscape, FourUpCardSize, letterPaper(), 2, 2);
    case Layout::FourA6OnA4: {
        SheetLayout l =
            figures(layout, QPageLayout::Landscape, a6Card(), QPageSize(QPageSize::A4), 2, 2);
        l.placement = CardsOnPaper::Centred;
        return l;
    }
    case Layout::SingleA6: {
        SheetLayout l = figures(layout, QPageLayout::Landscape, a6Card(), QPageSize(QPageSize::A6));
        l.placement = CardsOnPaper::Centred;
        return l;
    }
    default:
        if (const auto own = ownLayoutFigures(layout))
            return ownSheetLayout(layout, *own);
        return std::nullopt;
    }
}

QSize cardSizeOf(Layout layout)
{
    const auto sheet = sheetLayoutAt(layout);
    return sheet ? sheet->card : CardSize;
}

QString layoutName(Layout layout)
{
    switch (layout) {
    case Layout::PortraitPortrait:
        return QCoreApplication::translate("SheetLayout", "Portrait - Portrait");
    case Layout::LandscapeLandscape:
        return QCoreApplication::translate("SheetLayout", "Landscape-Landscape");
    case Layout::SingleOn4x6:
        return QCoreApplication::translate("SheetLayout", "Single on 4x6 paper");
    case Layout::FourOnSheet:
        return QCoreApplication::translate("SheetLayout", "4 on Sheet");
    case Layout::FourA6OnA4:
        return QCoreApplication::translate("SheetLayout", "4 A6 on A4");
    case Layout::SingleA6:
        return QCoreApplication::translate("SheetLayout", "Single A6");
    default:
        if (const auto own = ownLayoutFigures(layout))
            return own->name;
        return {};
    }
}

QString cardSizeProblem(QSize card)
{
    if (card.width() >= SmallestCard.width() && card.height() >= SmallestCard.height() &&
        card.width() <= LargestCard.width() && card.height() <= LargestCard.height())
        return {};
    return cardSizeRefusal(QSizeF(card) * MillimetresPerInch / SheetPixelsPerInch);
}

QString ownLayoutProblem(const OwnLayout& own)
{
    if (own.name.trimmed().isEmpty())
        return QCoreApplication::translate("SheetLayout", "A layout of your own needs a name.");
    const SheetLayout l = ownSheetLayout(Layout(OwnLayoutsFrom), own);
    if (!cardSizeProblem(l.card).isEmpty())
        return cardSizeRefusal(own.card);
    if (own.rows < 1 || own.columns < 1 || own.rows > MostCardsAcross ||
        own.columns > MostCardsAcross)
        return QCoreApplication::translate("SheetLayout",
                                           "A layout has from 1 to %1 rows and columns.")
            .arg(MostCardsAcross);
    const QSize paper = paperAsPrinted(l);
    const QSize block = blockOf(l.card, l.rows, l.columns, l.gap);
    if (own.gap.width() < 0 || own.gap.height() < 0 || own.margin.x() < 0 || own.margin.y() < 0 ||
        l.margin.x() + block.width() > paper.width() ||
        l.margin.y() + block.height() > paper.height())
        return QCoreApplication::translate(
                   "SheetLayout", "The cards, their gaps and the margins (%1 x %2 mm) do not fit "
                                  "on the paper of %3 x %4 mm.")
            .arg(qRound(own.margin.x() + own.columns * own.card.width() +
                        (own.columns - 1) * own.gap.width()))
            .arg(qRound(own.margin.y() + own.rows * own.card.height() +
                        (own.rows - 1) * own.gap.height()))
            .arg(qRound(paper.width() * MillimetresPerInch / double(SheetPixelsPerInch)))
            .arg(qRound(paper.height() * MillimetresPerInch / double(SheetPixelsPerInch)));
    return {};
}

Layout ownLayout(const OwnLayout& own)
{
    if (const QString problem = ownLayoutProblem(own); !problem.isEmpty())
        throw AppError(problem);
    OwnLayouts& all = ownLayouts();
    const std::lock_guard<std::mutex> hold(all.lock);
    auto found = std::find(all.figures.begin(), all.figures.end(), own);
    if (found == all.figures.end())
        found = all.figures.insert(all.figures.end(), own);
    return Layout(OwnLayoutsFrom + int(found - all.figures.begin()));
}

std::optional<OwnLayout> ownLayoutFigures(Layout layout)
{
    OwnLayouts& all = ownLayouts();
    const std::lock_guard<std::mutex> hold(all.lock);
    const auto i = std::size_t(int(layout) - OwnLayoutsFrom);
    if (int(layout) < OwnLayoutsFrom || i >= all.figures.size())
        return std::nullopt;
    return all.figures[i];
}

QVariantMap ownLayoutValues(const OwnLayout& own)
{
    return {{QStringLiteral("name"), own.name},
            {QStringLiteral("cardWidth"), own.card.width()},
            {QStringLiteral("cardHeight"), own.card.height()},
            {QStringLiteral("rows"), own.rows},
            {QStringLiteral("columns"), own.columns},
            {QStringLiteral("paperWidth"), own.paper.width()},
            {QStringLiteral("paperHeight"), own.paper.height()},
            {QStringLiteral("gapAcross"), own.gap.width()},
            {QStringLiteral("gapDown"), own.gap.height()},
            {QStringLiteral("marginLeft"), own.margin.x()},
            {QStringLiteral("marginTop"), own.margin.y()}};
}

OwnLayout ownLayoutFromValues(const QVariantMap& m)
{
    const auto mm = [&m](const char* key) { return m.value(QLatin1String(key)).toDouble(); };
    return OwnLayout{
        m.value(QStringLiteral("name")).toString(),  QSizeF(mm("cardWidth"), mm("cardHeight")),
        m.value(QStringLiteral("rows")).toInt(),     m.value(QStringLiteral("columns")).toInt(),
        QSizeF(mm("paperWidth"), mm("paperHeight")), QSizeF(mm("gapAcross"), mm("gapDown")),
        QPointF(mm("marginLeft"), mm("marginTop"))};
}

int roomAroundCards(Layout layout)
{
    const auto l = sheetLayoutAt(layout);
    if (!l || l->placement == CardsOnPaper::AtTop)
        return 0;
    const QSize paper = paperAsPrinted(*l);
    const QSize block = blockOf(l->card, l->rows, l->columns, l->gap);
    const QPoint at =
        l->placement == CardsOnPaper::AtMargins
            ? l->margin
            : QPoint((paper.width() - block.width()) / 2, (paper.height() - block.height()) / 2);
    return std::max(0, std::min({at.x(), at.y(), paper.width() - at.x() - block.width(),
                                 paper.height() - at.y() - block.height()}));
}

PageTiling backPageTiling(Layout layout, QSize card)
{
    return tiling(figuresOf(layout), card, true);
}

PageTiling frontPageTiling(Layout layout)
{
    const SheetLayout l = figuresOf(layout);
    return tiling(l, l.card, false);
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
    return figuresOf(layout).turnedQuarter ? page.transposed() : page;
}

void RotatePageClockwise(QImage& page)
{
    turnPage(page, QuarterTurn::Clockwise);
}

void rotatePageCounterClockwise(QImage& page)
{
    turnPage(page, QuarterTurn::CounterClockwise);
}
