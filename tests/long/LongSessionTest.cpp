// An afternoon of work in one process: 1,000 back renders, 300 refreshes of a front made from a
// 12-megapixel photo, 50 prints of backs and fronts in every layout to PDF files through the
// real Qt printer, and 100 saves; then a 48-megapixel portrait photo opened as a turned front.
// Resident memory after a warm-up must grow by less than 5 % over the rest of the run, the
// turned front must peak within the picture budget over the idle window, and the work files
// must be gone once the window is; the figures are printed. CTest label "long": the sanitizer
// pass leaves it out.
#include "app/TForm1.h"
#include "geometry/SheetLayout.h"
#include "gfx/JpegCodec.h"
#include "qtprinter/QtPrinterDevice.h"
#include "support/PictureFiles.h"
#include "support/ScriptedDialogs.h"
#include "support/WindowControls.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <string>
#include <unistd.h>

namespace
{

constexpr int Rounds = 50; // one print in each, going round the 8 layouts and sides
// Every layout printed as backs and as fronts, and ending where the last round ends (the same
// layout and side, so the same page bitmap is kept): the two measurements compare like with like.
constexpr int WarmUpRounds = 10;
static_assert(WarmUpRounds % 8 == Rounds % 8);
constexpr int BackRendersPerRound = 20;   // 1,000 in all
constexpr int FrontRefreshesPerRound = 6; // 300
constexpr int SavesPerRound = 2;          // 100
constexpr double AllowedGrowth = 0.05;
// The most one picture may add to the idle window while it opens, turned fronts included.
constexpr double PictureBudgetMiB = 600;
const QSize TallPhoto(6000, 8000); // 48 megapixels, taller than wide

// Resident memory once the allocator has handed back what it holds free, so that what is
// measured is what the program keeps.
double residentMiB()
{
    malloc_trim(0);
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// The highest resident memory since the last resetPeakResident(), from the kernel's own mark.
void resetPeakResident()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}
double peakResidentMiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0; // in kB
    return 0;
}

} // namespace

TEST(LongSession, ResidentMemoryStaysFlat)
{
    QElapsedTimer clock;
    clock.start();
    QTemporaryDir dir;
    const QString photo = dir.filePath(QStringLiteral("photo.jpg"));
    writeJpegFile(blockPicture(4000, 3000), photo, 90);
    const QDir pdfs(dir.filePath(QStringLiteral("pdf")));
    ASSERT_TRUE(pdfs.mkpath(QStringLiteral(".")));

    const QString tall = dir.filePath(QStringLiteral("tall.jpg"));
    writeJpegFile(blockPicture(TallPhoto.width(), TallPhoto.height()), tall, 90);

    const auto printer = QtPrinterDevice::pdfFiles(pdfs.path());
    ScriptedDialogs dialogs;
    auto window = std::make_unique<TForm1>(dialogs, *printer);
    TForm1& form = *window;
    form.guard([&] { form.FormActivate(); });
    findControl<QPushButton>(form, "ContinueButton")->click();
    dialogs.openAnswers = {photo};
    findControl<QAction>(form, "OpenPopup")->trigger();
    ASSERT_EQ(form.document().frontSize(), QSize(4000, 3000));

    int renders = 0, refreshes = 0, prints = 0, saves = 0;
    QStringList errors;
    const auto round = [&](int r) {
        for (int i = 0; i < BackRendersPerRound; ++i, ++renders) {
            findControl<QTextEdit>(form, "TitleMemo")
                ->setPlainText(QStringLiteral("Card %1").arg(renders));
            form.DrawPostCardBack(&form, 1, 0, 0);
        }
        for (int i = 0; i < FrontRefreshesPerRound; ++i, ++refreshes) {
            findControl<UpDown>(form, "ImageSizeUpDown")->setPosition(100 + refreshes % 5 * 10);
            form.FrontImageRefresh(&form);
        }
        // Backs and fronts in turn, through the four layouts.
        findControl<RadioGroup>(form, "TypeOfDeckRadioGroup")->setChoice(Layouts[r / 2 % 4]);
        findControl<QTabWidget>(form, "PageControl1")
            ->setCurrentWidget(r % 2 ? findControl<QWidget>(form, "FrontTabSheet")
                                     : findControl<QWidget>(form, "TextTabSheet"));
        findControl<QPushButton>(form, "PrintButton")->click();
        ++prints;
        EXPECT_EQ(pdfs.entryList(QDir::Files).size(), 1) << "print " << prints;
        for (const QString& pdf : pdfs.entryList(QDir::Files))
            QFile::remove(pdfs.filePath(pdf));
        for (int i = 0; i < SavesPerRound; ++i, ++saves) {
            dialogs.saveAnswers = {
                dir.filePath(i ? QStringLiteral("card.jpg") : QStringLiteral("card.bmp"))};
            (i ? findControl<QAction>(form, "SaveAsJpgItem")
               : findControl<QAction>(form, "SaveImageAsItem"))
                ->trigger();
        }
        // The scripted dialogs' own logs must not grow with the session.
        errors << dialogs.errors;
        dialogs.errors.clear();
        dialogs.messages.clear();
        dialogs.log.clear();
        dialogs.saveShown.clear();
    };

    for (int r = 0; r < WarmUpRounds; ++r)
        round(r);
    const double warm = residentMiB();
    double peak = warm;
    for (int r = WarmUpRounds; r < Rounds; ++r) {
        round(r);
        peak = std::max(peak, residentMiB());
    }
    const double end = residentMiB();
    const double growth = (end - warm) / warm;

    // The tall photo as a front: read, turned, its turned copy written, composed.
    findControl<RadioGroup>(form, "TypeOfDeckRadioGroup")->setChoice(Layout::LandscapeLandscape);
    const double idle = residentMiB();
    resetPeakResident();
    dialogs.openAnswers = {tall};
    findControl<QAction>(form, "OpenPopup")->trigger();
    const double turnedPeak = peakResidentMiB() - idle;
    EXPECT_TRUE(form.document().frontTurned());
    EXPECT_EQ(form.document().frontSize(), TallPhoto.transposed());
    EXPECT_EQ(form.state().FrontSheetImage.size(), QSize(1200, 800));
    errors << dialogs.errors;
    const QString turnedFile = QDir(form.state().WorkFolder).filePath(QStringLiteral("~~a.bmp"));
    const QString pageFile = QDir(form.state().WorkFolder).filePath(QStringLiteral("~~page.bmp"));
    EXPECT_TRUE(QFile::exists(turnedFile));
    window.reset();
    EXPECT_FALSE(QFile::exists(turnedFile));
    EXPECT_FALSE(QFile::exists(pageFile));

    std::printf("Long session: %d back renders, %d front refreshes (4000 x 3000 photo), %d prints "
                "to PDF, %d saves in %.0f s.\nResident memory after the warm-up %.1f MiB, at "
                "the end %.1f MiB (peak %.1f MiB): growth %+.2f %% (allowed %.0f %%).\n"
                "A %d x %d photo opened as a turned front peaked %.1f MiB over the idle window "
                "(allowed %.0f MiB).\n",
                renders, refreshes, prints, saves, clock.elapsed() / 1000.0, warm, end, peak,
                growth * 100, AllowedGrowth * 100, TallPhoto.width(), TallPhoto.height(),
                turnedPeak, PictureBudgetMiB);
    EXPECT_EQ(renders, 1000);
    EXPECT_EQ(refreshes, 300);
    EXPECT_EQ(prints, 50);
    EXPECT_EQ(saves, 100);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_LT(growth, AllowedGrowth);
    EXPECT_LT(turnedPeak, PictureBudgetMiB);
}
