// End to end through a real spooler: pages printed on the CUPS queue TalmiroTest (cups-pdf,
// letter paper with unequal unprintable margins, set up by scripts/cups-test-printer.sh) come
// back as PDF files, are rasterised and measured against the printer's figures.
#include "app/TForm1.h"
#include "back/CardBack.h"
#include "geometry/PagePlacement.h"
#include "geometry/PrinterMetrics.h"
#include "geometry/SheetLayout.h"
#include "print/AlignmentPages.h"
#include "print/BandPrinter.h"
#include "print/PagePrint.h"
#include "qtprinter/QtPrinterDevice.h"
#include "support/AlignmentReading.h"
#include "support/PdfRaster.h"
#include "support/ScriptedDialogs.h"
#include "support/TurnSimulation.h"
#include "support/UserPictures.h"
#include "support/WindowControls.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cups/cups.h>
#include <gtest/gtest.h>

namespace
{

const QString Queue = QStringLiteral("TalmiroTest");
const QString DuplexQueue = QStringLiteral("TalmiroDuplex"); // the same with a two-sided unit
constexpr int RasterDpi = 150;                               // 4 device pixels a raster pixel
constexpr int Scale = 600 / RasterDpi;

// The queue's paper and margins in 600-dpi device pixels, portrait: letter, with the margins
// of the set-up script (left 18 pt, top 27 pt, right 36 pt, bottom 45 pt).
constexpr int PaperWidth = 5100;
constexpr int PaperHeight = 6600;
constexpr int Left = 150, Top = 225, Right = 300, Bottom = 375;

QString outputFolder()
{
    return qEnvironmentVariable("TALMIRO_CUPS_OUT", QStringLiteral("/tmp/talmiro-cups-pdf"));
}

// What CUPS holds of the newest job on `queue`: the text of its attribute `name`.
QString lastJobAttribute(const QString& queue, const char* name)
{
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toLocal8Bit().constData(), 0,
                                   CUPS_WHICHJOBS_ALL);
    int id = 0;
    for (int i = 0; i < count; ++i)
        id = std::max(id, jobs[i].id);
    cupsFreeJobs(count, jobs);
    if (id == 0)
        return {};
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof(uri), "ipp", nullptr, "localhost", 0,
                     "/jobs/%d", id);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    QString value;
    if (ipp_attribute_t* a = ippFindAttribute(response, name, IPP_TAG_ZERO)) {
        char text[256];
        ippAttributeString(a, text, sizeof(text));
        value = QString::fromUtf8(text);
    }
    ippDelete(response);
    return value;
}

QStringList pdfsIn(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}

// Landscape device pixels, from the printable area's corner, to the raster of the portrait
// page that comes out: the page's top runs along the paper's left edge.
QPoint rasterOf(QPoint device)
{
    const int x = device.x() + Bottom; // landscape left margin = portrait bottom one
    const int y = device.y() + Left;   // landscape top margin = portrait left one
    return QPoint(y, PaperHeight - x) / Scale;
}

// Raster bounds of a device rectangle, right and bottom exclusive.
struct Span {
    int left, top, right, bottom;
};

Span rasterSpan(QPoint from, QPoint to)
{
    const QPoint a = rasterOf(from);
    const QPoint b = rasterOf(to);
    return {std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()),
            std::max(a.y(), b.y())};
}

void expectWithinOnePixel(const QRect& found, const Span& expected, const std::string& what)
{
    ASSERT_FALSE(found.isNull()) << "nothing found: " << what;
    EXPECT_NEAR(found.left(), expected.left, 1) << what;
    EXPECT_NEAR(found.top(), expected.top, 1) << what;
    EXPECT_NEAR(found.right() + 1, expected.right, 1) << what;
    EXPECT_NEAR(found.bottom() + 1, expected.bottom, 1) << what;
}

// A page of the queue's PDF as the landscape layouts print it, at the device's resolution: the
// queue's portrait page turned back.
QImage landscapePage(const QString& pdf, int page = 1)
{
    QString why;
    QImage image = rasterisePdf(pdf, 600, Rasteriser::Poppler, &why, page);
    EXPECT_FALSE(image.isNull()) << why.toStdString();
    if (!image.isNull())
        RotatePageClockwise(image);
    return image;
}

class CupsPrint : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (QPrinterInfo::printerInfo(Queue).isNull()) {
            const char* reason = "the CUPS queue TalmiroTest is missing: the test set-up "
                                 "(scripts/cups-test-printer.sh start) needs root and CUPS";
            if (qEnvironmentVariableIsSet("CI"))
                FAIL() << reason;
            GTEST_SKIP() << reason;
        }
        device = std::make_unique<QtPrinterDevice>(Queue);
        ASSERT_FALSE(device->savesPdfFiles());
    }

    // Prints and waits for the spooler's PDF; an empty name when none came.
    QString printAndCollect(const std::function<void()>& print)
    {
        const QStringList pdfs = printAndCollectAll(print, 1);
        return pdfs.isEmpty() ? QString() : pdfs.first();
    }

    // Prints and waits for `count` new PDFs from the spooler, oldest first; fewer when no more
    // came.
    QStringList printAndCollectAll(const std::function<void()>& print, int count)
    {
        const QStringList before = pdfsIn(outputFolder());
        print();
        QStringList found;
        QDeadlineTimer deadline(120000);
        while (!deadline.hasExpired() && found.size() < count) {
            for (const QString& name : pdfsIn(outputFolder())) {
                const QString path = QDir(outputFolder()).filePath(name);
                if (before.contains(name) || found.contains(path))
                    continue;
                // cups-pdf writes the file in place: wait until its size settles.
                const qint64 size = QFileInfo(path).size();
                QThread::msleep(500);
                if (size > 0 && QFileInfo(path).size() == size)
                    found << path;
            }
            QThread::msleep(200);
        }
        // cups-pdf names the files by job: in the order they were printed.
        std::sort(found.begin(), found.end(), [](const QString& a, const QString& b) {
            return QFileInfo(a).lastModified() < QFileInfo(b).lastModified();
        });
        return found;
    }

    QImage raster(const QString& pdf)
    {
        QString why;
        const QImage image = rasterisePdf(pdf, RasterDpi, Rasteriser::Poppler, &why);
        EXPECT_FALSE(image.isNull()) << why.toStdString();
        return image;
    }

    // The marker of each tile where the figures put it, within one raster pixel.
    void expectMarkers(const QImage& image, QPoint at, const std::vector<QPoint>& tiles)
    {
        for (const QPoint tile : tiles) {
            const QPoint from = at + (tile + QPoint(CardMarkerAt, CardMarkerAt)) * 3;
            const Span expected =
                rasterSpan(from, from + QPoint(CardMarkerSide, CardMarkerSide) * 3);
            const QRect near(QPoint(expected.left - 30, expected.top - 30),
                             QPoint(expected.right + 30, expected.bottom + 30));
            expectWithinOnePixel(boundsOf(image, isMarkerRed, near), expected,
                                 "marker of tile " + std::to_string(tile.x()) + "," +
                                     std::to_string(tile.y()));
        }
    }

    // Some grey of a corner mark within one raster pixel of the device point.
    static bool greyNear(const QImage& image, QPoint device)
    {
        const QPoint p = rasterOf(device);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (image.rect().contains(p + QPoint(dx, dy)) &&
                    isGrey(image.pixelColor(p + QPoint(dx, dy))))
                    return true;
        return false;
    }

    std::unique_ptr<QtPrinterDevice> device;
};

} // namespace

TEST_F(CupsPrint, LandscapeFiguresAreTheQueuesPaperAndMarginsTurned)
{
    device->setOrientation(QPageLayout::Landscape);
    const PrinterMetrics m = ReadPrinterMetrics(*device);
    EXPECT_EQ(m.DpiX, 600);
    EXPECT_EQ(m.PhysicalWidth, PaperHeight);
    EXPECT_EQ(m.PhysicalHeight, PaperWidth);
    EXPECT_EQ(m.OffsetX, Bottom);
    EXPECT_EQ(m.OffsetY, Left);
    EXPECT_EQ(m.RightMargin, Top);
    EXPECT_EQ(m.BottomMargin, Right);
    device->setOrientation(QPageLayout::Portrait);
    const PrinterMetrics p = ReadPrinterMetrics(*device);
    EXPECT_EQ(p.PhysicalWidth, PaperWidth);
    EXPECT_EQ(p.OffsetX, Left);
    EXPECT_EQ(p.OffsetY, Top);
    EXPECT_EQ(p.RightMargin, Right);
    EXPECT_EQ(p.BottomMargin, Bottom);
}

TEST_F(CupsPrint, FourOnSheetFillsThePrintableAreaFromThePapersCorner)
{
    device->setOrientation(QPageLayout::Landscape);
    const PrinterMetrics m = ReadPrinterMetrics(*device);
    const QImage card = markedCard(QSize(1100, 850));
    const PageTiling tiling = backPageTiling(Layout::FourOnSheet, card.size());
    const QImage page = tilePage(card, tiling, QImage::Format_RGB888);
    const QPoint at = placePages(Layout::FourOnSheet, m).backs;
    ASSERT_EQ(at, QPoint(-Bottom, -Left));
    const QString pdf =
        printAndCollect([&] { printPage(*device, m, page, at, 1, PageMarks::Corners); });
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF from the spooler in " << outputFolder().toStdString();
    const QImage image = raster(pdf);
    ASSERT_EQ(image.size(), QSize(PaperWidth / Scale, PaperHeight / Scale));

    // The 11 x 8.5 inch page covers the paper; what shows is exactly the printable area.
    expectWithinOnePixel(
        boundsOf(image, isCardBlue),
        {Left / Scale, Top / Scale, (PaperWidth - Right) / Scale, (PaperHeight - Bottom) / Scale},
        "printable area");
    expectMarkers(image, at, tiling.at);
}

TEST_F(CupsPrint, LandscapeLandscapeLiesCentredAcrossWithItsMarks)
{
    device->setOrientation(QPageLayout::Landscape);
    const PrinterMetrics m = ReadPrinterMetrics(*device);
    const QImage card = markedCard(QSize(1200, 800));
    const PageTiling tiling = backPageTiling(Layout::LandscapeLandscape, card.size());
    const QImage page = tilePage(card, tiling, QImage::Format_RGB888);
    const QPoint at =
        placePages(Layout::LandscapeLandscape, m, SheetTurn::Book, QPoint(0, 50)).backs;
    // (6600 - 3600) / 2 from the paper's left edge; the 8-inch page is centred on the 7.75
    // inches printable down, then nudged down by 1/4 inch.
    ASSERT_EQ(at, QPoint(1500 - Bottom, 75));
    const QString pdf =
        printAndCollect([&] { printPage(*device, m, page, at, 1, PageMarks::CornersAndCentre); });
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF from the spooler in " << outputFolder().toStdString();
    const QImage image = raster(pdf);

    // The page: 3600 device pixels wide, 4800 high from the nudge, cut off at the printable
    // area's bottom.
    expectWithinOnePixel(boundsOf(image, isCardBlue),
                         rasterSpan(at, QPoint(at.x() + 3600, m.PageHeight)), "page");
    expectMarkers(image, at, tiling.at);

    // Corner marks at the page's top corners, centre marks halfway down its sides.
    const int we = 3600, he = 4800;
    EXPECT_TRUE(greyNear(image, at + QPoint(0, 75)));
    EXPECT_TRUE(greyNear(image, at + QPoint(75, 0)));
    EXPECT_TRUE(greyNear(image, at + QPoint(we - 1, 75)));
    EXPECT_TRUE(greyNear(image, at + QPoint(we - 75, 0)));
    EXPECT_TRUE(greyNear(image, at + QPoint(75, he / 2)));
    EXPECT_FALSE(greyNear(image, at + QPoint(we / 2, he / 4)));
}

TEST_F(CupsPrint, PortraitPortraitPrintsTheTurnedPageUnturned)
{
    // As the window does it: a landscape page first (the default layout), then "Portrait -
    // Portrait" on the same printer.
    const QImage card = markedCard(QSize(1200, 800));
    device->setOrientation(QPageLayout::Landscape);
    const PrinterMetrics l = ReadPrinterMetrics(*device);
    ASSERT_FALSE(printAndCollect([&] {
                     printPage(*device, l, card, {0, 0}, 1, PageMarks::None);
                 }).isEmpty());
    device->setOrientation(QPageLayout::Portrait);
    const PrinterMetrics m = ReadPrinterMetrics(*device);
    QImage page = tilePage(card, backPageTiling(Layout::PortraitPortrait, card.size()),
                           QImage::Format_RGB888);
    RotatePageClockwise(page);
    const QPoint at = placePages(Layout::PortraitPortrait, m).backs;
    // The 8-inch page centred on the 8.5-inch paper: at the printable area's left edge.
    ASSERT_EQ(at, QPoint(0, 0));
    const QString pdf =
        printAndCollect([&] { printPage(*device, m, page, at, 1, PageMarks::CornersAndCentre); });
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF from the spooler in " << outputFolder().toStdString();
    const QImage image = raster(pdf);
    // Portrait: device pixels from the printable area's corner, straight onto the paper. The
    // upper back's marker is now in the right half, the lower back's in the left half.
    const auto onPaper = [&](QPoint device) { return (device + QPoint(Left, Top)) / Scale; };
    for (const int markerX : {1350, 550}) {
        const QPoint from = at + QPoint(markerX, CardMarkerAt) * 3;
        const QPoint a = onPaper(from);
        const QPoint b = onPaper(from + QPoint(CardMarkerSide, CardMarkerSide) * 3);
        const QRect near(a - QPoint(30, 30), b + QPoint(30, 30));
        expectWithinOnePixel(boundsOf(image, isMarkerRed, near), {a.x(), a.y(), b.x(), b.y()},
                             "marker at " + std::to_string(markerX));
    }
}

TEST_F(CupsPrint, OnlyTheQueueWithATwoSidedUnitPrintsBothSides)
{
    EXPECT_FALSE(device->canPrintBothSides());
    QtPrinterDevice duplex(DuplexQueue);
    EXPECT_TRUE(duplex.canPrintBothSides());
    EXPECT_EQ(duplex.sidesSetting(), PrintSides::OneSided); // the queue's default
    // The set-up dialog's short edge is kept, and shown again after a one-sided document.
    duplex.prepareSetupDialog();
    duplex.printer().setDuplex(QPrinter::DuplexShortSide);
    duplex.adoptSetupDialog();
    EXPECT_EQ(duplex.sidesSetting(), PrintSides::ShortEdge);
    duplex.setSides(PrintSides::OneSided);
    duplex.prepareSetupDialog();
    EXPECT_EQ(duplex.printer().duplex(), QPrinter::DuplexShortSide);
    duplex.adoptSetupDialog();
    EXPECT_EQ(duplex.sidesSetting(), PrintSides::ShortEdge);
}

TEST_F(CupsPrint, ATwoSidedJobCarriesItsSidesCopiesAndBothPages)
{
    QtPrinterDevice duplex(DuplexQueue);
    duplex.setOrientation(QPageLayout::Landscape);
    const PrinterMetrics m = ReadPrinterMetrics(duplex);
    const QImage card = markedCard(QSize(400, 300));
    const QPoint second(1500, 900);
    const QString pdf = printAndCollect([&] {
        duplex.setCopies(2);
        duplex.setSides(PrintSides::ShortEdge);
        duplex.beginDoc(QString());
        PrintBitmap(duplex, m, card, 0, 0);
        duplex.newPage();
        PrintBitmap(duplex, m, card, second.x(), second.y());
        duplex.endDoc();
    });
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF from the spooler in " << outputFolder().toStdString();
    EXPECT_EQ(lastJobAttribute(DuplexQueue, "sides"), QStringLiteral("two-sided-short-edge"));
    EXPECT_EQ(lastJobAttribute(DuplexQueue, "copies"), QStringLiteral("2"));
    // The spooler's file holds the copies, collated: front, back, front, back. Every page is
    // turned like the first (its top along the paper's left edge) and holds only its own card.
    ASSERT_EQ(pdfPageCount(pdf), 4);
    for (const int page : {2, 3, 4}) {
        QString why;
        const QImage image = rasterisePdf(pdf, RasterDpi, Rasteriser::Poppler, &why, page);
        ASSERT_FALSE(image.isNull()) << why.toStdString();
        const QPoint at = page % 2 == 0 ? second : QPoint(0, 0);
        const QPoint marker = at + QPoint(CardMarkerAt, CardMarkerAt) * 3;
        const std::string what = "page " + std::to_string(page);
        expectWithinOnePixel(
            boundsOf(image, isMarkerRed),
            rasterSpan(marker, marker + QPoint(CardMarkerSide, CardMarkerSide) * 3), what);
        expectWithinOnePixel(boundsOf(image, isCardBlue), rasterSpan(at, at + QPoint(400, 300) * 3),
                             what);
    }
}

TEST_F(CupsPrint, FromTheWindowEveryBackLandsBehindItsFront)
{
    // The window on the queue, as a user prints: the page of fronts, then the page of backs.
    ScriptedDialogs dialogs;
    TForm1 form(dialogs, *device);
    form.guard([&] { form.FormActivate(); });
    findControl<QPushButton>(form, "ContinueButton")
        ->click(); // the corner picture dialog is cancelled
    ASSERT_EQ(findControl<RadioGroup>(form, "TypeOfDeckRadioGroup")->choice<Layout>(),
              Layout::LandscapeLandscape);
    const QTemporaryDir pictures;
    markTurnCards(form, dialogs, pictures.path());

    findControl<QTabWidget>(form, "PageControl1")
        ->setCurrentWidget(findControl<QWidget>(form, "FrontTabSheet"));
    const QString fronts =
        printAndCollect([&] { findControl<QPushButton>(form, "PrintButton")->click(); });
    findControl<QTabWidget>(form, "PageControl1")
        ->setCurrentWidget(findControl<QWidget>(form, "TextTabSheet"));
    const QString backs =
        printAndCollect([&] { findControl<QPushButton>(form, "PrintButton")->click(); });
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("\n").toStdString();
    ASSERT_FALSE(fronts.isEmpty() || backs.isEmpty()) << "no PDF from the spooler";
    // The queue's 3/8 and 1/2 inch margins across the landscape page leave 7.75 of the page's 8
    // inches: the user is told and prints anyway.
    EXPECT_EQ(dialogs.questions.size(), 2);

    // Rasterised at the device's resolution and turned back to the landscape the layout prints in.
    EXPECT_EQ(
        turnFaults(backsBehindFronts(landscapePage(fronts), landscapePage(backs), SheetTurn::Book),
                   2, RasterisedTolerance),
        "");
}

TEST_F(CupsPrint, FromTheWindowPrintBothSidesIsOneTwoSidedJobWithEachBackBehindItsFront)
{
    QtPrinterDevice duplex(DuplexQueue);
    ScriptedDialogs dialogs;
    TForm1 form(dialogs, duplex);
    form.guard([&] { form.FormActivate(); });
    findControl<QPushButton>(form, "ContinueButton")->click();
    ASSERT_TRUE(findControl<QAction>(form, "PrintBothSidesItem")->isEnabled());
    const QTemporaryDir pictures;
    markTurnCards(form, dialogs, pictures.path());
    const QString pdf =
        printAndCollect([&] { findControl<QAction>(form, "PrintBothSidesItem")->trigger(); });
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("\n").toStdString();
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF from the spooler in " << outputFolder().toStdString();
    // No turn chosen in the queue's set-up: over the long edge, which for the landscape page is
    // its top edge, as a calendar turns.
    EXPECT_EQ(lastJobAttribute(DuplexQueue, "sides"), QStringLiteral("two-sided-long-edge"));
    ASSERT_EQ(pdfPageCount(pdf), 2);
    EXPECT_EQ(turnFaults(backsBehindFronts(landscapePage(pdf, 1), landscapePage(pdf, 2),
                                           SheetTurn::Calendar),
                         2, RasterisedTolerance),
              "");
}

TEST_F(CupsPrint, FromTheWindowTheAlignmentTestPagesReadTheShiftOfTheSecondPass)
{
    // A printer without a two-sided unit: Print Both Sides is not offered; the test pages are.
    ScriptedDialogs dialogs;
    TForm1 form(dialogs, *device);
    form.guard([&] { form.FormActivate(); });
    findControl<QPushButton>(form, "ContinueButton")->click();
    EXPECT_FALSE(findControl<QAction>(form, "PrintBothSidesItem")->isEnabled());
    findControl<RadioGroup>(form, "SheetTurnRadioGroup")->setChoice(SheetTurn::Calendar);
    const QStringList pdfs =
        printAndCollectAll([&] { findControl<QAction>(form, "AlignmentTestItem")->trigger(); }, 2);
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("\n").toStdString();
    ASSERT_EQ(pdfs.size(), 2) << "PDFs from the spooler in " << outputFolder().toStdString();
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions[0].contains(QStringLiteral("wall calendar")));

    // The second pass 3 sheet pixels right and 4 up: the scales read -3 across and 4 down.
    const PrinterMetrics& m = form.state().Metrics;
    const QRect printable(m.OffsetX, m.OffsetY, m.PageWidth, m.PageHeight);
    const HeldSheet held{landscapePage(pdfs[0]).copy(printable),
                         landscapePage(pdfs[1]).copy(printable), m, SheetTurn::Calendar,
                         QPoint(9, -12)};
    const AlignmentSheet sheet =
        alignmentSheetFor(Layout::LandscapeLandscape, m, SheetTurn::Calendar, {});
    ASSERT_EQ(sheet.cards.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const Reading r = readScales(held, sheet, i);
        EXPECT_EQ(r.across, -3) << "card " << i;
        EXPECT_EQ(r.down, 4) << "card " << i;
    }
}
