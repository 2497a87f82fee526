// The command line's export of a "4 on Sheet" page of fronts from a design with a 4000 x 3000
// photograph, as a script runs it (a whole process: start, read and decode the design, compose,
// write the PDF), beside the window printing the same page to a PDF file with the design open.
//   BM_CommandLineExportFronts  talmiro-postcard-print --export-pdf OUT --side fronts DESIGN
//   BM_WindowPrintFronts        Print on the PostCard Front page: the reference
#include "app/TForm1.h"
#include "design/DesignFile.h"
#include "gfx/JpegCodec.h"
#include "qtprinter/QtPrinterDevice.h"
#include "support/BenchMain.h"
#include "support/BenchPictures.h"
#include "support/WindowControls.h"

#include <QFile>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <memory>

namespace
{

struct Session : BenchSession {
    QTemporaryDir dir;
    BenchDialogs dialogs;
    std::unique_ptr<QtPrinterDevice> printer = QtPrinterDevice::pdfFiles(dir.path());
    std::unique_ptr<TForm1> form;
    QString design = dir.filePath(QStringLiteral("card.postcard"));

    Session()
    {
        const QString photo = dir.filePath(QStringLiteral("photo.jpg"));
        writeJpegFile(photoLikePicture(4000, 3000), photo, 90);
        CardDocument card = defaultCardDocument();
        CardPicture front;
        front.fileName = photo;
        QFile file(photo);
        file.open(QIODevice::ReadOnly);
        front.bytes = file.readAll();
        card.front = SharedPicture(std::move(front));
        card.frontText = QStringLiteral("Greetings");
        card.layout = Layout::FourOnSheet;
        saveDesignFile(card, design);
        form = std::make_unique<TForm1>(dialogs, *printer);
        form->openDesignAtStart({design});
        form->guard([this] { form->FormActivate(); });
        findControl<QTabWidget>(*form, "PageControl1")
            ->setCurrentWidget(findControl<QWidget>(*form, "FrontTabSheet"));
    }
};

Session& session()
{
    return benchSession<Session>();
}

void BM_CommandLineExportFronts(benchmark::State& state)
{
    Session& s = session();
    const QString out = s.dir.filePath(QStringLiteral("fronts.pdf"));
    for (auto _ : state) {
        QProcess program;
        program.start(QStringLiteral(TALMIRO_PROGRAM),
                      {QStringLiteral("--export-pdf"), out, QStringLiteral("--side"),
                       QStringLiteral("fronts"), s.design});
        if (!program.waitForFinished(60000) || program.exitCode() != 0)
            state.SkipWithError(program.readAllStandardError().constData());
    }
}
BENCHMARK(BM_CommandLineExportFronts)->Unit(benchmark::kMillisecond);

void BM_WindowPrintFronts(benchmark::State& state)
{
    Session& s = session();
    for (auto _ : state)
        s.form->guard(
            [&] { s.form->PrintButtonClick(findControl<QPushButton>(*s.form, "PrintButton")); });
    if (!s.dialogs.errors.isEmpty())
        state.SkipWithError(qPrintable(s.dialogs.errors.join(QLatin1Char('\n'))));
}
BENCHMARK(BM_WindowPrintFronts)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, {{"BM_CommandLineExportFronts", "BM_WindowPrintFronts"}});
}
