// "Save Image jpg..." on the default card, beside libjpeg-turbo encoding the same 450 x 300
// pixels into memory: what the command costs over the codec's own work. Two more rows split
// the difference: the shrink to 75/200, and the atomic write of the encoded bytes (the
// temporary file is flushed to the disk before it replaces the target).
#include "app/TForm1.h"
#include "gfx/SheetText.h"
#include "print/QtPrinterDevice.h"
#include "print/SheetImageSave.h"

#include <QApplication>
#include <QImageReader>
#include <QSaveFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <jpeglib.h>
#include <map>
#include <memory>

namespace
{

constexpr int JpegQuality = 100;

// Answers the save dialog with one file name and stays silent otherwise.
class BenchDialogs : public Dialogs
{
public:
    QString saveName;
    QStringList shown;

    std::optional<QString> openPicture(const FileDialogSettings&) override { return {}; }
    std::optional<QString> savePicture(const FileDialogSettings&) override { return saveName; }
    std::optional<QFont> chooseFont(const QFont&, bool) override { return {}; }
    std::optional<QColor> chooseColor(const QColor&) override { return {}; }
    bool printerSetup(PrinterDevice&) override { return false; }
    void message(const QString& text) override { shown << text; }
    bool question(const QString&, const QString&) override { return true; }
    void error(const QString& text) override { shown << text; }
};

// The window as a user finds it after "Continue": the default back, rendered on activation.
struct Session {
    QTemporaryDir dir;
    BenchDialogs dialogs;
    QtPrinterDevice printer;
    std::unique_ptr<TForm1> form;

    Session()
    {
        form = std::make_unique<TForm1>(dialogs, printer);
        form->guard([this] { form->FormActivate(); });
        form->ui.ContinueButton->click();
        dialogs.saveName = dir.filePath(QStringLiteral("card.jpg"));
    }
};

std::unique_ptr<Session> current;

Session& session()
{
    if (!current)
        current = std::make_unique<Session>();
    return *current;
}

void BM_SaveImageJpgCommand(benchmark::State& state)
{
    Session& s = session();
    for (auto _ : state)
        s.form->SaveSheetImageBestItemClick(s.form->ui.SaveAsJpgItem);
    if (!s.dialogs.shown.isEmpty())
        state.SkipWithError(qPrintable(s.dialogs.shown.join(QLatin1Char('\n'))));
    else if (QImageReader(s.dialogs.saveName).size() != QSize(450, 300))
        state.SkipWithError("the saved picture is not 450 x 300");
}
BENCHMARK(BM_SaveImageJpgCommand)->Unit(benchmark::kMillisecond);

void BM_ShrinkToJpegSize(benchmark::State& state)
{
    const QImage& back = session().form->BackSheetImage;
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
    return sheetImageCopy(session().form->BackSheetImage, SheetImageFormat::Jpeg)
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

// Prints the usual table, then the command's time over the bare encode.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        // Single runs, or the median of repeated ones.
        for (const Run& run : runs)
            if (!run.error_occurred &&
                (run.run_type == Run::RT_Iteration || run.aggregate_name == "median"))
                times_[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const auto ratio = [this](const char* a, const char* b) {
            const auto x = times_.find(a), y = times_.find(b);
            if (x != times_.end() && y != times_.end() && y->second > 0)
                std::printf("%-40s %6.2f x the bare encode\n", a, x->second / y->second);
        };
        ratio("BM_SaveImageJpgCommand", "BM_LibjpegEncode450x300");
        ratio("BM_ShrinkToJpegSize", "BM_LibjpegEncode450x300");
        ratio("BM_AtomicWriteOfTheBytes", "BM_LibjpegEncode450x300");
    }

private:
    std::map<std::string, double> times_;
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
    benchmark::AddCustomContext("reference of BM_SaveImageJpgCommand", "BM_LibjpegEncode450x300");
    benchmark::AddCustomContext("reference of BM_ShrinkToJpegSize", "BM_LibjpegEncode450x300");
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    current.reset(); // the window goes before the application object
    return 0;
}
