#include "TurnSimulation.h"

#include "geometry/SheetLayout.h"

#include <QPainter>
#include <cmath>
#include <sstream>

namespace
{

constexpr int MarkerSide = 60; // sheet pixels, 0.3 inch
// A few stray pixels where a rasteriser blends a marker's edge are no marker.
constexpr int SmallestMarker = 40; // device pixels
// Markers are searched for on a grid this fine, then followed pixel by pixel: a marker is at
// least 45 pixels wide on any page looked at (0.3 inch at 150 pixels per inch).
constexpr int SearchStep = 8;

enum class Marker { None, Centre, Head, Side };

const QColor CentreYellow(240, 220, 30);
const QColor HeadRed(230, 30, 30);
const QColor SideGreen(30, 190, 60);

Marker markerOf(QRgb c)
{
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    if (b > 100)
        return Marker::None;
    if (r > 180 && g > 160)
        return Marker::Centre;
    if (r > 180 && g < 90)
        return Marker::Head;
    if (g > 150 && r < 90)
        return Marker::Side;
    return Marker::None;
}

// A square centred at (cx, cy); every card dimension is even, so a centre on the card's middle
// stays on it in the mirror image.
void square(QPainter& p, int cx, int cy, QColor colour)
{
    p.fillRect(QRect(cx - MarkerSide / 2, cy - MarkerSide / 2, MarkerSide, MarkerSide), colour);
}

struct Blob {
    Marker kind;
    QPointF centre;
};

// The connected areas of marker colour on the page, each by the centre of its bounds.
std::vector<Blob> blobsOf(const QImage& source)
{
    const QImage page = source.convertToFormat(QImage::Format_RGB32);
    const int w = page.width();
    const int h = page.height();
    std::vector<bool> seen(size_t(w) * size_t(h), false);
    std::vector<Blob> blobs;
    std::vector<QPoint> stack;
    const auto at = [&](int x, int y) {
        return markerOf(reinterpret_cast<const QRgb*>(page.constScanLine(y))[x]);
    };
    for (int y = 0; y < h; y += SearchStep) {
        const QRgb* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = 0; x < w; x += SearchStep) {
            const Marker kind = markerOf(row[x]);
            if (kind == Marker::None || seen[size_t(y) * w + x])
                continue;
            int left = x, right = x, top = y, bottom = y, count = 0;
            stack.assign(1, QPoint(x, y));
            seen[size_t(y) * w + x] = true;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                ++count;
                left = std::min(left, p.x());
                right = std::max(right, p.x());
                top = std::min(top, p.y());
                bottom = std::max(bottom, p.y());
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint n = p + d;
                    if (n.x() < 0 || n.y() < 0 || n.x() >= w || n.y() >= h)
                        continue;
                    const size_t i = size_t(n.y()) * w + n.x();
                    if (seen[i] || at(n.x(), n.y()) != kind)
                        continue;
                    seen[i] = true;
                    stack.push_back(n);
                }
            }
            if (count >= SmallestMarker)
                blobs.push_back(
                    {kind, QPointF((left + right + 1) / 2.0, (top + bottom + 1) / 2.0)});
        }
    }
    return blobs;
}

double distance(QPointF a, QPointF b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

QPointF nearest(const std::vector<Blob>& blobs, Marker kind, QPointF to)
{
    QPointF best;
    double bestDistance = -1;
    for (const Blob& b : blobs) {
        if (b.kind != kind)
            continue;
        const double d = distance(b.centre, to);
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = b.centre;
        }
    }
    return best;
}

double cross(QPointF a, QPointF b)
{
    return a.x() * b.y() - a.y() * b.x();
}

QPointF unit(QPointF v)
{
    const double l = std::hypot(v.x(), v.y());
    return l > 0 ? v / l : v;
}

} // namespace

QImage turnTestCard(QSize size, QColor ground)
{
    QImage card(size, QImage::Format_RGB888);
    card.fill(ground);
    QPainter p(&card);
    const int w = size.width();
    const int h = size.height();
    square(p, w / 2, h / 2, CentreYellow);
    square(p, w / 2, h / 4, HeadRed);
    square(p, w / 4, h / 4, SideGreen);
    return card;
}

std::vector<TestCardOnPage> findTestCards(const QImage& page)
{
    const std::vector<Blob> blobs = blobsOf(page);
    std::vector<TestCardOnPage> cards;
    for (const Blob& b : blobs)
        if (b.kind == Marker::Centre)
            cards.push_back({b.centre, nearest(blobs, Marker::Head, b.centre),
                             nearest(blobs, Marker::Side, b.centre)});
    return cards;
}

QPointF turnedOver(QPointF at, QSize paper, SheetTurn turn)
{
    switch (turn) {
    case SheetTurn::Book:
        return QPointF(paper.width() - at.x(), at.y());
    case SheetTurn::Calendar:
        return QPointF(at.x(), paper.height() - at.y());
    case SheetTurn::LongEdge: // the caller gives the turn as the page sees it (turnOnPage)
    case SheetTurn::ShortEdge:
        break;
    }
    return at;
}

std::vector<BackBehindFront> backsBehindFronts(const QImage& fronts, const QImage& backs,
                                               SheetTurn turn)
{
    const std::vector<TestCardOnPage> f = findTestCards(fronts);
    std::vector<TestCardOnPage> b = findTestCards(backs);
    for (TestCardOnPage& card : b)
        for (QPointF* p : {&card.centre, &card.head, &card.side})
            *p = turnedOver(*p, backs.size(), turn);
    std::vector<BackBehindFront> result;
    for (const TestCardOnPage& front : f) {
        BackBehindFront r;
        r.front = front.centre;
        const TestCardOnPage* back = nullptr;
        for (const TestCardOnPage& candidate : b)
            if (!back ||
                distance(candidate.centre, front.centre) < distance(back->centre, front.centre))
                back = &candidate;
        if (back) {
            r.found = true;
            r.offset = back->centre - front.centre;
            const QPointF frontUp = unit(front.head - front.centre);
            const QPointF backUp = unit(back->head - back->centre);
            r.headToHead = QPointF::dotProduct(frontUp, backUp) > 0.95;
            // Seen through the paper a back that reads upright on its own side is mirrored.
            r.readsUpright = cross(frontUp, front.side - front.centre) *
                                 cross(backUp, back->side - back->centre) <
                             0;
        }
        result.push_back(r);
    }
    return result;
}

std::string turnFaults(const std::vector<BackBehindFront>& found, int cards, double tolerance)
{
    std::ostringstream out;
    if (int(found.size()) != cards)
        out << found.size() << " fronts found, not " << cards << "; ";
    for (const BackBehindFront& r : found) {
        const std::string at = "front at (" + std::to_string(int(r.front.x())) + ", " +
                               std::to_string(int(r.front.y())) + ")";
        if (!r.found) {
            out << at << ": no back; ";
            continue;
        }
        if (std::abs(r.offset.x()) > tolerance || std::abs(r.offset.y()) > tolerance)
            out << at << ": back off by (" << r.offset.x() << ", " << r.offset.y() << "); ";
        if (!r.headToHead)
            out << at << ": back not head to head; ";
        if (!r.readsUpright)
            out << at << ": back mirrored; ";
    }
    return out.str();
}

int devicePixels(double inches, int dpi)
{
    return int(inches * dpi + 0.5);
}

void useTestPaper(RecordingPrinter& printer, int dpi, const TestPaper& paper,
                  const TestMargins& margins)
{
    const auto px = [dpi](double inches) { return devicePixels(inches, dpi); };
    printer.setPaper(dpi, px(paper.width), px(paper.height), px(margins.left), px(margins.top),
                     px(margins.right), px(margins.bottom));
}

bool paperHoldsPage(Layout layout, const TestPaper& paper)
{
    const QSize page = printedPageSize(layout);
    const bool landscape = sheetLayoutAt(layout)->orientation == QPageLayout::Landscape;
    const double across = landscape ? paper.height : paper.width;
    const double down = landscape ? paper.width : paper.height;
    // Within a card's white edge of the paper: 4 on Sheet loses a little on A4 but keeps its cards.
    constexpr double Slack = 0.3;
    return page.width() / 200.0 <= across + Slack && page.height() / 200.0 <= down + Slack;
}
