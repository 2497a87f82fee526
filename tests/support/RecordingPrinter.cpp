#include "RecordingPrinter.h"

#include "geometry/SheetLayout.h"
#include "gfx/AppError.h"

#include <QPainter>

void RecordingPrinter::setPaper(int dpi, int width, int height, int left, int top, int right,
                                int bottom)
{
    dpiX = dpiY = dpi;
    paperWidth = width;
    paperHeight = height;
    marginLeft = left;
    marginTop = top;
    marginRight = right;
    marginBottom = bottom;
}

void RecordingPrinter::setFigures(int dpi, int pageWidth, int pageHeight, int offsetX, int offsetY,
                                  int rightMargin, int bottomMargin)
{
    const int width = offsetX + pageWidth + rightMargin;
    const int height = offsetY + pageHeight + bottomMargin;
    if (landscape())
        setPaper(dpi, height, width, offsetY, rightMargin, bottomMargin, offsetX);
    else
        setPaper(dpi, width, height, offsetX, offsetY, rightMargin, bottomMargin);
}

QMargins RecordingPrinter::margins() const
{
    if (landscape())
        return {marginBottom, marginLeft, marginTop, marginRight};
    return {marginLeft, marginTop, marginRight, marginBottom};
}

QSize RecordingPrinter::paper() const
{
    return landscape() ? QSize(paperHeight, paperWidth) : QSize(paperWidth, paperHeight);
}

QSize RecordingPrinter::printableArea() const
{
    return paper().shrunkBy(margins());
}

int RecordingPrinter::pageWidth()
{
    log << QStringLiteral("pageWidth");
    return printableArea().width();
}

int RecordingPrinter::pageHeight()
{
    log << QStringLiteral("pageHeight");
    return printableArea().height();
}

int RecordingPrinter::deviceCaps(DeviceCap cap)
{
    switch (cap) {
    case DeviceCap::HorzRes:
        log << QStringLiteral("HORZRES");
        return printableArea().width();
    case DeviceCap::VertRes:
        log << QStringLiteral("VERTRES");
        return printableArea().height();
    case DeviceCap::LogPixelsX:
        log << QStringLiteral("LOGPIXELSX");
        return landscape() ? dpiY : dpiX;
    case DeviceCap::LogPixelsY:
        log << QStringLiteral("LOGPIXELSY");
        return landscape() ? dpiX : dpiY;
    case DeviceCap::PhysicalWidth:
        log << QStringLiteral("PHYSICALWIDTH");
        return paper().width();
    case DeviceCap::PhysicalHeight:
        log << QStringLiteral("PHYSICALHEIGHT");
        return paper().height();
    case DeviceCap::PhysicalOffsetX:
        log << QStringLiteral("PHYSICALOFFSETX");
        return margins().left();
    case DeviceCap::PhysicalOffsetY:
        log << QStringLiteral("PHYSICALOFFSETY");
        return margins().top();
    }
    return 0;
}

void RecordingPrinter::setOrientation(QPageLayout::Orientation orientation)
{
    log << (orientation == QPageLayout::Landscape ? QStringLiteral("landscape")
                                                  : QStringLiteral("portrait"));
    currentOrientation = orientation;
}

bool RecordingPrinter::takePaper(const QPageSize& paper)
{
    log << QStringLiteral("takePaper");
    for (const QPageSize& offered : papersOffered)
        if (samePaper(offered, paper)) {
            paperNow = offered;
            return true;
        }
    return false;
}

void RecordingPrinter::setCopies(int n)
{
    log << QStringLiteral("copies %1").arg(n);
    copies = n;
}

void RecordingPrinter::setSides(PrintSides s)
{
    const char* names[] = {"one-sided", "long edge", "short edge"};
    log << QStringLiteral("sides %1").arg(QLatin1String(names[int(s)]));
    sides = s;
}

void RecordingPrinter::beginDoc(const QString& title)
{
    log << QStringLiteral("beginDoc");
    if (!failBeginDoc.isEmpty())
        throw AppError(failBeginDoc);
    ++documentsBegun;
    inDocument = true;
    page = 0;
    docSides.push_back(sides);
    docTitles << title;
    if (onBeginDoc)
        onBeginDoc();
}

QString RecordingPrinter::endDoc()
{
    log << QStringLiteral("endDoc");
    inDocument = false;
    docPages.push_back(page + 1);
    if (!failEndDoc.isEmpty())
        throw AppError(failEndDoc);
    ++documentsEnded;
    return endDocNote;
}

void RecordingPrinter::abortDoc()
{
    log << QStringLiteral("abortDoc");
    if (inDocument)
        ++documentsAborted;
    inDocument = false;
}

void RecordingPrinter::newPage()
{
    log << QStringLiteral("newPage");
    ++page;
}

void RecordingPrinter::setPen(int width, TColor colour)
{
    log << QStringLiteral("pen %1 %2").arg(width).arg(colour, 8, 16, QLatin1Char('0'));
    penWidth_ = width;
    penColour_ = colour;
}

void RecordingPrinter::moveTo(int x, int y)
{
    current_ = QPoint(x, y);
}

void RecordingPrinter::lineTo(int x, int y)
{
    lines.push_back({current_, QPoint(x, y), penWidth_, penColour_, page});
    current_ = QPoint(x, y);
}

void RecordingPrinter::stretchBand(const QRect& device, const QImage& band)
{
    log << QStringLiteral("band");
    if (failAtBand > 0 && int(bands.size()) + 1 == failAtBand)
        throw AppError(QStringLiteral("The printer stopped responding."));
    bands.push_back({device, band.copy(), page});
}

void RecordingPrinter::paintPage(const std::function<void(QPainter&)>& draw)
{
    log << QStringLiteral("drawing");
    drawings.push_back({draw, page});
}

QImage RecordingPrinter::paint(int onPage) const
{
    const QMargins m = margins();
    return paintPaper(onPage).copy(QRect(QPoint(m.left(), m.top()), printableArea()));
}

QImage RecordingPrinter::paintPaper(int onPage) const
{
    QImage paper(this->paper(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter p(&paper);
    const QMargins m = margins();
    p.setClipRect(QRect(QPoint(m.left(), m.top()), printableArea()));
    p.translate(m.left(), m.top());
    // Scaled from the screen's format, which Qt stretches fastest.
    for (const Band& b : bands)
        if (b.page == onPage)
            p.drawImage(b.device, b.image.convertToFormat(QImage::Format_RGB32));
    for (const Drawing& d : drawings) {
        if (d.page != onPage)
            continue;
        p.save();
        d.draw(p);
        p.restore();
    }
    for (const Line& l : lines) {
        if (l.page != onPage)
            continue;
        p.setPen(QPen(fromTColor(l.colour), l.penWidth, Qt::SolidLine, Qt::SquareCap));
        p.drawLine(l.from, l.to);
    }
    return paper;
}
