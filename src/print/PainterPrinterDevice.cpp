#include "PainterPrinterDevice.h"

#include <QPainter>

void PainterPrinterDevice::setPen(int width, TColor colour)
{
    pen_ = QPen(fromTColor(colour), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void PainterPrinterDevice::moveTo(int x, int y)
{
    current_ = QPoint(x, y);
}

void PainterPrinterDevice::lineTo(int x, int y)
{
    if (QPainter* painter = pagePainter()) {
        painter->setPen(pen_);
        painter->drawLine(current_, QPoint(x, y));
    }
    current_ = QPoint(x, y);
}

void PainterPrinterDevice::stretchBand(const QRect& device, const QImage& band)
{
    if (QPainter* painter = pagePainter())
        painter->drawImage(device, band);
}

void PainterPrinterDevice::paintPage(const std::function<void(QPainter&)>& draw)
{
    QPainter* painter = pagePainter();
    if (!painter)
        return;
    painter->save();
    draw(*painter);
    painter->restore();
}
