#include "BenchMain.h"

#include "gfx/SheetText.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <map>

namespace
{

constexpr double MillisecondsPerSecond = 1000.0;

// "BM_X/1/repeats:15" -> "BM_X/1", the name scripts/bench.sh's table uses.
std::string withoutRepeats(const std::string& name)
{
    return name.substr(0, std::min(name.find("/iterations:"), name.find("/repeats:")));
}

std::vector<std::string> splitReferences(const std::string& list)
{
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(',', start);
        if (end == std::string::npos)
            end = list.size();
        std::string name = list.substr(start, end - start);
        name.erase(0, name.find_first_not_of(' '));
        name.erase(name.find_last_not_of(' ') + 1);
        if (!name.empty())
            names.push_back(name);
        start = end + 1;
    }
    return names;
}

// Prints the usual table, then each hot path's median over its reference's.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    explicit RatioReporter(const std::vector<BenchReference>& references) : references_(references)
    {
    }
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            // Repeated runs report their median; single runs report themselves.
            if (!run.error_occurred &&
                (run.run_type == Run::RT_Iteration || run.aggregate_name == "median"))
                medians_[withoutRepeats(run.run_name.str())] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) *
                    MillisecondsPerSecond;
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const BenchReference& pair : references_)
            for (const std::string& reference : splitReferences(pair.references)) {
                const auto x = medians_.find(pair.benchmark), y = medians_.find(reference);
                if (x != medians_.end() && y != medians_.end() && y->second > 0)
                    std::printf("%-32s %10.3f ms, %6.2f x %s (%.3f ms)\n", x->first.c_str(),
                                x->second, x->second / y->second, reference.c_str(), y->second);
            }
    }

private:
    const std::vector<BenchReference>& references_;
    std::map<std::string, double> medians_;
};

} // namespace

std::optional<QString> BenchDialogs::savePicture(const FileDialogSettings&)
{
    if (saveName.isEmpty())
        return {};
    return saveName;
}

void BenchDialogs::error(const QString& text)
{
    shown << text;
    errors << text;
}

std::unique_ptr<BenchSession>& currentBenchSession()
{
    static std::unique_ptr<BenchSession> session;
    return session;
}

int runBenchmarks(int argc, char** argv, const std::vector<BenchReference>& references)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir cache; // the window's work folder goes here, not into the user's cache
    qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    qputenv("XDG_STATE_HOME", cache.path().toLocal8Bit()); // and the list of recent designs
    QApplication app(argc, argv);
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    for (const BenchReference& pair : references)
        benchmark::AddCustomContext("reference of " + pair.benchmark, pair.references);
    RatioReporter reporter(references);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    currentBenchSession().reset();
    return 0;
}
