// The card front: a refresh of the "PostCard Front" page with a 4000 x 3000 photo (read from a
// JPEG file as the front reads it, reduced to what the front can need, and smoothed onto the
// card) on both card sizes, beside a plain copy of the card's pixels; and a quarter turn of the
// photo, beside a plain copy of the same bytes. Medians of repeated runs, and their ratios.
#include "app/TForm1.h"
#include "back/PictureFile.h"
#include "front/FrontComposer.h"
#include "geometry/SheetLayout.h"
#include "gfx/JpegCodec.h"
#include "gfx/QuarterTurn.h"
#include "qtprinter/QtPrinterDevice.h"
#include "support/BenchMain.h"
#include "support/WindowControls.h"

#include <QPainter>
#include <QTemporaryDir>
#include <map>
#include <memory>

namespace
{

constexpr int PhotoWidth = 4000;
constexpr int PhotoHeight = 3000;
constexpr int Repetitions = 9;

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
struct Session : BenchSession {
    BenchDialogs dialogs;
    QtPrinterDevice printer;
    std::unique_ptr<TForm1> form;

    QTemporaryDir folder;

    Session()
    {
        form = std::make_unique<TForm1>(dialogs, printer);
        form->guard([this] { form->FormActivate(); });
        const QString file = folder.filePath(QStringLiteral("photo.jpg"));
        writeJpegFile(photo(QImage::Format_RGB888), file, 90);
        dialogs.pictures = {file};
        findControl<QAction>(*form, "OpenPopup")->trigger();
        findControl<QTextEdit>(*form, "FrontMemo")
            ->setPlainText(QStringLiteral("Greetings from\nthe seaside"));
    }
};

Session& session()
{
    return benchSession<Session>();
}

void BM_FrontImageRefresh(benchmark::State& state)
{
    Session& s = session();
    findControl<RadioGroup>(*s.form, "TypeOfDeckRadioGroup")->setChoice(Layout(state.range(0)));
    for (auto _ : state)
        s.form->guard([&] { s.form->FrontImageRefresh(s.form.get()); });
    const FrontCard card = frontCardForLayout(Layout(state.range(0)), s.form->state().Metrics);
    if (!s.dialogs.shown.isEmpty())
        state.SkipWithError(qPrintable(s.dialogs.shown.join(QLatin1Char('\n'))));
    else if (s.form->state().FrontSheetImage.size() != QSize(card.width, card.height))
        state.SkipWithError("the front is not the card's size");
}
BENCHMARK(BM_FrontImageRefresh)
    ->Arg(int(Layout::LandscapeLandscape))
    ->Arg(int(Layout::FourOnSheet))
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true);

// The reference: one plain copy of the card's pixels, which every refresh makes at the least.
void BM_CopyCardPixels(benchmark::State& state)
{
    const FrontCard card =
        frontCardForLayout(Layout(state.range(0)), session().form->state().Metrics);
    QImage sheet(card.width, card.height, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    for (auto _ : state)
        benchmark::DoNotOptimize(sheet.copy());
}
BENCHMARK(BM_CopyCardPixels)
    ->Arg(int(Layout::LandscapeLandscape))
    ->Arg(int(Layout::FourOnSheet))
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true);

void BM_TurnPicture(benchmark::State& state)
{
    const QImage& picture = photo(QImage::Format(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(turnedQuarter(picture, QuarterTurn::CounterClockwise));
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

// What scanlines save: the same turn a pixel at a time through the drawing layer,
// reading each pixel and drawing it as a point.
void BM_TurnPixelByPixel(benchmark::State& state)
{
    const QImage& picture = photo(QImage::Format(state.range(0)));
    for (auto _ : state) {
        QImage turned(picture.height(), picture.width(), picture.format());
        QPainter p(&turned);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                p.setPen(QColor(picture.pixel(x, y)));
                p.drawPoint(y, picture.width() - 1 - x);
            }
        p.end();
        benchmark::DoNotOptimize(turned);
    }
}

BENCHMARK(BM_TurnPicture)
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

BENCHMARK(BM_TurnPixelByPixel)
    ->Arg(QImage::Format_RGB888)
    ->Iterations(1)
    ->Repetitions(1) // it takes seconds: never repeated, whatever the command line asks
    ->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv)
{
    const std::string rgb888 = "/" + std::to_string(int(QImage::Format_RGB888));
    const std::string rgb32 = "/" + std::to_string(int(QImage::Format_RGB32));
    const std::string landscape = "/" + std::to_string(int(Layout::LandscapeLandscape));
    const std::string fourOnSheet = "/" + std::to_string(int(Layout::FourOnSheet));
    return runBenchmarks(argc, argv,
                         {{"BM_FrontImageRefresh" + landscape, "BM_CopyCardPixels" + landscape},
                          {"BM_FrontImageRefresh" + fourOnSheet, "BM_CopyCardPixels" + fourOnSheet},
                          {"BM_TurnPicture" + rgb888, "BM_CopyPicture" + rgb888},
                          {"BM_TurnPicture" + rgb32, "BM_CopyPicture" + rgb32},
                          {"BM_TurnPixelByPixel" + rgb888, "BM_TurnPicture" + rgb888}});
}
