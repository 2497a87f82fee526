#include "PagePrint.h"

#include "BandPrinter.h"
#include "PrinterDevice.h"
#include "geometry/PrinterMetrics.h"
#include "geometry/SheetLayout.h"

namespace
{
constexpr int MarkLength = 150; // device pixels
constexpr int MarkPenWidth = 4; // device pixels
constexpr TColor MarkColour = TColors::Grey;

void line(PrinterDevice& printer, QPoint from, QPoint to)
{
    printer.moveTo(from.x(), from.y());
    printer.lineTo(to.x(), to.y());
}

void drawCornerMarks(PrinterDevice& printer, int x, int y, int we, int he)
{
    const int l = MarkLength;
    const int right = x + we - 1;
    const int bottom = y + he - 1;
    printer.moveTo(x, y + l);
    printer.lineTo(x, y);
    printer.lineTo(x + l, y);
    printer.moveTo(right, y + l);
    printer.lineTo(right, y);
    printer.lineTo(x + we - l, y);
    printer.moveTo(x, y + he - l);
    printer.lineTo(x, bottom);
    printer.lineTo(x + l, bottom);
    // The bottom-right mark runs along row y + he, one below the bottom-left one.
    printer.moveTo(right, y + he - l);
    printer.lineTo(right, y + he);
    printer.lineTo(x + we - l, y + he);
}

void drawCentreMarks(PrinterDevice& printer, int x, int y, int we, int he)
{
    const int l = MarkLength;
    if (we > he) {
        const int mx = x + we / 2;
        line(printer, {mx - l, y}, {mx + l, y});
        line(printer, {mx, y}, {mx, y + l});
        line(printer, {mx - l, y + he}, {mx + l, y + he});
        line(printer, {mx, y + he}, {mx, y + he - l});
    } else if (he > we) {
        const int my = y + he / 2;
        line(printer, {x, my - l}, {x, my + l});
        line(printer, {x, my}, {x + l, my});
        line(printer, {x + we, my - l}, {x + we, my + l});
        line(printer, {x + we, my}, {x + we - l, my});
    }
}

} // namespace

QPoint BackPagePosition(int layout, const PrinterMetrics& m, int pageWidth, int nudge)
{
    using namespace SheetLayouts;
    switch (layout) {
    case PortraitPortrait:
        return {(m.PageWidth * SheetPixelsPerInch / m.DpiX - pageWidth + nudge) * m.DpiX /
                    SheetPixelsPerInch,
                0};
    case LandscapeLandscape:
        return {(m.PageWidth * SheetPixelsPerInch / m.DpiX - pageWidth) * m.DpiX /
                    SheetPixelsPerInch,
                nudge};
    case SingleOn4x6:
        if (printableAreaBelow6x4(m))
            return {-m.OffsetX, -m.OffsetY};
        return {0, 0};
    default:
        return {-m.OffsetX, -m.OffsetY};
    }
}

QPoint FrontPagePosition(int layout, const PrinterMetrics& m)
{
    if (layout == SheetLayouts::FourOnSheet)
        return {-m.OffsetX, -m.OffsetY};
    return {0, 0};
}

QString PageSizeMessage(const PrinterMetrics& m)
{
    return QStringLiteral("%1x%2\r\n%3x%4")
        .arg(m.PageWidth)
        .arg(m.PageHeight)
        .arg(m.OffsetX)
        .arg(m.OffsetY);
}

QString PrintPage(PrinterDevice& printer, const PrinterMetrics& m, const QImage& page, QPoint at,
                  int copies, PageMarks marks)
{
    requireResolution(m);
    printer.setCopies(copies);
    printer.beginDoc(QString());
    try {
        PrintBitmap(printer, m, page, at.x(), at.y());
        if (marks != PageMarks::None) {
            const int we = page.width() * m.DpiX / SheetPixelsPerInch;
            const int he = page.height() * m.DpiY / SheetPixelsPerInch;
            printer.setPen(MarkPenWidth, MarkColour);
            drawCornerMarks(printer, at.x(), at.y(), we, he);
            if (marks == PageMarks::CornersAndCentre)
                drawCentreMarks(printer, at.x(), at.y(), we, he);
        }
    } catch (...) {
        printer.abortDoc();
        throw;
    }
    return printer.endDoc();
}
