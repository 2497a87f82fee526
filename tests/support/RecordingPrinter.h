#pragma once
// A printer that records everything asked of it. Its figures are set by the test; the default
// is letter paper at 600 dots per inch with 150-pixel (1/4 inch) margins all round.
// Landscape turns the page as the real printer does: the paper's left edge becomes the top, so
// the landscape margins are left = bottom, top = left, right = top, bottom = right.
#include "print/PrinterDevice.h"

#include <QStringList>
#include <functional>
#include <vector>

class RecordingPrinter : public PrinterDevice
{
public:
    // Bands and lines carry the page of their document they were drawn on, counting from 0.
    struct Line {
        QPoint from;
        QPoint to;
        int penWidth;
        TColor colour;
        int page;
    };
    struct Band {
        QRect device;
        QImage image;
        int page;
    };
    // A page drawn at the device's resolution (paintPage), replayed by paint().
    struct Drawing {
        std::function<void(QPainter&)> draw;
        int page;
    };

    // Figures in device pixels, portrait; landscape turns them.
    int dpiX = 600;
    int dpiY = 600;
    int paperWidth = 5100;
    int paperHeight = 6600;
    int marginLeft = 150;
    int marginTop = 150;
    int marginRight = 150;
    int marginBottom = 150;
    // Fail the next beginDoc / endDoc / the n-th band (counting from 1) with this error when
    // set. A failed end still ends the document, as a spooler that refuses the page does.
    QString failBeginDoc;
    QString failEndDoc;
    int failAtBand = 0;
    QString endDocNote;
    // Set: documents go to PDF files in this folder, as when no printer is installed.
    QString pdfFolderNamed;
    // Runs when a document begins, to look at the program while it prints.
    std::function<void()> onBeginDoc;

    // A two-sided unit, and the sides chosen in the set-up.
    bool bothSides = false;
    PrintSides setupSides = PrintSides::OneSided;

    QPageLayout::Orientation currentOrientation = QPageLayout::Portrait;
    QPageSize layoutPaper; // the last paper a layout asked for
    // The paper it prints on and those it offers (takePaper leaves the figures as they are).
    QPageSize paperNow = QPageSize(QPageSize::Letter);
    std::vector<QPageSize> papersOffered{QPageSize(QPageSize::Letter)};
    int copies = 1;
    PrintSides sides = PrintSides::OneSided;
    std::vector<PrintSides> docSides; // of each document begun
    std::vector<int> docPages;        // pages of each document ended
    int page = 0;                     // of the open document
    int documentsBegun = 0;
    int documentsEnded = 0;
    int documentsAborted = 0;
    bool inDocument = false;
    QStringList docTitles;
    QStringList log; // capability reads and calls, in order
    std::vector<Line> lines;
    std::vector<Band> bands;
    std::vector<Drawing> drawings;

    // Sets the figures of a portrait printer: resolution, paper and margins.
    void setPaper(int dpi, int width, int height, int left, int top, int right, int bottom);
    // Sets figures so that, in the current orientation, the device reports exactly these.
    void setFigures(int dpi, int pageWidth, int pageHeight, int offsetX, int offsetY,
                    int rightMargin, int bottomMargin);
    // The page as printed, device pixels from the printable area's corner and no larger than
    // it (as a printer clips): bands stretched and lines drawn onto white. `onPage` picks the
    // page of a document of several.
    QImage paint(int onPage = 0) const;
    // The same on the whole paper, the unprintable margins left white.
    QImage paintPaper(int onPage = 0) const;

    int pageWidth() override;
    int pageHeight() override;
    int deviceCaps(DeviceCap cap) override;
    void setOrientation(QPageLayout::Orientation orientation) override;
    void setLayoutPaper(const QPageSize& paper) override { layoutPaper = paper; }
    QPageSize currentPaper() override { return paperNow; }
    bool takePaper(const QPageSize& paper) override;
    void setCopies(int n) override;
    bool canPrintBothSides() override { return bothSides; }
    PrintSides sidesSetting() const override { return setupSides; }
    void setSides(PrintSides s) override;
    void beginDoc(const QString& title) override;
    QString endDoc() override;
    void abortDoc() override;
    void newPage() override;
    QString pdfFolder() const override { return pdfFolderNamed; }
    void setPen(int width, TColor colour) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void stretchBand(const QRect& device, const QImage& band) override;
    void paintPage(const std::function<void(QPainter&)>& draw) override;

private:
    bool landscape() const { return currentOrientation == QPageLayout::Landscape; }
    // Margins left, top, right, bottom as the device sees them in its orientation.
    QMargins margins() const;
    QSize paper() const;
    QSize printableArea() const;
    QPoint current_;
    int penWidth_ = 1;
    TColor penColour_ = 0;
};
