#include "PreviewPrinter.h"

#include "geometry/PrinterMetrics.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace
{
// How much of the backs shows through the sheet: enough to judge, little enough to see the
// fronts under it.
constexpr qreal SeenThroughOpacity = 0.4;
const QColor UnprintableShade(0, 0, 0, 60);
} // namespace

PreviewPrinter::PreviewPrinter(const PrinterMetrics& figures, double pixelsPerInch)
    : figures_(figures), scale_(figures.DpiX > 0 ? pixelsPerInch / figures.DpiX : 1)
{
}

PreviewPrinter::~PreviewPrinter() = default;

QRect PreviewPrinter::printableArea() const
{
    const auto at = [this](int device) { return int(std::lround(device * scale_)); };
    return QRect(QPoint(at(figures_.OffsetX), at(figures_.OffsetY)),
                 QPoint(at(figures_.OffsetX + figures_.PageWidth) - 1,
                        at(figures_.OffsetY + figures_.PageHeight) - 1));
}

QPageSize PreviewPrinter::currentPaper()
{
    if (figures_.DpiX <= 0 || figures_.DpiY <= 0)
        return {};
    const QSizeF inches(double(figures_.PhysicalWidth) / figures_.DpiX,
                        double(figures_.PhysicalHeight) / figures_.DpiY);
    return QPageSize(QSizeF(std::min(inches.width(), inches.height()),
                            std::max(inches.width(), inches.height())),
                     QPageSize::Inch);
}

int PreviewPrinter::deviceCaps(DeviceCap cap)
{
    switch (cap) {
    case DeviceCap::HorzRes:
        return figures_.PageWidth;
    case DeviceCap::VertRes:
        return figures_.PageHeight;
    case DeviceCap::LogPixelsX:
        return figures_.DpiX;
    case DeviceCap::LogPixelsY:
        return figures_.DpiY;
    case DeviceCap::PhysicalWidth:
        return figures_.PhysicalWidth;
    case DeviceCap::PhysicalHeight:
        return figures_.PhysicalHeight;
    case DeviceCap::PhysicalOffsetX:
        return figures_.OffsetX;
    case DeviceCap::PhysicalOffsetY:
        return figures_.OffsetY;
    }
    return 0;
}

void PreviewPrinter::beginDoc(const QString&)
{
    painter_.reset();
    pages_.clear();
    startPage();
}

void PreviewPrinter::startPage()
{
    painter_.reset();
    const QSize paper(int(std::lround(figures_.PhysicalWidth * scale_)),
                      int(std::lround(figures_.PhysicalHeight * scale_)));
    pages_.emplace_back(paper.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    pages_.back().fill(Qt::white);
    painter_ = std::make_unique<QPainter>(&pages_.back());
    // Reduced to the screen, pictures and lines are smoothed as a printed page seen from afar;
    // at the printer's own resolution they are drawn as the printer draws them.
    if (scale_ < 1)
        painter_->setRenderHints(QPainter::SmoothPixmapTransform | QPainter::Antialiasing);
    painter_->setClipRect(printableArea());
    painter_->scale(scale_, scale_);
    painter_->translate(figures_.OffsetX, figures_.OffsetY);
}

QString PreviewPrinter::endDoc()
{
    painter_.reset();
    return {};
}

void PreviewPrinter::abortDoc()
{
    painter_.reset();
    pages_.clear();
}

void PreviewPrinter::newPage()
{
    if (painter_)
        startPage();
}

QImage withUnprintableShaded(const QImage& paper, const QRect& printable)
{
    QImage shown = paper.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&shown);
    const QRegion unprintable = QRegion(shown.rect()).subtracted(QRegion(printable));
    painter.setClipRegion(unprintable);
    painter.fillRect(shown.rect(), UnprintableShade);
    // The paper's edge, so a white page stands out from a white background.
    painter.setClipping(false);
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.drawRect(shown.rect().adjusted(0, 0, -1, -1));
    return shown;
}

QImage backsSeenThrough(const QImage& fronts, const QImage& backs, SheetTurn turn)
{
    QImage seen = fronts.convertToFormat(QImage::Format_RGB32);
    // Book: left and right change places; calendar: top and bottom.
    const bool book = turn != SheetTurn::Calendar;
    const QImage mirrored = backs.mirrored(book, !book);
    QPainter painter(&seen);
    painter.setOpacity(SeenThroughOpacity);
    painter.drawImage(QPoint(0, 0), mirrored);
    return seen;
}
