#include "AlignmentReading.h"

#include <cmath>

namespace
{

// Ink, also where a rasteriser spread a one-pixel line over two pixels of half its darkness.
bool dark(QRgb c)
{
    return qGray(c) < 200;
}

// The mean column (across) or row (down) of the backs' ink in `zone`: a pointer's axis.
std::optional<double> pointerAxis(const HeldSheet& sheet, const QRect& zone, bool across)
{
    double sum = 0;
    int n = 0;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            if (sheet.backInk({x, y})) {
                sum += across ? x : y;
                ++n;
            }
    if (n == 0)
        return std::nullopt;
    return sum / n;
}

} // namespace

bool HeldSheet::frontInk(QPoint p) const
{
    return fronts.rect().contains(p) && dark(fronts.pixel(p));
}

bool HeldSheet::backInk(QPoint p) const
{
    const QPoint paper = p + QPoint(m.OffsetX, m.OffsetY);
    const QPoint behind = turn == SheetTurn::Calendar
                              ? QPoint(paper.x(), m.PhysicalHeight - 1 - paper.y())
                              : QPoint(m.PhysicalWidth - 1 - paper.x(), paper.y());
    const QPoint b = behind - error - QPoint(m.OffsetX, m.OffsetY);
    return backs.rect().contains(b) && dark(backs.pixel(b));
}

QRect backInkBounds(const HeldSheet& sheet, const QRect& zone)
{
    QRect bounds;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            if (sheet.backInk({x, y}))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

int backInkWidth(const HeldSheet& sheet, const QRect& zone)
{
    return backInkBounds(sheet, zone).width();
}

Reading readScales(const HeldSheet& held, const AlignmentSheet& sheet, int card)
{
    Reading r;
    const int step = sheet.dpiX / 200;
    const int reach = (AlignmentScaleReach + 60) * step;
    const int needle = 25 * step;
    const QPoint a0 = acrossScaleTick(sheet, card, 0);
    const QPoint d0 = downScaleTick(sheet, card, 0);
    const auto nearestTick = [&](double axis, bool across, double& offBy) -> std::optional<int> {
        std::optional<int> best;
        double bestDistance = 2.0 * step;
        for (int v = -AlignmentScaleReach; v <= AlignmentScaleReach; ++v) {
            const QPoint t =
                across ? acrossScaleTick(sheet, card, v) : downScaleTick(sheet, card, v);
            // The tick must be printed where the scale says, just off its base line (or half a
            // pixel before, where a rasteriser spread it).
            const QPoint off = across ? QPoint(0, 2) : QPoint(2, 0);
            const QPoint before = across ? QPoint(1, 0) : QPoint(0, 1);
            if (!held.frontInk(t + off) && !held.frontInk(t + off - before))
                continue;
            const double distance = std::abs((across ? t.x() : t.y()) - axis);
            if (distance < bestDistance) {
                bestDistance = distance;
                best = v;
                offBy = axis - (across ? t.x() : t.y());
            }
        }
        return best;
    };
    // The pointers lie on the fronts' side of the base lines: above the across scale, left of
    // the down scale, clear of the base line itself.
    if (const auto axis = pointerAxis(held,
                                      QRect(QPoint(a0.x() - reach, a0.y() - needle),
                                            QPoint(a0.x() + reach, a0.y() - 2 * step)),
                                      true))
        r.across = nearestTick(*axis, true, r.offTick.rx());
    if (const auto axis = pointerAxis(held,
                                      QRect(QPoint(d0.x() - needle, d0.y() - reach),
                                            QPoint(d0.x() - 2 * step, d0.y() + reach)),
                                      false))
        r.down = nearestTick(*axis, false, r.offTick.ry());
    return r;
}
