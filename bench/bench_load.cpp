// Loading a 4000 x 3000 photograph through LoadPictureFile, beside libjpeg-turbo alone decoding
// the same file into a buffer: what the loader's checks and its image cost over the decoder.
#include "back/PictureFile.h"
#include "gfx/JpegCodec.h"
#include "support/BenchMain.h"
#include "support/BenchPictures.h"

#include <QTemporaryDir>
#include <cstdio>
#include <jpeglib.h>
#include <memory>

namespace
{

constexpr int PhotoWidth = 4000;
constexpr int PhotoHeight = 3000;
constexpr int PhotoQuality = 90; // as cameras save

struct Photo {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("photo.jpg"));
    Photo() { writeJpegFile(photoLikePicture(PhotoWidth, PhotoHeight), path, PhotoQuality); }
};

Photo& photo()
{
    static Photo p;
    return p;
}

void BM_LoadPictureFile4000x3000(benchmark::State& state)
{
    const QString path = photo().path;
    QImage image;
    for (auto _ : state) {
        LoadPictureFile(path, image);
        benchmark::DoNotOptimize(image.constBits());
    }
    if (image.size() != QSize(PhotoWidth, PhotoHeight))
        state.SkipWithError("the picture did not load at full size");
}
BENCHMARK(BM_LoadPictureFile4000x3000)->Unit(benchmark::kMillisecond);

// The reference: libjpeg-turbo's own file source and default settings, rows into a buffer.
// `fresh`: a new buffer for every picture, as loading a picture needs (its first writes fault
// the pages in); otherwise one buffer reused, the decoder's work alone.
void libjpegDecode(benchmark::State& state, bool fresh)
{
    const QByteArray path = photo().path.toLocal8Bit();
    std::unique_ptr<JSAMPLE[]> pixels;
    for (auto _ : state) {
        FILE* file = std::fopen(path.constData(), "rb");
        jpeg_decompress_struct cinfo{};
        jpeg_error_mgr jerr{};
        cinfo.err = jpeg_std_error(&jerr);
        jpeg_create_decompress(&cinfo);
        jpeg_stdio_src(&cinfo, file);
        jpeg_read_header(&cinfo, TRUE);
        jpeg_start_decompress(&cinfo);
        const std::size_t stride = std::size_t(cinfo.output_width) * 3;
        if (fresh || !pixels)
            pixels.reset(new JSAMPLE[stride * cinfo.output_height]);
        while (cinfo.output_scanline < cinfo.output_height) {
            JSAMPROW row = pixels.get() + stride * cinfo.output_scanline;
            jpeg_read_scanlines(&cinfo, &row, 1);
        }
        jpeg_finish_decompress(&cinfo);
        jpeg_destroy_decompress(&cinfo);
        std::fclose(file);
        benchmark::DoNotOptimize(pixels.get());
    }
}

void BM_LibjpegDecodeFreshBuffer(benchmark::State& state)
{
    libjpegDecode(state, true);
}
BENCHMARK(BM_LibjpegDecodeFreshBuffer)->Unit(benchmark::kMillisecond);

void BM_LibjpegDecodeReusedBuffer(benchmark::State& state)
{
    libjpegDecode(state, false);
}
BENCHMARK(BM_LibjpegDecodeReusedBuffer)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv,
                         {{"BM_LoadPictureFile4000x3000",
                           "BM_LibjpegDecodeFreshBuffer, BM_LibjpegDecodeReusedBuffer"}});
}
