#include "AlignmentPages.h"

#include "BandPrinter.h"
#include "PrinterDevice.h"
#include "geometry/PrinterMetrics.h"
#include "geometry/SheetLayout.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <functional>

namespace
{

// Sizes in sheet pixels (1/200 inch). The scales sit this far inside the card's top and left
// edges, so that their pointers on the turned sheet stay clear of a half-inch margin too.
constexpr int ScaleInset = 140;
constexpr int ShortTick = 6;
constexpr int MediumTick = 12; // every 5
constexpr int LongTick = 20;   // every 25, numbered
constexpr int NumberedEvery = 25;
constexpr int MediumEvery = 5;
constexpr int NeedleLength = 30;
constexpr int NeedleHalfWidth = 4;
constexpr int ShaftReach = 70; // beyond the nudges' range and a printer's error
constexpr int Gap = 6;

constexpr int NumberPoints = 6;
constexpr int TopPoints = 12;
constexpr int FrontPoints = 40;
constexpr int LinePoints = 8;
constexpr int TurnedPoints = 8;
const QString FontFace = QStringLiteral("Arial");
// The pages' words, in the program's language (read when a page is drawn, not before the
// language is chosen).
const char* const TopText = QT_TRANSLATE_NOOP("AlignmentTest", "TOP");
const char* const FrontText = QT_TRANSLATE_NOOP("AlignmentTest", "FRONT");
const char* const TurnedText = QT_TRANSLATE_NOOP("AlignmentTest", "TURNED");
const char* const FrontLines[] = {
    QT_TRANSLATE_NOOP("AlignmentTest", "Hold the sheet against a light, this side towards you."),
    QT_TRANSLATE_NOOP("AlignmentTest", "Set each adjustment to the number under its pointer."),
    QT_TRANSLATE_NOOP("AlignmentTest",
                      "A pointer that says TURNED: choose the other turn and test again."),
};

QString translated(const char* text)
{
    return QCoreApplication::translate("AlignmentTest", text);
}

// Part of a test page in the card's own frame (device pixels from its top-left corner, as the
// front is seen), and how to draw it there.
struct Mark {
    QRect local;
    std::function<void(QPainter&)> draw;
};

// The device pixels of `sheetPixels` at `dpi`, truncated like the nudges' own scaling.
int device(int sheetPixels, int dpi)
{
    return sheetPixels * dpi / SheetPixelsPerInch;
}

QFont font(int points, int dpi, bool bold = false)
{
    QFont f(FontFace);
    f.setPixelSize(std::max(1, points * dpi / 72));
    f.setBold(bold);
    return f;
}

// Text whose cell's top-left corner, or centre, is at a point.
Mark textMark(const QString& text, const QFont& f, QPoint at, bool centred)
{
    const QFontMetrics fm(f);
    const QSize size(fm.horizontalAdvance(text), fm.height());
    const QPoint topLeft = centred ? at - QPoint(size.width() / 2, size.height() / 2) : at;
    return {QRect(topLeft, size), [=](QPainter& p) {
                p.setFont(f);
                p.setPen(Qt::black);
                p.drawText(topLeft.x(), topLeft.y() + QFontMetrics(f).ascent(), text);
            }};
}

// The scales' geometry of one card, in its own frame.
struct CardScales {
    const AlignmentSheet& sheet;
    QSize size;

    bool book() const { return sheet.turn != SheetTurn::Calendar; }
    QPoint acrossZero() const { return {size.width() / 2, device(ScaleInset, sheet.dpiY)}; }
    QPoint downZero() const { return {device(ScaleInset, sheet.dpiX), size.height() / 2}; }

    // The value v is read where the pointer falls when the printer puts the backs off by what
    // the nudge v takes back: the page of backs already moved by the test's nudge, so the
    // pointer sits off(nudge) - off(v) from its place, seen turned over.
    int acrossX(int value) const
    {
        const int back = device(sheet.nudge.x(), sheet.dpiX) - device(value, sheet.dpiX);
        return acrossZero().x() + (book() ? -back : back);
    }
    int downY(int value) const
    {
        const int back = device(sheet.nudge.y(), sheet.dpiY) - device(value, sheet.dpiY);
        return downZero().y() + (book() ? back : -back);
    }
};

int tickLength(int value)
{
    if (value % NumberedEvery == 0)
        return LongTick;
    return value % MediumEvery == 0 ? MediumTick : ShortTick;
}

QString number(int value)
{
    return QString::number(value);
}

std::vector<Mark> frontMarks(const CardScales& s)
{
    const AlignmentSheet& sheet = s.sheet;
    const int dx = sheet.dpiX;
    const int dy = sheet.dpiY;
    std::vector<Mark> marks;
    const QFont numbers = font(NumberPoints, dy);
    const QFontMetrics nm(numbers);
    const int r = AlignmentScaleReach;

    // Across: a base line with ticks hanging from it, numbered below. A scale and its numbers
    // are one patch: patches are opaque, and the numbers nearly touch.
    const QPoint a = s.acrossZero();
    const int aLeft = std::min(s.acrossX(-r), s.acrossX(r));
    const int aRight = std::max(s.acrossX(-r), s.acrossX(r));
    const int aTicks = device(LongTick, dy);
    const int numbersY = a.y() + aTicks + device(2, dy);
    const int numberWidth = nm.horizontalAdvance(number(-r));
    marks.push_back(
        {QRect(aLeft - numberWidth, a.y(), aRight - aLeft + 1 + 2 * numberWidth,
               numbersY + nm.height() - a.y()),
         [=](QPainter& p) {
             p.fillRect(QRect(aLeft, a.y(), aRight - aLeft + 1, 1), Qt::black);
             p.setFont(numbers);
             p.setPen(Qt::black);
             for (int v = -r; v <= r; ++v) {
                 p.fillRect(QRect(s.acrossX(v), a.y(), 1, device(tickLength(v), dy)), Qt::black);
                 if (v % NumberedEvery == 0)
                     p.drawText(s.acrossX(v) -
                                    QFontMetrics(numbers).horizontalAdvance(number(v)) / 2,
                                numbersY + QFontMetrics(numbers).ascent(), number(v));
             }
         }});
    const QFont top = font(TopPoints, dy, true);
    const QFontMetrics tm(top);
    const QString topText = translated(TopText);
    marks.push_back(
        textMark(topText, top,
                 {aLeft - numberWidth - device(Gap, dx) - tm.horizontalAdvance(topText) / 2,
                  a.y() + aTicks / 2},
                 true));
    const QFont lines = font(LinePoints, dy);
    const QFontMetrics lm(lines);
    marks.push_back(
        textMark(QCoreApplication::translate("AlignmentTest", "%1: the number under the pointer")
                     .arg(sheet.acrossNudge),
                 lines, {a.x(), numbersY + nm.height() + device(Gap, dy) + lm.height() / 2}, true));

    // Down: a base line with ticks to its right, numbered beside them.
    const QPoint d = s.downZero();
    const int dTop = std::min(s.downY(-r), s.downY(r));
    const int dBottom = std::max(s.downY(-r), s.downY(r));
    const int dTicks = device(LongTick, dx);
    const int numbersX = d.x() + dTicks + device(2, dx);
    marks.push_back({QRect(d.x(), dTop - nm.height(), numbersX + numberWidth - d.x(),
                           dBottom - dTop + 1 + 2 * nm.height()),
                     [=](QPainter& p) {
                         p.fillRect(QRect(d.x(), dTop, 1, dBottom - dTop + 1), Qt::black);
                         p.setFont(numbers);
                         p.setPen(Qt::black);
                         for (int v = -r; v <= r; ++v) {
                             p.fillRect(QRect(d.x(), s.downY(v), device(tickLength(v), dx), 1),
                                        Qt::black);
                             if (v % NumberedEvery == 0)
                                 p.drawText(numbersX,
                                            s.downY(v) - QFontMetrics(numbers).height() / 2 +
                                                QFontMetrics(numbers).ascent(),
                                            number(v));
                         }
                     }});
    marks.push_back(
        textMark(QCoreApplication::translate("AlignmentTest", "%1: the number beside the pointer")
                     .arg(sheet.downNudge),
                 lines, {d.x(), dTop - nm.height() - device(Gap, dy) - lm.height()}, false));

    // The side, and what to do, in the middle of the card.
    const QFont big = font(FrontPoints, dy, true);
    const QFontMetrics bm(big);
    const QPoint centre(s.size.width() / 2, s.size.height() / 2);
    marks.push_back(textMark(translated(FrontText), big, centre, true));
    int y = centre.y() + bm.height() / 2 + device(Gap, dy);
    for (const char* line : FrontLines) {
        marks.push_back(textMark(translated(line), lines, {centre.x(), y + lm.height() / 2}, true));
        y += lm.height();
    }
    return marks;
}

// A wedge pointing along `towards` (a unit step) with its tip at `tip`, its axis the pixel
// column or row of the tip, on a one-pixel shaft reaching `reach` to either side of the tip: the
// shaft crosses the scale even when the printer has put the backs well off the other way.
Mark needle(QPoint tip, QPoint towards, int length, int halfWidth, int reach)
{
    const QPoint back = tip - towards * length;
    const QPoint side(towards.y(), towards.x());
    const QRect shaft =
        QRect(tip - towards * reach, tip + towards * reach).normalized().adjusted(0, 0, 1, 1);
    const QRect area =
        shaft |
        QRect(back - side * halfWidth, back + side * halfWidth).normalized().adjusted(0, 0, 1, 1);
    return {area, [=](QPainter& p) {
                const QPointF centre(0.5, 0.5);
                const QPolygonF wedge({QPointF(tip) + centre,
                                       QPointF(back + side * halfWidth) + centre,
                                       QPointF(back - side * halfWidth) + centre});
                p.setPen(Qt::NoPen);
                p.setBrush(Qt::black);
                p.drawPolygon(wedge);
                // The axis itself, one pixel wide, so the reading is exact.
                p.fillRect(shaft, Qt::black);
            }};
}

// "TURNED" in a frame, centred on a point.
Mark turnedMark(QPoint centre, int dpi)
{
    const QFont f = font(TurnedPoints, dpi, true);
    Mark text = textMark(translated(TurnedText), f, centre, true);
    const int pad = device(3, dpi);
    const QRect frame = text.local.adjusted(-pad, -pad, pad, pad);
    return {frame, [=](QPainter& p) {
                p.fillRect(frame, Qt::black);
                p.fillRect(frame.adjusted(pad / 2, pad / 2, -pad / 2, -pad / 2), Qt::white);
                text.draw(p);
            }};
}

std::vector<Mark> backMarks(const CardScales& s)
{
    const int dx = s.sheet.dpiX;
    const int dy = s.sheet.dpiY;
    std::vector<Mark> marks;
    const QPoint a = s.acrossZero();
    const QPoint d = s.downZero();
    marks.push_back(needle(a - QPoint(0, 1), {0, 1}, device(NeedleLength, dy),
                           device(NeedleHalfWidth, dx), device(ShaftReach, dy)));
    marks.push_back(needle(d - QPoint(1, 0), {1, 0}, device(NeedleLength, dx),
                           device(NeedleHalfWidth, dy), device(ShaftReach, dx)));
    return marks;
}

std::vector<AlignmentPatch> render(const std::vector<Mark>& marks, const QTransform& toDevice)
{
    std::vector<AlignmentPatch> patches;
    for (const Mark& mark : marks) {
        const QRect area = toDevice.mapRect(mark.local);
        if (area.isEmpty())
            continue;
        QImage image(area.size(), QImage::Format_RGB888);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setTransform(toDevice * QTransform::fromTranslate(-area.x(), -area.y()));
        mark.draw(p);
        p.end();
        patches.push_back({area, std::move(image)});
    }
    return patches;
}

// Where the sheet, turned the other way over, brings the back page's point behind a front
// point: a box there reads "TURNED" through the sheet, on the scale, instead of a pointer.
std::vector<AlignmentPatch> turnedBoxes(const AlignmentSheet& sheet, const AlignmentCard& card,
                                        const CardScales& s)
{
    // Where the pointers fall when turned right: at the scales' zero, which the test's nudges
    // have moved already. The page of backs is in device pixels as printed, so nothing more moves.
    const QPoint a(s.acrossX(0), s.acrossZero().y() - device(NeedleLength, sheet.dpiY) / 2);
    const QPoint d(s.downZero().x() - device(NeedleLength, sheet.dpiX) / 2, s.downY(0));
    std::vector<AlignmentPatch> boxes;
    for (const QPoint local : {a, d}) {
        const QPoint onPaper = card.front.topLeft() + local + sheet.paperOffset;
        // The wrong turn is the other one: its mirror takes the front point to the back's.
        const bool wrongIsCalendar = s.book();
        const QPoint behind = wrongIsCalendar
                                  ? QPoint(onPaper.x(), sheet.paper.height() - 1 - onPaper.y())
                                  : QPoint(sheet.paper.width() - 1 - onPaper.x(), onPaper.y());
        const QPoint at = behind - sheet.paperOffset;
        const QTransform mirror = wrongIsCalendar ? QTransform(1, 0, 0, -1, at.x(), at.y())
                                                  : QTransform(-1, 0, 0, 1, at.x(), at.y());
        std::vector<AlignmentPatch> p = render({turnedMark(QPoint(0, 0), sheet.dpiY)}, mirror);
        std::move(p.begin(), p.end(), std::back_inserter(boxes));
    }
    return boxes;
}

} // namespace

std::vector<AlignmentPatch> alignmentFrontPatches(const AlignmentSheet& sheet)
{
    std::vector<AlignmentPatch> patches;
    for (const AlignmentCard& card : sheet.cards) {
        const CardScales s{sheet, card.front.size()};
        std::vector<AlignmentPatch> p =
            render(frontMarks(s), QTransform::fromTranslate(card.front.x(), card.front.y()));
        std::move(p.begin(), p.end(), std::back_inserter(patches));
    }
    return patches;
}

std::vector<AlignmentPatch> alignmentBackPatches(const AlignmentSheet& sheet)
{
    std::vector<AlignmentPatch> patches;
    for (const AlignmentCard& card : sheet.cards) {
        const CardScales s{sheet, card.back.size()};
        // The card's own frame as the turned sheet carries it: the book turn puts its left
        // edge at the back's right, the calendar turn its top at the back's bottom.
        const QRect& b = card.back;
        const QTransform turned = s.book() ? QTransform(-1, 0, 0, 1, b.x() + b.width(), b.y())
                                           : QTransform(1, 0, 0, -1, b.x(), b.y() + b.height());
        std::vector<AlignmentPatch> p = render(backMarks(s), turned);
        std::move(p.begin(), p.end(), std::back_inserter(patches));
        p = turnedBoxes(sheet, card, s);
        std::move(p.begin(), p.end(), std::back_inserter(patches));
    }
    return patches;
}

QPoint acrossScaleTick(const AlignmentSheet& sheet, int card, int value)
{
    const QRect& front = sheet.cards.at(card).front;
    const CardScales s{sheet, front.size()};
    return front.topLeft() + QPoint(s.acrossX(value), s.acrossZero().y());
}

QPoint downScaleTick(const AlignmentSheet& sheet, int card, int value)
{
    const QRect& front = sheet.cards.at(card).front;
    const CardScales s{sheet, front.size()};
    return front.topLeft() + QPoint(s.downZero().x(), s.downY(value));
}

QString alignmentTurnQuestion(SheetTurn turn, const QString& frontNote)
{
    const QString how =
        turn == SheetTurn::Calendar
            ? QCoreApplication::translate("AlignmentTest",
                                          "turned over like a wall calendar: top and bottom "
                                          "change places, the left edge stays at the left")
            : QCoreApplication::translate("AlignmentTest",
                                          "turned over like the page of a book: left and right "
                                          "change places, the top edge stays at the top");
    const QString printed =
        frontNote.isEmpty()
            ? QCoreApplication::translate("AlignmentTest", "The test page of fronts is printed.")
            : frontNote + QCoreApplication::translate("AlignmentTest", " Print it first.");
    return QCoreApplication::translate("AlignmentTest",
                                       "%1\n\nPut the sheet back into the paper tray so that its "
                                       "blank side will be printed, %2. Print the test page of "
                                       "backs on it now?")
        .arg(printed, how);
}

QString printAlignmentPage(PrinterDevice& printer, const std::vector<AlignmentPatch>& patches)
{
    printer.setCopies(1);
    printer.setSides(PrintSides::OneSided);
    printer.beginDoc(QString());
    try {
        for (const AlignmentPatch& patch : patches) {
            for (int row = 0; row < patch.image.height(); row += PrintBandRows) {
                const int rows = std::min(PrintBandRows, patch.image.height() - row);
                PrintBitmapBand(
                    printer, QRect(patch.area.x(), patch.area.y() + row, patch.area.width(), rows),
                    patch.image.copy(0, row, patch.image.width(), rows));
            }
        }
    } catch (...) {
        printer.abortDoc();
        throw;
    }
    return printer.endDoc();
}

QImage paintAlignmentPatches(const std::vector<AlignmentPatch>& patches, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    for (const AlignmentPatch& patch : patches)
        p.drawImage(patch.area.topLeft(), patch.image);
    return image;
}

AlignmentSheet alignmentSheetFor(Layout layout, const PrinterMetrics& m, SheetTurn turn,
                                 QPoint nudge)
{
    AlignmentSheet sheet;
    sheet.turn = turnOnPage(turn, layout);
    sheet.dpiX = m.DpiX;
    sheet.dpiY = m.DpiY;
    sheet.nudge = nudge;
    sheet.paper = QSize(m.PhysicalWidth, m.PhysicalHeight);
    sheet.paperOffset = QPoint(m.OffsetX, m.OffsetY);
    const auto l = sheetLayoutAt(layout);
    if (!l)
        return sheet;
    const PagePlacement placed = placePages(layout, m, turn, nudge);
    const PageTiling tiling = frontPageTiling(layout);
    // "Portrait - Portrait" prints its page of fronts turned a quarter: two upright cards.
    const bool turned = printedPageSize(layout) != tiling.page;
    const auto toDevice = [&](int sheetPixels) {
        return sheetPixels * m.DpiX / SheetPixelsPerInch;
    };
    for (const QPoint at : tiling.at) {
        QRect card(at, l->card);
        if (turned)
            card = QRect(card.y(), tiling.page.width() - card.x() - card.width(), card.height(),
                         card.width());
        const QRect front(toDevice(card.x()), toDevice(card.y()), toDevice(card.width()),
                          toDevice(card.height()));
        // Behind it, the part of the page of backs that the turn carries it to.
        const QSize page = placed.extent;
        const QRect back =
            sheet.turn == SheetTurn::Calendar
                ? QRect(front.x(), page.height() - front.bottom() - 1, front.width(),
                        front.height())
                : QRect(page.width() - front.right() - 1, front.y(), front.width(), front.height());
        sheet.cards.push_back({front.translated(placed.fronts), back.translated(placed.backs)});
    }
    return sheet;
}
