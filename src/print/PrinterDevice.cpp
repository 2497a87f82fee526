#include "PrinterDevice.h"

PrinterMetrics ReadPrinterMetrics(PrinterDevice& printer)
{
    PrinterMetrics m;
    m.PageWidth = printer.pageWidth();
    m.PageHeight = printer.pageHeight();
    m.DpiX = printer.deviceCaps(DeviceCap::LogPixelsX);
    m.DpiY = printer.deviceCaps(DeviceCap::LogPixelsY);
    m.PhysicalWidth = printer.deviceCaps(DeviceCap::PhysicalWidth);
    m.PhysicalHeight = printer.deviceCaps(DeviceCap::PhysicalHeight);
    m.OffsetX = printer.deviceCaps(DeviceCap::PhysicalOffsetX);
    m.OffsetY = printer.deviceCaps(DeviceCap::PhysicalOffsetY);
    m.RightMargin = m.PhysicalWidth - m.PageWidth - m.OffsetX;
    m.BottomMargin = m.PhysicalHeight - m.PageHeight - m.OffsetY;
    requireResolution(m);
    return m;
}
