#include "FrontComposer.h"

#include "back/AreaStyles.h"
#include "geometry/PrinterMetrics.h"
#include "geometry/SheetLayout.h"
#include "gfx/PictureScaling.h"
#include "gfx/SheetText.h"

#include <QPainter>
#include <algorithm>
#include <new>

namespace
{

constexpr int Centred = 50; // offset percent that leaves the picture centred
constexpr int Percent = 100;
constexpr int UpwardAngle = 90;

// The turned text's distance from the card's left and bottom edges until a place is picked,
// as the horizontal text starts that far from the left edge.
constexpr int TurnedTextInset = 20;

// Whether the printable area cannot hold a 6 x 4 inch card; unknown figures count as room.
bool needsFrameOn4x6(const PrinterMetrics& metrics)
{
    return metrics.DpiX > 0 && metrics.DpiY > 0 && printableAreaBelow6x4(metrics);
}

int printerFrame(const PrinterMetrics& metrics)
{
    return metrics.DpiX > 0 ? largestMarginSheetPixels(metrics) : 0;
}

} // namespace

FrontCard frontCardForLayout(Layout layout, const PrinterMetrics& metrics)
{
    FrontCard card; // with no layout chosen: 6 x 4 inches without a frame
    if (const auto chosen = sheetLayoutAt(layout)) {
        card.width = chosen->card.width();
        card.height = chosen->card.height();
    }
    if (layout == Layout::FourOnSheet ||
        (layout == Layout::SingleOn4x6 && needsFrameOn4x6(metrics)))
        card.frame = printerFrame(metrics);
    // Cards reaching near the paper's edge keep their picture clear of what the printer
    // cannot reach.
    if (!isFirstLayout(layout) && sheetLayoutAt(layout) && metrics.DpiY > 0)
        card.frame = std::max(0, printerFrame(metrics) - roomAroundCards(layout));
    return card;
}

QRect fitFrontPicture(const FrontComposition& front)
{
    if (front.picture.isNull())
        return {};
    const QSize own = front.pictureSize.isEmpty() ? front.picture.size() : front.pictureSize;
    const int pw = own.width();
    const int ph = own.height();
    if (pw <= 0 || ph <= 0)
        return {};
    const int w = front.card.width;
    const int h = front.card.height;
    const int aw = w - 2 * front.card.frame;
    const int ah = h - 2 * front.card.frame;
    // Whole-number arithmetic in this order, truncating toward zero, as the card always had.
    int fw = aw;
    int fh = int(qint64(ph) * aw / pw);
    if (fh > ah) {
        fw = int(qint64(pw) * ah / ph);
        fh = ah;
    }
    const int sw = front.size * fw / Percent;
    const int sh = front.size * fh / Percent;
    const int x = (w - sw) / 2 + (front.hOffset - Centred) * w / Percent;
    const int y = (h - sh) / 2 + (front.vOffset - Centred) * h / Percent;
    return QRect(x, y, sw, sh);
}

QFont frontSheetFont(const QFont& chosen)
{
    // Not through the back's style records, which hold bold and italic only: a Light, Condensed
    // or Black face keeps its style name.
    QFont font = chosen;
    font.setPixelSize(pointsToPixels(2 * fontPointSize(chosen)));
    return font;
}

QPoint turnedFrontTextStart(const FrontCard& card)
{
    return QPoint(TurnedTextInset, card.height - TurnedTextInset);
}

QImage composeFront(const FrontComposition& front)
{
    QImage sheet(front.card.width, front.card.height, QImage::Format_RGB32);
    if (sheet.isNull())
        throw std::bad_alloc();
    QPainter p(&sheet);
    drawFront(p, front, 1);
    return sheet;
}

QRect frontPictureTarget(const FrontComposition& front)
{
    QRect target = fitFrontPicture(front);
    const int b = front.bleed;
    if (b == 0 || target.isEmpty())
        return target;
    // Each edge that reaches the card's edge reaches past it by the bleed.
    if (target.left() <= 0)
        target.setLeft(target.left() - b);
    if (target.top() <= 0)
        target.setTop(target.top() - b);
    if (target.right() >= front.card.width - 1)
        target.setRight(target.right() + b);
    if (target.bottom() >= front.card.height - 1)
        target.setBottom(target.bottom() + b);
    return target;
}

void drawFront(QPainter& p, const FrontComposition& front, qreal scale)
{
    const FrontCard& card = front.card;
    const int b = front.bleed;
    const QRect whole = QRect(0, 0, card.width, card.height).adjusted(-b, -b, b, b);
    p.save();
    // What lies outside the card (and its bleed) is cut off, as by the edge of the card's bitmap.
    p.setClipRect(whole, Qt::IntersectClip);
    p.fillRect(whole, fromTColor(TColors::White));
    // A photo goes to a PDF as a photo does (JPEG): kept lossless it would triple the file.
    p.setRenderHint(QPainter::LosslessImageRendering, false);
    drawPicture(p, frontPictureTarget(front), front.picture, scale);

    if (card.frame != 0) {
        const QColor white = fromTColor(TColors::White);
        const int m = card.frame + b;
        p.fillRect(QRect(whole.left(), whole.top(), m, whole.height()), white);
        p.fillRect(QRect(whole.right() + 1 - m, whole.top(), m, whole.height()), white);
        p.fillRect(QRect(whole.left(), whole.top(), whole.width(), m), white);
        p.fillRect(QRect(whole.left(), whole.bottom() + 1 - m, whole.width(), m), white);
    }

    if (!front.lines.isEmpty()) {
        p.setBackgroundMode(Qt::TransparentMode);
        p.setFont(frontSheetFont(front.font));
        p.setPen(fromTColor(front.colour));
        const int lineStep = textHeight(p);
        int x = front.textX;
        int y = front.textY;
        for (const QString& line : front.lines) {
            if (front.pictureTurned) {
                DrawRotatedText(p, line, x, y, UpwardAngle);
                x += lineStep;
            } else {
                drawTextTopLeft(p, x, y, line);
                y += lineStep;
            }
        }
    }
    p.restore();
}

FrontComposition frontAtScale(FrontComposition front, qreal scale)
{
    const QRect target = frontPictureTarget(front);
    if (front.pictureSize.isEmpty())
        front.pictureSize = front.picture.size(); // the fitting keeps to the picture's own size
    front.picture = pictureAtScale(front.picture, target, scale);
    return front;
}

void drawFrontPreview(QImage& surface, const QImage& front)
{
    const QRect preview(0, 0, front.width() / FrontPreviewScale,
                        front.height() / FrontPreviewScale);
    QPainter p(&surface);
    p.fillRect(preview, fromTColor(TColors::White));
    drawSmoothly(p, preview, front);
}
