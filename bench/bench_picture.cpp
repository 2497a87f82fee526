// Big photographs and hostile files through the picture reader:
// - a 200-megapixel JPEG (16320 x 12240) opened for the front (a draw box of twice the card),
//   beside libjpeg-turbo's own scaled decoding of the same file into a buffer; the peak
//   resident memory of the open is reported as a counter;
// - a valid progressive JPEG of 883 scans over 30000 x 3333 grey pixels (351 KB), refused by
//   the work bound, beside the same libjpeg-turbo decoding stopped at the same work, so the
//   ratio shows what the bound's counting costs and the time shows how soon a file is refused;
// - the open of the 200-megapixel JPEG cancelled: how long the read goes on after the cancel.
#include "back/PictureFile.h"
#include "support/BenchMain.h"
#include "support/PictureFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <sys/resource.h>
#include <thread>
#include <vector>

namespace
{

constexpr int BigWidth = 16320;
constexpr int BigHeight = 12240;
constexpr int BigQuality = 90;
// What the front asks for: twice the 1200 x 800 card.
const QSize FrontBox(2400, 1600);
// libjpeg-turbo's reduction for that box: 1/4 gives 4080 x 3060, the least not below it.
constexpr int FrontEighths = 2;

// One row of a photograph-like picture: shading, edges, fine noise.
void photoRow(int y, std::vector<JSAMPLE>& row, quint32& noise)
{
    for (int x = 0; x < BigWidth; ++x) {
        noise = noise * 1664525u + 1013904223u;
        const int n = int(noise >> 28) - 8;
        const double shade = 0.5 + 0.5 * std::sin(x / 397.0) * std::cos(y / 531.0);
        const bool edge = ((x / 1000) + (y / 720)) % 2 == 0;
        row[3 * x] = JSAMPLE(qBound(0, int(200 * shade) + (edge ? 40 : 0) + n, 255));
        row[3 * x + 1] = JSAMPLE(qBound(0, int(160 * (1 - shade)) + 50 + n, 255));
        row[3 * x + 2] = JSAMPLE(qBound(0, (x + y) % 256 / 2 + (edge ? 0 : 60) + n, 255));
    }
}

// Written row by row, so that making it takes no more memory than the reader may.
void writeBigPhoto(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    FILE* file = std::fopen(name.constData(), "wb");
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = BigWidth;
    cinfo.image_height = BigHeight;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, BigQuality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(std::size_t(BigWidth) * 3);
    quint32 noise = 12345;
    for (int y = 0; y < BigHeight; ++y) {
        photoRow(y, row, noise);
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(file);
}

struct Files {
    QTemporaryDir dir;
    QString big = dir.filePath(QStringLiteral("big.jpg"));
    QString scans = dir.filePath(QStringLiteral("scans.jpg"));
    Files()
    {
        writeBigPhoto(big);
        QFile f(scans);
        f.open(QIODevice::WriteOnly);
        f.write(makeScanHeavyJpeg(30000, 3333, 883));
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
    return double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

void BM_Open200MpFront(benchmark::State& state)
{
    const QString path = files().big;
    const double before = residentMb();
    Picture picture;
    for (auto _ : state) {
        picture = readPicture(PictureRequest(path, FrontBox));
        benchmark::DoNotOptimize(picture.image.constBits());
    }
    if (picture.trueSize != QSize(BigWidth, BigHeight))
        state.SkipWithError("the picture did not keep its true size");
    state.counters["peak_rss_mb"] = residentMb();
    state.counters["rss_over_start_mb"] = residentMb() - before;
    state.counters["decoded_mpx"] = picture.image.width() * double(picture.image.height()) / 1e6;
}
BENCHMARK(BM_Open200MpFront)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same open cancelled a fifth of a second in: what it reports is the time from the cancel
// to the read's end, which a person waits for (Exit waits half a second at most).
void BM_Open200MpCancelled(benchmark::State& state)
{
    const QString path = files().big;
    double afterCancelMs = 0;
    bool cancelled = true;
    for (auto _ : state) {
        PictureProgress progress;
        std::thread reader([&] {
            try {
                readPicture(PictureRequest(path, FrontBox, &progress));
                cancelled = false;
            } catch (const AppError&) {
            }
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const auto start = std::chrono::steady_clock::now();
        progress.cancel = true;
        reader.join();
        afterCancelMs = std::max(afterCancelMs, std::chrono::duration<double, std::milli>(
                                                    std::chrono::steady_clock::now() - start)
                                                    .count());
    }
    if (!cancelled)
        state.SkipWithError("the open ended with the picture, not cancelled");
    state.counters["ms_after_cancel"] = afterCancelMs;
}
BENCHMARK(BM_Open200MpCancelled)->Unit(benchmark::kMillisecond)->Iterations(3);

struct JumpingErrors {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

// libjpeg-turbo alone: the same reduction, rows into a fresh buffer; with `workLimit`, stopped
// once its progress monitor has seen that many blocks of scans, as the reader counts them.
void libjpegScaled(benchmark::State& state, const QString& path, int eighths, qint64 workLimit)
{
    const QByteArray name = QFile::encodeName(path);
    for (auto _ : state) {
        FILE* file = std::fopen(name.constData(), "rb");
        jpeg_decompress_struct cinfo{};
        JumpingErrors jerr{};
        cinfo.err = jpeg_std_error(&jerr.pub);
        jerr.pub.error_exit = [](j_common_ptr c) {
            std::longjmp(reinterpret_cast<JumpingErrors*>(c->err)->jump, 1);
        };
        struct Counter {
            jpeg_progress_mgr pub;
            qint64 work;
            qint64 limit;
        } progress{};
        progress.limit = workLimit;
        progress.pub.progress_monitor = [](j_common_ptr c) {
            auto* d = reinterpret_cast<j_decompress_ptr>(c);
            auto* p = reinterpret_cast<Counter*>(c->progress);
            for (int i = 0; i < d->comps_in_scan; ++i)
                p->work += qint64(d->cur_comp_info[i]->width_in_blocks) *
                           d->cur_comp_info[i]->v_samp_factor;
            if (p->limit > 0 && p->work > p->limit)
                std::longjmp(reinterpret_cast<JumpingErrors*>(c->err)->jump, 1);
        };
        jpeg_create_decompress(&cinfo);
        std::vector<JSAMPLE> pixels;
        if (!setjmp(jerr.jump)) {
            jpeg_stdio_src(&cinfo, file);
            jpeg_read_header(&cinfo, TRUE);
            if (workLimit > 0)
                cinfo.progress = &progress.pub;
            cinfo.scale_num = unsigned(eighths);
            cinfo.scale_denom = 8;
            jpeg_start_decompress(&cinfo);
            const std::size_t stride = std::size_t(cinfo.output_width) * cinfo.output_components;
            pixels.resize(stride * cinfo.output_height);
            while (cinfo.output_scanline < cinfo.output_height) {
                JSAMPROW row = pixels.data() + stride * cinfo.output_scanline;
                jpeg_read_scanlines(&cinfo, &row, 1);
            }
            jpeg_finish_decompress(&cinfo);
        }
        jpeg_destroy_decompress(&cinfo);
        std::fclose(file);
        benchmark::DoNotOptimize(pixels.data());
    }
}

void BM_Libjpeg200MpScaled(benchmark::State& state)
{
    libjpegScaled(state, files().big, FrontEighths, 0);
}
BENCHMARK(BM_Libjpeg200MpScaled)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ScanHeavyRefused(benchmark::State& state)
{
    const QString path = files().scans;
    PictureProgress progress;
    bool refused = true;
    for (auto _ : state) {
        try {
            readPicture(PictureRequest(path, FrontBox, &progress));
            refused = false;
        } catch (const AppError&) {
        }
    }
    if (!refused)
        state.SkipWithError("the scan-heavy file was not refused");
    state.counters["work_blocks"] = double(progress.work.load());
}
BENCHMARK(BM_ScanHeavyRefused)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_LibjpegScanHeavyToTheBound(benchmark::State& state)
{
    libjpegScaled(state, files().scans, FrontEighths, MaxPictureWork);
}
BENCHMARK(BM_LibjpegScanHeavyToTheBound)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv,
                         {{"BM_Open200MpFront", "BM_Libjpeg200MpScaled"},
                          {"BM_ScanHeavyRefused", "BM_LibjpegScanHeavyToTheBound"}});
}
