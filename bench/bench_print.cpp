// Printing the "4 on Sheet" page of backs at 600 dpi to a PDF file, beside the physical floor
// of that output: deflating the page's 2200 x 1700 24-bit pixels and writing the result, which
// any lossless PDF of the page must do. Rows:
//   BM_PrintCommandFourOnSheet     the whole Print command as the user runs it: render the
//                                  back, tile, write "~~page.bmp", print in bands to a PDF file
//   BM_ComposeAndPrintFourOnSheet  tile the rendered back and print it in bands to a PDF file
//   BM_ComposeAndPrintPhotoFronts  the same with a photograph-like front: the largest PDF
//   BM_DeflateAndWritePage         the reference
// The "pdf_bytes" counter is the size of the PDF file each print wrote.
#include "app/TForm1.h"
#include "geometry/PagePlacement.h"
#include "geometry/SheetLayout.h"
#include "print/PagePrint.h"
#include "qtprinter/QtPrinterDevice.h"
#include "support/BenchMain.h"
#include "support/WindowControls.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <memory>

namespace
{

// The window after "Continue" on "4 on Sheet", printing to PDF files in a temporary folder.
struct Session : BenchSession {
    QTemporaryDir dir;
    BenchDialogs dialogs;
    std::unique_ptr<QtPrinterDevice> printer = QtPrinterDevice::pdfFiles(dir.path());
    std::unique_ptr<TForm1> form;

    Session()
    {
        form = std::make_unique<TForm1>(dialogs, *printer);
        form->guard([this] { form->FormActivate(); });
        findControl<QPushButton>(*form, "ContinueButton")->click();
        findControl<RadioGroup>(*form, "TypeOfDeckRadioGroup")->setChoice(Layout::FourOnSheet);
        form->DrawPostCardBack(form.get(), 1, 0, 0);
    }
};

Session& session()
{
    return benchSession<Session>();
}

void reportPdf(benchmark::State& state, const Session& s)
{
    if (!s.dialogs.errors.isEmpty())
        state.SkipWithError(qPrintable(s.dialogs.errors.join(QLatin1Char('\n'))));
    else
        state.counters["pdf_bytes"] = double(QFileInfo(s.printer->lastPdfFile()).size());
}

void BM_PrintCommandFourOnSheet(benchmark::State& state)
{
    Session& s = session();
    for (auto _ : state)
        s.form->guard(
            [&] { s.form->PrintButtonClick(findControl<QPushButton>(*s.form, "PrintButton")); });
    reportPdf(state, s);
}
BENCHMARK(BM_PrintCommandFourOnSheet)->Unit(benchmark::kMillisecond);

void composeAndPrint(benchmark::State& state, const QImage& card)
{
    Session& s = session();
    const PrinterMetrics m = ReadPrinterMetrics(*s.printer);
    for (auto _ : state) {
        s.form->guard([&] {
            const QImage page = tilePage(card, backPageTiling(Layout::FourOnSheet, card.size()),
                                         QImage::Format_RGB888);
            printPage(*s.printer, m, page, placePages(Layout::FourOnSheet, m).backs, 1,
                      PageMarks::Corners);
        });
    }
    reportPdf(state, s);
}

void BM_ComposeAndPrintFourOnSheet(benchmark::State& state)
{
    composeAndPrint(state, session().form->state().BackSheetImage);
}
BENCHMARK(BM_ComposeAndPrintFourOnSheet)->Unit(benchmark::kMillisecond);

// Smooth colour with grain, as a photograph compresses: the worst case for the PDF's size.
QImage photoLikeCard()
{
    QImage card(1100, 850, QImage::Format_RGB32);
    QRandomGenerator grain(7);
    for (int y = 0; y < card.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(card.scanLine(y));
        for (int x = 0; x < card.width(); ++x) {
            const int n = int(grain.bounded(24));
            row[x] = qRgb((x * 255 / 1100 + n) % 256, (y * 255 / 850 + n) % 256,
                          ((x + y) * 128 / 1950 + n) % 256);
        }
    }
    return card;
}

void BM_ComposeAndPrintPhotoFronts(benchmark::State& state)
{
    composeAndPrint(state, photoLikeCard());
}
BENCHMARK(BM_ComposeAndPrintPhotoFronts)->Unit(benchmark::kMillisecond);

// The reference: the page's pixels deflated and written to a file.
void BM_DeflateAndWritePage(benchmark::State& state)
{
    const QImage& back = session().form->state().BackSheetImage;
    const QImage page =
        tilePage(back, backPageTiling(Layout::FourOnSheet, back.size()), QImage::Format_RGB888);
    const QByteArray pixels(reinterpret_cast<const char*>(page.constBits()), page.sizeInBytes());
    const QString name = session().dir.filePath(QStringLiteral("deflated.bin"));
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray deflated = qCompress(pixels);
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly) || file.write(deflated) != deflated.size())
            state.SkipWithError("cannot write the temporary folder");
        size = deflated.size();
    }
    state.counters["bytes"] = double(size);
}
BENCHMARK(BM_DeflateAndWritePage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv,
                         {{"BM_PrintCommandFourOnSheet", "BM_DeflateAndWritePage"},
                          {"BM_ComposeAndPrintFourOnSheet", "BM_DeflateAndWritePage"},
                          {"BM_ComposeAndPrintPhotoFronts", "BM_DeflateAndWritePage"}});
}
