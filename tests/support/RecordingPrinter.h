#pragma once
// A printer that records everything asked of it. Its figures are set by the test; the default
// is letter paper at 600 dots per inch with 150-pixel (1/4 inch) margins all round.
#include "print/PrinterDevice.h"

#include <QStringList>
#include <vector>

class RecordingPrinter : public PrinterDevice
{
public:
    struct Line {
        QPoint from;
        QPoint to;
        int penWidth;
        TColor colour;
    };
    struct Band {
        QRect device;
        QImage image;
    };

    // Figures in device pixels, portrait; landscape swaps them.
    int dpiX = 600;
    int dpiY = 600;
    int paperWidth = 5100;
    int paperHeight = 6600;
    int marginLeft = 150;
    int marginTop = 150;
    int marginRight = 150;
    int marginBottom = 150;
    // Fail the next beginDoc / the n-th band (counting from 1) with this error when set.
    QString failBeginDoc;
    int failAtBand = 0;
    QString endDocNote;

    QPageLayout::Orientation currentOrientation = QPageLayout::Portrait;
    int copies = 1;
    int documentsBegun = 0;
    int documentsEnded = 0;
    int documentsAborted = 0;
    bool inDocument = false;
    QStringList docTitles;
    QStringList log; // capability reads and calls, in order
    std::vector<Line> lines;
    std::vector<Band> bands;

    // Sets the figures for a printer of the given printable size and margins, portrait.
    void setPaper(int dpi, int width, int height, int left, int top, int right, int bottom);
    // The whole page as printed, device pixels from the printable area's corner: bands
    // stretched and lines drawn onto a white image of the paper.
    QImage paint() const;

    int pageWidth() override;
    int pageHeight() override;
    int deviceCaps(DeviceCap cap) override;
    void setOrientation(QPageLayout::Orientation orientation) override;
    QPageLayout::Orientation orientation() const override { return currentOrientation; }
    void setCopies(int n) override;
    void beginDoc(const QString& title) override;
    QString endDoc() override;
    void abortDoc() override;
    void setPen(int width, TColor colour) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void stretchBand(const QRect& device, const QImage& band) override;

private:
    bool landscape() const { return currentOrientation == QPageLayout::Landscape; }
    QPoint current_;
    int penWidth_ = 1;
    TColor penColour_ = 0;
};
