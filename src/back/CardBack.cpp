#include "CardBack.h"

#include "CornerImage.h"
#include "PerforatedBorder.h"
#include "geometry/SheetLayout.h"
#include "gfx/AppError.h"
#include "gfx/PictureScaling.h"
#include "gfx/SheetText.h"

#include <QPainter>
#include <algorithm>

namespace
{

constexpr int DefaultMargin = 30; // the two full-sheet layouts, and no layout chosen

constexpr int LowerLeftBottomGap = 30; // the lower-left text ignores M
constexpr int StampBoxWidth = 150;
constexpr int StampBoxHeight = 170;
constexpr int ThinPen = 4;
constexpr int HeavyPen = 8;
constexpr int StampTileWidth = 152;
constexpr int StampTileHeight = 175;
constexpr int SeparatorTop = 50; // fixed, whatever M is
constexpr int SeparatorBottomGap = 50;
constexpr int SeparatorBottomGapWithStrip = 125;
constexpr int VerticalTextRaise = 25; // centre of the vertical text above mid-height
constexpr int AddressIndent = 100;    // from the middle of the card
constexpr int AddressTopGap = 425;    // first address line above the bottom edge
constexpr int AddressLineCount = 5;
constexpr int AddressLinePitch = 64;
constexpr int RulePen = 2;
constexpr int StripHeight = 101;    // the bar-code strip's line above the bottom edge
constexpr int StripTextRight = 100; // strip text's right edge from the card's right edge
constexpr int CaptionRoom = 160;    // kept clear of the caption beside the stamp
constexpr int CaptionTop = 75;
constexpr int StampTextIndent = 120; // from the stamp box's right side
constexpr int StampTextDrop = 25;
constexpr QRect SampleTarget(25, 525, 300, 250); // fixed: follows neither M nor the sheet size

// A solid pen of sheet pixels; wide pens have round ends and joins, as the printer's pens do.
QPen sheetPen(int width, TColor colour)
{
    return QPen(fromTColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Stretches the whole of `image` over `target` of `canvas`, smoothly, so thin lines and small
// text stay visible at half size.
void drawHalfSize(QImage& canvas, const QRect& target, const QImage& image)
{
    QPainter painter(&canvas);
    drawSmoothly(painter, target, image);
}

// Refuses a card outside the sizes the back is laid out for, naming its size.
void requireDrawableSize(const CardBackInput& input)
{
    if (const QString problem = cardSizeProblem(QSize(input.sheetWidth, input.sheetHeight));
        !problem.isEmpty())
        throw AppError(problem);
}

class BackRenderer
{
public:
    // `scale`: the device pixels a sheet pixel covers, for the pictures.
    BackRenderer(QPainter& painter, const CardBackInput& in, qreal scale)
        : in_(in), w_(in.sheetWidth), h_(in.sheetHeight), m_(backMargin(in.layout, in.metrics)),
          scale_(scale), p_(painter)
    {
    }

    void render()
    {
        p_.save();
        prepareSheetPainter(p_);
        p_.fillRect(QRect(0, 0, w_, h_), fromTColor(TColors::White));

        int y = title();
        descriptive(y);
        if (in_.lowerLeftCornerChoice == LowerLeftCorner::Text)
            lowerLeftText();
        stampBorder();
        separator();
        addressArea();
        if (in_.postalBarCodeBoxChoice == PostalBarCodeBox::Yes)
            barCodeStrip();
        if (in_.postCardChoice == PostCardCaption::Yes)
            caption();
        stampText();
        corner();
        p_.restore();
    }

private:
    const fc& style(Area area) const { return in_.styles[std::size_t(area)]; }

    void useFont(Area area)
    {
        setSheetFont(p_, sheetFont(style(area)));
        p_.setPen(fromTColor(style(area).colour));
    }

    // Draws each line at (x, y) in the current font, y going down a line height per line; returns
    // the y under them.
    int lines(const QStringList& lines, int x, int y)
    {
        const int lh = textHeight(p_);
        for (const QString& line : lines) {
            drawTextTopLeft(p_, x, y, line);
            y += lh;
        }
        return y;
    }

    int title()
    {
        useFont(Area::Title);
        const int lh = textHeight(p_);
        int y = m_;
        for (const QString& line : in_.titleLines) {
            // Centred on the middle of the left half, but never starting left of the margin.
            const int x = std::max(w_ / 4 - textWidth(p_, line) / 2, m_);
            drawTextTopLeft(p_, x, y, line);
            y += lh;
        }
        return y;
    }

    void descriptive(int y)
    {
        useFont(Area::Descriptive);
        lines(in_.descLines, m_, y);
    }

    void lowerLeftText()
    {
        useFont(Area::LowerLeftText);
        const int n = int(in_.lowerLeftLines.size());
        const int y = h_ - LowerLeftBottomGap - (n + 1) * textHeight(p_);
        lines(in_.lowerLeftLines, m_, y);
    }

    void stampBorder()
    {
        const int right = w_ - m_;
        switch (in_.stampBorderChoice) {
        case StampBorder::ThinBox:
        case StampBorder::ThickBox: {
            const int pen = in_.stampBorderChoice == StampBorder::ThinBox ? ThinPen : HeavyPen;
            p_.setPen(sheetPen(pen, style(Area::Stamp).colour));
            const QPoint outline[] = {
                {right, m_},
                {right, m_ + StampBoxHeight},
                {right - StampBoxWidth, m_ + StampBoxHeight},
                {right - StampBoxWidth, m_},
                {right, m_},
            };
            p_.drawPolyline(outline, int(std::size(outline)));
            break;
        }
        case StampBorder::Stamp: {
            // Opaque: the tile covers whatever lies under it.
            const QRect tile(right - StampTileWidth, m_, StampTileWidth, StampTileHeight);
            p_.fillRect(tile, fromTColor(TColors::White));
            p_.save();
            p_.translate(tile.topLeft());
            p_.setClipRect(QRect(QPoint(), tile.size()), Qt::IntersectClip);
            drawPerforatedBorder(p_, tile.size(), style(Area::Stamp).colour);
            p_.restore();
            break;
        }
        default:
            break;
        }
    }

    void separator()
    {
        const int yEnd =
            h_ - (in_.postalBarCodeBoxChoice == PostalBarCodeBox::Yes ? SeparatorBottomGapWithStrip
                                                                      : SeparatorBottomGap);
        switch (in_.separatorChoice) {
        case AddressSeparator::ThinLine:
        case AddressSeparator::HeavyLine: {
            const int pen = in_.separatorChoice == AddressSeparator::ThinLine ? ThinPen : HeavyPen;
            p_.setPen(sheetPen(pen, style(Area::Separator).colour));
            p_.drawLine(w_ / 2, SeparatorTop, w_ / 2, yEnd);
            break;
        }
        case AddressSeparator::VerticalText: {
            useFont(Area::Separator);
            const int lh = textHeight(p_);
            int x = w_ / 2;
            for (const QString& line : in_.createdByLines) {
                // Each line reads upwards, centred on its own about the middle, right of x.
                const int y = h_ / 2 - VerticalTextRaise + textWidth(p_, line) / 2;
                DrawRotatedText(p_, line, x, y, 90);
                x += lh;
            }
            break;
        }
        default:
            break;
        }
    }

    void addressArea()
    {
        const int left = w_ / 2 + AddressIndent;
        if (in_.addressLinesChoice == AddressLines::Lines) {
            p_.setPen(sheetPen(RulePen, style(Area::Address).colour));
            for (int i = 0; i < AddressLineCount; ++i) {
                const int y = h_ - AddressTopGap + i * AddressLinePitch;
                p_.drawLine(left, y, w_ - m_, y);
            }
        } else if (in_.addressLinesChoice == AddressLines::Text) {
            useFont(Area::Address);
            lines(in_.addressLines, left, h_ - AddressTopGap);
        }
    }

    void barCodeStrip()
    {
        // Marks off the strip at the bottom right that is to be left blank.
        p_.setPen(sheetPen(RulePen, style(Area::PostalBarCode).colour));
        const QPoint boundary[] = {
            {3 * w_ / 8, h_},
            {3 * w_ / 8, h_ - StripHeight},
            {w_, h_ - StripHeight},
        };
        p_.drawPolyline(boundary, int(std::size(boundary)));

        useFont(Area::PostalBarCode);
        const QString& t = in_.postalBarCodeText;
        // Right-aligned, standing on the line.
        drawTextTopLeft(p_, w_ - textWidth(p_, t) - StripTextRight,
                        h_ - StripHeight - 1 - textHeight(p_), t);
    }

    void caption()
    {
        useFont(Area::PostCard);
        const QString& t = in_.postCardText;
        const int centre = w_ / 2 + (w_ / 2 - CaptionRoom) / 2;
        drawTextTopLeft(p_, centre - textWidth(p_, t) / 2, CaptionTop, t);
    }

    void stampText()
    {
        useFont(Area::Stamp);
        lines(in_.stampLines, w_ - m_ - StampTextIndent, m_ + StampTextDrop);
    }

    void corner()
    {
        if (in_.lowerLeftCornerChoice == LowerLeftCorner::Image && in_.cornerChosen) {
            const QRect box(m_, h_ - m_ - CornerBoxSide, CornerBoxSide, CornerBoxSide);
            p_.fillRect(box, fromTColor(TColors::White));
            drawPicture(p_, cornerPictureTarget(in_), in_.cornerImage, scale_);
        } else if (in_.welcome) {
            p_.drawImage(SampleTarget, in_.samplePicture);
        }
    }

    const CardBackInput& in_;
    const int w_;
    const int h_;
    const int m_;
    const qreal scale_;
    QPainter& p_;
};

} // namespace

int visibleLineLimit(const CardBackInput& input, Area area)
{
    const QFont font = sheetFont(input.styles[std::size_t(area)]);
    if (area == Area::LowerLeftText) {
        // n lines start at H - 30 - (n + 1) lh: at most those that keep the first on the card.
        return std::max(1, linesWithin(font, input.sheetHeight - LowerLeftBottomGap) - 2);
    }
    return linesWithin(font, area == Area::Separator ? input.sheetWidth : input.sheetHeight);
}

int backMargin(Layout layout, const PrinterMetrics& metrics)
{
    // Without the printer's figures (none could be read) there is no margin to derive.
    const bool known = metrics.DpiX > 0 && metrics.DpiY > 0;
    switch (layout) {
    case Layout::SingleOn4x6:
        if (!known)
            return DefaultMargin;
        return printableAreaBelow6x4(metrics) ? largestMarginSheetPixels(metrics) : 0;
    case Layout::FourOnSheet:
        return known ? largestMarginSheetPixels(metrics) : DefaultMargin;
    default:
        // The margins of the other layouts keep clear of what the printer cannot reach.
        if (!isFirstLayout(layout) && sheetLayoutAt(layout) && known)
            return std::max(DefaultMargin,
                            largestMarginSheetPixels(metrics) - roomAroundCards(layout));
        return DefaultMargin;
    }
}

QRect cornerPictureTarget(const CardBackInput& in)
{
    if (in.lowerLeftCornerChoice != LowerLeftCorner::Image || !in.cornerChosen ||
        in.cornerImage.isNull())
        return {};
    const QSize own = in.cornerImageSize.isEmpty() ? in.cornerImage.size() : in.cornerImageSize;
    const qint64 pw = own.width();
    const qint64 ph = own.height();
    // A picture without area has no proportions: the corner stays empty.
    if (pw <= 0 || ph <= 0)
        return {};
    // Longer side 300, in the bottom-left corner of the box.
    const int m = backMargin(in.layout, in.metrics);
    const int tw = pw > ph ? CornerBoxSide : int(pw * CornerBoxSide / ph);
    const int th = pw > ph ? int(ph * CornerBoxSide / pw) : CornerBoxSide;
    return QRect(m, in.sheetHeight - m - th, tw, th);
}

CardBackInput cardBackAtScale(CardBackInput input, qreal scale)
{
    const QRect target = cornerPictureTarget(input);
    if (!target.isEmpty())
        input.cornerImage = pictureAtScale(input.cornerImage, target, scale);
    return input;
}

void renderCardBack(QImage& sheet, const CardBackInput& input)
{
    requireDrawableSize(input);
    const QSize size(input.sheetWidth, input.sheetHeight);
    if (sheet.size() != size || sheet.isNull())
        sheet = QImage(size, QImage::Format_RGB32);
    QPainter painter(&sheet);
    drawCardBack(painter, input, 1);
}

void drawCardBack(QPainter& painter, const CardBackInput& input, qreal scale)
{
    requireDrawableSize(input);
    BackRenderer(painter, input, scale).render();
}

void drawBackPreview(QImage& canvas, const QImage& sheet)
{
    {
        QPainter painter(&canvas);
        painter.fillRect(QRect(QPoint(), BackPreviewSize), fromTColor(TColors::Cyan));
    }
    drawHalfSize(canvas, QRect(0, 0, sheet.width() / 2, sheet.height() / 2), sheet);
}

void drawBackOnAboutSample(QImage& canvas, const QImage& sheet)
{
    drawHalfSize(canvas, QRect(QPoint(), BackPreviewSize), sheet);
}
