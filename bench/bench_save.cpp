// "Save Image jpg..." on the default card, beside libjpeg-turbo encoding the same 450 x 300
// pixels into memory: what the command costs over the codec's own work. Two more rows split
// the difference: the shrink to 75/200, and the atomic write of the encoded bytes (the
// temporary file is flushed to the disk before it replaces the target).
#include "app/TForm1.h"
#include "print/SheetImageSave.h"
#include "qtprinter/QtPrinterDevice.h"
#include "support/BenchMain.h"
#include "support/WindowControls.h"

#include <QImageReader>
#include <QSaveFile>
#include <QTemporaryDir>
#include <jpeglib.h>
#include <memory>

namespace
{

constexpr int JpegQuality = 100;

// The window as a user finds it after "Continue": the default back, rendered on activation.
struct Session : BenchSession {
    QTemporaryDir dir;
    BenchDialogs dialogs;
    QtPrinterDevice printer;
    std::unique_ptr<TForm1> form;

    Session()
    {
        form = std::make_unique<TForm1>(dialogs, printer);
        form->guard([this] { form->FormActivate(); });
        findControl<QPushButton>(*form, "ContinueButton")->click();
        dialogs.saveName = dir.filePath(QStringLiteral("card.jpg"));
    }
};

Session& session()
{
    return benchSession<Session>();
}

void BM_SaveImageJpgCommand(benchmark::State& state)
{
    Session& s = session();
    for (auto _ : state)
        s.form->SaveSheetImageBestItemClick(findControl<QAction>(*s.form, "SaveAsJpgItem"));
    if (!s.dialogs.shown.isEmpty())
        state.SkipWithError(qPrintable(s.dialogs.shown.join(QLatin1Char('\n'))));
    else if (QImageReader(s.dialogs.saveName).size() != QSize(450, 300))
        state.SkipWithError("the saved picture is not 450 x 300");
}
BENCHMARK(BM_SaveImageJpgCommand)->Unit(benchmark::kMillisecond);

void BM_ShrinkToJpegSize(benchmark::State& state)
{
    const QImage& back = session().form->state().BackSheetImage;
    for (auto _ : state)
        benchmark::DoNotOptimize(sheetImageCopy(back, SheetImageFormat::Jpeg));
}
BENCHMARK(BM_ShrinkToJpegSize)->Unit(benchmark::kMillisecond);

// libjpeg-turbo alone, quality 100 baseline colour, into memory.
QByteArray encodeBare(const QImage& pixels)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = JDIMENSION(pixels.width());
    cinfo.image_height = JDIMENSION(pixels.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, JpegQuality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
    free(out);
    return bytes;
}

QImage jpegPixels()
{
    return sheetImageCopy(session().form->state().BackSheetImage, SheetImageFormat::Jpeg)
        .convertToFormat(QImage::Format_RGB888);
}

// The reference: the codec's own work on the same 450 x 300 pixels.
void BM_LibjpegEncode450x300(benchmark::State& state)
{
    const QImage pixels = jpegPixels();
    qsizetype size = 0;
    for (auto _ : state)
        size = encodeBare(pixels).size();
    state.counters["bytes"] = double(size);
}
BENCHMARK(BM_LibjpegEncode450x300)->Unit(benchmark::kMillisecond);

// The other reference: the encoded bytes written the way every save writes, to a temporary
// file that is flushed to the disk and then renamed over the target.
void BM_AtomicWriteOfTheBytes(benchmark::State& state)
{
    const QByteArray bytes = encodeBare(jpegPixels());
    const QString name = session().dir.filePath(QStringLiteral("bytes.jpg"));
    for (auto _ : state) {
        QSaveFile file(name);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            state.SkipWithError("cannot write the temporary folder");
    }
}
BENCHMARK(BM_AtomicWriteOfTheBytes)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv,
                         {{"BM_SaveImageJpgCommand", "BM_LibjpegEncode450x300"},
                          {"BM_ShrinkToJpegSize", "BM_LibjpegEncode450x300"}});
}
