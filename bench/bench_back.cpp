// The card back renderer: one full render (the card and its half-size preview) of the default
// card and of "4 on Sheet", each beside the floor any render pays on the same bitmap: filling
// it white and stretching it to half size.
#include "back/CardBack.h"
#include "gfx/SheetText.h"

#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>

namespace
{

constexpr int Repetitions = 15;

// The card as the window shows it after "Continue", with the default texts and options.
CardBackInput defaultCard()
{
    CardBackInput in;
    AreaStyleArray table;
    LoadDefaultAreaStyles(table);
    std::copy_n(table.begin(), AreaCount, in.styles.begin());
    in.titleLines = {QStringLiteral("TITLE TEXT")};
    in.descLines = {QStringLiteral("Descriptive Text")};
    in.lowerLeftLines = {QStringLiteral("Lower Left Text")};
    in.createdByLines = {QStringLiteral("CreatedBy Text (Vertical Text)")};
    in.stampLines = {QStringLiteral("PLACE"), QString(), QStringLiteral("STAMP"), QString(),
                     QStringLiteral("HERE")};
    in.postalBarCodeText = QStringLiteral("PLEASE DO NOT WRITE BELOW THIS LINE");
    in.postCardText = QStringLiteral("PostCard");
    // Letter paper at 600 dots per inch with quarter-inch margins.
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
    in.layoutIndex = 3;
    in.sheetWidth = 1100;
    in.sheetHeight = 850;
    return in;
}

void renderBench(benchmark::State& state, const CardBackInput& in)
{
    QImage sheet(in.sheetWidth, in.sheetHeight, QImage::Format_RGB32);
    QImage preview(600, 400, QImage::Format_RGB32);
    for (auto _ : state) {
        RenderCardBack(sheet, in);
        DrawBackPreview(preview, sheet);
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

// Prints the usual table, then each render's median over its reference's median.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians_[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const auto ratio = [this](const char* render, const char* reference) {
            const auto x = medians_.find(render), y = medians_.find(reference);
            if (x != medians_.end() && y != medians_.end() && y->second > 0)
                std::printf("%-22s median %6.3f ms, %-22s median %6.3f ms: %5.2f x\n", render,
                            x->second, reference, y->second, x->second / y->second);
        };
        ratio("BM_RenderDefaultCard", "BM_Reference1200x800");
        ratio("BM_RenderFourOnSheet", "BM_Reference1100x850");
    }

private:
    std::map<std::string, double> medians_;
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    QApplication app(argc, argv);
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    // For scripts/bench.sh's table.
    benchmark::AddCustomContext("reference of BM_RenderDefaultCard", "BM_Reference1200x800");
    benchmark::AddCustomContext("reference of BM_RenderFourOnSheet", "BM_Reference1100x850");
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
