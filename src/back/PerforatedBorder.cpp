#include "PerforatedBorder.h"

#include <QPainter>

namespace
{

constexpr int PenWidth = 2;
constexpr int Inset = 12;          // outline distance from the top and left edges
constexpr int FarInset = 14;       // from the right and bottom edges
constexpr int NotchDepth = 8;      // how far a notch bulges inwards
constexpr int NotchLength = 12;    // along the edge
constexpr int NotchPitch = 20;     // from one notch start to the next
constexpr int FirstTopNotch = 20;  // x of the first notch on the top and bottom edges
constexpr int FirstSideNotch = 22; // y of the first notch on the side edges
constexpr int LastTopNotchRoom = 32;
constexpr int LastSideNotchRoom = 18;
constexpr int HalfTurn = 180 * 16; // Qt angles are sixteenths of a degree, counter-clockwise
constexpr int QuarterTurn = 90 * 16;

// Move-to / line-to with a current position, as the outline is described.
class Outline
{
public:
    explicit Outline(QPainter& painter) : painter_(painter) {}
    void moveTo(int x, int y) { at_ = QPoint(x, y); }
    void lineTo(int x, int y)
    {
        painter_.drawLine(at_, QPoint(x, y));
        at_ = QPoint(x, y);
    }
    // A half-ellipse notch in the bounding box (left, top, right, bottom), drawn
    // counter-clockwise from `startAngle` over half a turn.
    void notch(int left, int top, int right, int bottom, int startAngle)
    {
        painter_.drawArc(QRectF(left, top, right - left, bottom - top), startAngle, HalfTurn);
    }

private:
    QPainter& painter_;
    QPoint at_;
};

} // namespace

QImage& DrawPerforatedBorder(QImage& bitmap, TColor colour)
{
    QPainter painter(&bitmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    drawPerforatedBorder(painter, bitmap.size(), colour);
    return bitmap;
}

void drawPerforatedBorder(QPainter& painter, QSize size, TColor colour)
{
    const int w = size.width();
    const int h = size.height();
    painter.setPen(QPen(fromTColor(colour), PenWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    Outline outline(painter);

    const int right = w - FarInset;
    const int bottom = h - FarInset;

    // Top edge: notches bulge downwards, from their left end round to their right end.
    outline.moveTo(Inset, Inset);
    for (int x = FirstTopNotch; x <= w - LastTopNotchRoom; x += NotchPitch) {
        outline.lineTo(x, Inset);
        outline.notch(x, Inset - NotchDepth, x + NotchLength, Inset + NotchDepth, HalfTurn);
        outline.moveTo(x + NotchLength, Inset);
    }
    outline.lineTo(right, Inset);

    // Bottom edge: notches bulge upwards.
    outline.moveTo(Inset, bottom);
    for (int x = FirstTopNotch; x <= w - LastTopNotchRoom; x += NotchPitch) {
        outline.lineTo(x, bottom);
        outline.notch(x, bottom - NotchDepth, x + NotchLength, bottom + NotchDepth, 0);
        outline.moveTo(x + NotchLength, bottom);
    }
    outline.lineTo(right, bottom);

    // Left edge: notches bulge to the right.
    outline.moveTo(Inset, Inset);
    for (int y = FirstSideNotch; y <= h - LastSideNotchRoom; y += NotchPitch) {
        outline.lineTo(Inset, y);
        outline.notch(Inset - NotchDepth, y, Inset + NotchDepth, y + NotchLength, -QuarterTurn);
        outline.moveTo(Inset, y + NotchLength);
    }
    outline.lineTo(Inset, bottom);

    // Right edge: notches bulge to the left.
    outline.moveTo(right, Inset);
    for (int y = FirstSideNotch; y <= h - LastSideNotchRoom; y += NotchPitch) {
        outline.lineTo(right, y);
        outline.notch(right - NotchDepth, y, right + NotchDepth, y + NotchLength, QuarterTurn);
        outline.moveTo(right, y + NotchLength);
    }
    outline.lineTo(right, bottom);
}
