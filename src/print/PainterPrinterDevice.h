#pragma once
// A printer device that draws its pages with a QPainter: lines with the pen set, bands
// stretched, pages painted through it. The device says which painter draws the open page.
#include "PrinterDevice.h"

#include <QPen>
#include <QPoint>

class PainterPrinterDevice : public PrinterDevice
{
public:
    void setPen(int width, TColor colour) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void stretchBand(const QRect& device, const QImage& band) override;
    void paintPage(const std::function<void(QPainter&)>& draw) override;

protected:
    // The painter of the open page, in device pixels from the printable area's corner; null
    // while no document is open (drawing then does nothing).
    virtual QPainter* pagePainter() = 0;

private:
    QPen pen_;
    QPoint current_;
};
