// The alignment test pages read as a person reads them: the page of fronts and the page of backs
// printed, the backs put off by a known amount as a printer does on its second pass, the sheet
// turned over, and the scale read under each pointer. The reading must be the nudge that takes
// the printer's error back.
#include "print/AlignmentPages.h"
#include "geometry/PagePlacement.h"
#include "geometry/PrinterMetrics.h"
#include "geometry/SheetLayout.h"
#include "print/PrinterDevice.h"
#include "qtprinter/QtPrinterDevice.h"
#include "support/AlignmentReading.h"
#include "support/ImageChecks.h"
#include "support/PdfRaster.h"
#include "support/RecordingPrinter.h"

#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace
{

struct Case {
    Layout layout;
    SheetTurn turn;
};

std::string name(const Case& c)
{
    return "layout " + std::to_string(int(c.layout)) +
           (c.turn == SheetTurn::Calendar ? ", calendar turn" : ", book turn");
}

const Case Cases[] = {
    {Layout::PortraitPortrait, SheetTurn::Book},
    {Layout::PortraitPortrait, SheetTurn::Calendar},
    {Layout::LandscapeLandscape, SheetTurn::Book},
    {Layout::LandscapeLandscape, SheetTurn::Calendar},
    {Layout::SingleOn4x6, SheetTurn::Book},
    {Layout::SingleOn4x6, SheetTurn::Calendar},
    {Layout::FourOnSheet, SheetTurn::Book},
    {Layout::FourOnSheet, SheetTurn::Calendar},
};

// The test's printer for a layout: its paper (4 x 6 for the single card, else letter) with a
// different margin on every side, in the layout's orientation.
void setUpFor(RecordingPrinter& printer, Layout layout)
{
    if (layout == Layout::SingleOn4x6)
        printer.setPaper(600, 2400, 3600, 75, 90, 120, 60);
    else
        printer.setPaper(600, 5100, 6600, 150, 100, 75, 200);
    printer.setOrientation(sheetLayoutAt(layout)->orientation);
}

// Both test pages printed and held against the light.
HeldSheet printAndHold(RecordingPrinter& printer, const AlignmentSheet& sheet,
                       const PrinterMetrics& m, SheetTurn turn, QPoint error)
{
    HeldSheet held{{}, {}, m, turn, error};
    printAlignmentPage(printer, alignmentFrontPatches(sheet));
    held.fronts = printer.paint();
    printer.bands.clear();
    printer.drawings.clear();
    printAlignmentPage(printer, alignmentBackPatches(sheet));
    held.backs = printer.paint();
    printer.bands.clear();
    printer.drawings.clear();
    return held;
}

} // namespace

TEST(AlignmentPages, TheScalesUnderThePointersReadTheNudgesThatTakeThePrintersErrorBack)
{
    // The second pass lands 4 sheet pixels right and 7 up on the page of backs: the nudges
    // -4 across and 7 down take it back, whatever the nudges the test was printed with.
    const QPoint error(12, -21);
    const QPoint expected(-4, 7);
    const QPoint nudges[] = {{7, -4}, {-50, 50}, {0, 0}, {23, -31}};
    int n = 0;
    for (const Case& c : Cases) {
        RecordingPrinter printer;
        setUpFor(printer, c.layout);
        const PrinterMetrics m = ReadPrinterMetrics(printer);
        const QPoint nudge = nudges[n++ % 4];
        const AlignmentSheet sheet = alignmentSheetFor(c.layout, m, c.turn, nudge);
        ASSERT_FALSE(sheet.cards.empty()) << name(c);
        for (const QPoint e : {error, QPoint()}) {
            const HeldSheet held = printAndHold(printer, sheet, m, sheet.turn, e);
            for (int i = 0; i < int(sheet.cards.size()); ++i) {
                const Reading r = readScales(held, sheet, i);
                const QPoint want = e.isNull() ? QPoint() : expected;
                EXPECT_EQ(r.across, want.x()) << name(c) << ", card " << i << ", error " << e.x();
                EXPECT_EQ(r.down, want.y()) << name(c) << ", card " << i << ", error " << e.x();
                // On the recording printer each pointer's axis lies on its tick to the device
                // pixel (its ink may spread half a pixel more to one side).
                EXPECT_LE(std::abs(r.offTick.x()), 0.5) << name(c) << ", card " << i;
                EXPECT_LE(std::abs(r.offTick.y()), 0.5) << name(c) << ", card " << i;
            }
        }
    }
}

TEST(AlignmentPages, TheWrongTurnShowsTurnedWhereThePointersShouldBe)
{
    for (const Case& c : Cases) {
        RecordingPrinter printer;
        setUpFor(printer, c.layout);
        const PrinterMetrics m = ReadPrinterMetrics(printer);
        // Nudged: the scales move, and the boxes with them.
        const AlignmentSheet sheet = alignmentSheetFor(c.layout, m, c.turn, {-50, 30});
        const SheetTurn other =
            sheet.turn == SheetTurn::Calendar ? SheetTurn::Book : SheetTurn::Calendar;
        const HeldSheet right = printAndHold(printer, sheet, m, sheet.turn, {});
        HeldSheet wrong = right;
        wrong.turn = other;
        for (int i = 0; i < int(sheet.cards.size()); ++i) {
            const QPoint zero = acrossScaleTick(sheet, i, 0);
            // Above the across scale: a narrow pointer when turned right, a wide box when not.
            const QRect above(zero - QPoint(150, 75), zero + QPoint(150, -6));
            EXPECT_GT(backInkWidth(right, above), 0) << name(c) << ", card " << i;
            EXPECT_LE(backInkWidth(right, above), 30) << name(c) << ", card " << i;
            EXPECT_GT(backInkWidth(wrong, above), 150) << name(c) << ", card " << i;
            // The boxes centred on the scales' zero, left of the down scale too.
            EXPECT_NEAR(backInkBounds(wrong, above).center().x(), zero.x(), 6) << name(c);
            const QPoint down = downScaleTick(sheet, i, 0);
            const QRect left(down - QPoint(75, 300), down + QPoint(-6, 300));
            EXPECT_NEAR(backInkBounds(wrong, left).center().y(), down.y(), 6) << name(c);
        }
    }
}

TEST(AlignmentPages, ThePagesKeepClearOfTheMarginsAndNumberTheScalesEvery25)
{
    RecordingPrinter printer;
    setUpFor(printer, Layout::FourOnSheet);
    const PrinterMetrics m = ReadPrinterMetrics(printer);
    const AlignmentSheet sheet = alignmentSheetFor(Layout::FourOnSheet, m, SheetTurn::Book, {});
    const QRect printable(0, 0, m.PageWidth, m.PageHeight);
    for (const auto& patches : {alignmentFrontPatches(sheet), alignmentBackPatches(sheet)})
        for (const AlignmentPatch& p : patches)
            EXPECT_TRUE(printable.contains(p.area)) << p.area.x() << "," << p.area.y();
    // A number below each long tick of the across scale, the ticks every 1/200 inch.
    printAlignmentPage(printer, alignmentFrontPatches(sheet));
    const QImage fronts = printer.paint();
    for (int v = -50; v <= 50; v += 25) {
        const QPoint t = acrossScaleTick(sheet, 0, v);
        EXPECT_FALSE(inkIn(fronts, QRect(t + QPoint(-4, 66), t + QPoint(4, 100))).isNull()) << v;
    }
    for (int v = -AlignmentScaleReach; v < AlignmentScaleReach; ++v)
        EXPECT_EQ(std::abs(acrossScaleTick(sheet, 0, v + 1).x() - acrossScaleTick(sheet, 0, v).x()),
                  3);
    // Under the numbers the across nudge's name, not the other's: the longer name, the wider.
    const auto captionWidth = [&](const QString& across, const QString& down) {
        AlignmentSheet named = sheet;
        named.acrossNudge = across;
        named.downNudge = down;
        printer.bands.clear();
        printer.drawings.clear();
        printAlignmentPage(printer, alignmentFrontPatches(named));
        const QPoint t = acrossScaleTick(sheet, 0, 0);
        return inkIn(printer.paint(), QRect(t + QPoint(-900, 101), t + QPoint(900, 200))).width();
    };
    EXPECT_GT(captionWidth(QStringLiteral("Image Adjust Across"), QStringLiteral("V")),
              captionWidth(QStringLiteral("V"), QStringLiteral("Image Adjust Across")));
}

TEST(AlignmentPages, TheQtPrinterWritesPagesThatReadTheSame)
{
    const QPoint error(-9, 15);
    const QPoint expected(3, -5);
    for (const SheetTurn turn : {SheetTurn::Book, SheetTurn::Calendar}) {
        QTemporaryDir folder;
        auto device = QtPrinterDevice::pdfFiles(folder.path());
        device->setOrientation(QPageLayout::Landscape);
        const PrinterMetrics m = ReadPrinterMetrics(*device);
        const AlignmentSheet sheet =
            alignmentSheetFor(Layout::LandscapeLandscape, m, turn, {10, 10});
        QString why;
        HeldSheet held{{}, {}, m, turn, error};
        printAlignmentPage(*device, alignmentFrontPatches(sheet));
        // The file keeps a quarter inch clear; what is held is its printable area.
        const QRect printable(m.OffsetX, m.OffsetY, m.PageWidth, m.PageHeight);
        held.fronts =
            rasterisePdf(device->lastPdfFile(), 600, Rasteriser::Poppler, &why).copy(printable);
        ASSERT_FALSE(held.fronts.isNull()) << why.toStdString();
        printAlignmentPage(*device, alignmentBackPatches(sheet));
        held.backs =
            rasterisePdf(device->lastPdfFile(), 600, Rasteriser::Poppler, &why).copy(printable);
        ASSERT_FALSE(held.backs.isNull()) << why.toStdString();
        for (int i = 0; i < int(sheet.cards.size()); ++i) {
            const Reading r = readScales(held, sheet, i);
            EXPECT_EQ(r.across, expected.x()) << "card " << i;
            EXPECT_EQ(r.down, expected.y()) << "card " << i;
        }
    }
}
