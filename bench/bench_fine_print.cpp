// A page of "4 on Sheet" printed to a PDF file at 600 dpi, Fine beside As shown in the same run,
// and the print preview of the Fine page. Rows:
//   BM_FineFrontsToPdf     the page of fronts with a 12 MP photo, drawn at the printer's
//                          resolution: the print command from preparePrint to the PDF written
//   BM_AsShownFrontsToPdf  the same page as shown, stretched from 200 dpi in bands: the reference
//   BM_FineBacksToPdf      the page of backs, text as text
//   BM_AsShownBacksToPdf   its reference
//   BM_PreviewFineFronts   one sheet of the Fine fronts and backs made for the preview, at a
//                          screen's 96 dpi; measured against printing the fronts Fine
// The "pdf_bytes" counter is the size of the PDF file each print wrote.
#include "document/PrintPreview.h"
#include "gfx/AppError.h"
#include "qtprinter/QtPrinterDevice.h"
#include "support/BenchMain.h"
#include "support/BenchPictures.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>

namespace
{

constexpr int PhotoWidth = 4000, PhotoHeight = 3000; // 12 megapixels

struct Session : BenchSession {
    QTemporaryDir dir;
    QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    std::unique_ptr<QtPrinterDevice> printer = QtPrinterDevice::pdfFile(pdf);
    CardDocument card = defaultCardDocument();

    Session()
    {
        card.layout = Layout::FourOnSheet;
        CardPicture photo;
        photo.image = photoLikePicture(PhotoWidth, PhotoHeight);
        photo.size = photo.image.size();
        photo.fileName = QStringLiteral("photo.jpg");
        card.front = SharedPicture(photo);
        applyLayoutToPrinter(*printer, card.layout);
    }
};

Session& session()
{
    return benchSession<Session>();
}

void printToPdf(benchmark::State& state, PrintSide side, PrintQuality quality)
{
    Session& s = session();
    for (auto _ : state) {
        try {
            const PreparedPrint print = preparePrint(*s.printer, s.card, side, SheetTurn::Book,
                                                     PrintSides::OneSided, quality);
            sendPrint(*s.printer, print);
        } catch (const AppError& e) {
            state.SkipWithError(qPrintable(e.text()));
            return;
        }
    }
    state.counters["pdf_bytes"] = double(QFileInfo(s.pdf).size());
}

void BM_FineFrontsToPdf(benchmark::State& state)
{
    printToPdf(state, PrintSide::Fronts, PrintQuality::Fine);
}
BENCHMARK(BM_FineFrontsToPdf)->Unit(benchmark::kMillisecond);

void BM_AsShownFrontsToPdf(benchmark::State& state)
{
    printToPdf(state, PrintSide::Fronts, PrintQuality::AsShown);
}
BENCHMARK(BM_AsShownFrontsToPdf)->Unit(benchmark::kMillisecond);

void BM_FineBacksToPdf(benchmark::State& state)
{
    printToPdf(state, PrintSide::Backs, PrintQuality::Fine);
}
BENCHMARK(BM_FineBacksToPdf)->Unit(benchmark::kMillisecond);

void BM_AsShownBacksToPdf(benchmark::State& state)
{
    printToPdf(state, PrintSide::Backs, PrintQuality::AsShown);
}
BENCHMARK(BM_AsShownBacksToPdf)->Unit(benchmark::kMillisecond);

void BM_PreviewFineFronts(benchmark::State& state)
{
    Session& s = session();
    const PreparedPrint print = preparePreview(*s.printer, s.card, PrintQuality::Fine);
    for (auto _ : state)
        benchmark::DoNotOptimize(previewSheet(print, 0, 96).fronts.width());
}
BENCHMARK(BM_PreviewFineFronts)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv,
                         {{"BM_FineFrontsToPdf", "BM_AsShownFrontsToPdf"},
                          {"BM_FineBacksToPdf", "BM_AsShownBacksToPdf"},
                          {"BM_PreviewFineFronts", "BM_FineFrontsToPdf"}});
}
