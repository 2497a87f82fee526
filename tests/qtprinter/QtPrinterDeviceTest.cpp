// The real printer binding writing PDF files, as it does when no printer is installed.
#include "qtprinter/QtPrinterDevice.h"
#include "geometry/PrinterMetrics.h"
#include "geometry/SheetLayout.h"
#include "gfx/AppError.h"
#include "print/BandPrinter.h"
#include "print/PagePrint.h"
#include "support/PdfRaster.h"
#include "support/PictureFiles.h"
#include "support/QtPrinters.h"
#include "support/ScratchDisk.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

constexpr int RasterDpi = 100; // 6 device pixels a raster pixel

QString printedNote(QtPrinterDevice& device, const QImage& page, QPoint at, int copies = 1)
{
    const PrinterMetrics m = ReadPrinterMetrics(device);
    return printPage(device, m, page, at, copies, PageMarks::Corners);
}

// Prints a page, expecting an error; returns its text.
QString printError(QtPrinterDevice& device, const QImage& page)
{
    try {
        printedNote(device, page, {0, 0});
    } catch (const AppError& e) {
        return e.text();
    }
    return QString();
}

bool isCompletePdfFile(const QString& file)
{
    QFile pdf(file);
    return pdf.open(QIODevice::ReadOnly) && isCompletePdf(pdf);
}

// A white page with a band of noise that the PDF cannot compress: about 1.4 MB.
QImage noisyPage()
{
    QImage page(1200, 800, QImage::Format_RGB888);
    page.fill(Qt::white);
    quint32 seed = 12345;
    for (int y = 0; y < 400; ++y) {
        uchar* row = page.scanLine(y);
        for (int x = 0; x < page.width() * 3; ++x) {
            seed = seed * 1103515245U + 12345U;
            row[x] = uchar(seed >> 24);
        }
    }
    return page;
}

} // namespace

TEST(QtPrinterDevice, OnlyAWholePdfCountsAsComplete)
{
    QTemporaryDir folder;
    auto device = QtPrinterDevice::pdfFiles(folder.path());
    printedNote(*device, markedCard(QSize(400, 300)), {0, 0});
    const QByteArray whole = readFile(device->lastPdfFile());
    auto complete = [](const QByteArray& bytes) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        return isCompletePdf(buffer);
    };
    EXPECT_TRUE(complete(whole));
    EXPECT_TRUE(complete(whole + "\n"));
    for (const qsizetype cut : {qsizetype(0), qsizetype(5), whole.size() / 2, whole.size() - 40,
                                whole.size() - 7, whole.size() - 2})
        EXPECT_FALSE(complete(whole.left(cut))) << "cut to " << cut << " of " << whole.size();
    // A trailer whose cross-reference offset points elsewhere.
    QByteArray moved = whole;
    const qsizetype at = moved.lastIndexOf("startxref") + 10;
    moved[at] = moved[at] == '1' ? '2' : '1';
    EXPECT_FALSE(complete(moved));
    QByteArray noHeader = whole;
    noHeader[1] = 'X';
    EXPECT_FALSE(complete(noHeader));
}

TEST(QtPrinterDevice, AFullDiskFailsThePdfClearlyLeavesNoFileAndTheNextPrintWorks)
{
    QTemporaryDir scratch;
    ScratchDisk disk(QDir(scratch.path()).filePath(QStringLiteral("disk")), 4096);
    REQUIRE_MOUNTED(disk);
    const QString filler = disk.file(QStringLiteral("filler"));
    const QString named = disk.file(QStringLiteral("my cards.pdf"));
    const QByteArray previous(64 * 1024, 'p'); // last week's cards, in the file the user names
    const QImage page = noisyPage();

    // Our own files when no printer is installed, then a file named in the printer set-up.
    auto device = QtPrinterDevice::pdfFiles(disk.file(QString()));
    for (const bool userNamed : {false, true}) {
        SCOPED_TRACE(userNamed ? "a file named in Printer Setup" : "no printer");
        if (userNamed) {
            writeFile(named, previous);
            device->printer().setOutputFileName(named);
            device->adoptSetupDialog();
            ASSERT_FALSE(device->savesPdfFiles());
        }
        QStringList expected = disk.entries() << QStringLiteral("filler");
        expected.sort();
        // Little room is left: the page's PDF cannot be written.
        writeFile(filler, QByteArray((4096 - 64 - 96) * 1024, 'f'));
        for (int attempt = 0; attempt < 2; ++attempt) {
            const QString error = printError(*device, page);
            EXPECT_TRUE(error.contains(QStringLiteral("nothing was printed")))
                << error.toStdString();
            EXPECT_TRUE(error.contains(QStringLiteral("No space left on device")))
                << error.toStdString();
            EXPECT_EQ(disk.entries().join('|'), expected.join('|')) << "a cut file was left behind";
        }
        if (userNamed) {
            EXPECT_EQ(readFile(named), previous);
        }

        // Space freed: the very next print, on the same device, saves the whole page.
        QFile::remove(filler);
        const QString note = printedNote(*device, page, {0, 0});
        ASSERT_TRUE(isCompletePdfFile(device->lastPdfFile())) << note.toStdString();
        EXPECT_GT(QFileInfo(device->lastPdfFile()).size(), 1400 * 1000);
        EXPECT_TRUE(note.contains(QStringLiteral("saved as the PDF file \"%1\"")
                                      .arg(QDir::toNativeSeparators(device->lastPdfFile()))))
            << note.toStdString();
        if (userNamed) {
            EXPECT_EQ(device->lastPdfFile(), named);
        }
        QString why;
        const QImage raster =
            rasterisePdf(device->lastPdfFile(), RasterDpi, Rasteriser::Poppler, &why);
        EXPECT_FALSE(raster.isNull()) << why.toStdString();
        QFile::remove(device->lastPdfFile());
    }
}

TEST(QtPrinterDevice, PdfFilesTakeEachLayoutsPaperWithAQuarterInchMarginAt600Dpi)
{
    QTemporaryDir folder;
    auto device = QtPrinterDevice::pdfFiles(folder.path());
    EXPECT_TRUE(device->savesPdfFiles());
    // Letter upright, Letter on its side, 6 x 4 inches, Letter on its side: whatever the locale.
    const QSize papers[] = {{5100, 6600}, {6600, 5100}, {3600, 2400}, {6600, 5100}};
    for (Layout layout : Layouts) {
        const SheetLayout info = *sheetLayoutAt(layout);
        device->setOrientation(info.orientation);
        device->setLayoutPaper(info.paper);
        const PrinterMetrics m = ReadPrinterMetrics(*device);
        EXPECT_EQ(m.DpiX, 600);
        EXPECT_EQ(m.DpiY, 600);
        EXPECT_EQ(QSize(m.PhysicalWidth, m.PhysicalHeight), papers[std::size_t(layout)]) << layout;
        EXPECT_EQ(QMargins(m.OffsetX, m.OffsetY, m.RightMargin, m.BottomMargin),
                  QMargins(150, 150, 150, 150))
            << layout;
    }
    // The file is what the figures say: the single card's page is 6 x 4 inches.
    device->setLayoutPaper(sheetLayoutAt(Layout::SingleOn4x6)->paper);
    printedNote(*device, markedCard(QSize(1200, 800)), {0, 0});
    QString why;
    const QImage raster = rasterisePdf(device->lastPdfFile(), RasterDpi, Rasteriser::Poppler, &why);
    ASSERT_FALSE(raster.isNull()) << why.toStdString();
    EXPECT_EQ(raster.size(), QSize(600, 400));
}

TEST(QtPrinterDevice, AMissingQueueFallsBackToPdfFiles)
{
    QTemporaryDir folder;
    QtPrinterDevice device(QStringLiteral("No Such Queue Anywhere"), folder.path());
    EXPECT_TRUE(device.savesPdfFiles());
    const QString note = printedNote(device, markedCard(QSize(400, 300)), {0, 0});
    EXPECT_TRUE(QFile::exists(device.lastPdfFile()));
    EXPECT_TRUE(note.contains(QDir::toNativeSeparators(device.lastPdfFile())));
}

TEST(QtPrinterDevice, EveryDocumentIsANewFileAndTheUserIsToldWhere)
{
    QTemporaryDir folder;
    auto device = QtPrinterDevice::pdfFiles(folder.path());
    const QImage page = markedCard(QSize(1200, 800));
    const QString first = printedNote(*device, page, {0, 0});
    const QString firstFile = device->lastPdfFile();
    const QString second = printedNote(*device, page, {0, 0}, 3);
    const QString secondFile = device->lastPdfFile();
    EXPECT_NE(firstFile, secondFile);
    for (const QString& file : {firstFile, secondFile}) {
        QFile pdf(file);
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << file.toStdString();
        EXPECT_EQ(pdf.read(5), QByteArray("%PDF-"));
        EXPECT_EQ(QFileInfo(file).absolutePath(), QDir(folder.path()).absolutePath());
    }
    EXPECT_TRUE(first.contains("No printer is installed"));
    EXPECT_TRUE(first.contains(QDir::toNativeSeparators(firstFile)));
    EXPECT_FALSE(first.contains("copies"));
    EXPECT_TRUE(second.contains("Print 3 copies of it."));
}

TEST(QtPrinterDevice, TheRasterisedPdfShowsTheTilesAndMarksWhereTheFiguresSay)
{
    QTemporaryDir folder;
    auto device = QtPrinterDevice::pdfFiles(folder.path());
    device->setOrientation(QPageLayout::Landscape);
    const PrinterMetrics m = ReadPrinterMetrics(*device);
    const QImage card = markedCard(QSize(1100, 850));
    const QImage page =
        tilePage(card, backPageTiling(Layout::FourOnSheet, card.size()), QImage::Format_RGB888);
    const QPoint at(300, 150);
    printPage(*device, m, page, at, 1, PageMarks::Corners);

    QString why;
    const QImage raster = rasterisePdf(device->lastPdfFile(), RasterDpi, Rasteriser::Poppler, &why);
    ASSERT_FALSE(raster.isNull()) << why.toStdString();
    // A landscape page: the raster is the paper at 100 dpi.
    EXPECT_NEAR(raster.width(), m.PhysicalWidth / 6, 1);
    EXPECT_NEAR(raster.height(), m.PhysicalHeight / 6, 1);

    // Each tile's marker: sheet pixels x 3 device pixels, from the paper's corner, / 6 for the
    // raster.
    const QPoint paper(m.OffsetX, m.OffsetY);
    for (const QPoint tile : {QPoint(0, 0), QPoint(1100, 0), QPoint(0, 850), QPoint(1100, 850)}) {
        const QPoint device = paper + at + (tile + QPoint(CardMarkerAt, CardMarkerAt)) * 3;
        const QRect expected(device / 6, QSize(CardMarkerSide * 3 / 6, CardMarkerSide * 3 / 6));
        const QRect found = boundsOf(raster, isMarkerRed, expected.adjusted(-20, -20, 20, 20));
        EXPECT_NEAR(found.left(), expected.left(), 1) << tile.x() << "," << tile.y();
        EXPECT_NEAR(found.top(), expected.top(), 1) << tile.x() << "," << tile.y();
        EXPECT_NEAR(found.right(), expected.right(), 1);
        EXPECT_NEAR(found.bottom(), expected.bottom(), 1);
    }
    // The page: 6600 x 5100 device pixels from (300, 150), cut off by the printable area.
    const QRect blue = boundsOf(raster, isCardBlue);
    EXPECT_NEAR(blue.left(), (m.OffsetX + 300) / 6, 1);
    EXPECT_NEAR(blue.top(), (m.OffsetY + 150) / 6, 1);
    EXPECT_NEAR(blue.right(), (m.OffsetX + std::min(300 + 6600, m.PageWidth)) / 6 - 1, 1);
    EXPECT_NEAR(blue.bottom(), (m.OffsetY + std::min(150 + 5100, m.PageHeight)) / 6 - 1, 1);
    // The top-left corner mark runs down the page's left edge and along its top.
    EXPECT_TRUE(isGrey(raster.pixelColor((m.OffsetX + 300) / 6, (m.OffsetY + 150 + 75) / 6)));
    EXPECT_TRUE(isGrey(raster.pixelColor((m.OffsetX + 300 + 75) / 6, (m.OffsetY + 150) / 6)));
}

TEST(QtPrinterDevice, BandsAbutWithoutSeamsUnderGhostscript)
{
    QTemporaryDir folder;
    auto device = QtPrinterDevice::pdfFiles(folder.path());
    const PrinterMetrics m = ReadPrinterMetrics(*device);
    const QImage page = markedCard(QSize(1200, 1600));
    printPage(*device, m, page, {0, 0}, 1, PageMarks::None);
    QString why;
    const QImage raster = rasterisePdf(device->lastPdfFile(), 150, Rasteriser::Ghostscript, &why);
    ASSERT_FALSE(raster.isNull()) << why.toStdString();
    // Down a column clear of the marker, every row of the 8-inch page is card blue.
    const int top = m.OffsetY / 4 + 1; // 4 device pixels a raster pixel
    int white = 0;
    for (int y = top; y < top + 1198; ++y)
        white += isCardBlue(raster.pixelColor(600, y)) ? 0 : 1;
    EXPECT_EQ(white, 0);
}

// The pages go to a draft as they are made; a file the user named keeps its bytes until the
// document is whole, an aborted one leaves nothing behind, and the file put in place is
// readable as any other.
TEST(QtPrinterDevice, AnAbortedDocumentLeavesNoFileAndTheNextOneWorks)
{
    QTemporaryDir folder;
    const QString named = QDir(folder.path()).filePath(QStringLiteral("cards.pdf"));
    const QByteArray previous(5000, 'p');
    writeFile(named, previous);
    const auto files = [&folder] {
        return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    };
    for (const bool userNamed : {false, true}) {
        SCOPED_TRACE(userNamed ? "a file named in Printer Setup" : "no printer");
        auto device = QtPrinterDevice::pdfFiles(folder.path());
        if (userNamed) {
            device->printer().setOutputFileName(named);
            device->adoptSetupDialog();
        }
        device->beginDoc(QString());
        device->stretchBand(QRect(0, 0, 600, 150), markedCard(QSize(200, 50)));
        // Nothing is put in place before the document is whole.
        EXPECT_EQ(files(), QStringList{QStringLiteral("cards.pdf")});
        EXPECT_EQ(readFile(named), previous);
        device->abortDoc();
        EXPECT_EQ(files(), QStringList{QStringLiteral("cards.pdf")});
        EXPECT_EQ(readFile(named), previous);
        printedNote(*device, markedCard(QSize(400, 300)), {0, 0});
        EXPECT_TRUE(isCompletePdfFile(device->lastPdfFile()));
        EXPECT_EQ(files().size(), userNamed ? 1 : 2) << files().join(' ').toStdString();
        EXPECT_EQ(QFileInfo(device->lastPdfFile()).permissions() & QFile::ReadOther,
                  QFile::ReadOther);
        if (!userNamed)
            QFile::remove(device->lastPdfFile());
    }
}

TEST(QtPrinterDevice, AnUnwritableFolderIsAClearError)
{
    QTemporaryDir folder;
    QFile blocker(QDir(folder.path()).filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    auto device = QtPrinterDevice::pdfFiles(blocker.fileName()); // a file, not a folder
    try {
        device->beginDoc(QString());
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.text().startsWith("The PDF file")) << e.text().toStdString();
    }
}

TEST(QtPrinterDevice, PdfFilesPrintOneSideButTakeTwoPagesInOneDocument)
{
    QTemporaryDir folder;
    auto device = QtPrinterDevice::pdfFiles(folder.path());
    EXPECT_FALSE(device->canPrintBothSides());
    EXPECT_EQ(device->sidesSetting(), PrintSides::OneSided);
    // What a queue is sent (a PDF file keeps no duplex mode): each turn its duplex mode, each
    // copy the whole document.
    for (const auto& [sides, mode] : {std::pair{PrintSides::ShortEdge, QPrinter::DuplexShortSide},
                                      std::pair{PrintSides::LongEdge, QPrinter::DuplexLongSide},
                                      std::pair{PrintSides::OneSided, QPrinter::DuplexNone}}) {
        EXPECT_EQ(duplexOf(sides), mode);
        EXPECT_EQ(sidesOf(mode), sides);
    }
    device->setCopies(3);
    EXPECT_EQ(device->printer().copyCount(), 3);
    EXPECT_TRUE(device->printer().collateCopies());
    device->setCopies(1);
    device->setOrientation(QPageLayout::Landscape);
    const PrinterMetrics m = ReadPrinterMetrics(*device);
    const QImage card = markedCard(QSize(400, 300));
    device->beginDoc(QString());
    PrintBitmap(*device, m, card, 0, 0);
    device->newPage();
    PrintBitmap(*device, m, card, 1200, 600);
    device->endDoc();
    ASSERT_EQ(pdfPageCount(device->lastPdfFile()), 2);

    // The second page is landscape and unturned like the first, with its own content only.
    QString why;
    const QImage second =
        rasterisePdf(device->lastPdfFile(), RasterDpi, Rasteriser::Poppler, &why, 2);
    ASSERT_FALSE(second.isNull()) << why.toStdString();
    EXPECT_NEAR(second.width(), m.PhysicalWidth / 6, 1);
    const QRect blue = boundsOf(second, isCardBlue);
    // Device pixels from the printable area's corner, a quarter inch in from the paper's.
    EXPECT_NEAR(blue.left(), (m.OffsetX + 1200) / 6, 1);
    EXPECT_NEAR(blue.top(), (m.OffsetY + 600) / 6, 1);
    const QRect red = boundsOf(second, isMarkerRed);
    EXPECT_NEAR(red.left(), (m.OffsetX + 1200 + CardMarkerAt * 3) / 6, 1);
    EXPECT_NEAR(red.top(), (m.OffsetY + 600 + CardMarkerAt * 3) / 6, 1);
}

TEST(QtPrinterDevice, APortraitPageAfterALandscapeOneIsUpright)
{
    // Qt's PDF output once kept the landscape page's turn for the next page; the figures and
    // the picture must both be upright again.
    QTemporaryDir folder;
    auto device = QtPrinterDevice::pdfFiles(folder.path());
    const QImage card = markedCard(QSize(800, 1200));
    device->setOrientation(QPageLayout::Landscape);
    printedNote(*device, markedCard(QSize(1200, 800)), {0, 0});
    device->setOrientation(QPageLayout::Portrait);
    const PrinterMetrics m = ReadPrinterMetrics(*device);
    EXPECT_LT(m.PhysicalWidth, m.PhysicalHeight);
    const QPoint at(600, 300);
    printedNote(*device, card, at);

    QString why;
    const QImage raster = rasterisePdf(device->lastPdfFile(), RasterDpi, Rasteriser::Poppler, &why);
    ASSERT_FALSE(raster.isNull()) << why.toStdString();
    EXPECT_NEAR(raster.width(), m.PhysicalWidth / 6, 1);
    EXPECT_NEAR(raster.height(), m.PhysicalHeight / 6, 1);
    // The card from (600, 300) of the printable area, 2400 x 3600 device pixels, its marker at
    // its top left.
    const QRect blue = boundsOf(raster, isCardBlue);
    EXPECT_NEAR(blue.left(), (m.OffsetX + 600) / 6, 1);
    EXPECT_NEAR(blue.top(), (m.OffsetY + 300) / 6, 1);
    EXPECT_NEAR(blue.width(), 2400 / 6, 1);
    EXPECT_NEAR(blue.height(), 3600 / 6, 1);
    const QRect marker = boundsOf(raster, isMarkerRed);
    EXPECT_NEAR(marker.left(), (m.OffsetX + 600 + CardMarkerAt * 3) / 6, 1);
    EXPECT_NEAR(marker.top(), (m.OffsetY + 300 + CardMarkerAt * 3) / 6, 1);
}

TEST(QtPrinterDevice, AQueuesLandscapePageTakesThePapersMarginsTurned)
{
    // Letter at 600 dpi, upright as a queue gives it, with four unequal margins: left 1/4,
    // top 1/6, right 3/8, bottom 1/2 inch. The figures of a CUPS queue without the queue.
    const QRectF paper(0, 0, 5100, 6600);
    const QRectF page(150, 100, 5100 - 150 - 225, 6600 - 100 - 300);
    const PageFigures upright = pageFiguresOf(paper, page, false);
    EXPECT_EQ(upright.pageWidth, 4725);
    EXPECT_EQ(upright.pageHeight, 6200);
    EXPECT_EQ(upright.paperWidth, 5100);
    EXPECT_EQ(upright.paperHeight, 6600);
    EXPECT_EQ(upright.offsetX, 150);
    EXPECT_EQ(upright.offsetY, 100);
    // On its side, its top along the paper's left edge: the paper's bottom margin is its left
    // one and the paper's left margin its top one.
    const PageFigures turned = pageFiguresOf(paper, page, true);
    EXPECT_EQ(turned.pageWidth, 6200);
    EXPECT_EQ(turned.pageHeight, 4725);
    EXPECT_EQ(turned.paperWidth, 6600);
    EXPECT_EQ(turned.paperHeight, 5100);
    EXPECT_EQ(turned.offsetX, 300);
    EXPECT_EQ(turned.offsetY, 150);
}
