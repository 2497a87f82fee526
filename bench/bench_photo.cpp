// The photo formats beyond JPEG and their colours:
// - a 12-megapixel HEIC photo (4000 x 3000, HEVC) opened as a front (a draw box of twice the
//   card), beside libheif's own decode of the same file into RGB; the peak resident memory is
//   reported as a counter;
// - a 12-megapixel Display P3 picture converted to sRGB by Little CMS, beside a plain copy of
//   its pixels.
#include "back/PictureFile.h"
#include "gfx/ColourProfile.h"
#include "support/BenchMain.h"
#include "support/PhotoFiles.h"
#include "support/PictureFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <libheif/heif.h>
#include <sys/resource.h>

namespace
{

constexpr int Width = 4000;
constexpr int Height = 3000;
const QSize FrontBox(2400, 1600);

// Shading, edges and fine noise, as a photograph has.
QImage photo()
{
    QImage image(Width, Height, QImage::Format_RGB32);
    quint32 noise = 12345;
    for (int y = 0; y < Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < Width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int n = int(noise >> 28) - 8;
            const double shade = 0.5 + 0.5 * std::sin(x / 397.0) * std::cos(y / 531.0);
            const bool edge = ((x / 500) + (y / 360)) % 2 == 0;
            line[x] = qRgb(qBound(0, int(200 * shade) + (edge ? 40 : 0) + n, 255),
                           qBound(0, int(160 * (1 - shade)) + 50 + n, 255),
                           qBound(0, (x + y) % 256 / 2 + (edge ? 0 : 60) + n, 255));
        }
    }
    return image;
}

struct Files {
    QTemporaryDir dir;
    QString heic = dir.filePath(QStringLiteral("photo.heic"));
    QImage pixels = photo();
    Files()
    {
        QFile f(heic);
        f.open(QIODevice::WriteOnly);
        f.write(makeHeif(pixels, HeifCodecKind::Hevc, displayP3Profile()));
    }
};

Files& files()
{
    static Files f;
    return f;
}

double residentMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void BM_OpenHeic12MpFront(benchmark::State& state)
{
    const QString path = files().heic;
    const double before = residentMb();
    Picture picture;
    for (auto _ : state) {
        picture = readPicture(PictureRequest(path, FrontBox));
        benchmark::DoNotOptimize(picture.image.constBits());
    }
    if (picture.trueSize != QSize(Width, Height))
        state.SkipWithError("the picture did not keep its true size");
    state.counters["peak_rss_mb"] = residentMb();
    state.counters["rss_over_start_mb"] = residentMb() - before;
}
BENCHMARK(BM_OpenHeic12MpFront)->Unit(benchmark::kMillisecond)->Iterations(5);

// libheif alone: the file's primary image decoded to interleaved RGB.
void BM_LibheifDecode12Mp(benchmark::State& state)
{
    const QByteArray name = QFile::encodeName(files().heic);
    for (auto _ : state) {
        heif_context* context = heif_context_alloc();
        heif_context_read_from_file(context, name.constData(), nullptr);
        heif_image_handle* handle = nullptr;
        heif_context_get_primary_image_handle(context, &handle);
        heif_image* image = nullptr;
        heif_decode_image(handle, &image, heif_colorspace_RGB, heif_chroma_interleaved_RGB,
                          nullptr);
        benchmark::DoNotOptimize(image);
        heif_image_release(image);
        heif_image_handle_release(handle);
        heif_context_free(context);
    }
}
BENCHMARK(BM_LibheifDecode12Mp)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_IccToSrgb12Mp(benchmark::State& state)
{
    const QByteArray p3 = displayP3Profile();
    for (auto _ : state) {
        state.PauseTiming();
        QImage image = files().pixels.copy();
        state.ResumeTiming();
        convertToSrgb(image, p3);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_IccToSrgb12Mp)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_CopyPixels12Mp(benchmark::State& state)
{
    for (auto _ : state) {
        QImage image = files().pixels.copy();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_CopyPixels12Mp)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv,
                         {{"BM_OpenHeic12MpFront", "BM_LibheifDecode12Mp"},
                          {"BM_IccToSrgb12Mp", "BM_CopyPixels12Mp"}});
}
