#pragma once
// What every benchmark program shares: the application it runs in, one window session made on
// first use, silent dialogs, and the run itself, which ends with each hot path's median over
// its reference's median. scripts/bench.sh pairs the rows the same way from the JSON context.
#include "app/Dialogs.h"

#include <QStringList>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <vector>

// A hot path and what it is measured against: one benchmark, or several separated by commas.
struct BenchReference {
    std::string benchmark;
    std::string references;
};

// Stays silent: answers every save dialog with `saveName` and every open dialog for a design
// with `openName`, keeps whatever would have been
// shown, so that a run can fail on it.
class BenchDialogs : public Dialogs
{
public:
    QString saveName;
    QString openName;
    QStringList pictures; // what the picture dialogs answer, in turn; then Cancel
    QStringList shown;    // messages and errors, in order
    QStringList errors;

    std::optional<QString> openPicture(const FileDialogSettings&) override
    {
        if (pictures.isEmpty())
            return {};
        return pictures.takeFirst();
    }
    std::optional<QString> savePicture(const FileDialogSettings&) override;
    std::optional<QString> openFile(const FileDialogSettings&) override { return openName; }
    std::optional<QString> saveFile(const FileDialogSettings&) override { return saveName; }
    std::optional<QFont> chooseFont(const QFont&, bool) override { return {}; }
    std::optional<QColor> chooseColor(const QColor&) override { return {}; }
    bool printerSetup() override { return false; }
    void message(const QString& text) override { shown << text; }
    bool question(const QString&, const QString&) override { return true; }
    DialogAnswer yesNoCancel(const QString&, const QString&) override { return DialogAnswer::No; }
    void error(const QString& text) override;
};

// What a program keeps between its benchmarks (a window, its printer); it goes before the
// application object does.
class BenchSession
{
public:
    virtual ~BenchSession() = default;
};

std::unique_ptr<BenchSession>& currentBenchSession();

template <typename Session> Session& benchSession()
{
    std::unique_ptr<BenchSession>& current = currentBenchSession();
    if (!current)
        current = std::make_unique<Session>();
    return static_cast<Session&>(*current);
}

// Runs the benchmarks the command line selects inside an offscreen QApplication with a
// temporary work folder, and prints the ratios of `references` after the usual table.
int runBenchmarks(int argc, char** argv, const std::vector<BenchReference>& references);
