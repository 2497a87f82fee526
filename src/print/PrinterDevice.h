#pragma once
// The printer as the printing core sees it: device capabilities in device pixels, orientation,
// copies, one document at a time, a pen with lines, and the stretched transfer of a 24-bit band.
// Device coordinates start at the top-left corner of the printable area.
#include "geometry/PrinterMetrics.h"
#include "gfx/TColor.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QRect>
#include <QString>
#include <functional>

class QPainter;

enum class DeviceCap {
    HorzRes,         // printable width
    VertRes,         // printable height
    LogPixelsX,      // device pixels per inch, across
    LogPixelsY,      // device pixels per inch, down
    PhysicalWidth,   // whole sheet of paper
    PhysicalHeight,  //
    PhysicalOffsetX, // paper's left edge to the printable area
    PhysicalOffsetY, // paper's top edge to the printable area
};

// How a document goes onto paper: one side of each sheet, or both, the printer turning the sheet
// over its long or its short edge between the two sides (on paper held upright).
enum class PrintSides {
    OneSided,
    LongEdge,
    ShortEdge,
};

class PrinterDevice
{
public:
    virtual ~PrinterDevice() = default;

    // The printer object's page width and height (HORZRES and VERTRES).
    virtual int pageWidth() = 0;
    virtual int pageHeight() = 0;
    virtual int deviceCaps(DeviceCap cap) = 0;

    virtual void setOrientation(QPageLayout::Orientation orientation) = 0;
    // The paper the chosen layout is made for (upright). A printer keeps the paper it has; the
    // PDF files written when no printer is installed take it, whatever the locale.
    virtual void setLayoutPaper(const QPageSize& paper) = 0;
    // The paper the printer prints on now, upright.
    virtual QPageSize currentPaper() = 0;
    // Makes `paper` the printer's paper when the printer offers it; whether it does.
    virtual bool takePaper(const QPageSize& paper) = 0;
    virtual void setCopies(int copies) = 0;

    // Whether the printer can print both sides of a sheet in one go.
    virtual bool canPrintBothSides() = 0;
    // The two-sided turn chosen in the printer's set-up; OneSided when none is chosen.
    virtual PrintSides sidesSetting() const = 0;
    // The sides of the next document; copies then repeat the document as a whole.
    virtual void setSides(PrintSides sides) = 0;

    virtual void beginDoc(const QString& title) = 0;
    // Ends the document. Returns a note for the user when the output went somewhere they must be
    // told of (the PDF file written when no printer is installed), else an empty string.
    virtual QString endDoc() = 0;
    // Drops a document that failed part-way, so the device is usable for the next one.
    virtual void abortDoc() = 0;
    // Ends the current page of the open document and begins the next one.
    virtual void newPage() = 0;
    // The folder documents are saved to as PDF files because no printer is installed; empty
    // while they go to a printer.
    virtual QString pdfFolder() const = 0;

    virtual void setPen(int width, TColor colour) = 0;
    virtual void moveTo(int x, int y) = 0;
    // A line from the current position to (x, y), which becomes the current position.
    virtual void lineTo(int x, int y) = 0;
    // StretchDIBits of a whole band bitmap onto the device rectangle.
    virtual void stretchBand(const QRect& device, const QImage& band) = 0;
    // Draws on the page of the open document through `draw`, whose painter works in device
    // pixels from the printable area's corner: text and lines reach the printer as text and
    // lines, at its own resolution. The painter's state is the device's again afterwards.
    virtual void paintPage(const std::function<void(QPainter&)>& draw) = 0;
};

// Reads the figures from the device. Raises a clear error when the device reports a
// resolution of 0, so no later step divides by it.
PrinterMetrics ReadPrinterMetrics(PrinterDevice& printer);
