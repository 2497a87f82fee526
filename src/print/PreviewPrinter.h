#pragma once
// A printer that keeps its pages instead of printing them: each page is painted, as a printer
// of the given figures would print it, onto a picture of the whole paper at a resolution of the
// caller's (the screen's, for a preview). What it is sent is what a printer is sent, so its
// pages are the pages that print. It holds the pages of one document, the last one begun.
#include "PainterPrinterDevice.h"
#include "geometry/PagePlacement.h"

#include <QPainter>
#include <memory>
#include <vector>

class PreviewPrinter : public PainterPrinterDevice
{
public:
    // The figures of the printer the pages are for, and the preview's pixels an inch.
    PreviewPrinter(const PrinterMetrics& figures, double pixelsPerInch);
    ~PreviewPrinter() override;

    // The pages of the last document, each the whole paper, white where nothing printed.
    const std::vector<QImage>& pages() const { return pages_; }
    // The part of the paper the printer reaches, in the pages' pixels.
    QRect printableArea() const;
    int copies() const { return copies_; }
    PrintSides sides() const { return sides_; }

    int pageWidth() override { return figures_.PageWidth; }
    int pageHeight() override { return figures_.PageHeight; }
    int deviceCaps(DeviceCap cap) override;
    // The figures are fixed: orientation and paper are the real printer's business.
    void setOrientation(QPageLayout::Orientation) override {}
    void setLayoutPaper(const QPageSize&) override {}
    // A preview shows a print already made for its printer's paper: it changes none.
    QPageSize currentPaper() override;
    bool takePaper(const QPageSize&) override { return false; }
    void setCopies(int copies) override { copies_ = copies; }
    bool canPrintBothSides() override { return true; }
    PrintSides sidesSetting() const override { return sides_; }
    void setSides(PrintSides sides) override { sides_ = sides; }
    void beginDoc(const QString& title) override;
    QString endDoc() override;
    void abortDoc() override;
    void newPage() override;
    QString pdfFolder() const override { return {}; }

protected:
    QPainter* pagePainter() override { return painter_.get(); }

private:
    // Starts painting the newest page: device pixels from the printable area's corner, scaled
    // to the preview, clipped to the printable area as a printer clips.
    void startPage();

    PrinterMetrics figures_;
    double scale_; // preview pixels a device pixel covers
    std::vector<QImage> pages_;
    std::unique_ptr<QPainter> painter_;
    int copies_ = 1;
    PrintSides sides_ = PrintSides::OneSided;
};

// A page of the preview as a person sees it: the paper with the part the printer cannot reach
// shaded.
QImage withUnprintableShaded(const QImage& paper, const QRect& printable);

// The page of `backs` as seen through the sheet from the side of `fronts` once the sheet is
// turned `turn` (as the page sees it, turnOnPage): the backs mirrored across the turn's axis and
// laid faintly over the fronts. Both pages are the whole paper.
QImage backsSeenThrough(const QImage& fronts, const QImage& backs, SheetTurn turn);
