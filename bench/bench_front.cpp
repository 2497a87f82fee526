// The card front: a refresh of the "PostCard Front" page with a 4000 x 3000 photo on both card
// sizes, beside a plain copy of the card's pixels; and TransposePicture on the photo, beside a
// plain copy of the same bytes. Medians of repeated runs, and their ratios.
#include "app/TForm1.h"
#include "front/FrontComposer.h"
#include "gfx/SheetText.h"
#include "print/QtPrinterDevice.h"

#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>

namespace
{

constexpr int PhotoWidth = 4000;
constexpr int PhotoHeight = 3000;
constexpr int LandscapeLandscape = 1;
constexpr int FourOnSheet = 3;
constexpr int Repetitions = 9;
constexpr double MillisecondsPerSecond = 1000.0;

// No dialog is opened while measuring; anything reported is kept to fail the run.
class SilentDialogs : public Dialogs
{
public:
    QStringList shown;

    std::optional<QString> openPicture(const FileDialogSettings&) override { return {}; }
    std::optional<QString> savePicture(const FileDialogSettings&) override { return {}; }
    std::optional<QFont> chooseFont(const QFont&, bool) override { return {}; }
    std::optional<QColor> chooseColor(const QColor&) override { return {}; }
    bool printerSetup(PrinterDevice&) override { return false; }
    void message(const QString& text) override { shown << text; }
    bool question(const QString&, const QString&) override { return true; }
    void error(const QString& text) override { shown << text; }
};

// A photo-sized picture in the given format, with detail in every row and column; made once
// for each format.
const QImage& photo(QImage::Format format)
{
    static std::map<QImage::Format, QImage> made;
    QImage& picture = made[format];
    if (!picture.isNull())
        return picture;
    QImage image(PhotoWidth, PhotoHeight, QImage::Format_RGB32);
    for (int y = 0; y < PhotoHeight; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < PhotoWidth; ++x)
            row[x] = qRgb(x * 255 / PhotoWidth, y * 255 / PhotoHeight, (x ^ y) & 0xFF);
    }
    picture = image.convertToFormat(format);
    return picture;
}

// The front page as a user has it: a photo chosen and two lines of text.
struct Session {
    SilentDialogs dialogs;
    QtPrinterDevice printer;
    std::unique_ptr<TForm1> form;

    Session()
    {
        form = std::make_unique<TForm1>(dialogs, printer);
        form->guard([this] { form->FormActivate(); });
        form->FrontPicture = photo(QImage::Format_RGB888);
        form->FrontPictureFile = QStringLiteral("photo.jpg");
        form->ui.FrontMemo->setPlainText(QStringLiteral("Greetings from\nthe seaside"));
    }
};

std::unique_ptr<Session> current;

Session& session()
{
    if (!current)
        current = std::make_unique<Session>();
    return *current;
}

void BM_FrontImageRefresh(benchmark::State& state)
{
    Session& s = session();
    s.form->ui.TypeOfDeckRadioGroup->setItemIndex(int(state.range(0)));
    for (auto _ : state)
        s.form->guard([&] { s.form->FrontImageRefresh(s.form.get()); });
    const FrontCard card = FrontCardForLayout(int(state.range(0)), s.form->Metrics);
    if (!s.dialogs.shown.isEmpty())
        state.SkipWithError(qPrintable(s.dialogs.shown.join(QLatin1Char('\n'))));
    else if (s.form->FrontSheetImage.size() != QSize(card.width, card.height))
        state.SkipWithError("the front is not the card's size");
}
BENCHMARK(BM_FrontImageRefresh)
    ->Arg(LandscapeLandscape)
    ->Arg(FourOnSheet)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true);

// The reference: one plain copy of the card's pixels, which every refresh makes at the least.
void BM_CopyCardPixels(benchmark::State& state)
{
    const FrontCard card = FrontCardForLayout(int(state.range(0)), session().form->Metrics);
    QImage sheet(card.width, card.height, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    for (auto _ : state)
        benchmark::DoNotOptimize(sheet.copy());
}
BENCHMARK(BM_CopyCardPixels)
    ->Arg(LandscapeLandscape)
    ->Arg(FourOnSheet)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true);

void BM_TransposePicture(benchmark::State& state)
{
    const QImage& picture = photo(QImage::Format(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(TransposePicture(picture));
    state.SetBytesProcessed(state.iterations() * picture.sizeInBytes());
}

// The reference: a new picture holding the same bytes in the same order.
void BM_CopyPicture(benchmark::State& state)
{
    const QImage& picture = photo(QImage::Format(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(picture.copy());
    state.SetBytesProcessed(state.iterations() * picture.sizeInBytes());
}

// What scanlines save: the same transposition a pixel at a time through the drawing layer,
// reading each pixel and drawing it as a point.
void BM_TransposePixelByPixel(benchmark::State& state)
{
    const QImage& picture = photo(QImage::Format(state.range(0)));
    for (auto _ : state) {
        QImage turned(picture.height(), picture.width(), picture.format());
        QPainter p(&turned);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                p.setPen(QColor(picture.pixel(x, y)));
                p.drawPoint(y, x);
            }
        p.end();
        benchmark::DoNotOptimize(turned);
    }
}

BENCHMARK(BM_TransposePicture)
    ->Arg(QImage::Format_RGB888)
    ->Arg(QImage::Format_RGB32)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_CopyPicture)
    ->Arg(QImage::Format_RGB888)
    ->Arg(QImage::Format_RGB32)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true);

BENCHMARK(BM_TransposePixelByPixel)
    ->Arg(QImage::Format_RGB888)
    ->Iterations(1)
    ->Repetitions(1) // it takes seconds: never repeated, whatever the command line asks
    ->Unit(benchmark::kSecond);

// Prints the usual table, then each hot path's median over its reference's.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            // Repeated runs report their median; the one slow single run reports itself.
            if (!run.error_occurred &&
                (run.run_type == Run::RT_Iteration || run.aggregate_name == "median"))
                medians_[withoutRepeats(run.run_name.str())] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) *
                    MillisecondsPerSecond;
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const auto ratio = [this](const std::string& a, const std::string& b, const char* what) {
            const auto x = medians_.find(a), y = medians_.find(b);
            if (x != medians_.end() && y != medians_.end() && y->second > 0)
                std::printf("%-32s %10.2f ms, %6.2f x %s\n", a.c_str(), x->second,
                            x->second / y->second, what);
        };
        for (const int layout : {LandscapeLandscape, FourOnSheet}) {
            const std::string arg = "/" + std::to_string(layout);
            ratio("BM_FrontImageRefresh" + arg, "BM_CopyCardPixels" + arg,
                  "a plain copy of the card");
        }
        for (const int format : {int(QImage::Format_RGB888), int(QImage::Format_RGB32)}) {
            const std::string arg = "/" + std::to_string(format);
            ratio("BM_TransposePicture" + arg, "BM_CopyPicture" + arg, "a plain copy");
        }
        const std::string rgb888 = "/" + std::to_string(int(QImage::Format_RGB888));
        ratio("BM_TransposePixelByPixel" + rgb888, "BM_TransposePicture" + rgb888, "by scanlines");
    }

private:
    // "BM_X/1/repeats:15" -> "BM_X/1"
    static std::string withoutRepeats(const std::string& name)
    {
        return name.substr(0, std::min(name.find("/iterations:"), name.find("/repeats:")));
    }

    std::map<std::string, double> medians_;
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir cache; // the window's work folder goes here, not into the user's cache
    qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    QApplication app(argc, argv);
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    // For scripts/bench.sh's table.
    for (const int layout : {LandscapeLandscape, FourOnSheet})
        benchmark::AddCustomContext("reference of BM_FrontImageRefresh/" + std::to_string(layout),
                                    "BM_CopyCardPixels/" + std::to_string(layout));
    for (const int format : {int(QImage::Format_RGB888), int(QImage::Format_RGB32)})
        benchmark::AddCustomContext("reference of BM_TransposePicture/" + std::to_string(format),
                                    "BM_CopyPicture/" + std::to_string(format));
    benchmark::AddCustomContext(
        "reference of BM_TransposePixelByPixel/" + std::to_string(int(QImage::Format_RGB888)),
        "BM_TransposePicture/" + std::to_string(int(QImage::Format_RGB888)));
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    current.reset(); // the window goes before the application object
    return 0;
}
