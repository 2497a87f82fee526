#pragma once
// PrinterDevice on a QPrinter: a CUPS queue, or Qt's PDF output when no printer is installed.
#include "PrinterDevice.h"

#include <QPainter>
#include <QPrinter>
#include <memory>

class QtPrinterDevice : public PrinterDevice
{
public:
    QtPrinterDevice();
    ~QtPrinterDevice() override;

    int pageWidth() override;
    int pageHeight() override;
    int deviceCaps(DeviceCap cap) override;
    void setOrientation(QPageLayout::Orientation orientation) override;
    QPageLayout::Orientation orientation() const override;
    void setCopies(int copies) override;
    void beginDoc(const QString& title) override;
    QString endDoc() override;
    void abortDoc() override;
    void setPen(int width, TColor colour) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void stretchBand(const QRect& device, const QImage& band) override;

    // For the printer set-up dialog.
    QPrinter& printer() { return *printer_; }
    bool printsToPdf() const;

private:
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    QPoint current_;
};
