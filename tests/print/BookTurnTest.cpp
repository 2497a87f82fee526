// The promise of the program, measured: fronts printed, the sheet turned over like the page of a
// book, backs printed on it, and each back found behind its front, head to head, on every
// layout, paper, set of margins and resolution the recording printer is given.
#include "geometry/PagePlacement.h"
#include "geometry/SheetLayout.h"
#include "print/PagePrint.h"
#include "support/RecordingPrinter.h"
#include "support/TurnSimulation.h"

#include <gtest/gtest.h>

namespace
{
// Every set of margins at 300 dots per inch; at 600, where a page is four times the pixels, the
// margins that differ on every side (the geometry's own test takes every set at both).
bool measured(const TestMargins& margins, int dpi)
{
    return dpi == 300 || std::string(margins.name) == UnequalMargins.name;
}

// Every built-in layout and one of the user's own: two rows of two 5 x 3.5 inch cards on A4, with
// gaps unequal across and down and margins unequal left and top.
std::vector<Layout> layoutsMeasured()
{
    std::vector<Layout> all(std::begin(AllLayouts), std::end(AllLayouts));
    all.push_back(ownLayout({QStringLiteral("gapped"), QSizeF(127, 88.9), 2, 2, QSizeF(210, 297),
                             QSizeF(9, 4), QPointF(13, 10)}));
    return all;
}

} // namespace

TEST(BookTurn, EveryBackLandsBehindItsFrontOnTheRecordingPrinter)
{
    for (Layout layout : layoutsMeasured())
        for (const TestPaper& paper : TestPapers)
            for (const TestMargins& margins : TestMarginSets)
                for (int dpi : {300, 600}) {
                    if (!paperHoldsPage(layout, paper) || !measured(margins, dpi))
                        continue;
                    const std::string where = "layout " + std::to_string(int(layout)) + ", " +
                                              paper.name + ", " + margins.name + " margins, " +
                                              std::to_string(dpi) + " dpi";
                    const SheetLayout info = *sheetLayoutAt(layout);
                    RecordingPrinter printer;
                    useTestPaper(printer, dpi, paper, margins);
                    printer.setOrientation(info.orientation);
                    const PrinterMetrics m = ReadPrinterMetrics(printer);
                    const PagePlacement at = placePages(layout, m);

                    printPage(printer, m,
                              composeFrontPage(layout, turnTestCard(info.card, FrontCardGround)),
                              at.fronts, 1, PageMarks::None);
                    const QImage fronts = printer.paintPaper();
                    printer.bands.clear();
                    printer.drawings.clear();
                    printPage(printer, m,
                              composeBackPage(layout, turnTestCard(info.card, BackCardGround)),
                              at.backs, 1, PageMarks::Corners);
                    const QImage backs = printer.paintPaper();

                    const int cards = int(backPageTiling(layout, info.card).at.size());
                    EXPECT_EQ(turnFaults(backsBehindFronts(fronts, backs, SheetTurn::Book), cards),
                              "")
                        << where;
                }
}
