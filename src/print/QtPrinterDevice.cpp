#include "QtPrinterDevice.h"

#include "gfx/AppError.h"

#include <QDateTime>
#include <QDir>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace
{

QString pdfOutputPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dir.isEmpty() || !QDir().mkpath(dir))
        dir = QDir::homePath();
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    return QDir(dir).filePath(QStringLiteral("Talmiro Postcards %1.pdf").arg(stamp));
}

} // namespace

QtPrinterDevice::QtPrinterDevice() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        printer_->setPrinterName(info.printerName());
        printer_->setPageSize(info.defaultPageSize());
    } else {
        printer_->setOutputFormat(QPrinter::PdfFormat);
    }
    printer_->setFullPage(false);
    printer_->setPageMargins(printer_->pageLayout().minimumMargins(), QPageLayout::Millimeter);
}

QtPrinterDevice::~QtPrinterDevice()
{
    if (painter_ && painter_->isActive())
        painter_->end();
}

bool QtPrinterDevice::printsToPdf() const
{
    return printer_->outputFormat() == QPrinter::PdfFormat;
}

int QtPrinterDevice::pageWidth()
{
    return printer_->pageRect(QPrinter::DevicePixel).toRect().width();
}

int QtPrinterDevice::pageHeight()
{
    return printer_->pageRect(QPrinter::DevicePixel).toRect().height();
}

int QtPrinterDevice::deviceCaps(DeviceCap cap)
{
    const QRect paper = printer_->paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = printer_->pageRect(QPrinter::DevicePixel).toRect();
    switch (cap) {
    case DeviceCap::HorzRes:
        return page.width();
    case DeviceCap::VertRes:
        return page.height();
    case DeviceCap::LogPixelsX:
    case DeviceCap::LogPixelsY:
        return printer_->resolution();
    case DeviceCap::PhysicalWidth:
        return paper.width();
    case DeviceCap::PhysicalHeight:
        return paper.height();
    case DeviceCap::PhysicalOffsetX:
        return page.left() - paper.left();
    case DeviceCap::PhysicalOffsetY:
        return page.top() - paper.top();
    }
    return 0;
}

void QtPrinterDevice::setOrientation(QPageLayout::Orientation orientation)
{
    printer_->setPageOrientation(orientation);
}

QPageLayout::Orientation QtPrinterDevice::orientation() const
{
    return printer_->pageLayout().orientation();
}

void QtPrinterDevice::setCopies(int copies)
{
    printer_->setCopyCount(copies);
}

void QtPrinterDevice::beginDoc(const QString& title)
{
    printer_->setDocName(title);
    if (printsToPdf())
        printer_->setOutputFileName(pdfOutputPath());
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        painter_.reset();
        throw AppError(QStringLiteral("The printer could not start the document."));
    }
}

QString QtPrinterDevice::endDoc()
{
    if (!painter_)
        return {};
    const bool ok = painter_->end();
    painter_.reset();
    if (!ok)
        throw AppError(QStringLiteral("The printer could not finish the document."));
    if (printsToPdf())
        return QStringLiteral("No printer is installed. The page was saved as \"%1\".")
            .arg(printer_->outputFileName());
    return {};
}

void QtPrinterDevice::abortDoc()
{
    if (painter_ && painter_->isActive())
        painter_->end();
    painter_.reset();
}

void QtPrinterDevice::setPen(int width, TColor colour)
{
    if (painter_)
        painter_->setPen(QPen(fromTColor(colour), width, Qt::SolidLine, Qt::SquareCap));
}

void QtPrinterDevice::moveTo(int x, int y)
{
    current_ = QPoint(x, y);
}

void QtPrinterDevice::lineTo(int x, int y)
{
    if (painter_)
        painter_->drawLine(current_, QPoint(x, y));
    current_ = QPoint(x, y);
}

void QtPrinterDevice::stretchBand(const QRect& device, const QImage& band)
{
    if (painter_)
        painter_->drawImage(device, band);
}
