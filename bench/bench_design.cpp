// Saving and opening a design whose front is a 4000 x 3000 photograph and whose corner holds a
// picture, beside writing and reading the same number of bytes as a plain file. Opening also
// decodes both pictures and draws the back and the front; loading the photo alone is shown too.
#include "app/TForm1.h"
#include "back/CardBack.h"
#include "back/PictureFile.h"
#include "gfx/AppError.h"
#include "gfx/WholeFile.h"
#include "gfx/JpegCodec.h"
#include "qtprinter/QtPrinterDevice.h"
#include "support/BenchMain.h"
#include "support/BenchPictures.h"
#include "support/WindowControls.h"

#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace
{

constexpr int PhotoWidth = 4000;
constexpr int PhotoHeight = 3000;
constexpr int PhotoQuality = 90;
constexpr int CornerWidth = 600;
constexpr int CornerHeight = 450;

QByteArray readWholeFile(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The window after Continue with both pictures chosen, saved once as a design.
struct Session : BenchSession {
    QTemporaryDir dir;
    BenchDialogs dialogs;
    QtPrinterDevice printer;
    std::unique_ptr<TForm1> form;
    QString photo = dir.filePath(QStringLiteral("photo.jpg"));
    QString corner = dir.filePath(QStringLiteral("corner.jpg"));
    QString design = dir.filePath(QStringLiteral("card.postcard"));
    QString plain = dir.filePath(QStringLiteral("plain.bin"));

    Session()
    {
        writeJpegFile(photoLikePicture(PhotoWidth, PhotoHeight), photo, PhotoQuality);
        writeJpegFile(photoLikePicture(CornerWidth, CornerHeight), corner, PhotoQuality);
        form = std::make_unique<TForm1>(dialogs, printer);
        form->guard([this] { form->FormActivate(); });
        findControl<QPushButton>(*form, "ContinueButton")->click();
        // The corner picture as the Image choice asks for it, then the front's photo.
        dialogs.pictures = {corner, photo};
        findControl<RadioGroup>(*form, "LowerLeftCornerRadioGroup")
            ->setChoice(LowerLeftCorner::Image);
        findControl<QAction>(*form, "OpenPopup")->trigger();
        dialogs.saveName = design;
        dialogs.openName = design;
        findControl<QAction>(*form, "SaveDesignAsItem")->trigger();
    }
};

Session& session()
{
    return benchSession<Session>();
}

bool failed(benchmark::State& state, const BenchDialogs& dialogs)
{
    if (dialogs.shown.isEmpty())
        return false;
    state.SkipWithError(qPrintable(dialogs.shown.join(QLatin1Char('\n'))));
    return true;
}

void BM_SaveDesign12MP(benchmark::State& state)
{
    Session& s = session();
    for (auto _ : state)
        s.form->SaveDesignItemClick(findControl<QAction>(*s.form, "SaveDesignItem"));
    if (!failed(state, s.dialogs))
        state.counters["bytes"] = double(QFileInfo(s.design).size());
}
BENCHMARK(BM_SaveDesign12MP)->Unit(benchmark::kMillisecond);

void BM_OpenDesign12MP(benchmark::State& state)
{
    Session& s = session();
    for (auto _ : state)
        s.form->OpenDesignItemClick(findControl<QAction>(*s.form, "OpenDesignItem"));
    if (!failed(state, s.dialogs) && s.form->state().FrontSheetImage.isNull())
        state.SkipWithError("the front was not composed");
}
// Process time: the pictures are decoded off the window's thread.
BENCHMARK(BM_OpenDesign12MP)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// The references: the design's bytes written atomically as a plain file, and read back.
void BM_WritePlainFileOfTheDesignsSize(benchmark::State& state)
{
    Session& s = session();
    const QByteArray bytes = readWholeFile(s.design);
    for (auto _ : state)
        writeWholeFile(s.plain, bytes);
}
BENCHMARK(BM_WritePlainFileOfTheDesignsSize)->Unit(benchmark::kMillisecond);

void BM_ReadPlainFileOfTheDesignsSize(benchmark::State& state)
{
    Session& s = session();
    writeWholeFile(s.plain, readWholeFile(s.design));
    for (auto _ : state)
        benchmark::DoNotOptimize(readWholeFile(s.plain));
}
BENCHMARK(BM_ReadPlainFileOfTheDesignsSize)->Unit(benchmark::kMillisecond);

// What opening cannot do without: decoding the photo.
void BM_LoadFrontPhoto12MP(benchmark::State& state)
{
    Session& s = session();
    QImage image;
    for (auto _ : state) {
        LoadPictureFile(s.photo, image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_LoadFrontPhoto12MP)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(
        argc, argv,
        {{"BM_SaveDesign12MP", "BM_WritePlainFileOfTheDesignsSize"},
         {"BM_OpenDesign12MP", "BM_ReadPlainFileOfTheDesignsSize, BM_LoadFrontPhoto12MP"}});
}
