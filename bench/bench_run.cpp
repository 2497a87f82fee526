// The command line's export of a run of 1,000 addresses on "4 on Sheet" (250 sheets of backs)
// to one PDF file, as a script runs it, beside the same export of one sheet of four. Besides
// the times, each row gives the process's peak memory (peak_MB); the run's row gives what it
// took above one sheet (above_one_sheet_MB): the sheets are made and written one at a time, so
// that stays about flat however long the run.
//   BM_CommandLineExportRunOf1000   talmiro-postcard-print --export-pdf OUT --side backs DESIGN
//   BM_CommandLineExportOneSheet    the same design with four addresses: the reference
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

// The program exporting `design`'s backs, in a process of its own; its peak resident memory
// in MB, or a negative number when it failed.
double exportBacks(const QString& design, const QString& out)
{
    const QByteArray program = TALMIRO_PROGRAM;
    const QByteArray args[] = {program,  "--export-pdf", QFile::encodeName(out),
                               "--side", "backs",        QFile::encodeName(design)};
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

void exportRun(benchmark::State& state, const QString& design, bool aboveOneSheet)
{
    Session& s = session();
    const QString out = s.dir.filePath(QStringLiteral("backs.pdf"));
    double peak = 0;
    for (auto _ : state) {
        peak = exportBacks(design, out);
        if (peak < 0)
            state.SkipWithError("the export failed");
    }
    state.counters["peak_MB"] = peak;
    state.counters["PDF_MB"] = double(QFileInfo(out).size()) / (1024 * 1024);
    if (aboveOneSheet)
        state.counters["above_one_sheet_MB"] =
            peak - exportBacks(s.oneSheet, s.dir.filePath(QStringLiteral("one.pdf")));
}

void BM_CommandLineExportRunOf1000(benchmark::State& state)
{
    exportRun(state, session().run, true);
}
BENCHMARK(BM_CommandLineExportRunOf1000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_CommandLineExportOneSheet(benchmark::State& state)
{
    exportRun(state, session().oneSheet, false);
}
BENCHMARK(BM_CommandLineExportOneSheet)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv,
                         {{"BM_CommandLineExportRunOf1000", "BM_CommandLineExportOneSheet"}});
}
