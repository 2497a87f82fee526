// The command line's export of a run of 1,000 addresses on "4 on Sheet" (250 sheets of backs)
// to one PDF file, as a script runs it, beside the same export of one sheet of four, in both
// qualities (as shown, the pages are pictures: the PDF is large). Besides
// the times, each row gives the process's peak memory (peak_MB); the run's row gives what it
// took above one sheet (above_one_sheet_MB): the sheets are made and written one at a time, so
// that stays about flat however long the run.
//   BM_ExportRunOf1000Fine     talmiro-postcard-print --export-pdf OUT --side backs DESIGN
//   BM_ExportOneSheetFine      the same design with four addresses: the reference
//   BM_ExportRunOf1000AsShown  the same as shown (--quality as-shown)
//   BM_ExportOneSheetAsShown   its reference
#include "design/DesignFile.h"
#include "support/BenchMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace
{

// A design of `addresses` addresses of varied lengths on "4 on Sheet".
QString writeRunDesign(const QString& fileName, int addresses)
{
    QByteArray csv = "Name,Street,City,Postcode\n";
    for (int i = 0; i < addresses; ++i)
        csv += "Person " + QByteArray::number(i) + " " + QByteArray(i % 23, 'x') + ",Road " +
               QByteArray::number(i * 7) + ",Town " + QByteArray::number(i % 97) + "," +
               QByteArray::number(10000 + i) + "\n";
    CardDocument card = defaultCardDocument();
    const AddressTable table = readAddressList(csv, QStringLiteral("people.csv"));
    card.addressColumns = table.defaults;
    card.addresses = SharedAddressList(table);
    card.addressLines = AddressLines::Text;
    card.layout = Layout::FourOnSheet;
    saveDesignFile(card, fileName);
    return fileName;
}

struct Session : BenchSession {
    QTemporaryDir dir;
    QString run = writeRunDesign(dir.filePath(QStringLiteral("run.postcard")), 1000);
    QString oneSheet = writeRunDesign(dir.filePath(QStringLiteral("one.postcard")), 4);
};

Session& session()
{
    return benchSession<Session>();
}

// The program exporting `design`'s backs in `quality`, in a process of its own; its peak
// resident memory in MB, or a negative number when it failed.
double exportBacks(const QString& design, const QString& out, const char* quality)
{
    const QByteArray program = TALMIRO_PROGRAM;
    const QByteArray args[] = {
        program,     "--export-pdf", QFile::encodeName(out),   "--side", "backs",
        "--quality", quality,        QFile::encodeName(design)};
    std::vector<char*> argv;
    for (const QByteArray& a : args)
        argv.push_back(const_cast<char*>(a.constData()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, program.constData(), nullptr, nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
}

// The run's row also gives its peak memory above one sheet's, in the same quality.
void exportRun(benchmark::State& state, bool run, const char* quality)
{
    Session& s = session();
    const QString out = s.dir.filePath(QStringLiteral("backs.pdf"));
    double peak = 0;
    for (auto _ : state) {
        peak = exportBacks(run ? s.run : s.oneSheet, out, quality);
        if (peak < 0)
            state.SkipWithError("the export failed");
    }
    state.counters["peak_MB"] = peak;
    state.counters["PDF_MB"] = double(QFileInfo(out).size()) / (1024 * 1024);
    if (run)
        state.counters["above_one_sheet_MB"] =
            peak - exportBacks(s.oneSheet, s.dir.filePath(QStringLiteral("one.pdf")), quality);
}

void BM_ExportRunOf1000Fine(benchmark::State& state)
{
    exportRun(state, true, "fine");
}
BENCHMARK(BM_ExportRunOf1000Fine)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ExportOneSheetFine(benchmark::State& state)
{
    exportRun(state, false, "fine");
}
BENCHMARK(BM_ExportOneSheetFine)->Unit(benchmark::kMillisecond);

void BM_ExportRunOf1000AsShown(benchmark::State& state)
{
    exportRun(state, true, "as-shown");
}
BENCHMARK(BM_ExportRunOf1000AsShown)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ExportOneSheetAsShown(benchmark::State& state)
{
    exportRun(state, false, "as-shown");
}
BENCHMARK(BM_ExportOneSheetAsShown)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv,
                         {{"BM_ExportRunOf1000Fine", "BM_ExportOneSheetFine"},
                          {"BM_ExportRunOf1000AsShown", "BM_ExportOneSheetAsShown"}});
}
