// The card back renderer: one full render (the card and its half-size preview) of the default
// card and of "4 on Sheet", each beside the floor any render pays on the same bitmap: filling
// it white and stretching it to half size.
#include "back/CardBack.h"
#include "support/BenchMain.h"
#include "support/SampleCard.h"

#include <QPainter>

namespace
{

constexpr int Repetitions = 15;

// The card as the window shows it after "Continue", on letter paper at 600 dots per inch with
// quarter-inch margins.
CardBackInput defaultCard()
{
    CardBackInput in = defaultCardBack();
    in.metrics.PageWidth = 4800;
    in.metrics.PageHeight = 6300;
    in.metrics.DpiX = in.metrics.DpiY = 600;
    in.metrics.PhysicalWidth = 5100;
    in.metrics.PhysicalHeight = 6600;
    in.metrics.OffsetX = in.metrics.OffsetY = 150;
    in.metrics.RightMargin = in.metrics.BottomMargin = 150;
    return in;
}

CardBackInput fourOnSheet()
{
    CardBackInput in = defaultCard();
    in.layout = Layout::FourOnSheet;
    in.sheetWidth = 1100;
    in.sheetHeight = 850;
    return in;
}

void renderBench(benchmark::State& state, const CardBackInput& in)
{
    QImage sheet(in.sheetWidth, in.sheetHeight, QImage::Format_RGB32);
    QImage preview(600, 400, QImage::Format_RGB32);
    for (auto _ : state) {
        renderCardBack(sheet, in);
        drawBackPreview(preview, sheet);
        benchmark::DoNotOptimize(preview.constBits());
    }
}

// Fill white and a smooth stretch to half size, the same way the preview is made.
void referenceBench(benchmark::State& state, QSize size)
{
    QImage sheet(size, QImage::Format_RGB32);
    QImage preview(600, 400, QImage::Format_RGB32);
    for (auto _ : state) {
        sheet.fill(Qt::white);
        const QImage half = sheet.scaled(size / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QPainter(&preview).drawImage(QPoint(0, 0), half);
        benchmark::DoNotOptimize(preview.constBits());
    }
}

void BM_RenderDefaultCard(benchmark::State& state)
{
    renderBench(state, defaultCard());
}
void BM_Reference1200x800(benchmark::State& state)
{
    referenceBench(state, QSize(1200, 800));
}
void BM_RenderFourOnSheet(benchmark::State& state)
{
    renderBench(state, fourOnSheet());
}
void BM_Reference1100x850(benchmark::State& state)
{
    referenceBench(state, QSize(1100, 850));
}

BENCHMARK(BM_RenderDefaultCard)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Reference1200x800)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_RenderFourOnSheet)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Reference1100x850)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv,
                         {{"BM_RenderDefaultCard", "BM_Reference1200x800"},
                          {"BM_RenderFourOnSheet", "BM_Reference1100x850"}});
}
